// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formadduserbookunit.h"
#include "booktext.h"
#include "widgets/look.h"
#include "filedialogs.h"
#include "formresult.h"
#include "helpers/apppaths.h"
#include "wordbank/savenotice.h"
#include "helpers/envelope.h"
#include "helpers/textfile.h"
#include "helpers/texthelpers.h"
#include "platform/platform.h"
#include "widgets/widgetutil.h"
#include "wordbank/classbook.h"
#include "wordbank/cseries.h"
#include "wordbank/cwordbank.h"
#include "wordbank/globals.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

const QString FormAddUserBookUnit::kSampleBookName = QStringLiteral("示例词库 第一册");

namespace {
const QString kMaker = QStringLiteral("Kelvan教育软件");
const QString kAddCaption = QStringLiteral("添加自定义词库");

void FormatError(const QString &text)
{
    plat().MsgBox(text, MsgButtons::OK, MsgIcon::Critical, kMaker);
}

// The rules, one paragraph each, with a little air between them.
QString HelpText()
{
    const QStringList lines{
        QStringLiteral("自定义词库功能帮助您自由组合需要学习的内容，按要求添加的任何单词都与系统中已有的单词同样具有精美的图片和纯正的语音材料。"),
        QStringLiteral("自定义词库文件必须满足规定的格式要求："),
        QStringLiteral("1. 词库文件必须是文本文件(.txt文件)。"),
        QStringLiteral("2. 文件名就是要导入的词库名称。"),
        QStringLiteral("3. 文件内容包括单元名称和每单元的单词。"),
        QStringLiteral("4. 单元名称前加一个 # 号进行区分。"),
        QStringLiteral("5. 单元名称后输入本单元的单词，每行一个。"),
        QStringLiteral("6. 只需输入英语单词，不要输入中文解释。程序会自动添加中文解释。 "),
        QStringLiteral("7. 输入的单词不超出软件自带词典的范围。"),
    };
    QString html;
    for (const QString &l : lines)
        html += QStringLiteral("<p style=\"margin:0 0 7px 0\">") + l.toHtmlEscaped() + QStringLiteral("</p>");
    return html;
}
} // namespace

