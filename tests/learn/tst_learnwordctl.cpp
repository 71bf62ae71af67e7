// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "learnenv.h"
#include "support/fakenavigator.h"
#include "support/picturebytes.h"
#include "support/testmain.h"
#include "learn/learnwordctl.h"
#include "widgets/clicklabel.h"
#include "widgets/ctranspicturebox.h"
#include "widgets/newwordpicctl.h"
#include "widgets/sentenceline.h"
#include <QLabel>
#include <QSet>
#include <QToolButton>

namespace {

// The reader on a host window, shown, with the fixture loaded.
struct ReaderScene {
    LearnEnv env;
    QWidget host;
    LearnWordCtl *reader = nullptr;
    bool ok = false;

    explicit ReaderScene(int words = 0)
    {
        ok = env.Start();
        if (ok && words > 0)
            env.UnitOf(words);
        gUser->bAutoSpeakWord = false; // quiet unless a test wants voices
        host.resize(LearnWordCtl::kWidth, LearnWordCtl::kHeight);
        reader = new LearnWordCtl(&host);
        host.show();
    }
    QString WordShown() const { return reader->myWord ? reader->myWord->English : QString(); }
    QString PositionWord() const
    {
        CWord *w = nullptr;
        return gCurrUnit->GetWordByID(gUser->nLastWord, w) ? w->English : QString();
    }
    QList<int> Tags() const
    {
        QList<int> out;
        for (int j = 1; j <= reader->StripCount(); ++j)
            out << LearnWordCtl::Tag(reader->Thumbnail(j));
        return out;
    }
    // Runs a script of moves: "c<n>" ChangeWord(n), "n" next, "p" previous.
    void Run(const QString &script)
    {
        for (const QString &step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (step.startsWith(QLatin1Char('c')))
                reader->ChangeWord(step.mid(1).toInt(), false);
            else if (step == QLatin1String("n"))
                reader->SetNextWord();
            else if (step == QLatin1String("p"))
                reader->SetPrevWord();
        }
    }
};

QList<int> Range(int first, int last)
{
    QList<int> out;
    for (int i = first; i <= last; ++i)
        out << i;
    return out;
}

} // namespace

class TestLearnWordCtl : public QObject {
    Q_OBJECT
private slots:
    void stripWindow_data();
    void stripWindow();
    void movesInsideStripKeepThumbnails();
    void tipsAndWrapInLessonOrder_data();
    void tipsAndWrapInLessonOrder();
    void randomRoundShowsEveryWordOnce();
    void englishOffSilentUntilCardClicked();
    void moveDuringFlipIsDropped_data();
    void moveDuringFlipIsDropped();
    void positionBroughtIntoSmallerUnit();
    void sentenceShownAndSpokenAfterWord_data();
    void sentenceShownAndSpokenAfterWord();
    void wordWithoutSentenceShowsNone();
    void switchesMeanWhatTheySay_data();
    void switchesMeanWhatTheySay();
    void fontHelpOnlyWhenRegistrationFails_data();
    void fontHelpOnlyWhenRegistrationFails();
    void missingVoiceWarnsOwnerFirst();
    void inputQueuedDuringSpeechIsStale();
};

void TestLearnWordCtl::stripWindow_data()
{
    QTest::addColumn<int>("words");
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<int>>("tags");
    QTest::addColumn<int>("left");
    QTest::addRow("5 words, word 1") << 5 << "c1" << 1 << Range(1, 5) << 223;
    QTest::addRow("2 words, word 1") << 2 << "c1" << 1 << Range(1, 2) << 348;
    QTest::addRow("12 words, to word 10 forward") << 12 << "c1 c9 n" << 10 << Range(4, 12) << 57;
    QTest::addRow("12 words, back to word 3") << 12 << "c1 c9 n c4 p" << 3 << Range(1, 9) << 57;
    QTest::addRow("12 words, wrap back from word 1") << 12 << "c1 p p" << 12 << Range(4, 12) << 57;
}

