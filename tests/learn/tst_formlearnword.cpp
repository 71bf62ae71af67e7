// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "learnenv.h"
#include "support/fakenavigator.h"
#include "support/testmain.h"
#include "learn/formlearnword.h"
#include "learn/learnwordctl.h"
#include "widgets/bookunittitlectl.h"
#include "widgets/clicklabel.h"
#include "widgets/uc_maintool.h"
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include "support/pointer.h"
#include "widgets/newwordpicctl.h"
#include "widgets/sentenceline.h"

namespace {

// The learning window over the fixture's unit 3 (12 words), shown and past
// its first word; the toolbar's windows replaced by the test's own.
struct FormScene {
    LearnEnv env;
    ScopedFakeNavigator nav;
    std::unique_ptr<FormLearnWord> form;
    bool ok = false;

    explicit FormScene(bool speak = false, int startWord = 1)
    {
        ok = env.Start();
        gUser->bAutoSpeakWord = speak;
        gUser->nLastWord = startWord;
    }
    ~FormScene()
    {
        form.reset();
    }
    bool Open()
    {
        form = std::make_unique<FormLearnWord>();
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            return false;
        QCoreApplication::processEvents();
        return true;
    }
    LearnWordCtl *reader() const { return form->LearnWordCtl1; }
    QString WordShown() const { return reader()->myWord ? reader()->myWord->English : QString(); }
    // Input comes from the event loop, after what the last word change queued.
    void Key(int key)
    {
        QCoreApplication::processEvents();
        QTest::keyClick(form.get(), Qt::Key(key));
    }
    void Click(QWidget *w)
    {
        QCoreApplication::processEvents();
        QTest::mouseClick(w, Qt::LeftButton);
    }
    void ClickTool(int index)
    {
        QCoreApplication::processEvents();
        QLabel *b = form->PicBottom->Button(index);
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    }
};

} // namespace

class TestFormLearnWord : public QObject {
    Q_OBJECT
private slots:
    void opensReadingTwiceWithBriefChinese();
    void firstWordOnceNotOnResize();
    void englishBoxCarriesTranscription();
    void autoSpeakCarriesSentenceReading();
    void sentenceSettingsReachable();
    void autoBrowseStepsAndSpaceStopsIt();
    void keysDoNotToggleFocusedControls_data();
    void keysDoNotToggleFocusedControls();
    void heldKeyMovesOnce();
    void escDuringSpeechDoesNotCloseLater();
    void closeRefusedWhileChanging();
    void afterRecordPractiseStartsAtWordOne();
    void afterWordListShowsCurrentSelection();
    void courseCancelKeepsPlace();
    void courseConfirmedStartsNewSelection();
    void missingVoiceStopsAutoBrowseFirst();
    void moveDuringVoiceCutsItShort_data();
    void moveDuringVoiceCutsItShort();
    void moveDuringFlipIsDropped();
    void autoBrowseTickDuringVoiceComesAfterIt();
};

void TestFormLearnWord::opensReadingTwiceWithBriefChinese()
{
    FormScene s(true, 2);
    QVERIFY(s.ok);
    gUser->nReadTimes = 3;
    gUser->iCHType = 1;
    QVERIFY(s.Open());
    QVERIFY(s.form->OpReadNum[1]->isChecked());
    QVERIFY(s.form->OpChinese[0]->isChecked());
    QCOMPARE(gUser->nReadTimes, 2);
    QCOMPARE(gUser->iCHType, 0);
    QCOMPARE(s.env.Spoken(), (QStringList{"w:blue", "w:blue"}));
    QCOMPARE(s.form->windowTitle(), QStringLiteral("Tallivo 9.8---单词初识"));
    QCOMPARE(s.form->BookUnitTitleCtl1->lblUnits->text(), gCurrUnit->UnitCaption.trimmed());
}

void TestFormLearnWord::firstWordOnceNotOnResize()
{
    FormScene s(true);
    QVERIFY(s.ok);
    s.form = std::make_unique<FormLearnWord>();
    // nothing is shown or spoken before the window is
    QVERIFY(!s.reader()->myWord);
    QVERIFY(s.env.fake->plays.isEmpty());
    s.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
    QCoreApplication::processEvents();
    QCOMPARE(s.env.Spoken().size(), 2);
    const int doEvents = s.env.fake->doEventsCount;
    s.form->setFixedSize(1100, 760);
    QCoreApplication::processEvents();
    s.form->hide();
    s.form->show();
    QCoreApplication::processEvents();
    QCOMPARE(s.env.Spoken().size(), 2);
    QCOMPARE(s.env.fake->doEventsCount, doEvents); // no flip either
    QCOMPARE(s.WordShown(), QStringLiteral("red"));
}

