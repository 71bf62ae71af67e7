// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtplatform.h"
#include "sdlaudio.h"
#include "quitsignals.h"
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QThread>
#include <QUrl>
#include <algorithm>

namespace {

QWidget *DialogParent()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return nullptr;
    if (QWidget *w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}

bool HasWidgets()
{
    return qobject_cast<QApplication *>(QCoreApplication::instance()) != nullptr;
}

quint64 FreshSeed()
{
    std::random_device rd;
    const quint64 hw = (quint64(rd()) << 32) ^ rd();
    return hw ^ quint64(QDateTime::currentMSecsSinceEpoch()) ^ (quint64(QCoreApplication::applicationPid()) << 40);
}

// The program's dialogs speak to children: large type, the sky-blue window,
// white rounded buttons and one orange default button.
void ApplyChildDialogStyle(QWidget *dlg)
{
    dlg->setStyleSheet(QStringLiteral(
        "QDialog { background: #E6F3FF; }"
        "QLabel { color: #2B2D42; font-family: 'WenQuanYi Micro Hei', 'DejaVu Sans'; font-size: 17px; }"
        "QLineEdit { font-family: 'WenQuanYi Micro Hei', 'DejaVu Sans'; font-size: 17px; padding: 4px;"
        "  border: 2px solid #A8D4F5; border-radius: 8px; background: white; }"
        "QPushButton { font-family: 'WenQuanYi Micro Hei', 'DejaVu Sans'; font-size: 16px; color: #2B2D42;"
        "  min-width: 84px; min-height: 32px; padding: 2px 14px; background: white;"
        "  border: 2px solid #A8D4F5; border-radius: 12px; }"
        "QPushButton:hover { border-color: #FF9F1C; }"
        "QPushButton:default { background: #FF9F1C; color: white; border-color: #FF9F1C; }"));
}

// Flat round badges in the program's colours instead of the style's old
// icons. Red belongs to a wrong answer, never to an ordinary notice.
QPixmap NoticeBadge(MsgIcon icon, qreal dpr)
{
    QChar mark;
    QColor fill;
    switch (icon) {
    case MsgIcon::None: return QPixmap();
    case MsgIcon::Information:
        mark = QLatin1Char('i');
        fill = QColor(0x3A, 0x8D, 0xDE);
        break;
    case MsgIcon::Question:
        mark = QLatin1Char('?');
        fill = QColor(0x3A, 0x8D, 0xDE);
        break;
    case MsgIcon::Warning:
    case MsgIcon::Critical:
        mark = QLatin1Char('!');
        fill = QColor(0xFF, 0x9F, 0x1C);
        break;
    }
    constexpr int kSide = 48;
    QPixmap pm(QSize(kSide, kSide) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(QRectF(2, 2, kSide - 4, kSide - 4));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(30);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, kSide, kSide), Qt::AlignCenter, QString(mark));
    return pm;
}

} // namespace

QtPlatform::QtPlatform() : m_rng(FreshSeed())
{
    m_clock.start();
}

MsgResult QtPlatform::MsgBox(const QString &text, MsgButtons buttons, MsgIcon icon,
                             const QString &caption)
{
    MsgResult escape = MsgResult::OK;
    switch (buttons) {
    case MsgButtons::OK: escape = MsgResult::OK; break;
    case MsgButtons::OKCancel: escape = MsgResult::Cancel; break;
    case MsgButtons::YesNo: escape = MsgResult::No; break;
    case MsgButtons::YesNoCancel: escape = MsgResult::Cancel; break;
    }
    if (!HasWidgets())
        return escape;

    QMessageBox box(DialogParent());
    ApplyChildDialogStyle(&box);
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::PlainText); // words like "<" must not turn into markup
    box.setText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    if (icon != MsgIcon::None)
        box.setIconPixmap(NoticeBadge(icon, box.devicePixelRatioF()));

    QList<std::pair<QAbstractButton *, MsgResult>> map;
    auto add = [&](const char *label, QMessageBox::ButtonRole role, MsgResult r) {
        QPushButton *b = box.addButton(QString::fromUtf8(label), role);
        map.append({b, r});
        if (r == escape)
            box.setEscapeButton(b);
        return b;
    };
    switch (buttons) {
    case MsgButtons::OK:
        box.setDefaultButton(add("确定", QMessageBox::AcceptRole, MsgResult::OK));
        break;
    case MsgButtons::OKCancel:
        box.setDefaultButton(add("确定", QMessageBox::AcceptRole, MsgResult::OK));
        add("取消", QMessageBox::RejectRole, MsgResult::Cancel);
        break;
    case MsgButtons::YesNo:
        box.setDefaultButton(add("是", QMessageBox::YesRole, MsgResult::Yes));
        add("否", QMessageBox::NoRole, MsgResult::No);
        break;
    case MsgButtons::YesNoCancel:
        box.setDefaultButton(add("是", QMessageBox::YesRole, MsgResult::Yes));
        add("否", QMessageBox::NoRole, MsgResult::No);
        add("取消", QMessageBox::RejectRole, MsgResult::Cancel);
        break;
    }
    box.exec();
    for (const auto &[b, r] : map)
        if (box.clickedButton() == b)
            return r;
    return escape;
}

