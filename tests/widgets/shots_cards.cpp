// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the word card, the text strip and the toolbar in their main states
// to PNG files for a look by eye: $TALLIVO_SHOTS_DIR (default
// shots/ in the build tree).
#include "widgets/look.h"
#include "support/fakeplatform.h"
#include "support/fixture.h"
#include "support/shots.h"
#include "support/testmain.h"
#include "widgets/entextctl.h"
#include "widgets/newwordpicctl.h"
#include "widgets/uc_maintool.h"
#include "wordbank/classuser.h"
#include "wordbank/cword.h"
#include "wordbank/globals.h"
#include <QBuffer>
#include <QLabel>
#include <QPainter>

namespace {

// A word picture as the data build makes them: a colour emoji on white, as JPEG.
QByteArray EmojiJpeg(const QString &emoji)
{
    QImage img(320, 200, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    QFont f;
    f.setFamilies({QStringLiteral("Noto Color Emoji")});
    f.setPixelSize(150);
    p.setFont(f);
    p.drawText(img.rect(), Qt::AlignCenter, emoji);
    p.end();
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "JPG", 92);
    return bytes;
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

// A piece of a window in the program's sky blue, so rounded corners show.
class Backdrop : public QWidget {
public:
    explicit Backdrop(QSize size)
    {
        resize(size);
        setAutoFillBackground(true);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, QColor(Look::SkyBlue));
        setPalette(pal);
    }
};

using shots::Save;

} // namespace

class CardShots : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void cards();
    void flipFrames();
    void thumbnails();
    void strips();
    void toolbar();

private:
    std::unique_ptr<ScopedFakePlatform> m_fake;
    std::unique_ptr<TempAppDir> m_app;
    ClassUser m_user;
};

void CardShots::init()
{
    m_fake = std::make_unique<ScopedFakePlatform>();
    m_app = std::make_unique<TempAppDir>();
    m_user = ClassUser();
    gUser = &m_user;
    QVERIFY(m_app->writeEnvelopedBytes(QStringLiteral("pics/apple.enjpg"), EmojiJpeg(QStringLiteral("🍎"))));
    QVERIFY(m_app->writeEnvelopedBytes(QStringLiteral("pics/cat.enjpg"), EmojiJpeg(QStringLiteral("🐱"))));
    QVERIFY(m_app->writeEnvelopedBytes(QStringLiteral("pics/bus.enjpg"), EmojiJpeg(QStringLiteral("🚌"))));
}

void CardShots::cleanup()
{
    gUser = nullptr;
    m_app.reset();
    m_fake.reset();
}

void CardShots::cards()
{
    Backdrop host({420, 270});
    auto *card = new NewWordPicCtl(&host);
    card->move(10, 10);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QVERIFY(Save(host, QStringLiteral("card_before_any_word.png")));

    CWord apple = MakeWord(QStringLiteral("apple"), QStringLiteral("苹果;苹果树"),
                           QStringLiteral("n. 苹果；苹果树；（美俚）大城市"));
    QVERIFY(card->SetPicWord(&apple, false, true, 0));
    QVERIFY(Save(host, QStringLiteral("card_picture_brief.png")));
    QVERIFY(card->SetPicWord(&apple, false, true, 1));
    QVERIFY(Save(host, QStringLiteral("card_picture_detail.png")));

    m_user.bChinese = false;
    QVERIFY(card->SetPicWord(&apple, false, false, 0));
    QVERIFY(Save(host, QStringLiteral("card_picture_chinese_off.png")));
    QTest::mouseMove(host.windowHandle(), card->mapTo(&host, QPoint(200, 100)));
    QTest::mouseMove(host.windowHandle(), card->mapTo(&host, QPoint(20, 240)));
    QVERIFY(Save(host, QStringLiteral("card_picture_peek.png")));

    CWord orange = MakeWord(QStringLiteral("orange"), QStringLiteral("橙子;橙色"));
    QVERIFY(card->SetPicWord(&orange, false, false, 0));
    QVERIFY(Save(host, QStringLiteral("card_no_picture.png")));

    CWord dictionary = MakeWord(QStringLiteral("dictionary"), QStringLiteral("词典"));
    dictionary.UserEN = QStringLiteral("dictionary");
    card->LoadEnglish(&dictionary);
    QVERIFY(Save(host, QStringLiteral("card_english.png")));

    Backdrop games({340, 220});
    auto *small = new NewWordPicCtl(&games);
    small->setGeometry(10, 10, 320, 200);
    games.show();
    QVERIFY(QTest::qWaitForWindowExposed(&games));
    CWord bus = MakeWord(QStringLiteral("bus"), QStringLiteral("公共汽车"));
    QVERIFY(small->SetPicWord(&bus, false, true, 0));
    QVERIFY(Save(games, QStringLiteral("card_320_picture.png")));
    CWord kite = MakeWord(QStringLiteral("kite"), QStringLiteral("风筝;纸鸢"));
    QVERIFY(small->SetPicWord(&kite, false, true, 0));
    QVERIFY(Save(games, QStringLiteral("card_320_no_picture.png")));
}

