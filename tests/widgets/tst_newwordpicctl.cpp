// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/fakeplatform.h"
#include "support/fixture.h"
#include "support/picturebytes.h"
#include "support/testmain.h"
#include "widgets/newwordpicctl.h"
#include "wordbank/classuser.h"
#include "wordbank/cword.h"
#include "wordbank/globals.h"
#include <QBuffer>
#include <QDirIterator>
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>
#include <memory>

namespace {

QByteArray Encoded(QColor colour, const char *format, QSize size = {64, 40})
{
    return PictureBytes(colour, format, size);
}

CWord MakeWord(const QString &english, const QString &chinese, const QString &detail = QString())
{
    CWord w;
    w.English = english;
    w.UserEN = english;
    w.Chinese = chinese;
    w.DetailCH = detail.isEmpty() ? chinese : detail;
    return w;
}

// Every file below the application folder, relative, sorted.
QStringList AllFiles(const QString &root)
{
    QStringList out;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << it.next().mid(root.size());
    out.sort();
    return out;
}

bool Near(QRgb a, QColor b, int tolerance = 40)
{
    return std::abs(qRed(a) - b.red()) <= tolerance && std::abs(qGreen(a) - b.green()) <= tolerance
           && std::abs(qBlue(a) - b.blue()) <= tolerance && qAlpha(a) > 200;
}

// The opaque run along the middle row of a face, in logical pixels, and the
// colour at its centre.
struct Run {
    int left = -1;
    int width = 0;
    QRgb centre = 0;
};

Run MiddleRun(const QImage &face)
{
    Run r;
    if (face.isNull())
        return r;
    const qreal dpr = face.devicePixelRatio();
    const int y = face.height() / 2;
    int first = -1, last = -1;
    for (int x = 0; x < face.width(); ++x) {
        if (qAlpha(face.pixel(x, y)) > 128) {
            if (first < 0)
                first = x;
            last = x;
        }
    }
    if (first < 0)
        return r;
    r.left = qRound(first / dpr);
    r.width = qRound((last - first + 1) / dpr);
    r.centre = face.pixel((first + last) / 2, y);
    return r;
}

bool AllNear(const QImage &face, QColor c)
{
    if (face.isNull())
        return false;
    for (int y = 2; y < face.height() - 2; y += 7)
        for (int x = 2; x < face.width() - 2; x += 7)
            if (!Near(face.pixel(x, y), c))
                return false;
    return true;
}

struct CardScene {
    ScopedFakePlatform fake;
    TempAppDir app;
    ClassUser user;
    QWidget host;
    NewWordPicCtl *card = new NewWordPicCtl(&host);
    CardScene()
    {
        gUser = &user;
        host.resize(460, 300);
        card->move(10, 10);
    }
    ~CardScene() { gUser = nullptr; }
    bool show()
    {
        host.show();
        return QTest::qWaitForWindowExposed(&host);
    }
    QLabel *line() const { return card->findChild<QLabel *>(QStringLiteral("lblChinese")); }
    // Words a, b and c with red, blue and green pictures.
    CWord a = MakeWord(QStringLiteral("a"), QStringLiteral("甲"));
    CWord b = MakeWord(QStringLiteral("b"), QStringLiteral("乙"));
    CWord c = MakeWord(QStringLiteral("c"), QStringLiteral("丙"));
    bool writeThreeWords()
    {
        return app.writeEnvelopedBytes(QStringLiteral("pics/a.enbmp"), Encoded(Qt::red, "BMP"))
               && app.writeEnvelopedBytes(QStringLiteral("pics/b.enbmp"), Encoded(Qt::blue, "BMP"))
               && app.writeEnvelopedBytes(QStringLiteral("pics/c.enbmp"), Encoded(Qt::green, "BMP"));
    }
    QTimer *peekTimer() const { return card->findChild<QTimer *>(QStringLiteral("timHideCH")); }
    void movePointer(QPoint inCard) { QTest::mouseMove(host.windowHandle(), card->mapTo(&host, inCard)); }
};

} // namespace

class TestNewWordPicCtl : public QObject {
    Q_OBJECT
private slots:
    void chineseSizeFollowsWidth_data();
    void chineseSizeFollowsWidth();
    void chineseLine_data();
    void chineseLine();
    void longTextNeverBelowTwelvePixels_data();
    void longTextNeverBelowTwelvePixels();
    void englishCard();
    void textLineShowsItsOwnText();
    void pictureFiles_data();
    void pictureFiles();
    void emptyWordChangesNothing();
    void flipFrames_data();
    void flipFrames();
    void captionTurnsWithTheCard_data();
    void captionTurnsWithTheCard();
    void newWordDuringFlip_data();
    void newWordDuringFlip();
    void cardGoesAwayDuringFlip_data();
    void cardGoesAwayDuringFlip();
    void resizeFlipsAgainAndRoundsCorners();
    void turnOverKeepsTheLoadedPicture_data();
    void turnOverKeepsTheLoadedPicture();
    void defaultPictureSharedPerSize();
    void facesHandedOutStayAsTheyWere_data();
    void facesHandedOutStayAsTheyWere();
    void nextPictureKeepsNothingOfTheLast_data();
    void nextPictureKeepsNothingOfTheLast();
    void peekAtChinese_data();
    void peekAtChinese();
    void clickAndMouseMoveReachOwner();
    void readMeSpeaks();
};

