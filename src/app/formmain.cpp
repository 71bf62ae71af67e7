// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formmain.h"
#include "widgets/look.h"
#include "widgets/clicklabel.h"
#include "platform/navigator.h"
#include "startup.h"
#include "helpers/apppaths.h"
#include "helpers/texthelpers.h"
#include "course/formselunit.h"
#include "games/reviewsession.h"
#include "platform/platform.h"
#include "widgets/bookunittitlectl.h"
#include "widgets/shapectl.h"
#include "wordbank/classuser.h"
#include "wordbank/globals.h"
#include "widgets/widgetutil.h"
#include <QCloseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <utility>

const QString FormMain::kCaption = QStringLiteral("Tallivo 9.8");
const QString FormMain::kComingSoon = QStringLiteral("即将推出");
const QString FormMain::kQuitQuestion = QStringLiteral("真的要退出吗?");

namespace {

constexpr int kMinWidth = 1024;
constexpr int kMinHeight = 768;
constexpr int kPanelWidth = 940;
constexpr int kPanelHeight = 660;
constexpr int kTile = 180;
constexpr int kColumnStep = 220;
constexpr int kFirstColumn = 50;
constexpr int kRowTop[2] = {124, 392};
constexpr int kCaptionGap = 6;
constexpr int kCaptionHeight = 40;

const char *const kCaptions[FormMain::EntryCount] = {"单词初识", "单词列表", "单词闯关", "学习记录",
                                                     "选择教程", "生词本", "查看帮助", "退出程序"};
const char *const kPictures[FormMain::EntryCount] = {
    ":/app/menu_learn.svg", ":/app/menu_list.svg", ":/app/menu_games.svg", ":/app/menu_record.svg",
    ":/app/menu_course.svg", ":/app/menu_newword.svg", ":/app/menu_help.svg", ":/app/menu_quit.svg"};

// The white menu panel, clipped to a rounded rectangle.
class MenuPanel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        Look::PaintRoundPanel(p, rect(), width() / 120.0, Look::kPanel, Look::kPanelEdge);
    }
};

} // namespace

FormMain::FormMain(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(kCaption);
    setMinimumSize(kMinWidth, kMinHeight);
    resize(kMinWidth, kMinHeight);

    PicBase = new MenuPanel(this);
    PicBase->setObjectName(QStringLiteral("PicBase"));
    PicBase->resize(kPanelWidth, kPanelHeight);
    PicBase->hide();

    BookUnitTitleCtl1 = new BookUnitTitleCtl(PicBase);
    BookUnitTitleCtl1->setObjectName(QStringLiteral("BookUnitTitleCtl1"));
    BookUnitTitleCtl1->setGeometry(kFirstColumn, 24, kPanelWidth - 2 * kFirstColumn, 72);
    connect(BookUnitTitleCtl1, &BookUnitTitleCtl::Click, this, [this] { ClickEntry(SelUnit); });

    lblReview = new ClickLabel(QString(), this);
    lblReview->setObjectName(QStringLiteral("lblReview"));
    lblReview->setFont(ChineseFont(20, true));
    lblReview->setAlignment(Qt::AlignCenter);
    lblReview->setCursor(Qt::PointingHandCursor);
    lblReview->hide();
    connect(lblReview, &ClickLabel::Click, this, &FormMain::ShowReviewPlan);

    for (int i = 0; i < EntryCount; ++i) {
        const int left = kFirstColumn + (i % 4) * kColumnStep;
        const int top = kRowTop[i / 4];

        auto *tile = new ShapeCtl(PicBase);
        tile->setObjectName(QStringLiteral("ShapeCtl1_%1").arg(i));
        tile->setGeometry(left, top, kTile, kTile);
        tile->setCursor(Qt::PointingHandCursor);
        ShapeCtl1.push_back(tile);

        Image1.push_back(StdPicture::Load(QString::fromLatin1(kPictures[i])));

        auto *caption = new ClickLabel(QString(), PicBase);
        caption->setObjectName(QStringLiteral("Label1_%1").arg(i));
        caption->setFont(ChineseFont(26, true));
        caption->SetForeColor(Look::kText);
        caption->setAlignment(Qt::AlignCenter);
        caption->setGeometry(left - (kColumnStep - kTile) / 2, top + kTile + kCaptionGap, kColumnStep,
                             kCaptionHeight);
        caption->setCursor(Qt::PointingHandCursor);
        Label1.push_back(caption);

        connect(tile, &ShapeCtl::Click, this, [this, i] { ClickEntry(i); });
        connect(tile, &ShapeCtl::MouseMove, this, [this, i] { HoverEntry(i); });
        connect(caption, &ClickLabel::Click, this, [this, i] { ClickEntry(i); });
        connect(caption, &ClickLabel::MouseMove, this, [this, i] { HoverEntry(i); });
    }
}

QColor FormMain::CaptionNormalColor() const
{
    return Look::kText;
}

QColor FormMain::CaptionHoverColor() const
{
    return Look::kRed;
}

void FormMain::setVisible(bool visible)
{
    if (visible && !m_startupDone && !Load())
        return; // the program ends without showing the menu
    QWidget::setVisible(visible);
}

