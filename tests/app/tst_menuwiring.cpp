// The main menu's entries for the word list, the record and the new-word
// book: each opens its window, and the two that can ask for the learning
// window hand their result on.
#include "records/recordsenv.h"
#include "support/modaldriver.h"
#include "support/testmain.h"
#include "app/menuactions.h"
#include "app/menuwiring.h"
#include "records/formnewword.h"
#include "records/formrecord.h"
#include <QPushButton>

class MenuWiringTest : public QObject {
    Q_OBJECT

private slots:
    void entriesOpenTheirWindows_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("practise");
        QTest::addColumn<int>("result");
        QTest::addRow("word list") << int(menuactions::WordPicList) << "FormWordPicList" << false << 0;
        QTest::addRow("record closed") << int(menuactions::Record) << "FormRecord" << false << 0;
        QTest::addRow("record practised") << int(menuactions::Record) << "FormRecord" << true << 1;
        QTest::addRow("new-word book closed") << int(menuactions::NewWord) << "FormNewWord" << false << 0;
        QTest::addRow("new-word book practised") << int(menuactions::NewWord) << "FormNewWord" << true << 1;
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
        menuactions::Clear();
        RegisterMenuActions();
        ModalDriver driver;
        if (practise) {
            driver.Then([](QWidget *w) {
                if (auto *f = qobject_cast<FormRecord *>(w))
                    f->btnStart_Click();
                else if (auto *f = qobject_cast<FormNewWord *>(w))
                    f->btnStart_Click();
            });
        }
        const menuactions::Action action = menuactions::Get(entry);
        QVERIFY(action);
        QCOMPARE(action(), result);
        QCOMPARE(driver.seen, QStringList{window});
        menuactions::Clear();
    }
};

TALLIVO_TEST(MenuWiringTest)
#include "tst_menuwiring.moc"