void TestNewWordPicCtl::chineseSizeFollowsWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<double>("size");
    QTest::addRow("400 wide") << 400 << 42.0;
    QTest::addRow("391 wide") << 391 << 42.0;
    QTest::addRow("390 wide") << 390 << 24.0;
    QTest::addRow("350 wide") << 350 << 24.0;
    QTest::addRow("300 wide") << 300 << 18.0;
    QTest::addRow("80 wide") << 80 << 18.0;
}

void TestNewWordPicCtl::chineseSizeFollowsWidth()
{
    QFETCH(int, width);
    QFETCH(double, size);
    CardScene s;
    CWord cat = MakeWord(QStringLiteral("cat"), QStringLiteral("猫"));
    s.card->resize(width, 250);
    QVERIFY(s.card->SetPicWord(&cat, false, true, 0));
    QCOMPARE(s.card->BaseFontSize(), size);
    QCOMPARE(s.line()->font().pointSizeF(), size);
}

void TestNewWordPicCtl::chineseLine_data()
{
    QTest::addColumn<bool>("withPicture");
    QTest::addColumn<bool>("chineseOn");
    QTest::addColumn<int>("iCHType");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("visible");
    const QString brief = QStringLiteral("苹果;苹果树");
    const QString detail = QStringLiteral("n. 苹果");
    QTest::addRow("no picture, Chinese on: two lines") << false << true << 0 << QStringLiteral("苹果\n苹果树") << true;
    QTest::addRow("no picture, Chinese off: still shown") << false << false << 0 << QStringLiteral("苹果\n苹果树") << true;
    QTest::addRow("picture, Chinese on: one line") << true << true << 0 << brief << true;
    QTest::addRow("picture, Chinese off: hidden") << true << false << 0 << brief << false;
    QTest::addRow("picture, detailed Chinese") << true << true << 1 << detail << true;
}

void TestNewWordPicCtl::chineseLine()
{
    QFETCH(bool, withPicture);
    QFETCH(bool, chineseOn);
    QFETCH(int, iCHType);
    QFETCH(QString, shown);
    QFETCH(bool, visible);
    CardScene s;
    QVERIFY(s.show());
    CWord apple = MakeWord(QStringLiteral("apple"), QStringLiteral("苹果;苹果树"), QStringLiteral("n. 苹果"));
    if (withPicture)
        QVERIFY(s.app.writeEnvelopedBytes(QStringLiteral("pics/apple.enjpg"), Encoded(Qt::red, "JPG")));
    QVERIFY(s.card->SetPicWord(&apple, false, chineseOn, iCHType));

    QLabel *line = s.line();
    QCOMPARE(s.card->HasPicture(), withPicture);
    QCOMPARE(line->text(), shown);
    QCOMPARE(line->isVisible(), visible);
    const QRect g = line->geometry();
    QVERIFY2(std::abs(g.center().x() - s.card->width() / 2) <= 1, "centred horizontally");
    if (withPicture) {
        QCOMPARE(line->font().pointSizeF(), 18.0);
        QVERIFY(std::abs(g.top() - (s.card->height() - 1.2 * g.height())) <= 1);
    } else {
        QCOMPARE(line->font().pointSizeF(), 42.0);
        QVERIFY2(std::abs(g.center().y() - s.card->height() / 2) <= 1, "centred vertically");
        // two lines stand higher than one
        QLabel one;
        one.setFont(line->font());
        one.setText(QStringLiteral("苹果"));
        QVERIFY(g.height() > 1.5 * one.sizeHint().height());
    }
}

void TestNewWordPicCtl::longTextNeverBelowTwelvePixels_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<bool>("shrinks");
    QTest::addColumn<QString>("shown"); // "" for the text as given
    QTest::addRow("fits at once") << 400 << false << QStringLiteral("猫") << false << QString();
    QTest::addRow("shrinks until it fits") << 400 << false << QStringLiteral("一种非常好吃的红色水果") << true
                                           << QString();
    QTest::addRow("thumbnail, two meanings") << 80 << false << QStringLiteral("橙子;橙色") << true
                                             << QStringLiteral("橙子\n橙色");
    QTest::addRow("thumbnail, three meanings: two lines") << 80 << false << QStringLiteral("名字;名称;命名") << true
                                                          << QStringLiteral("名字\n名称 命名");
    QTest::addRow("thumbnail, far too long: shortened") << 80 << false << QString(40, QChar(0x82F9)) << true
                                                        << QStringLiteral("苹苹苹苹\n苹苹苹…");
    // the word list's twelve-card page, detailed meaning under a picture
    QTest::addRow("word list, detailed meaning on two lines")
        << 192 << true << QStringLiteral("n. 名字，名称；名声 v. 给…命名，说出名字") << true
        << QStringLiteral("n. 名字，名称；名声 v.\n给…命名，说出名字");
}

