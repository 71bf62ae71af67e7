// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/fakeplatform.h"
#include "support/fixture.h"
#include "support/testmain.h"
#include "widgets/entextctl.h"
#include "wordbank/cword.h"
#include <QLabel>
#include <QSignalSpy>
#include <QToolButton>

namespace {

CWord MakeWord(const QString &english)
{
    CWord w;
    w.English = english.toLower();
    w.UserEN = english;
    w.Chinese = QStringLiteral("词");
    return w;
}

struct StripScene {
    ScopedFakePlatform fake;
    TempAppDir app;
    QWidget host;
    EnTextCtl *strip = new EnTextCtl(&host);
    StripScene()
    {
        host.resize(400, 120);
        strip->setGeometry(20, 20, 320, 70);
    }
    bool show()
    {
        host.show();
        return QTest::qWaitForWindowExposed(&host);
    }
    QLabel *english() const { return strip->findChild<QLabel *>(QStringLiteral("lblEnglish")); }
    QWidget *part(const char *name) const { return strip->findChild<QWidget *>(QLatin1String(name)); }
    void clickOn(QWidget *w, QPoint at = QPoint(-1, -1))
    {
        if (at.x() < 0)
            at = w->rect().center();
        QTest::mouseClick(host.windowHandle(), Qt::LeftButton, {}, w->mapTo(&host, at));
    }
};

// The English at size + 2 points would be too wide or too high for the strip.
bool TooBigAt(QLabel *label, double size, double maxWidth, double maxHeight)
{
    QLabel probe;
    QFont f = label->font();
    f.setPointSizeF(size);
    probe.setFont(f);
    probe.setText(label->text());
    const QSize hint = probe.sizeHint();
    return hint.width() > maxWidth || hint.height() > maxHeight;
}

} // namespace

class TestEnTextCtl : public QObject {
    Q_OBJECT
private slots:
    void fitsTheEnglish_data();
    void fitsTheEnglish();
    void sameWordIsNotFittedAgain();
    void showingTheEnglish();
    void clicksSpeakOrReport_data();
    void clicksSpeakOrReport();
    void backgroundCornerIsSeeThrough();
};

void TestEnTextCtl::fitsTheEnglish_data()
{
    QTest::addColumn<QString>("english");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("shrinks");
    QTest::addColumn<bool>("fits");
    QTest::addRow("short word keeps 28") << "cat" << 70 << false << true;
    QTest::addRow("14 letters shrink in steps of 2") << "responsibility" << 70 << true << true;
    QTest::addRow("low strip shrinks for height") << "cat" << 30 << true << true;
    QTest::addRow("far too long stops at 12 pixels") << QString(60, QLatin1Char('w')) << 70 << true << false;
}

void TestEnTextCtl::fitsTheEnglish()
{
    QFETCH(QString, english);
    QFETCH(int, height);
    QFETCH(bool, shrinks);
    QFETCH(bool, fits);
    StripScene s;
    s.strip->resize(320, height);
    CWord w = MakeWord(english);
    s.strip->SetMyWord(&w, true);

    QLabel *label = s.english();
    const double size = label->font().pointSizeF();
    const double maxW = 0.8 * s.strip->Line1Length();
    const double maxH = 0.9 * height;
    QCOMPARE(s.strip->Line1Length(), 256);
    QCOMPARE(label->text(), english);
    QVERIFY(!label->isHidden());
    QCOMPARE(size < 28, shrinks);
    QCOMPARE(label->width() <= maxW && label->height() <= maxH, fits);
    if (!fits) {
        // a child reads nothing smaller than 12 pixels
        QCOMPARE(QFontInfo(label->font()).pixelSize(), 12);
    } else {
        QCOMPARE(int(size) % 2, 0);
        if (shrinks)
            QVERIFY(TooBigAt(label, size + 2, maxW, maxH)); // the first size that fits
    }
    // centred on the guide line and in the strip's height
    QVERIFY(std::abs(label->x() - (256 - label->width()) / 2) <= 1);
    QVERIFY(std::abs(label->y() - (height - label->height()) / 2) <= 1);
}