void CardShots::flipFrames()
{
    Backdrop host({420, 270});
    auto *card = new NewWordPicCtl(&host);
    card->move(10, 10);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    CWord apple = MakeWord(QStringLiteral("apple"), QStringLiteral("苹果"));
    CWord cat = MakeWord(QStringLiteral("cat"), QStringLiteral("猫"));
    QVERIFY(card->SetPicWord(&apple, false, true, 0));
    int step = 0;
    (*m_fake)->onDoEvents = [&] {
        ++step;
        if (step == 8 || step == 17 || step == 26 || step == 35)
            Save(host, QStringLiteral("card_flip_step%1.png").arg(step, 2, 10, QLatin1Char('0')));
    };
    QVERIFY(card->SetPicWord(&cat, true, true, 0));
    (*m_fake)->onDoEvents = nullptr;
    QCOMPARE(step, NewWordPicCtl::kFlipSteps);
    QVERIFY(Save(host, QStringLiteral("card_flip_done.png")));
}

void CardShots::thumbnails()
{
    Backdrop host({5 * 83 + 20, 70});
    CWord words[5] = {
        MakeWord(QStringLiteral("apple"), QStringLiteral("苹果")),
        MakeWord(QStringLiteral("cat"), QStringLiteral("猫")),
        MakeWord(QStringLiteral("orange"), QStringLiteral("橙子;橙色")),
        MakeWord(QStringLiteral("bus"), QStringLiteral("公共汽车")),
        MakeWord(QStringLiteral("encyclopedia"), QStringLiteral("百科全书;专题全书;大全")),
    };
    for (int j = 0; j < 5; ++j) {
        auto *thumb = new NewWordPicCtl(&host);
        thumb->setGeometry(10 + 83 * j, 10, 80, 50);
        QVERIFY(thumb->SetPicWord(&words[j], false, false, 0));
    }
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QVERIFY(Save(host, QStringLiteral("card_thumbnails.png")));
}

void CardShots::strips()
{
    Backdrop host({340, 4 * 80 + 10});
    const QString texts[4] = {QStringLiteral("cat"), QStringLiteral("ice cream"), QStringLiteral("responsibility"),
                              QStringLiteral("internationalization")};
    CWord words[4];
    for (int i = 0; i < 4; ++i) {
        words[i] = MakeWord(texts[i], QStringLiteral("词"));
        auto *strip = new EnTextCtl(&host);
        strip->setGeometry(10, 10 + 80 * i, 320, 70);
        strip->SetMyWord(&words[i], true);
    }
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QVERIFY(Save(host, QStringLiteral("strip_words.png")));

    Backdrop hidden({340, 90});
    auto *strip = new EnTextCtl(&hidden);
    strip->setGeometry(10, 10, 320, 70);
    strip->SetMyWord(&words[0], false);
    hidden.show();
    QVERIFY(QTest::qWaitForWindowExposed(&hidden));
    QVERIFY(Save(hidden, QStringLiteral("strip_english_hidden.png")));
}

void CardShots::toolbar()
{
    Backdrop host({720, 130});
    auto *bar = new UC_MainTool(&host);
    bar->move((host.width() - bar->width()) / 2, 20);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QVERIFY(Save(host, QStringLiteral("toolbar_normal.png")));

    auto hover = [&](int index) {
        QLabel *b = bar->Button(index);
        QTest::mouseMove(host.windowHandle(), b->mapTo(&host, b->rect().center()));
    };
    hover(6);
    QVERIFY(Save(host, QStringLiteral("toolbar_hover_next.png")));
    hover(8);
    QVERIFY(Save(host, QStringLiteral("toolbar_hover_addbook.png")));
    hover(0);
    QVERIFY(Save(host, QStringLiteral("toolbar_hover_back.png")));

    QLabel *b4 = bar->Button(4);
    QTest::mouseClick(host.windowHandle(), Qt::LeftButton, {}, b4->mapTo(&host, b4->rect().center()));
    hover(9);
    hover(5);
    QVERIFY(Save(host, QStringLiteral("toolbar_autobrowsing.png")));
}

TALLIVO_SHOTS(CardShots)
#include "shots_cards.moc"
