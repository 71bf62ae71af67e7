// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/platform.h"
#include "platform/qtplatform.h"
#include "support/fakeplatform.h"
#include "support/fixture.h"
#include "support/testmain.h"
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <set>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

Q_DECLARE_METATYPE(MsgButtons)
Q_DECLARE_METATYPE(MsgResult)
Q_DECLARE_METATYPE(MsgIcon)

namespace {

// Runs fn on the next modal dialog once it is shown.
void WhenModalShows(std::function<void(QWidget *)> fn)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, fn] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            fn(w);
        }
    });
    timer->start();
}

QStringList ButtonTexts(QWidget *box)
{
    QStringList out;
    for (QAbstractButton *b : box->findChildren<QAbstractButton *>())
        if (!b->text().isEmpty())
            out << b->text();
    std::sort(out.begin(), out.end());
    return out;
}

QAbstractButton *ButtonWithText(QWidget *box, const QString &text)
{
    for (QAbstractButton *b : box->findChildren<QAbstractButton *>())
        if (b->text() == text)
            return b;
    return nullptr;
}

} // namespace

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void installAndRestore()
    {
        Platform *before = SetPlatform(nullptr);
        SetPlatform(before);
        {
            FakePlatform a;
            PlatformGuard ga(a);
            QCOMPARE(&plat(), static_cast<Platform *>(&a));
            {
                FakePlatform b;
                PlatformGuard gb(b);
                QCOMPARE(&plat(), static_cast<Platform *>(&b));
            }
            QCOMPARE(&plat(), static_cast<Platform *>(&a));
        }
        QCOMPARE(SetPlatform(before), before);
    }

    // Asking for the platform before one is installed is a programming
    // error: the program stops instead of quietly using the real screen.
    void noPlatformStops()
    {
        Platform *before = SetPlatform(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            // the test log and its crash report are the parent's
            qInstallMessageHandler(nullptr);
            std::signal(SIGABRT, SIG_DFL);
            const rlimit noCore{0, 0};
            setrlimit(RLIMIT_CORE, &noCore);
            (void)plat();
            _exit(0);
        }
        SetPlatform(before);
        QVERIFY(child > 0);
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(WTERMSIG(status), SIGABRT);
    }

    void waitUsesThePacer()
    {
        ScopedFakePlatform p;
        p->processEvents = false;
        WaitLettingEventsThrough(250);
        QVERIFY(p->clockMs >= 250 && p->clockMs < 260);
        QVERIFY(p->doEventsCount > 0);

        // stops as soon as the condition goes
        const qint64 start = p->clockMs;
        int polls = 0;
        p->onDoEvents = [&] { ++polls; };
        WaitLettingEventsThrough(10000, [&] { return polls < 3; });
        QVERIFY(p->clockMs - start < 100);
    }

    void realWaitLetsEventsThrough()
    {
        QtPlatform real;
        PlatformGuard g(real);
        bool fired = false;
        QTimer::singleShot(20, [&] { fired = true; });
        QElapsedTimer t;
        t.start();
        WaitLettingEventsThrough(100);
        QVERIFY(fired);
        QVERIFY(t.elapsed() >= 95);
        QVERIFY(t.elapsed() < 1000);
    }

    void wavDuration_data()
    {
        QTest::addColumn<QByteArray>("wav");
        QTest::addColumn<qint64>("ms");
        QTest::addRow("22050 mono") << MakeSineWav(500) << qint64(500);
        QTest::addRow("44100 stereo") << MakeSineWav(250, 44100, 2) << qint64(250);
        QTest::addRow("truncated data") << MakeSineWav(1000).left(44 + 22050) << qint64(500);
        QByteArray extra = MakeSineWav(300);
        extra.insert(36, QByteArray("LIST\x05\0\0\0abcde\0", 14)); // odd chunk, padded
        QTest::addRow("chunk before data") << extra << qint64(300);
        QTest::addRow("empty") << QByteArray() << qint64(-1);
        QTest::addRow("text") << QByteArray("RIFF but not a wave") << qint64(-1);
        QTest::addRow("no data chunk") << MakeSineWav(300).left(36) << qint64(-1);
    }
    void wavDuration()
    {
        QFETCH(QByteArray, wav);
        QFETCH(qint64, ms);
        QCOMPARE(WavDurationMs(wav), ms);
    }

    void shellTargets_data()
    {
        // clang-format off
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("url");
        TempAppDir app; // lives only for the rows; the paths are compared as text
        QTest::addRow("web page") << "https://www.tallivo.example/download" << "https://www.tallivo.example/download";
        QTest::addRow("mail") << "mailto:a@b.example" << "mailto:a@b.example";
        QTest::addRow("bare www") << "www.tallivo.example" << "https://www.tallivo.example";
        QTest::addRow("drive letter is not a scheme") << "C:\\Learn\\help.html" << "file:C:/Learn/help.html";
        // clang-format on
    }
    void shellTargets()
    {
        QFETCH(QString, target);
        QFETCH(QString, url);
        const QUrl got = ShellTargetUrl(target);
        if (url.startsWith(QLatin1String("file:")))
            QVERIFY2(got.isLocalFile() && got.toLocalFile().endsWith(url.mid(5)), qPrintable(got.toString()));
        else
            QCOMPARE(got.toString(), url);
    }

    void shellTargetsForLocalFiles()
    {
        TempAppDir app;
        QVERIFY(app.writeText(QStringLiteral("dat/help.html"), QStringLiteral("<html/>")));
        const QUrl file = ShellTargetUrl(app.file(QStringLiteral("dat/help.html")));
        QVERIFY(file.isLocalFile());
        QCOMPARE(file.toLocalFile(), app.file(QStringLiteral("dat/help.html")));
        // backslashed paths name the same folders
        const QUrl folder = ShellTargetUrl(app.path() + QStringLiteral("\\usrdat\\"));
        QVERIFY(folder.isLocalFile());
        QCOMPARE(QFileInfo(folder.toLocalFile()).canonicalFilePath(),
                 QFileInfo(app.file(QStringLiteral("usrdat"))).canonicalFilePath());
        // a file name with spaces and Chinese stays one local path
        QVERIFY(app.writeText(QStringLiteral("sample/示例词库 第一册.txt"), QStringLiteral("x")));
        QCOMPARE(ShellTargetUrl(app.file(QStringLiteral("sample/示例词库 第一册.txt"))).toLocalFile(),
                 app.file(QStringLiteral("sample/示例词库 第一册.txt")));
        QVERIFY(ShellTargetUrl(QStringLiteral("  ")).isEmpty());
    }

    void fileFilters_data()
    {
        // clang-format off
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        QTest::addRow("pairs") << "文本文件 (*.txt)|*.txt|所有文件 (*.*)|*.*" << "文本文件 (*.txt);;所有文件 (*)";
        QTest::addRow("pairs without patterns in the text") << "Text|*.txt;*.csv" << "Text (*.txt *.csv)";
        QTest::addRow("already Qt") << "Text (*.txt);;All (*)" << "Text (*.txt);;All (*)";
        // clang-format on
    }
    void fileFilters()
    {
        QFETCH(QString, filter);
        QFETCH(QString, qt);
        QCOMPARE(ToQtFileFilter(filter), qt);
    }

    void randomIsSeededOnce()
    {
        QtPlatform real;
        // reseeding "from the clock" in a tight loop must not repeat the picks
        std::set<double> seen;
        for (int i = 0; i < 200; ++i) {
            real.Randomize();
            const double v = real.Rnd();
            QVERIFY(v >= 0.0 && v < 1.0);
            seen.insert(v);
        }
        QCOMPARE(seen.size(), size_t(200));
        // two platforms made at once do not share a sequence
        QtPlatform a, b;
        QVERIFY(a.Rnd() != b.Rnd() || a.Rnd() != b.Rnd());
    }

    void messageBox_data()
    {
        QTest::addColumn<MsgButtons>("buttons");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("press");
        QTest::addColumn<MsgResult>("result");
        QTest::addRow("OK") << MsgButtons::OK << QStringList{"确定"} << "确定" << MsgResult::OK;
        QTest::addRow("OK Cancel, cancel") << MsgButtons::OKCancel << QStringList{"取消", "确定"} << "取消" << MsgResult::Cancel;
        QTest::addRow("Yes No, yes") << MsgButtons::YesNo << QStringList{"否", "是"} << "是" << MsgResult::Yes;
        QTest::addRow("Yes No, no") << MsgButtons::YesNo << QStringList{"否", "是"} << "否" << MsgResult::No;
        QTest::addRow("Yes No, escape") << MsgButtons::YesNo << QStringList{"否", "是"} << "" << MsgResult::No;
        QTest::addRow("Yes No Cancel, cancel") << MsgButtons::YesNoCancel << QStringList{"取消", "否", "是"} << "取消" << MsgResult::Cancel;
        QTest::addRow("OK Cancel, escape") << MsgButtons::OKCancel << QStringList{"取消", "确定"} << "" << MsgResult::Cancel;
    }
    void messageBox()
    {
        QFETCH(MsgButtons, buttons);
        QFETCH(QStringList, texts);
        QFETCH(QString, press);
        QFETCH(MsgResult, result);
        QtPlatform real;
        QString title, text;
        QStringList seen;
        QPixmap badge;
        WhenModalShows([&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            badge = box->iconPixmap();
            seen = ButtonTexts(box);
            if (press.isEmpty())
                QTest::keyClick(box, Qt::Key_Escape);
            else if (QAbstractButton *b = ButtonWithText(box, press))
                b->click();
            else
                box->reject();
        });
        const MsgResult got = real.MsgBox(QStringLiteral("第一行\r\n\r\n<b>现在?</b>"), buttons,
                                          MsgIcon::Information, QStringLiteral("资源下载"));
        QCOMPARE(seen, texts);
        QCOMPARE(got, result);
        QCOMPARE(title, QStringLiteral("资源下载"));
        QCOMPARE(text, QStringLiteral("第一行\n\n<b>现在?</b>"));
        QVERIFY(!badge.isNull());
    }

    // Every notice wears one of the program's flat badges; the alarming red of
    // the style's "critical" icon is kept for wrong answers in the games.
    void messageBoxBadge_data()
    {
        QTest::addColumn<MsgIcon>("icon");
        QTest::addColumn<bool>("shown");
        QTest::addRow("none") << MsgIcon::None << false;
        QTest::addRow("information") << MsgIcon::Information << true;
        QTest::addRow("question") << MsgIcon::Question << true;
        QTest::addRow("warning") << MsgIcon::Warning << true;
        QTest::addRow("critical") << MsgIcon::Critical << true;
    }
    void messageBoxBadge()
    {
        QFETCH(MsgIcon, icon);
        QFETCH(bool, shown);
        QtPlatform real;
        QImage badge;
        QMessageBox::Icon styleIcon = QMessageBox::Critical;
        WhenModalShows([&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            QVERIFY(box);
            badge = box->iconPixmap().toImage();
            styleIcon = box->icon();
            box->reject();
        });
        real.MsgBox(QStringLiteral("好的"), MsgButtons::OK, icon, QStringLiteral("Tallivo"));
        QCOMPARE(styleIcon, QMessageBox::NoIcon);
        QCOMPARE(!badge.isNull(), shown);
        if (!shown)
            return;
        // a pixel of the ring, away from the white mark
        const QColor ring = badge.pixelColor(badge.width() / 2, badge.height() / 10 + 2);
        QVERIFY2(!(ring.red() > 200 && ring.green() < 100), qPrintable(ring.name()));
        QVERIFY(ring.alpha() > 200);
    }

    void inputBox()
    {
        QtPlatform real;
        bool imEnabled = false;
        WhenModalShows([&](QWidget *w) {
            auto *edit = w->findChild<QLineEdit *>();
            QVERIFY(edit);
            imEnabled = edit->testAttribute(Qt::WA_InputMethodEnabled);
            QCOMPARE(ButtonTexts(w), (QStringList{"取消", "确定"}));
            edit->setText(QStringLiteral("小明"));
            ButtonWithText(w, QStringLiteral("确定"))->click();
        });
        QCOMPARE(real.InputBox(QStringLiteral("请输入昵称"), QStringLiteral("昵称"), QStringLiteral("Tom")),
                 QStringLiteral("小明"));
        QVERIFY(imEnabled);

        WhenModalShows([&](QWidget *w) { ButtonWithText(w, QStringLiteral("取消"))->click(); });
        QCOMPARE(real.InputBox(QStringLiteral("请输入昵称"), QStringLiteral("昵称"), QStringLiteral("Tom")), QString());
    }

    void clipboard()
    {
        QtPlatform real;
        real.SetClipboardText(QStringLiteral("apple\t苹果\r\n"));
        QCOMPARE(real.ClipboardText(), QStringLiteral("apple\t苹果\r\n"));
    }

    void handCursorOnTheWidgetUnderTheMouse()
    {
        QtPlatform real;
        QWidget w;
        w.resize(200, 100);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCursor::setPos(w.mapToGlobal(QPoint(50, 50)));
        if (QApplication::widgetAt(QCursor::pos()) != &w)
            QSKIP("this window system cannot place the pointer");
        real.SetHandCursor();
        QCOMPARE(w.cursor().shape(), Qt::PointingHandCursor);
    }

    void registerFont()
    {
        QtPlatform real;
        QVERIFY(real.RegisterFont(QStringLiteral("/nonexistent/font.ttf")).isEmpty());
        const QString dejavu = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
        if (!QFileInfo::exists(dejavu))
            QSKIP("DejaVu Sans is not installed");
        const QStringList families = real.RegisterFont(dejavu);
        QVERIFY(families.contains(QStringLiteral("DejaVu Sans")));
        QVERIFY(real.FontFamilies().contains(QStringLiteral("DejaVu Sans")));
    }
};
TALLIVO_TEST(PlatformTest)
#include "tst_platform.moc"