void TestFormLearnWord::englishBoxCarriesTranscription()
{
    FormScene s;
    QVERIFY(s.ok);
    QVERIFY(s.Open());
    QCheckBox *english = s.form->chkDispSetting[1];
    QCheckBox *sound = s.form->chkDispSetting[2];
    s.Click(english);
    QVERIFY(!english->isChecked() && !sound->isChecked());
    QVERIFY(!gUser->bEnglish && !gUser->bSound);
    QVERIFY(!s.reader()->lblEnglish->isVisible() && !s.reader()->lblSound->isVisible());
    s.Click(english);
    QVERIFY(english->isChecked() && sound->isChecked());
    QVERIFY(s.reader()->lblEnglish->isVisible() && s.reader()->lblSound->isVisible());
}

void TestFormLearnWord::autoSpeakCarriesSentenceReading()
{
    FormScene s(true);
    QVERIFY(s.ok);
    QVERIFY(s.Open());
    QVERIFY(s.form->chkReadSentence->isChecked());
    s.Click(s.form->chkSpeakWord);
    QVERIFY(!gUser->bAutoSpeakWord);
    QVERIFY(!gUser->bAutoReadSentence);
    QVERIFY(!s.form->chkReadSentence->isChecked());
}

void TestFormLearnWord::sentenceSettingsReachable()
{
    FormScene s(true);
    QVERIFY(s.ok);
    QVERIFY(s.env.GiveSentence("blue", "The sky is blue.", "天空是蓝色的。"));
    QVERIFY(s.Open());
    // both sit inside the window, where a child can click them
    for (QWidget *w : {static_cast<QWidget *>(s.form->chkDispSetting[5]), static_cast<QWidget *>(s.form->chkReadSentence)}) {
        QVERIFY(w->isVisible());
        const QRect r(w->mapTo(s.form.get(), QPoint(0, 0)), w->size());
        QVERIFY2(s.form->rect().contains(r), qPrintable(w->objectName()));
    }
    s.Click(s.form->chkDispSetting[5]);
    QVERIFY(!gUser->bSentenceEN);
    s.Key(Qt::Key_Right);
    QVERIFY(!s.reader()->lblSentenceEN->isVisible());
    s.Click(s.form->chkDispSetting[5]);
    QVERIFY(gUser->bSentenceEN);
    QVERIFY(s.reader()->lblSentenceEN->isVisible());
    QVERIFY(s.reader()->SentenceHtml().contains(QStringLiteral(">blue</span>")));
    // the sentence is spoken after the word, during auto-browse too
    s.Key(Qt::Key_Left);
    s.env.fake->plays.clear();
    s.ClickTool(4);
    QVERIFY(s.form->AutoBrowsing());
    s.form->TimerAutoRead_Timer();
    QCOMPARE(s.env.Spoken(), (QStringList{"w:blue", "w:blue", "s:blue"}));
    QVERIFY(s.form->AutoBrowsing());
}

void TestFormLearnWord::autoBrowseStepsAndSpaceStopsIt()
{
    FormScene s;
    QVERIFY(s.ok);
    QVERIFY(s.Open());
    s.ClickTool(4);
    QVERIFY(s.form->AutoBrowsing());
    QCOMPARE(s.form->TimerAutoRead->interval(), 2000);
    QVERIFY(!s.reader()->Enabled());
    QVERIFY(s.form->PicBottom->Button(5)->isVisible());
    s.form->TimerAutoRead_Timer();
    s.form->TimerAutoRead_Timer();
    QCOMPARE(gUser->nLastWord, 3);
    s.Key(Qt::Key_Space);
    QCOMPARE(gUser->nLastWord, 2);
    QVERIFY(!s.form->AutoBrowsing());
    QVERIFY(s.reader()->Enabled());
    QVERIFY(s.form->PicBottom->Button(4)->isVisible());
    QVERIFY(!s.form->PicBottom->Button(5)->isVisible());
}