void TestLearnWordCtl::stripWindow()
{
    QFETCH(int, words);
    QFETCH(QString, script);
    ReaderScene s(words);
    QVERIFY(s.ok);
    s.Run(script);
    QFETCH(int, current);
    QCOMPARE(gUser->nLastWord, current);
    QFETCH(QList<int>, tags);
    QCOMPARE(s.Tags(), tags);
    QFETCH(int, left);
    QCOMPARE(s.reader->Thumbnail(1)->x(), left);
    QCOMPARE(s.reader->Thumbnail(2) ? s.reader->Thumbnail(2)->x() - left : 83, 83);
    // the frame sits round the current word's thumbnail
    NewWordPicCtl *cur = s.reader->Thumbnail(tags.indexOf(current) + 1);
    QVERIFY(cur);
    QCOMPARE(s.reader->picBorder->pos(), cur->pos() - QPoint(2, 2));
    QVERIFY(s.reader->picBorder->isVisible());
    QCOMPARE(s.reader->lblWordIndex->text(), QString::number(current));
    QCOMPARE(s.reader->lblWordNum->text(), QString::number(words));
}

void TestLearnWordCtl::movesInsideStripKeepThumbnails()
{
    ReaderScene s(12);
    QVERIFY(s.ok);
    s.reader->ChangeWord(1, false);
    QList<NewWordPicCtl *> before;
    for (int j = 1; j <= s.reader->StripCount(); ++j)
        before << s.reader->Thumbnail(j);
    s.Run("n n n p");
    QCOMPARE(gUser->nLastWord, 3);
    for (int j = 1; j <= s.reader->StripCount(); ++j)
        QCOMPARE(s.reader->Thumbnail(j), before.at(j - 1));
    QCOMPARE(s.reader->picBorder->pos(), before.at(2)->pos() - QPoint(2, 2));
    // a click on a thumbnail moves there, again without a rebuild
    QTest::mouseClick(before.at(6), Qt::LeftButton);
    QCOMPARE(gUser->nLastWord, 7);
    QCOMPARE(s.WordShown(), s.PositionWord());
    QCOMPARE(s.reader->Thumbnail(1), before.at(0));
}

void TestLearnWordCtl::tipsAndWrapInLessonOrder_data()
{
    QTest::addColumn<bool>("forward");
    QTest::addRow("next at the last word") << true;
    QTest::addRow("previous at the first word") << false;
}

void TestLearnWordCtl::tipsAndWrapInLessonOrder()
{
    QFETCH(bool, forward);
    ReaderScene s(5);
    QVERIFY(s.ok);
    const int edge = forward ? 5 : 1;
    const int other = forward ? 1 : 5;
    cTransPictureBox *tip = forward ? s.reader->picLastWordTIP : s.reader->picFirstWordTIP;
    s.reader->ChangeWord(edge, false);
    auto move = [&] { forward ? s.reader->SetNextWord() : s.reader->SetPrevWord(); };
    move();
    QVERIFY(tip->isVisible());
    QCOMPARE(gUser->nLastWord, edge);
    move();
    QVERIFY(!tip->isVisible());
    QCOMPARE(gUser->nLastWord, other);
    QCOMPARE(s.WordShown(), s.PositionWord());
}

void TestLearnWordCtl::randomRoundShowsEveryWordOnce()
{
    ReaderScene s(5);
    QVERIFY(s.ok);
    gUser->bRand = true;
    gCurrUnit->InitRandReadStatus();
    s.reader->ChangeWord(1, false);
    QSet<int> seen;
    for (int i = 0; i < 5; ++i) {
        s.reader->SetNextWord();
        QVERIFY(!s.reader->picFirstWordTIP->isVisible() && !s.reader->picLastWordTIP->isVisible());
        QCOMPARE(s.WordShown(), s.PositionWord());
        seen.insert(gUser->nLastWord);
    }
    QCOMPARE(seen, QSet<int>({1, 2, 3, 4, 5}));
    // the round is complete: back to word 1 and a new round
    s.reader->SetNextWord();
    QCOMPARE(gUser->nLastWord, 1);
    s.reader->SetNextWord();
    QCOMPARE(s.WordShown(), s.PositionWord());
    QVERIFY(!s.reader->picLastWordTIP->isVisible());
}

