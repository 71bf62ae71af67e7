// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/formtip.h"
#include "letterenv.h"
#include "support/modaldriver.h"
#include "support/testmain.h"
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

// A fake platform that looks at the tip window whenever a sound starts.
class WatchingPlatform : public FakePlatform {
public:
    std::function<void()> onPlay;
    bool PlayWav(const QByteArray &wav, bool wait) override
    {
        if (onPlay)
            onPlay();
        return FakePlatform::PlayWav(wav, wait);
    }
};

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class TestFormTip : public QObject {
    Q_OBJECT
private slots:
    void lockedForOneSecondAfterTheWord()
    {
        LetterEnv env({QStringLiteral("apple")}, 5);
        WatchingPlatform watch;
        PlatformGuard guard(watch);
        FormTip tip;
        PaintCounter counter;
        tip.installEventFilter(&counter);
        int paintsAtPlay = -1;
        bool timerAtPlay = true;
        watch.onPlay = [&] {
            paintsAtPlay = counter.paints;
            timerAtPlay = tip.Timer1->isActive();
        };
        tip.SetMyWord(env.Word("apple"));
        ModalDriver modal;
        bool checked = false;
        modal.Then([&](QWidget *w) {
            QCOMPARE(w, &tip);
            // heard once, after it was painted and before the lock began
            QTRY_COMPARE_WITH_TIMEOUT(watch.plays.size(), 1, 3000);
            QVERIFY(paintsAtPlay > 0);
            QVERIFY(!timerAtPlay);
            QVERIFY(tip.Timer1->isActive());
            QCOMPARE(tip.Timer1->interval(), 1000);
            QCOMPARE(tip.lblEnglish->text(), QStringLiteral("apple"));
            QVERIFY(!tip.cmdOK->isEnabled());
            // Esc, the close box and the button are refused during the lock
            QTest::keyClick(&tip, Qt::Key_Escape);
            tip.close();
            tip.cmdOK->click();
            QVERIFY(tip.isVisible());
            tip.Timer1_Timer();
            QVERIFY(tip.cmdOK->isEnabled());
            QVERIFY(!tip.Timer1->isActive());
            checked = true;
            tip.cmdOK->click();
        });
        QCOMPARE(tip.exec(), int(QDialog::Accepted));
        QVERIFY(checked);
        QCOMPARE(tip.windowTitle(), QStringLiteral("提示信息"));
        QCOMPARE(watch.plays.size(), 1);
    }

    void escClosesAfterTheLock()
    {
        LetterEnv env({QStringLiteral("cat")}, 5);
        FormTip tip;
        tip.SetMyWord(env.Word("cat"));
        ModalDriver modal;
        modal.Then([&](QWidget *) {
            tip.Timer1_Timer();
            QTest::keyClick(&tip, Qt::Key_Escape);
        });
        QCOMPARE(tip.exec(), int(QDialog::Rejected));
        QVERIFY(!modal.seen.contains(QStringLiteral("stuck FormTip")));
    }
};
TALLIVO_TEST(TestFormTip)
#include "tst_formtip.moc"