void TestFormLearnWord::keysDoNotToggleFocusedControls_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("word");
    QTest::addRow("Space") << int(Qt::Key_Space) << 4;
    QTest::addRow("Left") << int(Qt::Key_Left) << 4;
    QTest::addRow("Up") << int(Qt::Key_Up) << 4;
    QTest::addRow("Right") << int(Qt::Key_Right) << 6;
    QTest::addRow("Down") << int(Qt::Key_Down) << 6;
    QTest::addRow("Enter") << int(Qt::Key_Return) << 6;
}

void TestFormLearnWord::keysDoNotToggleFocusedControls()
{
    QFETCH(int, key);
    QFETCH(int, word);
    FormScene s(false, 5);
    QVERIFY(s.ok);
    QVERIFY(s.Open());
    for (QWidget *focused : {static_cast<QWidget *>(s.form->chkRand), static_cast<QWidget *>(s.form->OpReadNum[1])}) {
        gUser->nLastWord = 5;
        s.reader()->ChangeWord(5, false);
        focused->setFocus();
        QCoreApplication::processEvents();
        const bool randBefore = s.form->chkRand->isChecked();
        SendKey(focused, key);
        QCOMPARE(gUser->nLastWord, word);
        QCOMPARE(s.form->chkRand->isChecked(), randBefore);
        QVERIFY(s.form->OpReadNum[1]->isChecked());
        QCOMPARE(gUser->nReadTimes, 2);
        QCOMPARE(gUser->bRand, false);
    }
}

void TestFormLearnWord::heldKeyMovesOnce()
{
    FormScene s;
    QVERIFY(s.ok);
    QVERIFY(s.Open());
    SendKey(s.form.get(), Qt::Key_Right);
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::processEvents();
        SendKey(s.form.get(), Qt::Key_Right, true);
    }
    QCOMPARE(gUser->nLastWord, 2);
}

void TestFormLearnWord::escDuringSpeechDoesNotCloseLater()
{
    FormScene s(true);
    QVERIFY(s.ok);
    QVERIFY(s.Open());
    // while the next word is spoken the child presses Esc; the sound blocks, so
    // the key waits in the queue
    s.env.fake->processEvents = false;
    s.env.fake->doEventsOnSleep = true;
    bool pressed = false;
    s.env.fake->onDoEvents = [&] {
        if (!pressed && gPlaySound && gPlaySound->bReading) {
            pressed = true;
            PostKey(s.form.get(), Qt::Key_Escape);
            s.form->close(); // the close box too
        }
    };
    s.Key(Qt::Key_Right);
    QVERIFY(pressed);
    s.env.fake->onDoEvents = nullptr;
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QVERIFY(s.form->isVisible());
    // pressed afterwards, it closes
    s.Key(Qt::Key_Escape);
    QVERIFY(!s.form->isVisible());
}

void TestFormLearnWord::closeRefusedWhileChanging()
{
    FormScene s;
    QVERIFY(s.ok);
    QVERIFY(s.Open());
    bool tried = false;
    s.env.fake->onDoEvents = [&] {
        if (!tried && s.reader()->Changing()) {
            tried = true;
            s.ClickTool(0); // "返回" during the flip
            s.Key(Qt::Key_Escape);
        }
    };
    s.Key(Qt::Key_Right);
    s.env.fake->onDoEvents = nullptr;
    QVERIFY(tried);
    QVERIFY(s.form->isVisible());
    s.ClickTool(0);
    QVERIFY(!s.form->isVisible());
}

void TestFormLearnWord::afterRecordPractiseStartsAtWordOne()
{
    FormScene s(false, 1);
    QVERIFY(s.ok);
    QVERIFY(s.Open());
    s.reader()->ChangeWord(11, false);
    QCOMPARE(s.reader()->StripFirst(), 4);
    // the record window practises a category: a new selection becomes current
    s.nav->windows[Window::Record] = [](QWidget *) {
        gWordBank->SelectCourse(1, 1, 1, 2, WordCategory::All);
        return 1;
    };
    s.ClickTool(1);
    QCOMPARE(gCurrUnit->WordNum(), 7);
    QCOMPARE(gUser->nLastWord, 1);
    QCOMPARE(s.WordShown(), QStringLiteral("apple"));
    QCOMPARE(s.reader()->StripFirst(), 1);
    QCOMPARE(s.reader()->StripCount(), 7);
    QCOMPARE(s.reader()->lblWordNum->text(), QStringLiteral("7"));
    QCOMPARE(s.form->BookUnitTitleCtl1->lblUnits->text(), gCurrUnit->UnitCaption.trimmed());
}

