// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's navigator: the word list, the record and the new-word book
// each open their window, and the two that can ask for the learning window
// hand their result on.
#include "records/recordsenv.h"
#include "support/modaldriver.h"
#include "support/testmain.h"
#include "app/appnavigator.h"
#include "records/formnewword.h"
#include "records/formrecord.h"
#include <QPushButton>

class AppNavigatorTest : public QObject {
    Q_OBJECT

private slots:
    void entriesOpenTheirWindows_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("practise");
        QTest::addColumn<int>("result");
        QTest::addRow("word list") << int(Window::WordPicList) << "FormWordPicList" << false << 0;
        QTest::addRow("record closed") << int(Window::Record) << "FormRecord" << false << 0;
        QTest::addRow("record practised") << int(Window::Record) << "FormRecord" << true << 1;
        QTest::addRow("new-word book closed") << int(Window::NewWord) << "FormNewWord" << false << 0;
        QTest::addRow("new-word book practised") << int(Window::NewWord) << "FormNewWord" << true << 1;
    }
    void entriesOpenTheirWindows()
    {
        QFETCH(int, entry);
        QFETCH(QString, window);
        QFETCH(bool, practise);
        QFETCH(int, result);
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, 3, 3));
        RecordsEnv::Mark(1, {QStringLiteral("pig"), QStringLiteral("cow"), QStringLiteral("duck"), QStringLiteral("fish")});
        AppNavigator navigator;
        ModalDriver driver;
        if (practise) {
            driver.Then([](QWidget *w) {
                if (auto *record = qobject_cast<FormRecord *>(w))
                    record->btnStart_Click();
                else if (auto *newWord = qobject_cast<FormNewWord *>(w))
                    newWord->btnStart_Click();
            });
        }
        QVERIFY(navigator.CanOpen(Window(entry)));
        QCOMPARE(navigator.Open(Window(entry), nullptr), result);
        QCOMPARE(driver.seen, QStringList{window});
    }
};

TALLIVO_TEST(AppNavigatorTest)
#include "tst_appnavigator.moc"
