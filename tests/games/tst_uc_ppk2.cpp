// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/formtip.h"
#include "games/uc_ppk2.h"
#include "letterenv.h"
#include "support/modaldriver.h"
#include "support/testmain.h"
#include "widgets/clicklabel.h"
#include "widgets/ctranspicturebox.h"
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

namespace {

void Send(QWidget *w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent ev(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

// Closes a tip window as soon as its lock would let it.
void CloseTip(QWidget *w)
{
    auto *tip = qobject_cast<FormTip *>(w);
    if (!tip)
        return;
    tip->Timer1_Timer();
    tip->cmdOK->click();
}

struct PpkScene {
    LetterEnv env;
    QWidget host;
    UC_PPK2 *game = new UC_PPK2(&host);
    QSignalSpy over{game, &UC_PPK2::GameOver};
    QSignalSpy newWord{game, &UC_PPK2::GotNewWord};
    explicit PpkScene(const QStringList &words) : env(words, 5)
    {
        host.resize(1000, 640);
        host.show();
        (void)QTest::qWaitForWindowExposed(&host);
    }
    QLabel *Letter(int i) const { return game->picChar[size_t(i)]; }
    int Count() const { return int(game->picChar.size()) - 1; }
    // Left button down in the middle of letter i, moved by delta, released.
    void Drag(int i, QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint from = Letter(i)->geometry().center();
        Send(game, QEvent::MouseButtonPress, from, button, button);
        Send(game, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, button);
        Send(game, QEvent::MouseMove, to, Qt::NoButton, button);
        Send(game, QEvent::MouseButtonRelease, to, button, Qt::NoButton);
    }
    // Drags letter i so that its top-left lands at topLeft.
    void DragTo(int i, QPoint topLeft) { Drag(i, topLeft + Letter(i)->rect().center()); }
    // Lays the letters out as one row that spells the word, by dragging.
    // Row 0 is the margin no letter is dealt to, so nothing there snaps by chance.
    void Arrange(QPoint start = {200, 5})
    {
        const QString target = game->TargetText();
        const int n = Count();
        QList<bool> used(n + 1, false);
        int x = start.x();
        for (QChar c : target) {
            const QString want = c == u' ' ? QStringLiteral("_") : QString(c);
            for (int i = 1; i <= n; ++i) {
                if (!used[i] && Letter(i)->text() == want) {
                    used[i] = true;
                    const int w = Letter(i)->width();
                    DragTo(i, QPoint(x, start.y()));
                    x += w;
                    break;
                }
            }
            if (game->TargetText() != target)
                return; // the word was completed and the next one dealt
        }
    }
};

} // namespace

class TestUcPpk2 : public QObject {
    Q_OBJECT
private slots:
    void dealing()
    {
        PpkScene s({QStringLiteral("apple")});
        s.game->StartGame();
        QCOMPARE(s.Count(), 5);
        QCOMPARE(s.Letter(1)->text(), QStringLiteral("e")); // dealt from the end
        QCOMPARE(s.Letter(5)->text(), QStringLiteral("a"));
        QSet<int> cells;
        for (int i = 1; i <= 5; ++i) {
            const int c = s.Letter(i)->property("cell").toInt();
            QVERIFY(c >= 1);
            cells << c;
            QCOMPARE(s.Letter(i)->pos(), s.game->Board().CellPos(c));
        }
        QCOMPARE(cells.size(), 5);
        // ten steps of 15 ms per letter, each one drawn
        QCOMPARE(s.env.fake->sleeps.count(15), 5 * 10);
        QCOMPARE(s.newWord.count(), 1);
        QCOMPARE(s.game->lblNum->text(), QStringLiteral("1 / 1"));
    }

    void longWordGetsSmallerLetters()
    {
        PpkScene s({QStringLiteral("How old are you? I am nine years old, and you are ten years old")});
        s.host.resize(300, 240);
        s.game->resize(300, 240);
        s.game->StartGame();
        QCOMPARE(s.Count(), int(s.game->TargetText().size()));
        QVERIFY(s.Letter(1)->font().pixelSize() < 64);
        for (int i = 1; i <= s.Count(); ++i)
            QVERIFY(s.game->rect().contains(s.Letter(i)->geometry()));
    }

    void dragClampedAndSnapped()
    {
        PpkScene s({QStringLiteral("cat")});
        s.game->StartGame();
        QLabel *l = s.Letter(1);
        // past the top-left corner: five pixels in
        s.DragTo(1, QPoint(-200, -200));
        QCOMPARE(l->pos(), QPoint(5, 5));
        QCOMPARE(s.game->DraggedLetter(), -1);
        // released far outside the control, to the bottom right
        s.Drag(1, QPoint(3000, 3000));
        QCOMPARE(l->geometry().right() + 1, s.game->width() - 5);
        QCOMPARE(l->geometry().bottom() + 1, s.game->height() - 5);
        QVERIFY(!s.game->Dragging());
        // dropped a little right of another letter: it snaps behind it
        QLabel *o = s.Letter(2);
        s.DragTo(2, QPoint(300, 5));
        s.DragTo(1, QPoint(300 + o->width() / 2, 15));
        QCOMPARE(l->pos(), QPoint(300 + o->width(), 5));
        // the right button does not drag
        const QPoint before = l->pos();
        s.Drag(1, QPoint(600, 100), Qt::RightButton);
        QCOMPARE(l->pos(), before);
        QCOMPARE(s.Count(), 3);
    }

    void dragResetWhenHidden()
    {
        PpkScene s({QStringLiteral("cat")});
        s.game->StartGame();
        const QPoint from = s.Letter(1)->geometry().center();
        Send(s.game, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(s.game->Dragging());
        s.game->hide();
        QVERIFY(!s.game->Dragging());
        s.game->show();
        Send(s.game, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        s.game->EndGame();
        QVERIFY(!s.game->Dragging());
        QCOMPARE(s.Count(), 0);
    }

    void twoWordsArranged()
    {
        PpkScene s({QStringLiteral("cat"), QStringLiteral("in")});
        ModalDriver modal;
        modal.Then(CloseTip);
        modal.Then(CloseTip);
        s.game->StartGame();
        s.Arrange();
        QCOMPARE(s.game->lblNum->text(), QStringLiteral("2 / 2"));
        s.Arrange();
        LetterEnv::Settle();
        QCOMPARE(modal.seen, (QStringList{"FormTip", "FormTip"}));
        QCOMPARE(s.over.count(), 1);
        QCOMPARE(s.over.at(0).at(0).toBool(), true);
        QCOMPARE(s.env.user.myScore, 5 * 3 + 5 * 2);
        QCOMPARE(s.env.Plays(s.env.tada), 2);
    }

    // A complete row that spells something else is a wrong try, marked and
    // heard as in the other games; the word is then no longer right first time.
    void reversedIsNotDone()
    {
        PpkScene s({QStringLiteral("cat")});
        ModalDriver modal;
        modal.Then(CloseTip);
        s.game->StartGame();
        // letters 1..3 hold t, a, c: put them in that order
        int x = 200;
        for (int i = 1; i <= 3; ++i) {
            const int w = s.Letter(i)->width();
            s.DragTo(i, QPoint(x, 5));
            x += w;
        }
        QVERIFY(s.game->IsComplete());
        QVERIFY(!s.game->IsCorrectWord());
        CWord *cat = s.env.Word("cat");
        QCOMPARE(cat->myTestedStatus, -1);
        QCOMPARE(cat->iTestResult, -2);
        QVERIFY(s.game->iconWrongAnswer->isVisible());
        QCOMPARE(s.env.Plays(s.env.buzz), 1);
        QVERIFY(modal.seen.isEmpty());
        // a letter moved within the same wrong row is no new try
        s.DragTo(3, s.Letter(3)->pos() + QPoint(0, 2));
        QCOMPARE(cat->iTestResult, -2);
        QCOMPARE(s.env.Plays(s.env.buzz), 1);
        s.game->timHideIcon_Timer();
        QVERIFY(s.game->iconWrongAnswer->isHidden());
        // taken apart and laid the same wrong way again: a new try
        const QPoint back = s.Letter(3)->pos();
        s.DragTo(3, QPoint(600, 400));
        QCOMPARE(cat->iTestResult, -2);
        s.DragTo(3, back);
        QCOMPARE(cat->iTestResult, -4);
        QCOMPARE(s.env.Plays(s.env.buzz), 2);
        QVERIFY(s.game->iconWrongAnswer->isVisible());
        // arranged right afterwards: cheered, but no points and no perfect game
        s.Arrange({200, 300});
        LetterEnv::Settle();
        QCOMPARE(modal.seen, QStringList{"FormTip"});
        QCOMPARE(s.env.user.myScore, 0);
        QCOMPARE(s.over.count(), 1);
        QCOMPARE(s.over.at(0).at(0).toBool(), false);
        QCOMPARE(s.env.unit.CorrectNum(), 0);
    }

    // Each word is said once when it has been dealt, before the child can drag.
    void theWordIsSpokenWhenDealt()
    {
        PpkScene s({QStringLiteral("cat"), QStringLiteral("in")});
        ModalDriver modal;
        int afterTip = -1;
        modal.Then([&](QWidget *w) {
            CloseTip(w);
            // the tip window may have said the word too; it says nothing more
            afterTip = s.env.Plays(s.env.voice);
        });
        s.game->StartGame();
        QCOMPARE(s.env.Plays(s.env.voice), 1);
        QCOMPARE(s.env.fake->plays.last().wav, s.env.voice);
        QVERIFY(s.env.fake->plays.last().wait);
        s.Arrange();
        QCOMPARE(s.game->lblNum->text(), QStringLiteral("2 / 2"));
        QVERIFY(afterTip >= 1);
        QCOMPARE(s.env.Plays(s.env.voice), afterTip + 1);
        QCOMPARE(s.env.fake->plays.last().wav, s.env.voice);
        // the speaker still says it on demand
        s.game->cmdTip_Click();
        QCOMPARE(s.env.Plays(s.env.voice), afterTip + 2);
    }

    // A letter dropped on the buttons lands below them: the next click there
    // is the button's or the letter's as the child sees it, never a hidden hint.
    void lettersStayOffTheButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addRow("提示") << "lblNext";
        QTest::addRow("hint picture") << "btnNext";
        QTest::addRow("speaker") << "cmdTip";
    }
    void lettersStayOffTheButtons()
    {
        QFETCH(QString, button);
        PpkScene s({QStringLiteral("cat")});
        ModalDriver modal;
        s.game->StartGame();
        QWidget *b = s.game->findChild<QWidget *>(button);
        QVERIFY(b);
        s.Drag(1, b->geometry().center());
        for (QWidget *w : {static_cast<QWidget *>(s.game->lblNext), static_cast<QWidget *>(s.game->btnNext),
                           static_cast<QWidget *>(s.game->cmdTip)})
            QVERIFY2(!s.Letter(1)->geometry().intersects(w->geometry()), qPrintable(w->objectName()));
        QVERIFY(s.game->rect().contains(s.Letter(1)->geometry()));
        // the letter can be picked up again where it lies, costing nothing
        s.DragTo(1, QPoint(400, 400));
        QCOMPARE(s.Letter(1)->pos(), QPoint(400, 400));
        QCOMPARE(s.env.Word("cat")->myTestedStatus, 0);
        QVERIFY(modal.seen.isEmpty());
    }

    void twoHints()
    {
        PpkScene s({QStringLiteral("cat")});
        ModalDriver modal;
        modal.Then(CloseTip);
        modal.Then(CloseTip);
        modal.Then(CloseTip);
        s.game->StartGame();
        s.game->btnNext_Click();
        s.game->btnNext_Click();
        QCOMPARE(modal.seen, (QStringList{"FormTip", "FormTip"}));
        CWord *cat = s.env.Word("cat");
        QCOMPARE(cat->iTestResult, -4);
        QCOMPARE(cat->myTestedStatus, 2);
        // arranged after the hints: no points, counted untested
        s.Arrange();
        LetterEnv::Settle();
        QCOMPARE(s.env.user.myScore, 0);
        QCOMPARE(s.over.count(), 1);
        QCOMPARE(s.over.at(0).at(0).toBool(), false);
        QCOMPARE(s.env.unit.UnTestedNum(), 1);
    }

    void oneLetterWords()
    {
        PpkScene s({QStringLiteral("I"), QStringLiteral("a")});
        ModalDriver modal;
        s.game->StartGame();
        LetterEnv::Settle();
        QCOMPARE(s.over.count(), 1);
        QCOMPARE(s.over.at(0).at(0).toBool(), true);
        QCOMPARE(s.Count(), 0);
        QVERIFY(modal.seen.isEmpty());
    }
};
TALLIVO_TEST(TestUcPpk2)
#include "tst_uc_ppk2.moc"
