// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "helpers/texthelpers.h"
#include "platform/platform.h"
#include "support/fakeplatform.h"
#include "support/testmain.h"
#include "widgets/bookunittitlectl.h"
#include "widgets/listitem.h"
#include "widgets/numctl.h"
#include "wordbank/classbook.h"
#include "wordbank/classunit.h"
#include "wordbank/classuser.h"
#include "wordbank/cseries.h"
#include "wordbank/globals.h"
#include "widgets/widgetutil.h"
#include <QLabel>
#include <QSignalSpy>
#include <array>

namespace {
// Nine game values as the unit keeps them.
QString StatusOf(const std::array<int, 9> &v)
{
    QString s;
    for (int x : v)
        s += QStringLiteral("%1").arg(x, 3, 10, QLatin1Char('0'));
    return s;
}

std::unique_ptr<ClassUnit> MakeUnit(int id, const std::array<int, 9> &games = {})
{
    auto u = std::make_unique<ClassUnit>();
    u->UnitID = id;
    u->LoadUnitStatus(StatusOf(games));
    return u;
}

bool Near(QColor a, QColor b, int tolerance = 12)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
           && std::abs(a.blue() - b.blue()) <= tolerance;
}

QColor TextColour(const QLabel *l)
{
    return l->palette().color(QPalette::WindowText);
}

// Shows the host and sends a click the way the windowing system would.
void ClickThroughWindow(QWidget &host, QWidget *w, QPoint at, Qt::MouseButton b = Qt::LeftButton)
{
    QTest::mouseClick(host.windowHandle(), b, {}, w->mapTo(&host, at));
}

// The shared objects a title strip reads, set for one test.
struct SharedObjects {
    ClassUser user;
    CSeries series;
    ClassBook book;
    ClassUnit unit;
    SharedObjects()
    {
        user.userName = QStringLiteral("小明");
        series.SeriesName = QStringLiteral("人教版");
        book.BookName = QStringLiteral("三年级上册 ");
        unit.UnitCaption = QStringLiteral("  Unit 1 - Unit 3 ");
        gUser = &user;
        gCurrSeries = &series;
        gCurrBook = &book;
        gCurrUnit = &unit;
    }
    ~SharedObjects()
    {
        gUser = nullptr;
        gCurrSeries = nullptr;
        gCurrBook = nullptr;
        gCurrUnit = nullptr;
    }
};
}

class SmallControlsTest : public QObject {
    Q_OBJECT
private slots:
    // ------------------------------------------------------------ unit tile

    void tileShowsTheUnitsState_data()
    {
        QTest::addColumn<QList<int>>("games");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QString>("picture"); // "Gray0", "Green1"...
        QTest::addColumn<int>("numberBgr");
        QTest::addRow("never practised") << QList<int>{} << false << "Gray0" << 0;
        QTest::addRow("never practised, selected") << QList<int>{} << true << "Gray1" << 0;
        QTest::addRow("all seven complete, selected")
            << QList<int>{100, 100, 100, 100, 100, 100, 100} << true << "Green1" << 0xFFFFFF;
        QTest::addRow("all seven complete") << QList<int>{100, 100, 100, 100, 100, 100, 100} << false << "Green0"
                                            << 0xFFFFFF;
        QTest::addRow("one game short") << QList<int>{100, 100, 100, 99, 100, 100, 100} << false << "Red0"
                                        << 0xFFFFFF;
        QTest::addRow("started, selected") << QList<int>{0, 0, 40} << true << "Red1" << 0xFFFFFF;
        QTest::addRow("only a spare slot set") << QList<int>{0, 0, 0, 0, 0, 0, 0, 30} << false << "Red0" << 0xFFFFFF;
    }
    void tileShowsTheUnitsState()
    {
        QFETCH(QList<int>, games);
        QFETCH(bool, selected);
        QFETCH(QString, picture);
        QFETCH(int, numberBgr);
        std::array<int, 9> g{};
        for (int i = 0; i < games.size(); ++i)
            g[size_t(i)] = games[i];
        auto unit = MakeUnit(5, g);
        NumCtl tile;
        tile.SetUnit(unit.get(), selected);
        const int k = picture.back().digitValue();
        const StdPicture &expected = picture.startsWith("Gray")    ? tile.img_Gray[k]
                                     : picture.startsWith("Green") ? tile.img_Green[k]
                                                                   : tile.img_Red[k];
        QVERIFY(!expected.isNone());
        QVERIFY(tile.myImage->Picture() == expected);
        QCOMPARE(tile.Selected, selected);
        QCOMPARE(tile.myUnit, unit.get());
        QCOMPARE(tile.lblNum->text(), QStringLiteral("05"));
        QCOMPARE(TextColour(tile.lblNum), ColorFromBGR(numberBgr));
        QVERIFY(!tile.myImage->isHidden());
        QVERIFY(!tile.lblNum->isHidden());
    }

