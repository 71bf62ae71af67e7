// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/fakeplatform.h"
#include "support/testmain.h"
#include "widgets/uc_maintool.h"
#include <QLabel>
#include <QSignalSpy>
#include <algorithm>

namespace {

struct ToolScene {
    ScopedFakePlatform fake;
    QWidget host;
    UC_MainTool *bar = new UC_MainTool(&host);
    ToolScene()
    {
        host.resize(bar->width() + 40, bar->height() + 40);
        bar->move(20, 20);
    }
    bool show()
    {
        host.show();
        return QTest::qWaitForWindowExposed(&host);
    }
    QLabel *tip() const { return bar->findChild<QLabel *>(QStringLiteral("lblTip")); }
    QPoint inHost(QWidget *w, QPoint at) const { return w->mapTo(const_cast<QWidget *>(&host), at); }
    void hover(int index)
    {
        QLabel *b = bar->Button(index);
        QTest::mouseMove(host.windowHandle(), inHost(b, b->rect().center()));
    }
    void click(int index)
    {
        QLabel *b = bar->Button(index);
        QTest::mouseClick(host.windowHandle(), Qt::LeftButton, {}, inHost(b, b->rect().center()));
    }
    bool lit(int index) const
    {
        return bar->Button(index)->pixmap().cacheKey() == bar->ButtonPicture(index, true).cacheKey();
    }
    bool plain(int index) const
    {
        return bar->Button(index)->pixmap().cacheKey() == bar->ButtonPicture(index, false).cacheKey();
    }
};

} // namespace

class TestMainTool : public QObject {
    Q_OBJECT
private slots:
    void buttonsInTheirPlaces();
    void hoverHighlightsOneButton();
    void clickReportsIndex_data();
    void clickReportsIndex();
    void autoBrowsePairSwapsBeforeOwnerHears();
};

void TestMainTool::buttonsInTheirPlaces()
{
    ToolScene s;
    QCOMPARE(s.bar->currShowButton, -1);
    // left to right, as the learner sees them at start
    QList<QLabel *> shown;
    for (int i = 0; i < UC_MainTool::kButtons; ++i) {
        QLabel *b = s.bar->Button(i);
        QCOMPARE(b->size(), QSize(60, 50));
        QVERIFY(!s.bar->ButtonPicture(i, true).isNull());
        QVERIFY(!s.bar->ButtonPicture(i, false).isNull());
        QVERIFY(s.plain(i));
        if (!b->isHidden())
            shown << b;
    }
    std::sort(shown.begin(), shown.end(), [](QLabel *a, QLabel *b) { return a->x() < b->x(); });
    QStringList tips;
    for (int k = 0; k < shown.size(); ++k) {
        tips << UC_MainTool::TipText(shown[k]->objectName().mid(int(strlen("picTools"))).toInt());
        if (k > 0)
            QCOMPARE(shown[k]->x() - shown[k - 1]->x(), 72);
    }
    QCOMPARE(tips, (QStringList{"返回", "添加自定义词库", "查看学习记录", "前一个单词", "自动浏览",
                                "下一个单词", "列表显示单词", "单词闯关", "查看帮助"}));
    QCOMPARE(s.bar->Button(5)->geometry(), s.bar->Button(4)->geometry());
    QVERIFY(s.bar->Button(5)->isHidden());
    // rounded ends: corner ellipse width / 30
    QVERIFY(!s.bar->mask().contains(QPoint(0, 0)));
    QVERIFY(s.bar->mask().contains(QPoint(s.bar->width() / 2, 0)));
}

void TestMainTool::hoverHighlightsOneButton()
{
    ToolScene s;
    QVERIFY(s.show());
    s.hover(3);
    QVERIFY(s.lit(3));
    QCOMPARE(s.bar->currShowButton, 3);
    QCOMPARE(s.tip()->text(), QStringLiteral("前一个单词"));

    s.hover(6);
    QVERIFY(s.plain(3));
    QVERIFY(s.lit(6));
    QCOMPARE(s.bar->currShowButton, 6);
    QLabel *tip = s.tip();
    QLabel *six = s.bar->Button(6);
    QVERIFY(tip->isVisible());
    QCOMPARE(tip->text(), QStringLiteral("下一个单词"));
    QCOMPARE(tip->x(), six->x() - tip->width() / 2 + six->width() / 2);
    for (int i = 0; i < UC_MainTool::kButtons; ++i)
        if (i != 6)
            QVERIFY2(s.plain(i), qPrintable(QString::number(i)));

    // hovering the same button again changes nothing
    const qint64 key = six->pixmap().cacheKey();
    QTest::mouseMove(s.host.windowHandle(), s.inHost(six, QPoint(5, 5)));
    QCOMPARE(six->pixmap().cacheKey(), key);
    QCOMPARE(s.bar->currShowButton, 6);

    // the bar's own background hides the tip; the highlight stays for the owner to clear
    QTest::mouseMove(s.host.windowHandle(), s.inHost(s.bar, QPoint(s.bar->width() / 2, s.bar->height() - 4)));
    QVERIFY(tip->isHidden());
    QCOMPARE(s.bar->currShowButton, 6);
    s.bar->GrayedAll();
    QCOMPARE(s.bar->currShowButton, -1);
    QVERIFY(s.plain(6));
    QVERIFY(s.fake->handCursorCount > 0);
}

void TestMainTool::clickReportsIndex_data()
{
    QTest::addColumn<int>("index");
    for (int i : {0, 1, 2, 3, 6, 7, 8, 9})
        QTest::addRow("button %d", i) << i;
}

void TestMainTool::clickReportsIndex()
{
    QFETCH(int, index);
    ToolScene s;
    QVERIFY(s.show());
    QSignalSpy spy(s.bar, &UC_MainTool::Click);
    s.click(index);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first().first().toInt(), index);
    // the auto-browse pair is left alone
    QVERIFY(!s.bar->Button(4)->isHidden());
    QVERIFY(s.bar->Button(5)->isHidden());
}

void TestMainTool::autoBrowsePairSwapsBeforeOwnerHears()
{
    ToolScene s;
    QVERIFY(s.show());
    QList<QPair<int, bool>> heard; // index, "stop" button showing at that moment
    QObject::connect(s.bar, &UC_MainTool::Click, s.bar, [&](int index) {
        heard << qMakePair(index, !s.bar->Button(5)->isHidden() && s.bar->Button(4)->isHidden());
    });

    s.click(4);
    QCOMPARE(heard, (QList<QPair<int, bool>>{{4, true}}));
    s.click(5); // same place
    QCOMPARE(heard.last(), qMakePair(5, false));
    QVERIFY(!s.bar->Button(4)->isHidden());

    s.click(4);
    s.bar->StopAutoread();
    QVERIFY(!s.bar->Button(4)->isHidden());
    QVERIFY(s.bar->Button(5)->isHidden());
    QCOMPARE(heard.size(), 3); // StopAutoread raises nothing
}

TALLIVO_TEST(TestMainTool)
#include "tst_maintool.moc"