void TestLearnWordCtl::englishOffSilentUntilCardClicked()
{
    ReaderScene s(5);
    QVERIFY(s.ok);
    gUser->bAutoSpeakWord = true;
    gUser->bEnglish = false;
    gUser->bSound = false;
    s.reader->ChangeWord(2, false);
    QVERIFY(s.env.Spoken().isEmpty());
    QVERIFY(!s.reader->lblEnglish->isVisible());
    QTest::mouseClick(s.reader->WordPicCtl1, Qt::LeftButton);
    QVERIFY(s.reader->lblEnglish->isVisible());
    QVERIFY(s.reader->lblSound->isVisible());
    QCOMPARE(s.env.Spoken(), QStringList{"w:blue"});
    // with the English on, arrival speaks nReadTimes times
    gUser->bEnglish = true;
    gUser->nReadTimes = 2;
    s.reader->ChangeWord(3, false);
    QCOMPARE(s.env.Spoken(), (QStringList{"w:blue", "w:green", "w:green"}));
}

void TestLearnWordCtl::moveDuringFlipIsDropped_data()
{
    QTest::addColumn<bool>("random");
    QTest::addColumn<QString>("move");
    QTest::addRow("lesson order, next") << false << "n";
    QTest::addRow("lesson order, previous") << false << "p";
    QTest::addRow("lesson order, thumbnail") << false << "t";
    QTest::addRow("random order, next") << true << "n";
}

void TestLearnWordCtl::moveDuringFlipIsDropped()
{
    QFETCH(bool, random);
    QFETCH(QString, move);
    ReaderScene s(12);
    QVERIFY(s.ok);
    gUser->bRand = random;
    s.reader->ChangeWord(4, false);
    gCurrUnit->InitRandReadStatus();
    QList<bool> readBefore;
    // a second move arrives while the card flips (events run between its steps)
    bool fired = false;
    s.env.fake->onDoEvents = [&] {
        if (fired || !s.reader->Changing())
            return;
        fired = true;
        if (move == QLatin1String("n"))
            s.reader->SetNextWord();
        else if (move == QLatin1String("p"))
            s.reader->SetPrevWord();
        else
            QTest::mouseClick(s.reader->Thumbnail(8), Qt::LeftButton);
    };
    s.reader->SetNextWord();
    QVERIFY(fired);
    s.env.fake->onDoEvents = nullptr;
    QCOMPARE(s.WordShown(), s.PositionWord());
    QCOMPARE(s.reader->lblWordIndex->text(), QString::number(gUser->nLastWord));
    if (random) {
        // only the word shown counts as read in this round
        int read = 0;
        CWord *w = nullptr;
        for (int i = 1; gCurrUnit->GetWord(i, w); ++i)
            read += w->bRandRead ? 1 : 0;
        QCOMPARE(read, 1);
    } else {
        QCOMPARE(gUser->nLastWord, 5);
    }
}

void TestLearnWordCtl::positionBroughtIntoSmallerUnit()
{
    ReaderScene s(12);
    QVERIFY(s.ok);
    s.reader->ChangeWord(11, false);
    s.env.UnitOf(5);
    s.reader->Reload(false);
    QCOMPARE(gUser->nLastWord, 5);
    QCOMPARE(s.reader->lblWordIndex->text(), QStringLiteral("5"));
    QCOMPARE(s.reader->lblWordNum->text(), QStringLiteral("5"));
    QCOMPARE(s.Tags(), Range(1, 5));
    QVERIFY(s.reader->myWord);
    QVERIFY(s.reader->WordPicCtl1->isVisible());
    // an empty selection shows nothing at all
    s.env.UnitOf(0);
    s.reader->Reload(false);
    QVERIFY(!s.reader->myWord);
    QCOMPARE(s.reader->StripCount(), 0);
    QVERIFY(s.reader->lblWordNum->text().isEmpty());
}

