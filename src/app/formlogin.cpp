// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formlogin.h"
#include "widgets/look.h"
#include "widgets/clicklabel.h"
#include "helpers/texthelpers.h"
#include "platform/platform.h"
#include "widgets/ctranspicturebox.h"
#include "wordbank/classuser.h"
#include "wordbank/globals.h"
#include "widgets/widgetutil.h"
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

const QString FormLogin::kWebAddress = QStringLiteral("https://www.tallivo.example");

namespace {
constexpr int kNameLeft = 190;
constexpr int kNameTop = 108;
constexpr int kNameStep = 62;
constexpr int kBorderWidth = 300;
constexpr int kBorderHeight = 54;
const QRect kPanelRect(40, 88, FormLogin::kWidth - 80, 206);
const char *const kAvatars[3] = {"\U0001F431", "\U0001F436", "\U0001F430"};
} // namespace

QString FormLogin::ShownName(const QString &line)
{
    QString name = line.trimmed();
    if (name.size() > kShownChars) {
        int n = kShownChars;
        // never split a character made of two code units
        if (name.at(n - 1).isHighSurrogate())
            --n;
        name = name.left(n);
    }
    return name;
}

FormLogin::FormLogin(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("Tallivo"));
    setFixedSize(kWidth, kHeight);
    setMouseTracking(true);

    Label1 = new ClickLabel(QStringLiteral("欢迎使用Tallivo "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(ChineseFont(30, true));
    Label1->SetForeColor(Look::kText);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(60, 28, kWidth - 120, 44);
    Label1->setMouseTracking(false);

    img_picBorder = StdPicture::Load(QStringLiteral(":/app/login_border.svg"));
    picBorder = new cTransPictureBox(this);
    picBorder->setObjectName(QStringLiteral("picBorder"));
    picBorder->resize(kBorderWidth, kBorderHeight);
    picBorder->hide();

    for (int i = 0; i < 3; ++i) {
        auto *avatar = new ClickLabel(QString::fromUtf8(kAvatars[i]), this);
        QFont f;
        f.setFamilies({QStringLiteral("Noto Color Emoji")});
        f.setPixelSize(34);
        avatar->setFont(f);
        avatar->setAlignment(Qt::AlignCenter);
        avatar->setGeometry(kNameLeft - 76, kNameTop + i * kNameStep - 4, 52, 52);
        avatar->setCursor(Qt::PointingHandCursor);
        m_avatars[size_t(i)] = avatar;

        auto *name = new ClickLabel(QString(), this);
        name->setObjectName(QStringLiteral("btnUserName%1").arg(i));
        name->setFont(ChineseFont(28, true));
        name->move(kNameLeft, kNameTop + i * kNameStep);
        name->setCursor(Qt::PointingHandCursor);
        btnUserName[size_t(i)] = name;

        for (ClickLabel *target : {avatar, name}) {
            connect(target, &ClickLabel::MouseMove, this, [this, i] { HoverName(i); });
            connect(target, &ClickLabel::Click, this, [this, i] { ChooseSlot(i); });
            connect(target, &ClickLabel::MouseDown, this, [this, i](int button) {
                if (button != 1)
                    RenameSlot(i);
            });
        }
    }

    btnUserGo = new ClickLabel(QStringLiteral("—>"), this);
    btnUserGo->setObjectName(QStringLiteral("btnUserGo"));
    btnUserGo->setFont(ChineseFont(28, true));
    btnUserGo->SetForeColor(Look::kOrange);
    btnUserGo->setContentsMargins(12, 0, 0, 0); // the arrow starts at the name's edge, its glyphs a little after
    btnUserGo->adjustSize();
    btnUserGo->setCursor(Qt::PointingHandCursor);
    btnUserGo->hide();
    connect(btnUserGo, &ClickLabel::MouseMove, this, [] { SetHandCursor(); });
    connect(btnUserGo, &ClickLabel::Click, this, [this] {
        bool ok = false;
        const int slot = m_goTag.toInt(&ok);
        if (ok && slot >= 0 && slot <= 2)
            ChooseSlot(slot);
    });

    Label3 = new ClickLabel(QStringLiteral("小贴士：用右键点击用户昵称可以修改用户昵称喔！"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(ChineseFont(15));
    Label3->SetForeColor(Look::kText);
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setGeometry(40, 308, kWidth - 80, 28);
    Label3->setMouseTracking(false);

    Label2 = new ClickLabel(QStringLiteral("Kelvan教育软件出品"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(ChineseFont(14));
    Label2->SetForeColor(Look::kText);
    Label2->adjustSize();
    Label2->move(40, kHeight - 52);
    Label2->setCursor(Qt::PointingHandCursor);

    lblMyWeb = new ClickLabel(kWebAddress, this);
    lblMyWeb->setObjectName(QStringLiteral("lblMyWeb"));
    QFont web = EnglishFont(14);
    web.setUnderline(true);
    lblMyWeb->setFont(web);
    lblMyWeb->SetForeColor(QColor(0x1E, 0x6F, 0xD9));
    lblMyWeb->adjustSize();
    lblMyWeb->move(kWidth - 40 - lblMyWeb->width(), kHeight - 52);
    lblMyWeb->setCursor(Qt::PointingHandCursor);

    for (ClickLabel *link : {Label2, lblMyWeb}) {
        connect(link, &ClickLabel::Click, this, &FormLogin::OpenWebPage);
        connect(link, &ClickLabel::MouseMove, this, [] { SetHandCursor(); });
    }

    btnExit = new QPushButton(this);
    btnExit->setObjectName(QStringLiteral("btnExit"));
    btnExit->setToolTip(QStringLiteral("退出"));
    btnExit->setIcon(QIcon(QStringLiteral(":/app/login_exit.svg")));
    btnExit->setIconSize(QSize(36, 36));
    btnExit->setFlat(true);
    btnExit->setAutoDefault(false);
    btnExit->setStyleSheet(Look::BareButtonStyle(QStringLiteral("QPushButton")));
    btnExit->setGeometry(kWidth - 56, 16, 40, 40);
    btnExit->setCursor(Qt::PointingHandCursor);
    connect(btnExit, &QPushButton::clicked, this, [this] {
        m_chosen = -1;
        reject();
    });

    Form_Load();
}

QColor FormLogin::NormalColor() const
{
    return Label2->ForeColor();
}

QColor FormLogin::HoverColor() const
{
    return btnUserGo->ForeColor();
}

void FormLogin::Form_Load()
{
    setMask(RoundRectRegion(width(), height(), width() / 30, width() / 30));
    m_names = LoadUserNames();
    ShowNames();
    m_goTag = QStringLiteral("-1");
}

void FormLogin::ShowNames()
{
    for (int i = 0; i < 3; ++i) {
        ClickLabel *name = btnUserName[size_t(i)];
        name->setText(ShownName(m_names.value(i)));
        name->SetForeColor(NormalColor());
        name->adjustSize();
    }
}

void FormLogin::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    setMask(RoundRectRegion(width(), height(), width() / 30, width() / 30));
    picBorder->SetBorderStyle(0);
    picBorder->SetStyle(cTransPictureBox::StyleStretch);
    picBorder->SetPictureFile(img_picBorder);
    picBorder->lower();
}

void FormLogin::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    Look::PaintRoundPanel(p, rect(), width() / 60.0, Look::kSky, Look::kPanelEdge);
    Look::PaintRoundPanel(p, kPanelRect, 18, Look::kPanel, Look::kPanelEdge);
}

void FormLogin::PlaceHoverMarks(int i)
{
    ClickLabel *name = btnUserName[size_t(i)];
    picBorder->move(name->x() - 10, name->y() + (name->height() - picBorder->height()) / 2);
    btnUserGo->move(name->x() + name->width(), name->y());
}

void FormLogin::HoverName(int i)
{
    if (i < 0 || i > 2)
        return;
    SetHandCursor();
    if (m_goTag == QString::number(i))
        return;
    for (ClickLabel *name : btnUserName)
        name->SetForeColor(NormalColor());
    PlaceHoverMarks(i);
    m_goTag = QString::number(i);
    picBorder->show();
    btnUserGo->show();
    btnUserName[size_t(i)]->SetForeColor(HoverColor());
}

void FormLogin::ClearHover()
{
    for (ClickLabel *name : btnUserName)
        name->SetForeColor(NormalColor());
    m_goTag = QStringLiteral("-1");
    picBorder->hide();
    btnUserGo->hide();
}

void FormLogin::ChooseSlot(int i)
{
    if (i < 0 || i > 2)
        return;
    if (gUser) {
        gUser->userID = i;
        gUser->userName = btnUserName[size_t(i)]->text();
    }
    m_chosen = i;
    accept();
}

void FormLogin::RenameSlot(int i)
{
    if (i < 0 || i > 2)
        return;
    // spaces alone would leave the slot without a visible name
    const QString answer = plat().InputBox(QStringLiteral("请输入新的昵称:"), QStringLiteral("更改用户名")).trimmed();
    if (answer.isEmpty())
        return;
    QStringList names = m_names;
    while (names.size() < 3)
        names << QString();
    names[i] = answer;
    if (!SaveUserNames(names)) {
        plat().MsgBox(QStringLiteral("昵称保存失败，新的昵称只在这次使用。"), MsgButtons::OK, MsgIcon::Warning,
                      QStringLiteral("更改用户名"));
    }
    m_names = names;
    ClickLabel *name = btnUserName[size_t(i)];
    // shown as the next start will show it, so a long name never runs over the others
    name->setText(ShownName(answer));
    name->adjustSize();
    if (m_goTag == QString::number(i))
        PlaceHoverMarks(i);
}

void FormLogin::OpenWebPage()
{
    ShellOpen(kWebAddress);
}

void FormLogin::mouseMoveEvent(QMouseEvent *e)
{
    if (m_dragging && (e->buttons() & Qt::LeftButton)) {
        move(e->globalPosition().toPoint() - m_dragFrom);
        return;
    }
    ClearHover();
}

void FormLogin::mousePressEvent(QMouseEvent *e)
{
    // a window without a frame moves by its background
    if (e->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragFrom = e->globalPosition().toPoint() - frameGeometry().topLeft();
    }
}

void FormLogin::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
}