bool FormMain::Load()
{
    InitAppPaths();
    PicBase->hide();
    PicBase->setMask(RoundRectRegion(PicBase->width(), PicBase->height(), PicBase->width() / 60,
                                     PicBase->width() / 60));
    if (!m_startupDone) {
        m_startupDone = true;
        // the menu is still hidden: the start-up's windows centre on the screen
        switch (RunStartup(nullptr)) {
        case StartupResult::Ready:
            break;
        case StartupResult::Exit:
            m_ended = true;
            m_exitCode = 0;
            return false;
        case StartupResult::Fatal:
            m_ended = true;
            m_exitCode = 1;
            return false;
        }
        BuildMenu();
        CenterOnScreen();
    }
    return !m_ended;
}

void FormMain::BuildMenu()
{
    for (int i = 0; i < EntryCount; ++i) {
        ShapeCtl1[size_t(i)]->SetNewPic(Image1[size_t(i)]);
        Label1[size_t(i)]->setText(QString::fromUtf8(kCaptions[i]));
    }
}

void FormMain::CenterOnScreen()
{
    if (const QScreen *s = screen()) {
        const QRect area = s->availableGeometry();
        move(area.x() + std::max(0, (area.width() - frameGeometry().width()) / 2),
             area.y() + std::max(0, (area.height() - frameGeometry().height()) / 2));
    }
}

void FormMain::CenterPanel()
{
    PicBase->move((width() - PicBase->width()) / 2, (height() - PicBase->height()) / 2);
    // a sticker on the panel's top right corner
    lblReview->setGeometry(PicBase->geometry().right() - 210, std::max(4, PicBase->y() - 22), 190, 44);
}

void FormMain::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    CenterPanel();
    RefreshTitle();
    if (gUser)
        gUser->nLastWord = 1; // learning mode starts again at the first word
    if (m_startupDone && !m_ended)
        PicBase->show();
}

void FormMain::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Look::kSky);
}

void FormMain::RefreshTitle()
{
    BookUnitTitleCtl1->SetCurrCaption();
    if (!gUser || !m_startupDone || m_ended || !nav().CanOpen(Window::ReviewPlan)) {
        lblReview->hide();
        return;
    }
    const int due = reviewsession::TodayPlan().Count();
    lblReview->setText(reviewsession::BadgeText(due));
    lblReview->setStyleSheet(Look::BadgeStyle(due > 0 ? Look::kOrange : Look::kGreen, 22));
    lblReview->show();
    lblReview->raise();
}

void FormMain::ShowReviewPlan()
{
    nav().Open(Window::ReviewPlan, this);
    RefreshTitle();
}

void FormMain::HoverEntry(int i)
{
    if (i < 0 || i >= EntryCount)
        return;
    SetHandCursor();
    for (int k = 0; k < EntryCount; ++k) {
        ClickLabel *caption = Label1[size_t(k)];
        if (k != i && caption->ForeColor() != CaptionNormalColor())
            caption->SetForeColor(CaptionNormalColor());
    }
    if (Label1[size_t(i)]->ForeColor() != CaptionHoverColor())
        Label1[size_t(i)]->SetForeColor(CaptionHoverColor());
}

int FormMain::RunRegistered(int i)
{
    static constexpr std::pair<Entry, Window> kWindows[] = {{LearnWord, Window::LearnWord},
                                                            {WordPicList, Window::WordPicList},
                                                            {Games, Window::Games},
                                                            {Record, Window::Record},
                                                            {NewWord, Window::NewWord}};
    for (const auto &[entry, window] : kWindows) {
        if (entry == i && nav().CanOpen(window))
            return nav().Open(window, nullptr);
    }
    plat().MsgBox(kComingSoon, MsgButtons::OK, MsgIcon::Information, QStringLiteral("Tallivo"));
    return -1;
}

void FormMain::ShowLearnWord()
{
    RunRegistered(LearnWord);
    RefreshTitle();
}

void FormMain::ShowSelUnit()
{
    bool confirmed = false;
    {
        FormSelUnit form(this);
        form.exec();
        confirmed = form.ret;
    }
    RefreshTitle();
    if (confirmed)
        ShowLearnWord();
}

void FormMain::ShowHelp()
{
    ShellOpen(AppPath(QStringLiteral("dat/help.html")));
}

void FormMain::ClickEntry(int i)
{
    switch (i) {
    case LearnWord:
        ShowLearnWord();
        break;
    case WordPicList:
    case Games:
        RunRegistered(i);
        RefreshTitle();
        break;
    case Record:
    case NewWord: {
        // these windows may ask for the learning window on their way out
        const int result = RunRegistered(i);
        RefreshTitle();
        if (result == 1)
            ShowLearnWord();
        break;
    }
    case SelUnit:
        ShowSelUnit();
        break;
    case Help:
        ShowHelp();
        break;
    case Quit:
        close();
        break;
    default:
        break;
    }
}

void FormMain::closeEvent(QCloseEvent *e)
{
    // a window whose start-up never finished, or that was shut down, just goes
    if (!m_startupDone || m_ended || m_shutDown) {
        e->accept();
        return;
    }
    if (plat().MsgBox(kQuitQuestion, MsgButtons::YesNo, MsgIcon::Warning, QStringLiteral("Tallivo"))
        != MsgResult::Yes) {
        e->ignore();
        return;
    }
    m_shutDown = true;
    ShutdownData();
    e->accept();
}