void TestNewWordPicCtl::longTextNeverBelowTwelvePixels()
{
    QFETCH(int, width);
    QFETCH(bool, picture);
    QFETCH(QString, chinese);
    QFETCH(bool, shrinks);
    QFETCH(QString, shown);
    CardScene s;
    s.card->resize(width, width * 5 / 8);
    if (picture)
        QVERIFY(s.app.writeEnvelopedBytes(QStringLiteral("pics/fruit.enbmp"), Encoded(Qt::red, "BMP")));
    CWord w = MakeWord(QStringLiteral("fruit"), chinese);
    QVERIFY(s.card->SetPicWord(&w, false, true, 0));
    QLabel *line = s.line();
    const double size = line->font().pointSizeF();
    const double maxW = 0.8 * s.card->width();
    const double maxH = 0.9 * s.card->height();
    QCOMPARE(size < 18.0 || size < s.card->BaseFontSize(), shrinks);
    QVERIFY(size * line->logicalDpiY() / 72.0 >= 12.0 - 1e-9);
    QVERIFY2(line->width() <= maxW && line->height() <= maxH, qPrintable(line->text()));
    if (!shown.isEmpty()) {
        QCOMPARE(line->text(), shown);
    } else {
        QCOMPARE(line->text(), picture ? chinese : QString(chinese).replace(u';', u'\n'));
        if (shrinks) {
            // the first size that fits: two points more would not
            QFont bigger = line->font();
            bigger.setPointSizeF(size + 2);
            line->setFont(bigger);
            QVERIFY(line->sizeHint().width() > maxW || line->sizeHint().height() > maxH);
        }
    }
}

void TestNewWordPicCtl::textLineShowsItsOwnText()
{
    // two texts of one size: a drawing kept for one must never show for the other
    CardScene s;
    QVERIFY(s.show());
    CWord apple = MakeWord(QStringLiteral("apple"), QStringLiteral("苹果"));
    CWord banana = MakeWord(QStringLiteral("banana"), QStringLiteral("香蕉"));
    auto drawn = [&](CWord *w) {
        s.card->SetPicWord(w, false, true, 0);
        return s.line()->grab().toImage();
    };
    const QImage first = drawn(&apple);
    const QImage other = drawn(&banana);
    QCOMPARE(other.size(), first.size());
    QVERIFY(other != first);
    QCOMPARE(drawn(&apple), first);
    // another card showing the same text shows the same drawing
    auto *twin = new NewWordPicCtl(&s.host);
    twin->resize(s.card->size());
    twin->move(10, 10);
    twin->show();
    twin->SetPicWord(&apple, false, true, 0);
    QCOMPARE(twin->findChild<QLabel *>(QStringLiteral("lblChinese"))->grab().toImage(), first);
}

void TestNewWordPicCtl::englishCard()
{
    CardScene s;
    QVERIFY(s.show());
    CWord apple = MakeWord(QStringLiteral("apple"), QStringLiteral("苹果"));
    apple.UserEN = QStringLiteral("Apple");
    QVERIFY(s.app.writeEnvelopedBytes(QStringLiteral("pics/apple.enbmp"), Encoded(Qt::red, "BMP")));
    QVERIFY(s.card->SetPicWord(&apple, false, false, 0));
    const qint64 before = s.card->FacePicture().cacheKey();

    s.card->LoadEnglish(nullptr);
    QVERIFY(s.line()->isHidden());

    CWord tree = MakeWord(QStringLiteral("tree"), QStringLiteral("树"));
    tree.UserEN = QStringLiteral("Tree");
    s.card->LoadEnglish(&tree);
    QLabel *line = s.line();
    QCOMPARE(s.card->myWord, &tree);
    QCOMPARE(line->text(), QStringLiteral("Tree"));
    QVERIFY(line->isVisible());
    QCOMPARE(line->font().pointSizeF(), 52.0);
    QVERIFY(std::abs(line->geometry().center().x() - s.card->width() / 2) <= 1);
    QVERIFY(std::abs(line->geometry().center().y() - s.card->height() / 2) <= 1);
    QCOMPARE(s.card->FacePicture().cacheKey(), before);

    // a long English on a small card keeps 12 pixels, wrapped at its spaces
    s.card->resize(190, 120);
    CWord longWord = MakeWord(QStringLiteral("x"), QStringLiteral("x"));
    longWord.UserEN = QStringLiteral("internationalisation and responsibility of everyone here");
    s.card->LoadEnglish(&longWord);
    QVERIFY(line->font().pointSizeF() * line->logicalDpiY() / 72.0 >= 12.0 - 1e-9);
    QVERIFY(line->width() <= 0.8 * 190 && line->height() <= 0.9 * 120);
    QVERIFY(line->text().startsWith(QStringLiteral("internationalisation\nand")));
    QCOMPARE(QString(line->text()).replace(u'\n', u' '), longWord.UserEN);
}