FormAddUserBookUnit::FormAddUserBookUnit(QWidget *parent) : QDialog(parent)
{
    using namespace Look;
    setWindowTitle(kAddCaption);
    setFixedSize(1024, 768);
    StyleWindow(this);

    auto *left = new RoundPanel(this);
    left->setGeometry(16, 16, 600, 672);
    MakeLabel(QStringLiteral("教材名称："), left, 18, true)->setGeometry(20, 16, 120, 40);
    txtBookName = new QLineEdit(left);
    txtBookName->setGeometry(140, 16, 440, 40);
    txtBookName->setFont(ChineseFont(17));
    // book names are often Chinese, typed through the input method
    txtBookName->setAttribute(Qt::WA_InputMethodEnabled, true);
    MakeLabel(QStringLiteral("用户词库："), left, 18, true)->setGeometry(20, 68, 200, 30);
    txtWords = new QPlainTextEdit(left);
    txtWords->setGeometry(20, 104, 560, 548);
    txtWords->setFont(EnglishFont(17));
    txtWords->setTabChangesFocus(true);
    const QString editStyle = Look::TextBoxRules(QStringLiteral("4px 8px"));
    txtBookName->setStyleSheet(QStringLiteral("QLineEdit { %1 }").arg(editStyle));
    txtWords->setStyleSheet(QStringLiteral("QPlainTextEdit { %1 }").arg(editStyle));

    auto *right = new RoundPanel(this, 0xFFFFFBF2);
    right->setGeometry(632, 16, 376, 672);
    auto *book = new QLabel(right);
    book->setTextFormat(Qt::PlainText);
    book->setGeometry(20, 18, 48, 48);
    book->setPixmap(QIcon(QStringLiteral(":/course/books.png")).pixmap(QSize(48, 48)));
    MakeLabel(QStringLiteral("怎样写自定义词库"), right, 18, true)->setGeometry(78, 26, 280, 32);
    lblHelp = MakeLabel(HelpText(), right, 16);
    lblHelp->setTextFormat(Qt::RichText);
    lblHelp->setGeometry(20, 80, 336, 450);
    lblHelp->setWordWrap(true);
    lblHelp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    btnSampleTXT = MakeButton(QStringLiteral("查看示例词库"), right, ButtonKind::Normal, QStringLiteral(":/course/sample.png"));
    btnSampleTXT->setGeometry(20, 540, 336, 48);
    cmdHelp = MakeButton(QStringLiteral("帮助"), right, ButtonKind::Normal, QStringLiteral(":/course/help.png"));
    cmdHelp->setGeometry(20, 604, 336, 48);

    cmdLoad = MakeButton(QStringLiteral("1.打开文件"), this, ButtonKind::Normal, QStringLiteral(":/course/open.png"));
    cmdLoad->setGeometry(16, 704, 188, 48);
    btnCheck = MakeButton(QStringLiteral("2.检查格式"), this, ButtonKind::Normal, QStringLiteral(":/course/check.png"));
    btnCheck->setGeometry(220, 704, 188, 48);
    cmdSave = MakeButton(QStringLiteral("3.保存词库"), this, ButtonKind::Main, QStringLiteral(":/course/save.png"));
    cmdSave->setGeometry(424, 704, 192, 48);
    btnClose = MakeButton(QStringLiteral("关闭"), this, ButtonKind::Normal);
    btnClose->setGeometry(820, 704, 188, 48);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);

    frmResult = new FormResult(this);

    connect(cmdLoad, &QPushButton::clicked, this, &FormAddUserBookUnit::cmdLoad_Click);
    connect(btnCheck, &QPushButton::clicked, this, &FormAddUserBookUnit::btnCheck_Click);
    connect(cmdSave, &QPushButton::clicked, this, &FormAddUserBookUnit::cmdSave_Click);
    connect(btnSampleTXT, &QPushButton::clicked, this, &FormAddUserBookUnit::btnSampleTXT_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &FormAddUserBookUnit::cmdHelp_Click);
}

QString FormAddUserBookUnit::WordsText() const
{
    return ToCrLf(txtWords->toPlainText());
}

namespace {

// A word list is text: a NUL or many control characters mean a picture, a
// program or an archive, which must never be decoded as words.
bool LooksBinary(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return false; // UTF-16 text carries NULs
    const QByteArray head = bytes.left(64 * 1024);
    qsizetype control = 0;
    for (const char c : head) {
        const auto u = static_cast<unsigned char>(c);
        if (u == 0)
            return true;
        if (u < 0x20 && u != '\t' && u != '\r' && u != '\n' && u != '\f')
            ++control;
    }
    return control * 20 > head.size();
}

} // namespace

QString FormAddUserBookUnit::BookFileProblem(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("无法读取这个文件：\n") + QDir::toNativeSeparators(path);
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return QStringLiteral("无法读取这个文件：\n") + QDir::toNativeSeparators(path);
    if (bytes.trimmed().isEmpty())
        return QStringLiteral("这个文件是空的，里面没有单词：\n") + QDir::toNativeSeparators(path);
    if (LooksBinary(bytes))
        return QStringLiteral("这不是文本文件，请选择保存单词的 .txt 文件：\n") + QDir::toNativeSeparators(path);
    return QString();
}

bool FormAddUserBookUnit::LoadBookText(const QString &path, const QString &name)
{
    const QString problem = BookFileProblem(path);
    if (!problem.isEmpty()) {
        // the previous file's name and words must not be saved by mistake
        txtBookName->clear();
        txtWords->clear();
        plat().MsgBox(problem, MsgButtons::OK, MsgIcon::Information, kAddCaption);
        return false;
    }
    QStringList lines;
    if (!ReadTextFileLines(path, lines))
        return false;
    QString text;
    for (const QString &line : lines) {
        // enough of an over-long line for the check to report it; the box stays light
        text += StripTabsTrim(line.size() > kLongestTextLine ? line.left(kLongestTextLine + 1) : line)
                + QLatin1Char('\n');
    }
    txtBookName->setText(name);
    txtWords->setPlainText(text);
    return true;
}

