// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures of the picture button, the rounded tile, the unit tiles, the title
// strip and the list rows in their main states, for looking at by eye.
#include "widgets/look.h"
#include "support/fakeplatform.h"
#include "support/shots.h"
#include "support/testmain.h"
#include "widgets/bookunittitlectl.h"
#include "widgets/ctranspicturebox.h"
#include "widgets/listitem.h"
#include "widgets/numctl.h"
#include "widgets/shapectl.h"
#include "wordbank/classbook.h"
#include "wordbank/classunit.h"
#include "wordbank/classuser.h"
#include "wordbank/cseries.h"
#include "wordbank/globals.h"
#include <QLabel>
#include <QPainter>
#include <array>

namespace {

// A window-like background: sky blue with a white rounded panel.
class Backdrop : public QWidget {
public:
    QRect panel;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(Look::SkyBlue));
        if (!panel.isNull()) {
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(Look::Panel));
            p.drawRoundedRect(panel, 14, 14);
        }
    }
};

bool Save(QWidget &w, const QString &name)
{
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return false;
    return shots::Save(w, name);
}

QLabel *Caption(QWidget *parent, const QString &text, QPoint at)
{
    auto *l = new QLabel(text, parent);
    l->setFont(ChineseFont(12));
    l->move(at);
    l->adjustSize();
    return l;
}

std::unique_ptr<ClassUnit> Unit(int id, const std::array<int, 9> &games)
{
    auto u = std::make_unique<ClassUnit>();
    u->UnitID = id;
    QString s;
    for (int v : games)
        s += QStringLiteral("%1").arg(v, 3, 10, QLatin1Char('0'));
    u->LoadUnitStatus(s);
    return u;
}

const QByteArray kNextButton =
    "<svg xmlns='http://www.w3.org/2000/svg' width='64' height='64' viewBox='0 0 64 64'>"
    "<circle cx='32' cy='34' r='29' fill='#D9820E'/><circle cx='32' cy='31' r='29' fill='#FF9F1C'/>"
    "<path d='M24 17 L44 31 L24 45 Z' fill='#FFFFFF'/></svg>";

const QByteArray kLandscape =
    "<svg xmlns='http://www.w3.org/2000/svg' width='200' height='150' viewBox='0 0 200 150'>"
    "<rect width='200' height='150' fill='#8FD3FF'/><circle cx='150' cy='40' r='22' fill='#FFD23F'/>"
    "<path d='M0 110 Q50 70 100 105 T200 95 V150 H0 Z' fill='#3CB371'/>"
    "<path d='M0 130 Q60 105 120 128 T200 125 V150 H0 Z' fill='#2E9D5E'/></svg>";
}

class TileShots : public QObject {
    Q_OBJECT
private slots:
    void unitTiles()
    {
        ScopedFakePlatform fake;
        const std::array<int, 9> none{}, some{100, 40, 7}, all{100, 100, 100, 100, 100, 100, 100};
        std::vector<std::unique_ptr<ClassUnit>> units;
        units.push_back(Unit(1, none));
        units.push_back(Unit(2, some));
        units.push_back(Unit(3, all));
        units.push_back(Unit(12, none));
        units.push_back(Unit(100, some));
        for (int size : {36, 72}) {
            Backdrop host;
            host.resize(40 + 9 * (size + 6), 3 * size + 90);
            host.panel = QRect(10, 10, host.width() - 20, host.height() - 20);
            int x = 24;
            for (bool sel : {false, true})
                for (int i = 0; i < 3; ++i) {
                    auto *t = new NumCtl(&host);
                    t->resize(size, size);
                    t->move(x, 24);
                    t->SetUnit(units[size_t(i)].get(), sel);
                    x += size + 6;
                }
            for (int i = 3; i < 5; ++i) {
                auto *t = new NumCtl(&host);
                t->resize(size, size);
                t->move(x, 24);
                t->SetUnit(units[size_t(i)].get(), i == 4);
                x += size + 6;
            }
            Caption(&host, QStringLiteral("灰 红 绿 / 选中 · 单元12 · 单元100"), {24, 30 + size});
            x = 24;
            for (int g = 0; g < 7; ++g) {
                auto *t = new NumCtl(&host);
                t->resize(size, size);
                t->move(x, 60 + size);
                t->SetUnitStatus(units[1].get(), g);
                x += size + 6;
            }
            Caption(&host, QStringLiteral("闯关记录: 100 40 07 00 00 00 00"), {24, 66 + 2 * size});
            QVERIFY(Save(host, QStringLiteral("tiles_numctl_%1.png").arg(size)));
        }
    }