void TestNewWordPicCtl::pictureFiles_data()
{
    QTest::addColumn<QString>("english");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QColor>("expected");
    const QColor none = QColor(Qt::transparent);
    QTest::addRow("BMP only") << "apple" << QStringList{"apple.enbmp"} << QColor(Qt::red);
    QTest::addRow("JPEG only") << "apple" << QStringList{"apple.enjpg"} << QColor(Qt::blue);
    QTest::addRow("both: BMP wins") << "apple" << QStringList{"apple.enbmp", "apple.enjpg"} << QColor(Qt::red);
    QTest::addRow("spelling is the stored one") << "Ice cream" << QStringList{"Ice cream.enjpg"} << QColor(Qt::blue);
    QTest::addRow("other case is another word") << "apple" << QStringList{"Apple.enbmp"} << none;
    QTest::addRow("unreadable BMP: JPEG") << "apple" << QStringList{"apple.enbmp:garbage", "apple.enjpg"} << QColor(Qt::blue);
    QTest::addRow("unreadable only") << "apple" << QStringList{"apple.enjpg:garbage"} << none;
    QTest::addRow("no files") << "apple" << QStringList{} << none;
    QTest::addRow("no way out of pics") << "../dat/apple" << QStringList{"../dat/apple.enbmp"} << none;
}

void TestNewWordPicCtl::pictureFiles()
{
    QFETCH(QString, english);
    QFETCH(QStringList, files);
    QFETCH(QColor, expected);
    CardScene s;
    for (QString f : files) {
        const bool garbage = f.endsWith(QLatin1String(":garbage"));
        f.remove(QLatin1String(":garbage"));
        const QByteArray bytes = garbage                            ? QByteArray("not a picture at all")
                                 : f.endsWith(QLatin1String("bmp")) ? Encoded(Qt::red, "BMP")
                                                                    : Encoded(Qt::blue, "JPG");
        QVERIFY(s.app.writeEnvelopedBytes(QStringLiteral("pics/") + f, bytes));
    }
    const QStringList before = AllFiles(s.app.path());
    CWord w = MakeWord(english, QStringLiteral("词"));
    QVERIFY(s.card->SetPicWord(&w, false, true, 0));

    const bool hasPicture = expected != QColor(Qt::transparent);
    QCOMPARE(s.card->HasPicture(), hasPicture);
    const QImage face = s.card->FacePicture();
    if (hasPicture) {
        QVERIFY(AllNear(face, expected));
    } else {
        QVERIFY(!face.isNull());
        QVERIFY(!AllNear(face, Qt::red) && !AllNear(face, Qt::blue));
        QVERIFY(!s.line()->isHidden()); // the Chinese in large type instead
    }
    // unscrambled in memory: nothing written anywhere
    QCOMPARE(AllFiles(s.app.path()), before);
    QVERIFY(s.app.filesIn(QStringLiteral("tmp")).isEmpty());
}

void TestNewWordPicCtl::emptyWordChangesNothing()
{
    CardScene s;
    CWord apple = MakeWord(QStringLiteral("apple"), QStringLiteral("苹果"));
    QVERIFY(s.card->SetPicWord(&apple, false, true, 0));
    const qint64 face = s.card->FacePicture().cacheKey();
    const QString text = s.line()->text();
    QVERIFY(!s.card->SetPicWord(nullptr, true, true, 0));
    QCOMPARE(s.card->myWord, &apple);
    QCOMPARE(s.card->FacePicture().cacheKey(), face);
    QCOMPARE(s.line()->text(), text);
    QVERIFY(s.fake->sleeps.isEmpty());
}

void TestNewWordPicCtl::flipFrames_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("runWidth");
    QTest::addColumn<bool>("incoming");
    // 400 wide: steps of 10 pixels
    QTest::addRow("400: old starts to turn") << 400 << 1 << 10 << 380 << false;
    QTest::addRow("400: old nearly edge-on") << 400 << 19 << 190 << 20 << false;
    QTest::addRow("400: step 20 keeps the last frame") << 400 << 20 << 190 << 20 << false;
    QTest::addRow("400: new appears") << 400 << 21 << 190 << 20 << true;
    QTest::addRow("400: new half open") << 400 << 30 << 100 << 200 << true;
    QTest::addRow("400: new fully open") << 400 << 40 << 0 << 400 << true;
    // a thumbnail: steps of 2 pixels
    QTest::addRow("80: old") << 80 << 10 << 20 << 40 << false;
    QTest::addRow("80: new") << 80 << 35 << 10 << 60 << true;
}

