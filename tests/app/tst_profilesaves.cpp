// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every change a child makes is on disk at once, not only at the end: a
// power cut loses at most the game being played.
#include "appenv.h"
#include "support/testmain.h"
#include "widgets/clicklabel.h"
#include "app/formlogin.h"
#include "app/startup.h"
#include "course/formselunit.h"
#include "games/formgametip.h"
#include "helpers/envelope.h"
#include "records/formnewword.h"
#include "wordbank/classdbdictionary.h"
#include "wordbank/classunit.h"
#include "wordbank/classuser.h"
#include "wordbank/cseries.h"
#include "wordbank/cword.h"
#include "wordbank/cwordbank.h"
#include <QListWidget>
#include <QPushButton>

class ProfileSavesTest : public QObject {
    Q_OBJECT

private slots:
    void savedAsItHappens_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addRow("course confirmed") << "course";
        QTest::addRow("words imported into a new-word book") << "newword-import";
        QTest::addRow("new-word book cleared") << "newword-clear";
        QTest::addRow("game result") << "game";
    }
    void savedAsItHappens()
    {
        QFETCH(QString, change);
        AppEnv env;
        QVERIFY(env.Install());
        QVERIFY(env.WriteStatus(0, {1, 1, 1, 1, 10, 0, 2, 1}));
        {
            ModalDriver driver;
            driver.Then([](QWidget *w) {
                QTest::mouseClick(qobject_cast<FormLogin *>(w)->btnUserName[0], Qt::LeftButton);
            });
            QCOMPARE(RunStartup(), StartupResult::Ready);
        }
        const QString status = gUserStatusFile[0];
        CWord *apple = nullptr;
        QVERIFY(gDictionary->SetWord(apple, QStringLiteral("apple")));

        if (change == QLatin1String("course")) {
            ModalDriver driver;
            driver.Then([](QWidget *w) {
                auto *form = qobject_cast<FormSelUnit *>(w);
                QVERIFY(form);
                form->lstSeries->setCurrentRow(2);
                form->cmdOK->click();
            });
            FormSelUnit form;
            form.exec();
            QCOMPARE(gUser->nLastSeries, 2);
        } else if (change == QLatin1String("newword-import")) {
            QVERIFY(env.dir.writeText(QStringLiteral("words.txt"), QStringLiteral("apple\r\n")));
            env.fake->openAnswers << env.dir.file(QStringLiteral("words.txt"));
            FormNewWord form;
            form.ShowNewWordList(3);
            form.btnImport_Click();
            QVERIFY(apple->IsNewWord(3));
        } else if (change == QLatin1String("newword-clear")) {
            apple->SetNewWord(2, true);
            FormNewWord form;
            form.ShowNewWordList(2);
            form.btnClear_Click();
            QVERIFY(!apple->IsNewWord(2));
        } else if (change == QLatin1String("game")) {
            gTestMode = 1;
            gCurrUnit->InitTestStatus();
            CWord *w = nullptr;
            QVERIFY(gCurrUnit->GetWord(1, w));
            w->myTestedStatus = 1; // one right answer
            FormGameTip tip;
            tip.ShowGameResult();
            QVERIFY(gCurrUnit->GameScore(1) > 0);
        }

        // the file holds what is in memory now
        QVERIFY(env.fake->fileWrites.contains(status));
        QStringList lines;
        QVERIFY(ReadEncodedFileLines(status, lines));
        QCOMPARE(lines.value(0), QString::number(gUser->nLastSeries));
        QCOMPARE(lines.value(8), gDictionary->SaveWordStatus());
        QCOMPARE(lines.value(9), gWordBank->SaveUnitStatus());
        QVERIFY(env.fake->msgBoxes.size() <= 1); // at most the import's own report
        gTestMode = 0;
    }
};

TALLIVO_TEST(ProfileSavesTest)
#include "tst_profilesaves.moc"