void TestEnTextCtl::sameWordIsNotFittedAgain()
{
    StripScene s;
    CWord cat = MakeWord(QStringLiteral("cat"));
    CWord sameText = MakeWord(QStringLiteral("cat"));
    CWord dog = MakeWord(QStringLiteral("dog"));
    s.strip->SetMyWord(&cat, true);
    QLabel *label = s.english();
    QCOMPARE(label->font().pointSizeF(), 28.0);

    // a strip so low that a fresh fit would shrink the English
    s.strip->resize(320, 24);
    s.strip->SetMyWord(&cat, true);
    s.strip->SetMyWord(&sameText, true);
    QCOMPARE(label->font().pointSizeF(), 28.0);
    QCOMPARE(s.strip->Word(), &sameText);

    s.strip->SetMyWord(&dog, true);
    QVERIFY(label->font().pointSizeF() < 28.0);
    // smaller, but never under 12 pixels, even where it would still not fit
    QVERIFY(label->height() <= 0.9 * 24 || QFontInfo(label->font()).pixelSize() >= 12);
    QVERIFY(QFontInfo(label->font()).pixelSize() >= 12);

    // back to a roomy strip: a new word starts again at 28
    s.strip->resize(320, 70);
    s.strip->SetMyWord(&cat, true);
    QCOMPARE(label->font().pointSizeF(), 28.0);
}

void TestEnTextCtl::showingTheEnglish()
{
    StripScene s;
    CWord cat = MakeWord(QStringLiteral("cat"));
    s.strip->SetMyWord(&cat, false);
    QLabel *label = s.english();
    QVERIFY(label->isHidden());
    QCOMPARE(label->text(), QStringLiteral("cat"));
    s.strip->ShowEnglish();
    QVERIFY(!label->isHidden());

    // no word: nothing changes
    s.strip->SetMyWord(nullptr, false);
    QVERIFY(!label->isHidden());
    QCOMPARE(s.strip->Word(), &cat);
}

void TestEnTextCtl::clicksSpeakOrReport_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("plays");
    QTest::addColumn<int>("clicks");
    QTest::addRow("speaker button") << "btnReadMe" << 1 << 0;
    QTest::addRow("sound line") << "lblSound" << 1 << 0;
    QTest::addRow("English") << "lblEnglish" << 0 << 1;
    QTest::addRow("background") << "" << 0 << 1;
}

void TestEnTextCtl::clicksSpeakOrReport()
{
    QFETCH(QString, target);
    QFETCH(int, plays);
    QFETCH(int, clicks);
    StripScene s;
    QVERIFY(s.show());
    QVERIFY(s.app.writeEnvelopedBytes(QStringLiteral("voice/cat.enw"), MakeSineWav(150)));
    CWord cat = MakeWord(QStringLiteral("cat"));
    s.strip->SetMyWord(&cat, true);
    QSignalSpy clickSpy(s.strip, &EnTextCtl::Click);
    QSignalSpy moveSpy(s.strip, &EnTextCtl::MouseMove);

    if (target.isEmpty()) {
        s.clickOn(s.strip, QPoint(20, 35));
    } else if (target == QLatin1String("lblSound")) {
        // the line around the speaker button, off the button itself
        QWidget *line = s.part("lblSound");
        QWidget *button = s.part("btnReadMe");
        QVERIFY(line && button);
        QVERIFY(button->geometry().top() > line->geometry().top() + 3);
        s.clickOn(s.strip, QPoint(button->geometry().center().x(), line->geometry().top() + 2));
    } else {
        QWidget *w = s.part(target.toLatin1().constData());
        QVERIFY(w);
        s.clickOn(w);
    }
    QCOMPARE(s.fake->plays.size(), plays);
    if (plays)
        QVERIFY(s.fake->plays.first().wait);
    QCOMPARE(clickSpy.size(), clicks);

    // the background reports the mouse; every part shows the hand
    const int hands = s.fake->handCursorCount;
    QTest::mouseMove(s.host.windowHandle(), s.strip->mapTo(&s.host, QPoint(24, 30)));
    QVERIFY(!moveSpy.isEmpty());
    QCOMPARE(moveSpy.last().at(2).toInt(), 24);
    QVERIFY(s.fake->handCursorCount > hands);
}

void TestEnTextCtl::backgroundCornerIsSeeThrough()
{
    StripScene s;
    // the stored background: rounded with clear corners
    QVERIFY(!s.strip->mask().contains(QPoint(0, 0)));
    QVERIFY(s.strip->mask().contains(QPoint(160, 35)));

    // a background whose top-left colour is magenta: every magenta pixel is see-through
    QImage pic(32, 7, QImage::Format_RGB32);
    pic.fill(Qt::magenta);
    for (int x = 4; x < 28; ++x)
        for (int y = 1; y < 6; ++y)
            pic.setPixel(x, y, qRgb(255, 255, 255));
    s.strip->SetImage(StdPicture(pic), 0);
    s.strip->resize(320, 70);
    const QRegion shape = s.strip->mask();
    QVERIFY(!shape.contains(QPoint(5, 35))); // magenta border
    QVERIFY(!shape.contains(QPoint(160, 2)));
    QVERIFY(shape.contains(QPoint(160, 35))); // white inside
}

TALLIVO_TEST(TestEnTextCtl)
#include "tst_entextctl.moc"