    void pictureButtons()
    {
        Backdrop host;
        host.resize(560, 200);
        host.panel = QRect(280, 10, 270, 180);
        // vector picture with a see-through background, stretched
        auto *next = new cTransPictureBox(&host);
        next->SetBorderStyle(0);
        next->SetStyle(2);
        next->setGeometry(20, 20, 96, 96);
        next->SetPictureFile(StdPicture::FromSvg(kNextButton));
        // raster picture whose magenta is the transparent colour, own size
        QImage star(60, 60, QImage::Format_ARGB32);
        star.fill(QColor(255, 0, 255));
        {
            QPainter p(&star);
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(Look::Action));
            QPolygon poly;
            for (int i = 0; i < 10; ++i) {
                const double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? 12 : 28;
                poly << QPoint(30 + int(r * std::cos(a)), 31 + int(r * std::sin(a)));
            }
            p.drawPolygon(poly);
        }
        auto *own = new cTransPictureBox(&host);
        own->move(140, 30);
        own->SetStyle(0);
        own->SetTransparentColor(0xFF00FF);
        own->SetPictureFile(StdPicture(star));
        // the same raster tiled over a wider control, on the white panel
        auto *tiled = new cTransPictureBox(&host);
        tiled->setGeometry(290, 20, 250, 70);
        tiled->SetTransparentColor(0xFF00FF);
        tiled->SetPictureFile(StdPicture(star));
        // white background taken from the top-left pixel
        QImage dot(40, 40, QImage::Format_ARGB32);
        dot.fill(Qt::white);
        {
            QPainter p(&dot);
            p.setBrush(QColor(Look::Done));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QRect(6, 6, 28, 28));
        }
        auto *synced = new cTransPictureBox(&host);
        synced->setGeometry(20, 130, 120, 50);
        synced->SetSyncTransparentColor(true);
        synced->SetStyle(2);
        synced->SetPictureFile(StdPicture(dot));
        auto *framed = new cTransPictureBox(&host);
        framed->setGeometry(300, 110, 80, 60);
        framed->SetBorderStyle(1);
        framed->SetStyle(2);
        framed->SetPictureFile(StdPicture::FromSvg(kLandscape));
        QVERIFY(Save(host, QStringLiteral("tiles_transpicturebox.png")));
    }

    void roundedTiles()
    {
        Backdrop host;
        host.resize(480, 200);
        auto *a = new ShapeCtl(&host);
        a->setGeometry(20, 20, 200, 150);
        a->SetNewPic(StdPicture::FromSvg(kLandscape));
        auto *b = new ShapeCtl(&host);
        b->setGeometry(250, 20, 120, 90);
        b->SetNewPic(StdPicture::FromSvg(kLandscape));
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        b->resize(190, 160); // grown after its picture was painted
        QVERIFY(Save(host, QStringLiteral("tiles_shapectl.png")));
    }

    void titleStrips()
    {
        ScopedFakePlatform fake;
        ClassUser user;
        user.userName = QStringLiteral("小明");
        CSeries series;
        series.SeriesName = QStringLiteral("人教版PEP");
        ClassBook book;
        book.BookName = QStringLiteral("三年级上册");
        ClassUnit unit;
        unit.UnitCaption = QStringLiteral("Unit 1 - Unit 3 (全部)");
        gUser = &user;
        Backdrop host;
        host.resize(760, 180);
        auto *full = new BookUnitTitleCtl(&host);
        full->setGeometry(30, 16, 700, 64);
        full->SetCaption(&series, &book, &unit);
        auto *blank = new BookUnitTitleCtl(&host);
        blank->setGeometry(30, 100, 700, 64);
        blank->SetCaption(&series, nullptr, &unit);
        const bool ok = Save(host, QStringLiteral("tiles_title.png"));
        gUser = nullptr;
        QVERIFY(ok);
    }

    void listRows()
    {
        Backdrop host;
        host.resize(760, 230);
        host.panel = QRect(10, 10, 740, 210);
        struct Row {
            const char *en, *ch, *level;
            int bgr;
        };
        const Row rows[] = {
            {"apple", "n. 苹果", "尚未练习", 0xFF0000},
            {"elephant", "n. 大象", "常出错的", 255},
            {"beautiful", "adj. 美丽的，漂亮的；（天气）晴朗的，令人愉快的；出色的，极好的", "很熟悉的", 0xFFFF00},
            {"run", "v. 跑，奔跑", "正在练习", 0},
        };
        auto *header = new listItem(&host);
        header->setGeometry(20, 20, 720, 34);
        int y = 54;
        for (const Row &r : rows) {
            auto *row = new listItem(&host);
            row->setGeometry(20, y, 720, 34);
            row->SetWordLevel(QString::fromUtf8(r.en), QString::fromUtf8(r.ch), QString::fromUtf8(r.level));
            row->SetForColor(r.bgr);
            y += 34;
        }
        QVERIFY(Save(host, QStringLiteral("tiles_listitem.png")));
    }
};
TALLIVO_SHOTS(TileShots)
#include "shots_tiles.moc"