void FormAddUserBookUnit::cmdLoad_Click()
{
    QString title = QStringLiteral("打开自定义词库");
    const QString path = ShowOpenDialog(title, AppPath(QStringLiteral("sample")) + QLatin1Char('/'));
    if (!path.isEmpty())
        LoadBookText(path, BookNameFromFileName(title));
}

void FormAddUserBookUnit::btnSampleTXT_Click()
{
    const QString path = AppPath(QStringLiteral("sample/") + kSampleBookName + QStringLiteral(".txt"));
    if (QFileInfo::exists(path))
        LoadBookText(path, kSampleBookName);
}

bool FormAddUserBookUnit::CheckDicWords()
{
    errWordArr = UnknownWords(WordsText());
    if (errWordArr.isEmpty())
        return true;
    frmResult->myStr = WordsText();
    frmResult->errWords = errWordArr.join(QStringLiteral("\r\n"));
    frmResult->exec();
    if (!frmResult->myStr.isEmpty())
        txtWords->setPlainText(ToLf(frmResult->myStr));
    return false;
}

bool FormAddUserBookUnit::CheckBookFormat()
{
    bool nameEmpty = false;
    const QString error = CheckBookFormatText(txtBookName->text(), WordsText(), &nameEmpty);
    if (error.isEmpty())
        return true;
    FormatError(error);
    if (nameEmpty)
        txtBookName->setFocus();
    return false;
}

void FormAddUserBookUnit::btnCheck_Click()
{
    if (CheckDicWords() && CheckBookFormat())
        plat().MsgBox(QStringLiteral("词库的格式正确！"), MsgButtons::OK, MsgIcon::Information, kMaker);
}

void FormAddUserBookUnit::cmdSave_Click()
{
    if (!CheckDicWords())
        return;
    if (!CheckBookFormat()) {
        FormatError(QStringLiteral("词库数据不完整或有错，请仔细参考帮助文档确保词库的格式正确！"));
        return;
    }
    const QString name = StripTabsTrim(txtBookName->text());
    // both reserved names are refused here, with one message
    if (name == CSeries::kReservedBookName || name == CSeries::kUserSeriesName) {
        plat().MsgBox(QStringLiteral("非法的教材名称，请先更换教材名称！"), MsgButtons::OK, MsgIcon::Critical, kAddCaption);
        return;
    }
    CSeries *user = nullptr;
    if (!gWordBank || !gWordBank->GetSeriesByID(0, user) || !user) {
        ShowUnknownFailure();
        return;
    }
    ClassBook *existing = nullptr;
    for (int k = 1; k <= user->BookNum(); ++k) {
        if (user->BookName(k) != name)
            continue;
        if (plat().MsgBox(QStringLiteral("教材名称已存在，您确定要将下面的各单元添加到该教材中？"), MsgButtons::OKCancel,
                          MsgIcon::Information, kAddCaption)
            != MsgResult::OK)
            return;
        user->GetBookByName(name, existing);
    }
    const QString text = StripTabsTrim(WordsText());
    const QString refused = QStringLiteral("用户自定义词库添加失败！最可能的原因是新添加的单元名称与已有的单元名称冲突！");
    // A unit name that is taken would send its words into another unit, or
    // stop the import half-way; refuse it before anything changes.
    if (!ConflictingUnitNames(text, existing).isEmpty()) {
        FormatError(refused);
        return;
    }
    if (!user->AddUserWordBook(name, text)) {
        FormatError(refused);
        return;
    }
    if (!user->SaveUserWordBook()) {
        ShowSaveFailure(gUserBookFile);
        return;
    }
    SaveProfileWithBooks();
    bAdded = true;
    plat().MsgBox(QStringLiteral("用户自定义词库添加成功！"), MsgButtons::OK, MsgIcon::Information, kMaker);
    accept();
}

void FormAddUserBookUnit::cmdHelp_Click()
{
    ShellOpen(AppPath(QStringLiteral("dat/help.html")));
}