void TestNewWordPicCtl::flipFrames()
{
    QFETCH(int, width);
    QFETCH(int, step);
    QFETCH(int, left);
    QFETCH(int, runWidth);
    QFETCH(bool, incoming);
    CardScene s;
    s.card->resize(width, width * 5 / 8);
    QVERIFY(s.show());
    QVERIFY(s.app.writeEnvelopedBytes(QStringLiteral("pics/old.enbmp"), Encoded(Qt::red, "BMP")));
    QVERIFY(s.app.writeEnvelopedBytes(QStringLiteral("pics/new.enbmp"), Encoded(Qt::blue, "BMP")));
    CWord oldWord = MakeWord(QStringLiteral("old"), QStringLiteral("旧"));
    CWord newWord = MakeWord(QStringLiteral("new"), QStringLiteral("新"));
    QVERIFY(s.card->SetPicWord(&oldWord, false, true, 0));
    QVERIFY(s.fake->sleeps.isEmpty());

    QList<Run> frames;
    s.fake->onDoEvents = [&] { frames << MiddleRun(s.card->FacePicture()); };
    QVERIFY(s.card->SetPicWord(&newWord, true, true, 0));
    s.fake->onDoEvents = nullptr;

    // 40 steps, each letting events run and then waiting 30 ms
    QCOMPARE(frames.size(), 40);
    QCOMPARE(s.fake->sleeps, QList<int>(40, 30));
    const Run r = frames.at(step - 1);
    QCOMPARE(r.left, left);
    QCOMPARE(r.width, runWidth);
    QVERIFY(Near(r.centre, incoming ? QColor(Qt::blue) : QColor(Qt::red)));
    QVERIFY(AllNear(s.card->FacePicture(), Qt::blue));
}

void TestNewWordPicCtl::captionTurnsWithTheCard_data()
{
    QTest::addColumn<bool>("picture");
    QTest::addRow("line under a picture") << true;
    QTest::addRow("large type without picture") << false;
}

// At no step of a flip does the text line reach past the face drawn.
void TestNewWordPicCtl::captionTurnsWithTheCard()
{
    QFETCH(bool, picture);
    CardScene s;
    s.card->resize(240, 152);
    QVERIFY(s.show());
    QVERIFY(s.app.writeEnvelopedBytes(QStringLiteral("pics/old.enbmp"), Encoded(Qt::red, "BMP")));
    if (picture)
        QVERIFY(s.app.writeEnvelopedBytes(QStringLiteral("pics/new.enbmp"), Encoded(Qt::blue, "BMP")));
    CWord oldWord = MakeWord(QStringLiteral("old"), QStringLiteral("旧"));
    CWord newWord = MakeWord(QStringLiteral("new"), QStringLiteral("崭新的，新鲜的"));
    QVERIFY(s.card->SetPicWord(&oldWord, false, true, 0));

    int steps = 0, cut = 0;
    s.fake->onDoEvents = [&] {
        ++steps;
        QLabel *l = s.line();
        if (l->isHidden())
            return;
        const QRect drawn = l->mask().isEmpty() ? l->geometry() : l->mask().boundingRect().translated(l->pos());
        const QRect face = NewWordPicCtl::FlipFrame(steps, 240, 152).toRect();
        QVERIFY2(face.contains(drawn), qPrintable(QStringLiteral("step %1").arg(steps)));
        cut += drawn.width() < l->width();
    };
    QVERIFY(s.card->SetPicWord(&newWord, true, true, 0));
    s.fake->onDoEvents = nullptr;
    QCOMPARE(steps, NewWordPicCtl::kFlipSteps);
    QVERIFY(cut > 0);
    // the turned card shows the whole line
    QVERIFY(s.line()->isVisible());
    QVERIFY(s.line()->mask().isEmpty());
    QCOMPARE(s.line()->text(), newWord.Chinese);
}

void TestNewWordPicCtl::newWordDuringFlip_data()
{
    QTest::addColumn<bool>("secondFlips");
    QTest::addRow("second word without flip") << false;
    QTest::addRow("second word with its own flip") << true;
}

void TestNewWordPicCtl::newWordDuringFlip()
{
    QFETCH(bool, secondFlips);
    CardScene s;
    QVERIFY(s.show());
    QVERIFY(s.writeThreeWords());
    CWord &a = s.a, &b = s.b, &c = s.c;
    QVERIFY(s.card->SetPicWord(&a, false, true, 0));

    int steps = 0;
    bool interrupted = false;
    s.fake->onDoEvents = [&] {
        ++steps;
        if (steps == 5 && !interrupted) {
            interrupted = true; // a click handler asks for another word meanwhile
            QVERIFY(s.card->SetPicWord(&c, secondFlips, true, 0));
        }
    };
    QVERIFY(s.card->SetPicWord(&b, true, true, 0));

    // the first flip stopped as soon as the second drawing took over
    QCOMPARE(steps, 5 + (secondFlips ? 40 : 0));
    QCOMPARE(s.card->myWord, &c);
    QCOMPARE(s.line()->text(), QStringLiteral("丙"));
    QVERIFY(AllNear(s.card->FacePicture(), Qt::green)); // whole, not a half-turned frame

    // the next flip turns away from the word now shown
    QList<Run> frames;
    s.fake->onDoEvents = [&] { frames << MiddleRun(s.card->FacePicture()); };
    QVERIFY(s.card->SetPicWord(&a, true, true, 0));
    s.fake->onDoEvents = nullptr;
    QVERIFY(Near(frames.first().centre, Qt::green));
    QVERIFY(AllNear(s.card->FacePicture(), Qt::red));
}