void TestLearnWordCtl::sentenceShownAndSpokenAfterWord_data()
{
    QTest::addColumn<bool>("autoRead");
    QTest::addColumn<QStringList>("spoken");
    QTest::addRow("自动朗读例句 on") << true << QStringList{"w:pen", "s:pen"};
    QTest::addRow("自动朗读例句 off") << false << QStringList{"w:pen"};
}

void TestLearnWordCtl::sentenceShownAndSpokenAfterWord()
{
    QFETCH(bool, autoRead);
    ReaderScene s(5);
    QVERIFY(s.ok);
    QVERIFY(s.env.GiveSentence("pen", "I have two pens.", "我有两支钢笔。"));
    gUser->bAutoSpeakWord = true;
    gUser->bAutoReadSentence = autoRead;
    gUser->nReadTimes = 1;
    s.reader->ChangeWord(4, false);
    QVERIFY(s.reader->lblSentenceEN->isVisible());
    QVERIFY(s.reader->SentenceHtml().contains(QStringLiteral(">pens</span>")));
    QCOMPARE(s.reader->lblSentenceCH->text(), QStringLiteral("我有两支钢笔。"));
    QVERIFY(s.reader->btnReadSentence->isVisible());
    QFETCH(QStringList, spoken);
    QCOMPARE(s.env.Spoken(), spoken);
    // the speaker button says it again; "例句" off hides the line
    s.reader->btnReadSentence->click();
    QCOMPARE(s.env.Spoken().last(), QStringLiteral("s:pen"));
    gUser->bSentenceEN = false;
    s.reader->UpdateDisp();
    QVERIFY(!s.reader->lblSentenceEN->isVisible());
    QVERIFY(!s.reader->btnReadSentence->isVisible());
}

void TestLearnWordCtl::wordWithoutSentenceShowsNone()
{
    ReaderScene s(5);
    QVERIFY(s.ok);
    QVERIFY(s.env.GiveSentence("pen", "I have two pens.", "我有两支钢笔。"));
    s.reader->ChangeWord(4, false);
    QVERIFY(s.reader->lblSentenceEN->isVisible());
    s.reader->ChangeWord(5, false);
    QVERIFY(!s.reader->lblSentenceEN->isVisible());
    QVERIFY(!s.reader->lblSentenceCH->isVisible());
    QVERIFY(!s.reader->btnReadSentence->isVisible());
}

// 英文, 图片 and 中文 each hide what they name and nothing else: the sentence
// does not give the hidden word away, and without its picture the card
// still carries the meaning.
void TestLearnWordCtl::switchesMeanWhatTheySay_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<bool>("cardShown");
    QTest::addColumn<bool>("pictureOnCard");
    QTest::addColumn<bool>("meaningShown");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("picked");
    const QString full = QStringLiteral("I have two pens."), gapped = QStringLiteral("I have two ___.");
    QTest::addRow("all on") << true << true << true << true << true << true << full << "pens";
    QTest::addRow("English off") << false << true << true << true << true << true << gapped << "___";
    QTest::addRow("picture off") << true << false << true << true << false << true << full << "pens";
    QTest::addRow("Chinese off") << true << true << false << true << true << false << full << "pens";
    QTest::addRow("picture and Chinese off") << true << false << false << false << false << false << full << "pens";
}