QString QtPlatform::InputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    if (!HasWidgets())
        return QString();
    QInputDialog dlg(DialogParent());
    ApplyChildDialogStyle(&dlg);
    dlg.setInputMode(QInputDialog::TextInput);
    dlg.setWindowTitle(title);
    dlg.setLabelText(prompt);
    dlg.setTextValue(defaultText);
    dlg.setOkButtonText(QStringLiteral("确定"));
    dlg.setCancelButtonText(QStringLiteral("取消"));
    // Nicknames and book names are typed in Chinese through the input method.
    for (QLineEdit *edit : dlg.findChildren<QLineEdit *>()) {
        edit->setAttribute(Qt::WA_InputMethodEnabled, true);
        edit->setInputMethodHints(Qt::ImhNone);
    }
    if (dlg.exec() != QDialog::Accepted)
        return QString();
    return dlg.textValue();
}

QString QtPlatform::OpenFileDialog(const QString &title, const QString &filter, const QString &startDir)
{
    if (!HasWidgets())
        return QString();
    return QFileDialog::getOpenFileName(DialogParent(), title, startDir, ToQtFileFilter(filter));
}

QString QtPlatform::SaveFileDialog(const QString &title, const QString &filter, const QString &startDir,
                                   const QString &defaultName)
{
    if (!HasWidgets())
        return QString();
    QString start = startDir;
    if (!defaultName.isEmpty())
        start = start.isEmpty() ? defaultName : start + QLatin1Char('/') + defaultName;
    QFileDialog dialog(DialogParent(), title, start, ToQtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // the dialog adds the suffix itself, so it is the one that asks before a
    // file of that name is replaced
    const QString suffix = DefaultSuffixOf(filter);
    if (!suffix.isEmpty())
        dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void QtPlatform::SetClipboardText(const QString &text)
{
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        app->clipboard()->setText(text);
}

QString QtPlatform::ClipboardText()
{
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return app->clipboard()->text();
    return QString();
}

bool QtPlatform::ShellOpen(const QString &target)
{
    const QUrl url = ShellTargetUrl(target);
    return url.isValid() && !url.isEmpty() && QDesktopServices::openUrl(url);
}

void QtPlatform::SetHandCursor()
{
    if (!HasWidgets())
        return;
    // Setting the widget's own cursor keeps the hand between moves too.
    if (QWidget *w = QApplication::widgetAt(QCursor::pos()))
        if (w->cursor().shape() != Qt::PointingHandCursor)
            w->setCursor(Qt::PointingHandCursor);
}

QStringList QtPlatform::FontFamilies()
{
    return QFontDatabase::families();
}

QStringList QtPlatform::RegisterFont(const QString &path)
{
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0)
        return {};
    return QFontDatabase::applicationFontFamilies(id);
}

double QtPlatform::Rnd()
{
    // 53 random bits: exactly [0, 1), never 1.0
    return double(m_rng() >> 11) * 0x1.0p-53;
}

void QtPlatform::Randomize()
{
    // Seeded once for the run: restarting from the clock inside a loop would
    // repeat the same picks.
}

void QtPlatform::Sleep(int ms)
{
    // in slices: a termination signal must not wait for a pause to end
    QElapsedTimer t;
    t.start();
    for (qint64 left = ms; left > 0 && !QuitSignals::Pending(); left = ms - t.elapsed())
        QThread::msleep(ulong(std::min<qint64>(left, 10)));
}

void QtPlatform::DoEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

qint64 QtPlatform::TickMs()
{
    return m_clock.elapsed();
}

bool QtPlatform::PlayWav(const QByteArray &wav, bool wait)
{
    return SdlAudioPlay(wav, wait);
}

void QtPlatform::StopSound()
{
    ++m_stops;
    SdlAudioStop();
}

void QtPlatform::SoundGap(int ms)
{
    const quint64 stops = m_stops;
    QElapsedTimer t;
    t.start();
    WaitWhileSounding([&] { return stops == m_stops && t.elapsed() < ms; });
}

QString DefaultSuffixOf(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    const QRegularExpressionMatch m = pattern.match(filter);
    return m.hasMatch() ? m.captured(1) : QString();
}

QString ToQtFileFilter(const QString &filter)
{
    if (!filter.contains(QLatin1Char('|')))
        return filter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString desc = parts.at(i).trimmed();
        QString pattern = QString(parts.at(i + 1)).replace(QLatin1Char(';'), QLatin1Char(' ')).trimmed();
        if (pattern == QLatin1String("*.*")) // here that would miss names without a dot
            pattern = QStringLiteral("*");
        if (pattern.isEmpty())
            continue;
        if (!desc.contains(QLatin1Char('(')))
            desc += QStringLiteral(" (%1)").arg(pattern);
        else
            desc = desc.left(desc.indexOf(QLatin1Char('('))).trimmed() + QStringLiteral(" (%1)").arg(pattern);
        out << desc;
    }
    return out.join(QStringLiteral(";;"));
}

QUrl ShellTargetUrl(const QString &target)
{
    const QString t = target.trimmed();
    if (t.isEmpty())
        return QUrl();
    const QString local = QString(t).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QFileInfo fi(local);
    if (fi.exists())
        return QUrl::fromLocalFile(fi.absoluteFilePath());
    const QUrl url(t, QUrl::StrictMode);
    // a one-letter "scheme" is a drive letter, not a URL
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    if (t.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QUrl(QStringLiteral("https://") + t);
    return QUrl::fromLocalFile(QFileInfo(local).absoluteFilePath());
}