void TestNewWordPicCtl::cardGoesAwayDuringFlip_data()
{
    QTest::addColumn<bool>("destroy");
    QTest::addRow("destroyed") << true;
    QTest::addRow("being unloaded") << false;
}

void TestNewWordPicCtl::cardGoesAwayDuringFlip()
{
    QFETCH(bool, destroy);
    CardScene s;
    QVERIFY(s.show());
    QVERIFY(s.app.writeEnvelopedBytes(QStringLiteral("pics/b.enbmp"), Encoded(Qt::blue, "BMP")));
    CWord b = MakeWord(QStringLiteral("b"), QStringLiteral("乙"));
    QPointer<NewWordPicCtl> card = s.card;
    int steps = 0;
    s.fake->onDoEvents = [&] {
        if (++steps != 3 || !card)
            return;
        if (destroy)
            delete card.data();
        else
            card->bUnloading = true;
    };
    QVERIFY(card->SetPicWord(&b, true, true, 0));
    s.fake->onDoEvents = nullptr;

    QCOMPARE(steps, 3);
    QCOMPARE(s.fake->sleeps.size(), 2);
    QCOMPARE(card.isNull(), destroy);
    if (!destroy)
        QVERIFY(AllNear(card->FacePicture(), Qt::blue)); // the picture, not a frame of the turn
}

void TestNewWordPicCtl::resizeFlipsAgainAndRoundsCorners()
{
    CardScene s;
    QVERIFY(s.show());
    QVERIFY(s.app.writeEnvelopedBytes(QStringLiteral("pics/b.enbmp"), Encoded(Qt::blue, "BMP")));
    CWord b = MakeWord(QStringLiteral("b"), QStringLiteral("乙"));
    QVERIFY(s.card->SetPicWord(&b, false, true, 0));
    QVERIFY(!s.card->mask().contains(QPoint(0, 0)));
    QVERIFY(s.card->mask().contains(QPoint(10, 0))); // corner ellipse 400 / 20 = 20 wide
    QVERIFY(!s.card->mask().contains(QPoint(2, 2)));

    s.card->resize(320, 200);
    QTest::qWait(0);
    QCOMPARE(s.fake->sleeps.size(), 40);
    QCOMPARE(s.card->BaseFontSize(), 24.0);
    QCOMPARE(s.card->FacePicture().deviceIndependentSize().toSize(), QSize(320, 200));
    QVERIFY(AllNear(s.card->FacePicture(), Qt::blue));
    QVERIFY(s.card->mask().contains(QPoint(8, 0)));
    QVERIFY(!s.card->mask().contains(QPoint(1, 1)));

    // a card being unloaded neither flips nor takes on the new size
    s.fake->sleeps.clear();
    s.card->bUnloading = true;
    s.card->resize(80, 50);
    QTest::qWait(0);
    QVERIFY(s.fake->sleeps.isEmpty());
    QCOMPARE(s.card->BaseFontSize(), 24.0);
}

void TestNewWordPicCtl::turnOverKeepsTheLoadedPicture_data()
{
    QTest::addColumn<bool>("withPicture");
    QTest::addRow("word with picture") << true;
    QTest::addRow("word without picture") << false;
}

void TestNewWordPicCtl::turnOverKeepsTheLoadedPicture()
{
    QFETCH(bool, withPicture);
    CardScene s;
    QVERIFY(s.show());
    if (withPicture)
        QVERIFY(s.app.writeEnvelopedBytes(QStringLiteral("pics/b.enbmp"), Encoded(Qt::blue, "BMP")));
    CWord b = MakeWord(QStringLiteral("b"), QStringLiteral("乙"));
    QVERIFY(s.card->SetPicWord(&b, false, true, 0));
    const StdPicture loaded = s.card->Picture();
    const QImage before = s.card->FacePicture();
    // gone from the disk: a turn-over that read it again would lose it
    QVERIFY(QFile::remove(s.app.path() + QStringLiteral("/pics/b.enbmp")) || !withPicture);

    QList<Run> frames;
    s.fake->onDoEvents = [&] { frames << MiddleRun(s.card->FacePicture()); };
    s.card->TurnOver();
    s.fake->onDoEvents = nullptr;

    QCOMPARE(frames.size(), NewWordPicCtl::kFlipSteps);
    QCOMPARE(frames.at(9).width, 200); // half turned away
    QVERIFY(s.card->Picture() == loaded);
    QCOMPARE(s.card->HasPicture(), withPicture);
    QCOMPARE(s.card->FacePicture(), before);
    if (withPicture)
        QVERIFY(AllNear(s.card->FacePicture(), Qt::blue));
    QCOMPARE(s.card->myWord, &b);
    QCOMPARE(s.line()->text(), QStringLiteral("乙"));
}