void TestLearnWordCtl::switchesMeanWhatTheySay()
{
    QFETCH(bool, english);
    QFETCH(bool, picture);
    QFETCH(bool, chinese);
    ReaderScene s(5);
    QVERIFY(s.ok);
    QVERIFY(s.env.GiveSentence("pen", "I have two pens.", "我有两支钢笔。"));
    QVERIFY(s.env.dir.writeEnvelopedBytes(QStringLiteral("pics/pen.enjpg"), PictureBytes(Qt::red)));
    s.reader->ChangeWord(4, false);
    QVERIFY(s.reader->WordPicCtl1->HasPicture());
    gUser->bEnglish = english;
    gUser->bPicture = picture;
    gUser->bChinese = chinese;
    // switched while the word is shown, and again on the next arrival
    for (int pass = 0; pass < 2; ++pass) {
        if (pass)
            s.reader->ChangeWord(4, false);
        else
            s.reader->UpdateDisp();
        NewWordPicCtl *card = s.reader->WordPicCtl1;
        auto *meaning = card->findChild<QLabel *>(QStringLiteral("lblChinese"));
        QVERIFY(meaning);
        QTEST(card->isVisible(), "cardShown");
        QTEST(card->HasPicture(), "pictureOnCard");
        QTEST(card->isVisible() && meaning->isVisible(), "meaningShown");
        QTEST(s.reader->lblSentenceEN->Text(), "sentence");
        QTEST(s.reader->lblSentenceEN->Picked(), "picked");
        QCOMPARE(s.reader->lblEnglish->isVisible(), english);
    }
}

void TestLearnWordCtl::fontHelpOnlyWhenRegistrationFails_data()
{
    QTest::addColumn<bool>("registers");
    QTest::addColumn<int>("helpShown");
    QTest::addRow("the shipped font registers") << true << 0;
    QTest::addRow("registering fails") << false << 1;
}

void TestLearnWordCtl::fontHelpOnlyWhenRegistrationFails()
{
    QFETCH(bool, registers);
    ReaderScene s(5);
    QVERIFY(s.ok);
    s.env.fake->fontFamilies.removeAll(kPhoneticFontFamily);
    s.env.fake->registerFontFamilies = registers ? QStringList{kPhoneticFontFamily} : QStringList();
    int shown = 0;
    int warned = 0;
    QObject::connect(s.reader, &LearnWordCtl::ModalAhead, [&] { ++warned; });
    ScopedFakeNavigator nav;
    nav->windows[Window::PhoneticFontHelp] = [&](QWidget *) { return ++shown, 0; };
    s.reader->ChangeWord(1, false);
    s.reader->ChangeWord(2, false);
    QFETCH(int, helpShown);
    QCOMPARE(shown, helpShown);
    QCOMPARE(warned, helpShown);
    if (registers)
        QCOMPARE(s.reader->lblSound->font().family(), kPhoneticFontFamily);
}

void TestLearnWordCtl::missingVoiceWarnsOwnerFirst()
{
    ReaderScene s(5);
    QVERIFY(s.ok);
    QVERIFY(s.env.RemoveVoice("blue"));
    gUser->bAutoSpeakWord = true;
    QStringList order;
    QObject::connect(s.reader, &LearnWordCtl::ModalAhead, [&] { order << "warned"; });
    s.env.fake->onMsgBox = [&](const MsgBoxCall &c) { order << c.caption; };
    s.env.fake->yesNoDefault = MsgResult::No;
    s.reader->ChangeWord(2, false);
    QCOMPARE(order, (QStringList{"warned", "资源下载"}));
    // a word with its voice warns nobody
    s.reader->ChangeWord(3, false);
    QCOMPARE(order.size(), 2);
}

void TestLearnWordCtl::inputQueuedDuringSpeechIsStale()
{
    ReaderScene s(5);
    QVERIFY(s.ok);
    gUser->bAutoSpeakWord = true;
    s.reader->ChangeWord(1, false);
    // a key the window system stamped before the speech ended
    QKeyEvent early(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    const qint64 now = std::chrono::duration_cast<std::chrono::milliseconds>(
                           std::chrono::steady_clock::now().time_since_epoch())
                           .count();
    QCoreApplication::processEvents();
    early.setTimestamp(quint64(now - 500));
    QVERIFY(s.reader->IsStaleInput(&early));
    QKeyEvent later(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    later.setTimestamp(quint64(now + 500));
    QVERIFY(!s.reader->IsStaleInput(&later));
}

TALLIVO_TEST(TestLearnWordCtl)
#include "tst_learnwordctl.moc"