    void tileNumberHasTwoDigitsAndIsCentred_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::addRow("single digit") << 5 << "05";
        QTest::addRow("two digits") << 12 << "12";
        QTest::addRow("three digits") << 100 << "100";
    }
    void tileNumberHasTwoDigitsAndIsCentred()
    {
        QFETCH(int, id);
        QFETCH(QString, text);
        auto unit = MakeUnit(id);
        NumCtl tile;
        tile.SetUnit(unit.get(), false);
        QCOMPARE(tile.lblNum->text(), text);
        const QRect r = tile.lblNum->geometry();
        QVERIFY(std::abs(2 * r.left() + r.width() - tile.width()) <= 1);
        QVERIFY(std::abs(2 * r.top() + r.height() - tile.height()) <= 1);
        QVERIFY(tile.lblNum->font().pixelSize() >= 12);
        // the whole number stays on the tile
        QVERIFY(tile.lblNum->fontMetrics().horizontalAdvance(text) <= tile.width());
    }

    void selectionFollowsTheTilesUnit()
    {
        auto unit = MakeUnit(3, {100, 100, 100, 100, 100, 100, 100});
        NumCtl tile;
        tile.SetSelected(true); // no unit yet: nothing happens
        QVERIFY(!tile.Selected);
        QVERIFY(tile.lblNum->isHidden());
        tile.SetUnit(unit.get(), false);
        tile.SetSelected(true);
        QVERIFY(tile.Selected);
        QVERIFY(tile.myImage->Picture() == tile.img_Green[1]);
        tile.SetSelected(false);
        QVERIFY(tile.myImage->Picture() == tile.img_Green[0]);

        tile.SetUnit(nullptr, true); // a missing unit changes nothing
        QCOMPARE(tile.myUnit, unit.get());
        QVERIFY(!tile.Selected);
        QCOMPARE(tile.lblNum->text(), QStringLiteral("03"));
    }

    void tileShowsOneGamesResult_data()
    {
        // clang-format off
        QTest::addColumn<QList<int>>("games");
        QTest::addColumn<int>("testMode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("picture");
        QTest::addRow("complete") << QList<int>{0, 100, 7} << 1 << "100" << "Green";
        QTest::addRow("partly") << QList<int>{0, 100, 7} << 2 << "07" << "Red";
        QTest::addRow("not played") << QList<int>{0, 100, 7} << 0 << "00" << "Gray";
        QTest::addRow("last game") << QList<int>{1, 2, 3, 4, 5, 6, 66} << 6 << "66" << "Red";
        QTest::addRow("nothing played at all") << QList<int>{} << 4 << "00" << "Gray";
        QTest::addRow("no such game") << QList<int>{50, 50} << -1 << "00" << "Gray";
        // clang-format on
    }
    void tileShowsOneGamesResult()
    {
        QFETCH(QList<int>, games);
        QFETCH(int, testMode);
        QFETCH(QString, text);
        QFETCH(QString, picture);
        std::array<int, 9> g{};
        for (int i = 0; i < games.size(); ++i)
            g[size_t(i)] = games[i];
        auto shown = MakeUnit(9);
        auto unit = MakeUnit(4, g);
        NumCtl tile;
        tile.SetUnit(shown.get(), true);
        tile.SetUnitStatus(unit.get(), testMode);
        QCOMPARE(tile.lblNum->text(), text);
        const StdPicture &expected = picture == "Gray"    ? tile.img_Gray[0]
                                     : picture == "Green" ? tile.img_Green[0]
                                                          : tile.img_Red[0];
        QVERIFY(tile.myImage->Picture() == expected);
        QCOMPARE(TextColour(tile.lblNum), picture == "Gray" ? QColor(Qt::black) : QColor(Qt::white));
        // the tile's own unit and selection stay as they were
        QCOMPARE(tile.myUnit, shown.get());
        QVERIFY(tile.Selected);
    }

    void tilePicturesCarryTheirColours_data()
    {
        QTest::addColumn<QList<int>>("games");
        QTest::addColumn<QColor>("body");
        QTest::addRow("grey") << QList<int>{} << QColor(0xB8, 0xC0, 0xCC);
        QTest::addRow("red") << QList<int>{20} << QColor(0xE5, 0x48, 0x4D);
        QTest::addRow("green") << QList<int>{100, 100, 100, 100, 100, 100, 100} << QColor(0x3C, 0xB3, 0x71);
    }
    void tilePicturesCarryTheirColours()
    {
        QFETCH(QList<int>, games);
        QFETCH(QColor, body);
        std::array<int, 9> g{};
        for (int i = 0; i < games.size(); ++i)
            g[size_t(i)] = games[i];
        auto unit = MakeUnit(1, g);
        const QColor orange(0xFF, 0x9F, 0x1C);
        for (bool selected : {false, true}) {
            NumCtl tile;
            tile.SetUnit(unit.get(), selected);
            const QImage shot = tile.grab().toImage();
            QVERIFY2(Near(shot.pixel(5, 18), body), qPrintable(QColor(shot.pixel(5, 18)).name()));
            // a selected tile wears an orange ring
            QCOMPARE(Near(shot.pixel(0, 18), orange), selected);
        }
    }

    void tileEventsComeFromPictureAndNumber()
    {
        ScopedFakePlatform fake;
        auto unit = MakeUnit(7);
        QWidget host;
        host.resize(80, 80);
        auto *tile = new NumCtl(&host);
        tile->move(10, 10);
        tile->SetUnit(unit.get(), false);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QSignalSpy downs(tile, &NumCtl::MouseDown);
        QSignalSpy ups(tile, &NumCtl::MouseUp);
        QSignalSpy clicks(tile, &NumCtl::Click);
        QSignalSpy moves(tile, &NumCtl::MouseMove);

        const QPoint onNumber = tile->lblNum->geometry().center();
        ClickThroughWindow(host, tile, onNumber, Qt::RightButton);
        ClickThroughWindow(host, tile, {2, 30}, Qt::LeftButton);
        QCOMPARE(downs.count(), 2);
        QCOMPARE(downs.at(0), (QVariantList{2, 0, onNumber.x(), onNumber.y()}));
        QCOMPARE(downs.at(1), (QVariantList{1, 0, 2, 30}));
        QCOMPARE(ups.at(1), (QVariantList{2, 30}));
        QCOMPARE(clicks.count(), 1);

        const int handsBefore = fake->handCursorCount;
        QTest::mouseMove(host.windowHandle(), tile->mapTo(&host, onNumber));
        QVERIFY(!moves.isEmpty());
        QCOMPARE(moves.last(), (QVariantList{onNumber.x(), onNumber.y()}));
        QVERIFY(fake->handCursorCount > handsBefore);
    }

    // ------------------------------------------------------------ title strip

    void titleNamesTheSelection()
    {
        SharedObjects shared;
        BookUnitTitleCtl strip;
        strip.resize(700, 64);
        strip.SetCurrCaption();
        QCOMPARE(strip.lblSeriesBook->text(), QStringLiteral("[人教版]三年级上册"));
        QCOMPARE(strip.lblUnits->text(), QStringLiteral("Unit 1 - Unit 3"));
        QCOMPARE(strip.lblUser->text(), QStringLiteral("User: 小明"));
        for (QLabel *l : {strip.lblSeriesBook, strip.lblUnits, strip.lblUser})
            QVERIFY(!l->isHidden());

        // caption lines centred, the top line above the second
        for (QLabel *l : {strip.lblSeriesBook, strip.lblUnits})
            QVERIFY(std::abs(2 * l->x() + l->width() - strip.width()) <= 1);
        QVERIFY(strip.lblSeriesBook->geometry().bottom() < strip.lblUnits->geometry().top());
        // the user on the right, a fifth of its width from the edge, vertically centred
        const QRect u = strip.lblUser->geometry();
        QCOMPARE(u.left(), strip.width() - qRound(1.2 * u.width()));
        QVERIFY(std::abs(strip.width() - u.right() - 1 - u.width() / 5) <= 1);
        QVERIFY(std::abs(2 * u.top() + u.height() - strip.height()) <= 1);
    }

    void titleStaysBlankWithoutASelection_data()
    {
        QTest::addColumn<int>("missing"); // 0 series, 1 book, 2 unit
        QTest::addRow("no series") << 0;
        QTest::addRow("no book") << 1;
        QTest::addRow("no unit") << 2;
    }
    void titleStaysBlankWithoutASelection()
    {
        QFETCH(int, missing);
        SharedObjects shared;
        BookUnitTitleCtl strip;
        strip.SetCurrCaption();
        QVERIFY(!strip.lblSeriesBook->text().isEmpty());
        strip.SetCaption(missing == 0 ? nullptr : &shared.series, missing == 1 ? nullptr : &shared.book,
                         missing == 2 ? nullptr : &shared.unit);
        QVERIFY(strip.lblSeriesBook->text().isEmpty());
        QVERIFY(strip.lblUnits->text().isEmpty());
        for (QLabel *l : {strip.lblSeriesBook, strip.lblUnits, strip.lblUser})
            QVERIFY(l->isHidden());
    }

    void titleWithoutAProfileNamesNoUser()
    {
        SharedObjects shared;
        gUser = nullptr;
        BookUnitTitleCtl strip;
        strip.SetCurrCaption();
        QCOMPARE(strip.lblSeriesBook->text(), QStringLiteral("[人教版]三年级上册"));
        QVERIFY(strip.lblUser->isHidden());
    }

    void titleIsRounded_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("corner");
        QTest::addRow("600 wide") << 600 << 10;
        QTest::addRow("630 wide: 10.5 to the even 10") << 630 << 10;
        QTest::addRow("650 wide") << 650 << 11;
    }
    void titleIsRounded()
    {
        QFETCH(int, width);
        QFETCH(int, corner);
        QWidget host;
        auto *strip = new BookUnitTitleCtl(&host);
        strip->resize(width, 60);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QCOMPARE(strip->mask(), RoundRectRegion(width, 60, corner, corner));
    }

    void titleClicksExceptOnTheUser_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("clicks");
        QTest::addRow("bare strip") << "strip" << true;
        QTest::addRow("top caption line") << "series" << true;
        QTest::addRow("unit caption line") << "units" << true;
        QTest::addRow("user name") << "user" << false;
    }
    void titleClicksExceptOnTheUser()
    {
        QFETCH(QString, where);
        QFETCH(bool, clicks);
        ScopedFakePlatform fake;
        SharedObjects shared;
        QWidget host;
        host.resize(760, 100);
        auto *strip = new BookUnitTitleCtl(&host);
        strip->setGeometry(20, 20, 700, 64);
        strip->SetCurrCaption();
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        const QPoint at = where == "series"  ? strip->lblSeriesBook->geometry().center()
                          : where == "units" ? strip->lblUnits->geometry().center()
                          : where == "user"  ? strip->lblUser->geometry().center()
                                             : QPoint(40, 32);
        QSignalSpy spy(strip, &BookUnitTitleCtl::Click);
        const int handsBefore = fake->handCursorCount;
        QTest::mouseMove(host.windowHandle(), strip->mapTo(&host, at));
        QCOMPARE(fake->handCursorCount > handsBefore, clicks);
        ClickThroughWindow(host, strip, at);
        QCOMPARE(spy.count(), clicks ? 1 : 0);

        // a disabled strip does not click
        strip->SetEnabled(false);
        QVERIFY(!strip->Enabled());
        ClickThroughWindow(host, strip, at);
        QCOMPARE(spy.count(), clicks ? 1 : 0);
    }

    // ------------------------------------------------------------ list row

    void rowKeepsItsThreeTexts()
    {
        listItem row;
        QCOMPARE(row.CH(), QStringLiteral("中文解释"));
        QCOMPARE(row.Level(), QStringLiteral("熟悉程度"));
        row.SetWordLevel("apple", "n. 苹果", "尚未练习");
        QCOMPARE(row.EN(), QStringLiteral("apple"));
        QCOMPARE(row.CH(), QStringLiteral("n. 苹果"));
        QCOMPARE(row.Level(), QStringLiteral("尚未练习"));
        QCOMPARE(row.lblEN->text(), QStringLiteral("apple"));
        QCOMPARE(row.lblCH->text(), QStringLiteral("n. 苹果"));
        QCOMPARE(row.lblLevel->text(), QStringLiteral("尚未练习"));
    }

    void rowShortensOnlyWhatItShows()
    {
        listItem row;
        row.resize(500, 34);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QString longCh;
        for (int i = 0; i < 12; ++i)
            longCh += QStringLiteral("非常长的中文解释；");
        row.SetWordLevel("encyclopaedia", longCh, "正在练习");
        QCOMPARE(row.CH(), longCh);
        QVERIFY(row.lblCH->text().endsWith(QChar(0x2026)));
        QCOMPARE(row.lblCH->toolTip(), longCh);
        // widening the row shows more of it
        const int shortLen = int(row.lblCH->text().size());
        row.resize(1400, 34);
        QVERIFY(row.lblCH->text().size() > shortLen);
    }

    void rowColumnsStayApart_data()
    {
        QTest::addColumn<int>("width");
        QTest::addRow("narrow") << 320;
        QTest::addRow("design") << 720;
        QTest::addRow("wide") << 980;
    }
    void rowColumnsStayApart()
    {
        QFETCH(int, width);
        listItem row;
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        row.resize(width, 34);
        const QRect en = row.lblEN->geometry(), ch = row.lblCH->geometry(), lv = row.lblLevel->geometry();
        QVERIFY(en.right() < ch.left());
        QVERIFY(ch.right() < lv.left());
        QVERIFY(lv.right() < width);
        QCOMPARE(row.Line1->geometry(), QRect(0, 33, width, 1));
    }

    void rowTakesTheTextColour_data()
    {
        QTest::addColumn<int>("bgr");
        QTest::addColumn<QColor>("colour");
        QTest::addRow("blue") << 0xFF0000 << QColor(0, 0, 255);
        QTest::addRow("red") << 255 << QColor(255, 0, 0);
        QTest::addRow("cyan") << 0xFFFF00 << QColor(0, 255, 255);
        QTest::addRow("black") << 0 << QColor(0, 0, 0);
    }
    void rowTakesTheTextColour()
    {
        QFETCH(int, bgr);
        QFETCH(QColor, colour);
        listItem row;
        row.SetForColor(bgr);
        for (QLabel *l : {row.lblEN, row.lblCH, row.lblLevel})
            QCOMPARE(TextColour(l), colour);
    }
};
TALLIVO_TEST(SmallControlsTest)
#include "tst_smallcontrols.moc"