void TestNewWordPicCtl::defaultPictureSharedPerSize()
{
    CardScene s;
    auto *twin = new NewWordPicCtl(&s.host);
    auto *thumb = new NewWordPicCtl(&s.host);
    thumb->resize(80, 50);
    CWord a = MakeWord(QStringLiteral("a"), QStringLiteral("甲"));
    CWord b = MakeWord(QStringLiteral("b"), QStringLiteral("乙"));
    QVERIFY(s.card->SetPicWord(&a, false, true, 0));
    QVERIFY(twin->SetPicWord(&b, false, true, 0));
    QVERIFY(thumb->SetPicWord(&b, false, true, 0));
    QVERIFY(!s.card->HasPicture() && !twin->HasPicture());
    // one rendering for both cards of the same size
    QCOMPARE(twin->FacePicture().cacheKey(), s.card->FacePicture().cacheKey());
    // a card of another size has its own, drawn at its size rather than squeezed
    QCOMPARE(thumb->FacePicture().deviceIndependentSize().toSize(), QSize(80, 50));
    const QImage drawn = SharedPicture(QStringLiteral(":/widgets/card/card_default.svg"))
                             .Render(QSize(80, 50), thumb->FacePicture().devicePixelRatio())
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(thumb->FacePicture(), drawn);
}

void TestNewWordPicCtl::facesHandedOutStayAsTheyWere_data()
{
    QTest::addColumn<bool>("flip");
    QTest::addRow("next word shown at once") << false;
    QTest::addRow("next word turned over") << true;
}

// The card draws the next word and the flip's frames over its old canvases;
// a face someone still holds must not change under them.
void TestNewWordPicCtl::facesHandedOutStayAsTheyWere()
{
    QFETCH(bool, flip);
    CardScene s;
    QVERIFY(s.show());
    QVERIFY(s.writeThreeWords());
    CWord &a = s.a, &b = s.b, &c = s.c;
    QVERIFY(s.card->SetPicWord(&a, false, true, 0));
    const QImage red = s.card->FacePicture();
    QList<QImage> frames;
    s.fake->onDoEvents = [&] { frames << s.card->FacePicture(); };
    QVERIFY(s.card->SetPicWord(&b, flip, true, 0));
    QVERIFY(s.card->SetPicWord(&c, flip, true, 0));
    s.fake->onDoEvents = nullptr;
    QVERIFY(AllNear(red, Qt::red));
    QVERIFY(AllNear(s.card->FacePicture(), Qt::green));
    QCOMPARE(frames.size(), flip ? 2 * NewWordPicCtl::kFlipSteps : 0);
    if (flip) {
        // each frame kept what it showed: the old word turning away, then the new one
        QVERIFY(Near(MiddleRun(frames.at(0)).centre, Qt::red));
        QVERIFY(Near(MiddleRun(frames.at(NewWordPicCtl::kFlipSteps - 1)).centre, Qt::blue));
        QVERIFY(Near(MiddleRun(frames.at(NewWordPicCtl::kFlipSteps)).centre, Qt::blue));
        QVERIFY(AllNear(frames.last(), Qt::green));
    }
}

void TestNewWordPicCtl::nextPictureKeepsNothingOfTheLast_data()
{
    QTest::addColumn<bool>("seeThrough");
    QTest::addRow("opaque picture over the last") << false;
    QTest::addRow("picture with see-through half over the last") << true;
}

// The next word's picture is drawn on the last word's canvas: nothing of the
// last picture may show through, neither beside nor behind the new one.
void TestNewWordPicCtl::nextPictureKeepsNothingOfTheLast()
{
    QFETCH(bool, seeThrough);
    CardScene s;
    QVERIFY(s.show());
    QImage second(64, 40, QImage::Format_ARGB32);
    second.fill(Qt::green);
    if (seeThrough) {
        for (int y = 0; y < second.height(); ++y)
            for (int x = 0; x < second.width() / 2; ++x)
                second.setPixelColor(x, y, Qt::transparent);
    }
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    QVERIFY(second.save(&buf, "PNG"));
    QVERIFY(s.app.writeEnvelopedBytes(QStringLiteral("pics/a.enbmp"), Encoded(Qt::red, "BMP")));
    QVERIFY(s.app.writeEnvelopedBytes(QStringLiteral("pics/b.enbmp"), png));
    QVERIFY(s.card->SetPicWord(&s.a, false, true, 0));
    QVERIFY(AllNear(s.card->FacePicture(), Qt::red));
    QVERIFY(s.card->SetPicWord(&s.b, false, true, 0));
    const QImage face = s.card->FacePicture().convertToFormat(QImage::Format_ARGB32);
    const int y = face.height() / 2;
    const QColor left = face.pixelColor(face.width() / 8, y);
    const QColor right = face.pixelColor(face.width() * 7 / 8, y);
    QVERIFY(Near(right.rgba(), Qt::green));
    if (seeThrough)
        QCOMPARE(left.alpha(), 0);
    else
        QVERIFY(Near(left.rgba(), Qt::green));
}

