// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formfontinstall.h"
#include "widgets/look.h"
#include "helpers/apppaths.h"
#include "helpers/texthelpers.h"
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {
constexpr int kWidth = 600;
constexpr int kHeight = 500;
constexpr int kMargin = 20;
} // namespace

QString FormFontInstall::StepsText()
{
    const QString stars(40, QLatin1Char('*'));
    const QStringList steps{
        QStringLiteral("请先按下面的步骤安装音标字体："),
        QStringLiteral("第一步：找到字体安装文件。"),
        QStringLiteral("点击下面的【打开字体文件位置】按钮，找到音标字体文件 'Ksphonet.ttf' 。"),
        QStringLiteral("第二步：安装音标字体。"),
        QStringLiteral("用鼠标双击字体文件 Ksphonet.ttf 的图标，在弹出的字体安装界面点击【安装】按钮。"),
        QStringLiteral("第三步：重新启动程序。"),
        QStringLiteral("字体文件应该已经安装成功。"),
    };
    return stars + QStringLiteral("\n\n") + steps.join(QStringLiteral("\n\n")) + QStringLiteral("\n\n") + stars;
}

FormFontInstall::FormFontInstall(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("安装音标字体文件"));
    setFixedSize(kWidth, kHeight);

    Label1 = new QLabel(QStringLiteral("音标显示不正确！需要手动安装字体文件 ！"), this);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(ChineseFont(20, true));
    Label1->setStyleSheet(Look::ColourStyle(Look::kRed));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(kMargin, 16, kWidth - 2 * kMargin, 36);

    Label3 = new QLabel(StepsText(), this);
    Label3->setTextFormat(Qt::PlainText);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(ChineseFont(14));
    Label3->setStyleSheet(Look::ColourStyle(Look::kText));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3->setGeometry(kMargin + 16, 76, kWidth - 2 * kMargin - 32, 330);

    btnFile = new QPushButton(QStringLiteral("打开字体文件位置   >>"), this);
    btnFile->setObjectName(QStringLiteral("btnFile"));
    btnFile->setStyleSheet(Look::MainButtonStyle());
    btnFile->setGeometry(kMargin, kHeight - 64, 230, 44);

    btnHelp = new QPushButton(QStringLiteral("查看帮助 ?"), this);
    btnHelp->setObjectName(QStringLiteral("btnHelp"));
    btnHelp->setStyleSheet(Look::PlainButtonStyle());
    btnHelp->setGeometry(kMargin + 246, kHeight - 64, 150, 44);

    btnExit = new QPushButton(QStringLiteral("退出 -->"), this);
    btnExit->setObjectName(QStringLiteral("btnExit"));
    btnExit->setStyleSheet(Look::PlainButtonStyle());
    btnExit->setGeometry(kWidth - kMargin - 150, kHeight - 64, 150, 44);

    for (QPushButton *b : {btnFile, btnHelp, btnExit}) {
        b->setCursor(Qt::PointingHandCursor);
        b->setAutoDefault(false);
    }
    connect(btnFile, &QPushButton::clicked, this, &FormFontInstall::btnFile_Click);
    connect(btnHelp, &QPushButton::clicked, this, &FormFontInstall::btnHelp_Click);
    connect(btnExit, &QPushButton::clicked, this, &QDialog::accept);
}

void FormFontInstall::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Look::kSky);
    Look::PaintRoundPanel(p, QRect(kMargin, 64, kWidth - 2 * kMargin, 350), 16, Look::kPanel,
                          Look::kPanelEdge);
}

void FormFontInstall::btnFile_Click()
{
    ShellOpen(AppPath(QStringLiteral("font/")));
}

void FormFontInstall::btnHelp_Click()
{
    ShellOpen(AppPath(QStringLiteral("dat/help.html")));
}

void ShowPhoneticFontHelp(QWidget *parent)
{
    FormFontInstall dlg(parent);
    dlg.exec();
}