void TestFormLearnWord::afterWordListShowsCurrentSelection()
{
    FormScene s(false, 1);
    QVERIFY(s.ok);
    QVERIFY(s.Open());
    s.reader()->ChangeWord(10, false);
    // the word list's own course window picked a smaller unit
    s.nav->windows[Window::WordPicList] = [](QWidget *) {
        gWordBank->SelectCourse(1, 1, 2, 2, WordCategory::All);
        return 0;
    };
    s.ClickTool(2);
    QCOMPARE(gCurrUnit->WordNum(), 4);
    QCOMPARE(gUser->nLastWord, 4);
    QCOMPARE(s.reader()->lblWordIndex->text(), QStringLiteral("4"));
    QCOMPARE(s.reader()->lblWordNum->text(), QStringLiteral("4"));
    QCOMPARE(s.reader()->StripCount(), 4);
    QVERIFY(s.reader()->myWord);
    QCOMPARE(s.form->BookUnitTitleCtl1->lblUnits->text(), gCurrUnit->UnitCaption.trimmed());
}

void TestFormLearnWord::courseCancelKeepsPlace()
{
    FormScene s(false, 1);
    QVERIFY(s.ok);
    QVERIFY(gWordBank->SelectCourse(1, 1, 3, 3, WordCategory::Untested));
    ClassUnit *category = gCurrUnit;
    QVERIFY(s.Open());
    s.reader()->ChangeWord(6, false);
    bool partsHidden = false;
    s.nav->windows[Window::SelectUnit] = [&](QWidget *) {
        partsHidden = !s.reader()->isVisible() && !s.form->PicBottom->isVisible();
        return 0;
    };
    s.Click(s.form->BookUnitTitleCtl1);
    QVERIFY(partsHidden);
    QTRY_VERIFY(s.reader()->isVisible());
    QCOMPARE(gCurrUnit, category);
    QCOMPARE(gCurrUnit->UnitCaption, category->UnitCaption);
    QCOMPARE(gUser->nLastWord, 6);
    QCOMPARE(s.reader()->lblWordIndex->text(), QStringLiteral("6"));
}

void TestFormLearnWord::courseConfirmedStartsNewSelection()
{
    FormScene s(false, 1);
    QVERIFY(s.ok);
    QVERIFY(s.Open());
    s.reader()->ChangeWord(9, false);
    s.nav->windows[Window::SelectUnit] = [](QWidget *) {
        gUser->nLastSeries = 1;
        gUser->nLastBook = 1;
        gUser->nLastStartUnit = 4;
        gUser->nLastEndUnit = 4;
        return 1;
    };
    s.Click(s.form->BookUnitTitleCtl1);
    QTRY_COMPARE(s.WordShown(), QStringLiteral("fish"));
    QCOMPARE(gUser->nLastWord, 1);
    QCOMPARE(s.reader()->StripCount(), 6);
    QCOMPARE(s.reader()->lblWordNum->text(), QStringLiteral("6"));
}

void TestFormLearnWord::missingVoiceStopsAutoBrowseFirst()
{
    FormScene s(true);
    QVERIFY(s.ok);
    QVERIFY(s.env.RemoveVoice("blue"));
    QVERIFY(s.Open());
    s.ClickTool(4);
    QList<bool> browsingAtBox;
    s.env.fake->yesNoDefault = MsgResult::No;
    s.env.fake->onMsgBox = [&](const MsgBoxCall &) { browsingAtBox << s.form->AutoBrowsing(); };
    s.form->TimerAutoRead_Timer();
    QCOMPARE(browsingAtBox, QList<bool>{false});
    QVERIFY(s.form->PicBottom->Button(4)->isVisible());
}

namespace {

// Counts the paint events a widget receives while a reading is under way.
struct PaintsWhileReading : QObject {
    int paints = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && gPlaySound && gPlaySound->bReading)
            ++paints;
        return false;
    }
};

} // namespace

void TestFormLearnWord::moveDuringVoiceCutsItShort_data()
{
    QTest::addColumn<QString>("move");
    QTest::addColumn<int>("word");
    QTest::addRow("Right") << "Right" << 3;
    QTest::addRow("Left") << "Left" << 1;
    QTest::addRow("Space") << "Space" << 1;
    QTest::addRow("next pointer") << "pointer" << 3;
    QTest::addRow("thumbnail") << "thumb 6" << 6;
    QTest::addRow("toolbar next") << "tool 6" << 3;
}