void TestNewWordPicCtl::peekAtChinese_data()
{
    QTest::addColumn<bool>("withPicture");
    QTest::addColumn<bool>("chineseOn");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("peeks");
    QTest::addColumn<bool>("visibleAfter");
    // the card is 400 x 250: the corner zone is x < 50, y > 218.75
    QTest::addRow("Chinese off, corner") << true << false << QPoint(20, 240) << true << false;
    QTest::addRow("Chinese off, just above the zone") << true << false << QPoint(20, 218) << false << false;
    QTest::addRow("Chinese off, right of the zone") << true << false << QPoint(50, 240) << false << false;
    QTest::addRow("Chinese on: already shown") << true << true << QPoint(20, 240) << false << true;
    QTest::addRow("no picture: always shown") << false << false << QPoint(20, 240) << false << true;
}

void TestNewWordPicCtl::peekAtChinese()
{
    QFETCH(bool, withPicture);
    QFETCH(bool, chineseOn);
    QFETCH(QPoint, at);
    QFETCH(bool, peeks);
    QFETCH(bool, visibleAfter);
    CardScene s;
    QVERIFY(s.show());
    s.user.bChinese = chineseOn;
    if (withPicture)
        QVERIFY(s.app.writeEnvelopedBytes(QStringLiteral("pics/apple.enbmp"), Encoded(Qt::red, "BMP")));
    CWord apple = MakeWord(QStringLiteral("apple"), QStringLiteral("苹果"));
    QVERIFY(s.card->SetPicWord(&apple, false, chineseOn, 0));

    s.movePointer(QPoint(200, 100));
    s.movePointer(at);
    QTimer *timer = s.peekTimer();
    QCOMPARE(timer->isActive(), peeks);
    if (peeks) {
        QVERIFY(s.line()->isVisible());
        QCOMPARE(timer->interval(), 2000);
        // moving on inside the corner does not extend the peek
        const int left = timer->remainingTime();
        s.movePointer(at + QPoint(1, 0));
        QVERIFY(timer->remainingTime() <= left);
        timer->start(1); // let the two seconds pass
        QTRY_VERIFY(!timer->isActive());
    }
    QCOMPARE(s.line()->isVisible(), visibleAfter);
}

void TestNewWordPicCtl::clickAndMouseMoveReachOwner()
{
    CardScene s;
    QVERIFY(s.show());
    CWord apple = MakeWord(QStringLiteral("apple"), QStringLiteral("苹果"));
    QVERIFY(s.card->SetPicWord(&apple, false, true, 0));
    QSignalSpy clicks(s.card, &NewWordPicCtl::Click);
    QSignalSpy moves(s.card, &NewWordPicCtl::MouseMove);

    s.movePointer(QPoint(30, 40));
    QVERIFY(!moves.isEmpty());
    QCOMPARE(moves.last().at(2).toInt(), 30);
    QCOMPARE(moves.last().at(3).toInt(), 40);

    // on the picture and on the text line alike
    QTest::mouseClick(s.host.windowHandle(), Qt::LeftButton, {}, s.card->mapTo(&s.host, QPoint(30, 40)));
    QTest::mouseClick(s.host.windowHandle(), Qt::LeftButton, {},
                      s.card->mapTo(&s.host, s.line()->geometry().center()));
    QCOMPARE(clicks.size(), 2);

    s.card->SetEnabled(false);
    QTest::mouseClick(s.host.windowHandle(), Qt::LeftButton, {}, s.card->mapTo(&s.host, QPoint(30, 40)));
    QCOMPARE(clicks.size(), 2);
}

void TestNewWordPicCtl::readMeSpeaks()
{
    CardScene s;
    QVERIFY(s.app.writeEnvelopedBytes(QStringLiteral("voice/apple.enw"), MakeSineWav(200)));
    s.card->ReadMe(2); // no word yet: nothing
    QVERIFY(s.fake->plays.isEmpty());
    CWord apple = MakeWord(QStringLiteral("apple"), QStringLiteral("苹果"));
    QVERIFY(s.card->SetPicWord(&apple, false, true, 0));
    s.card->ReadMe(2);
    QCOMPARE(s.fake->plays.size(), 2);
    QVERIFY(s.fake->plays.at(0).wait && s.fake->plays.at(1).wait);
}

TALLIVO_TEST(TestNewWordPicCtl)
#include "tst_newwordpicctl.moc"