void TestFormLearnWord::moveDuringVoiceCutsItShort()
{
    QFETCH(QString, move);
    QFETCH(int, word);
    FormScene s(true);
    QVERIFY(s.ok);
    QVERIFY(s.env.GiveSentence("blue", "The sky is blue.", "天是蓝的。"));
    QVERIFY(s.Open());
    PaintsWhileReading painted;
    s.reader()->installEventFilter(&painted);
    // word 2 speaks for a long time; the window lives meanwhile
    s.env.fake->liveSoundMs = 60000;
    bool timerFired = false;
    int paintsBeforeMove = 0;
    QString spokenAtMove;
    QTimer probe;
    probe.setInterval(10);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (!gPlaySound->bReading)
            return;
        if (!timerFired) {
            timerFired = true;
            s.reader()->update();
            return;
        }
        probe.stop();
        paintsBeforeMove = painted.paints;
        spokenAtMove = s.WordShown();
        s.env.fake->liveSoundMs = 0;
        if (move == "Right")
            QTest::keyClick(s.form.get(), Qt::Key_Right);
        else if (move == "Left")
            QTest::keyClick(s.form.get(), Qt::Key_Left);
        else if (move == "Space")
            QTest::keyClick(s.form.get(), Qt::Key_Space);
        else if (move == "pointer") {
            const QRect card = s.reader()->WordPicCtl1->geometry();
            const QPoint right(card.right() + 20, card.center().y());
            MoveOver(s.reader(), right);
            Press(s.reader(), Qt::LeftButton, right);
        } else if (move.startsWith("thumb"))
            QTest::mouseClick(s.reader()->Thumbnail(move.section(' ', 1).toInt()), Qt::LeftButton);
        else
            s.ClickTool(move.section(' ', 1).toInt());
    });
    probe.start();
    const int playsBefore = int(s.env.fake->plays.size());
    s.Key(Qt::Key_Right);
    QVERIFY(timerFired);
    QVERIFY(paintsBeforeMove > 0);
    QCOMPARE(spokenAtMove, QString("blue"));
    // the voice stopped at once: one play of the word, no second one, no sentence
    QVERIFY(s.env.fake->stopCount > 0);
    QCOMPARE(int(s.env.fake->plays.size()), playsBefore + 1);
    QVERIFY(!gPlaySound->bReading);
    // and the move follows as soon as the reader is free
    QCoreApplication::processEvents();
    QCOMPARE(gUser->nLastWord, word);
    QVERIFY(s.WordShown() != QLatin1String("blue"));
}

void TestFormLearnWord::moveDuringFlipIsDropped()
{
    FormScene s(true);
    QVERIFY(s.ok);
    QVERIFY(s.Open());
    bool pressed = false;
    s.env.fake->onDoEvents = [&] {
        if (!pressed && s.reader()->Changing() && !gPlaySound->bReading) {
            pressed = true;
            QTest::keyClick(s.form.get(), Qt::Key_Right);
        }
    };
    const int stops = s.env.fake->stopCount;
    s.Key(Qt::Key_Right);
    s.env.fake->onDoEvents = nullptr;
    QCoreApplication::processEvents();
    QVERIFY(pressed);
    QCOMPARE(gUser->nLastWord, 2);
    QCOMPARE(s.env.fake->stopCount, stops);
}

void TestFormLearnWord::autoBrowseTickDuringVoiceComesAfterIt()
{
    FormScene s(true);
    QVERIFY(s.ok);
    QVERIFY(s.Open());
    s.ClickTool(4);
    s.env.fake->liveSoundMs = 150;
    int ticks = 0;
    QTimer::singleShot(20, s.form.get(), [&] {
        ++ticks;
        s.form->TimerAutoRead_Timer();
        s.form->TimerAutoRead_Timer(); // missed ticks do not pile up
    });
    s.form->TimerAutoRead_Timer();
    QCOMPARE(ticks, 1);
    QCOMPARE(gUser->nLastWord, 2);
    s.env.fake->liveSoundMs = 0;
    QCoreApplication::processEvents();
    QCOMPARE(gUser->nLastWord, 3);
    QCoreApplication::processEvents();
    QCOMPARE(gUser->nLastWord, 3);
    QVERIFY(s.form->AutoBrowsing());
}

TALLIVO_TEST(TestFormLearnWord)
#include "tst_formlearnword.moc"
