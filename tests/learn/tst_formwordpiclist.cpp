// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The word picture list: groups of cards and their paging, the show/hide
// switches, speaking a word, and marking words for the new-word book.
#include "records/recordsenv.h"
#include "support/modaldriver.h"
#include "support/pointer.h"
#include "support/testmain.h"
#include "learn/formwordpiclist.h"
#include "records/formnewword.h"
#include "records/wordrowlist.h"
#include "widgets/clicklabel.h"
#include "widgets/ctranspicturebox.h"
#include "widgets/listitem.h"
#include "widgets/look.h"
#include "widgets/newwordpicctl.h"
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>

namespace {

const QString kNothingMore = QStringLiteral("没有了！");

QStringList CardWords(const FormWordPicList &form)
{
    QStringList out;
    for (int i = 1; i <= form.CardCount(); ++i)
        out << form.picWord[size_t(i)]->myWord->UserEN;
    return out;
}

QStringList NewWordRows(int book)
{
    gUser->nNewWordBookID = book;
    FormNewWord form;
    QStringList out;
    for (int i = 1; i <= form.RowCount(); ++i)
        out << form.PicBase->listItemArr[size_t(i)]->EN();
    return out;
}

const QStringList kThirteen{QStringLiteral("apple"), QStringLiteral("banana"), QStringLiteral("cat"),
                            QStringLiteral("dog"), QStringLiteral("egg"), QStringLiteral("red"),
                            QStringLiteral("blue"), QStringLiteral("green"), QStringLiteral("pen"),
                            QStringLiteral("book"), QStringLiteral("ruler"), QStringLiteral("bag"),
                            QStringLiteral("desk")};

} // namespace

class FormWordPicListTest : public QObject {
    Q_OBJECT

private slots:
    void groupsOfTheUnit_data()
    {
        QTest::addColumn<int>("unit"); // of book three: 1 has 13 words, 2 has two
        QTest::addColumn<int>("sizeOption");
        QTest::addColumn<int>("groups");
        QTest::addColumn<QStringList>("lastWords");
        QTest::addColumn<QString>("lastCounter");
        QTest::addRow("13 at 6") << 1 << 1 << 3 << QStringList{QStringLiteral("desk")} << "第3组 / 共3组";
        QTest::addRow("13 at 4") << 1 << 0 << 4 << QStringList{QStringLiteral("desk")} << "第4组 / 共4组";
        QTest::addRow("13 at 12") << 1 << 3 << 2 << QStringList{QStringLiteral("desk")} << "第2组 / 共2组";
        QTest::addRow("2 at 9") << 2 << 2 << 1 << QStringList{QStringLiteral("the Great Wall"), recfix::kLongWord}
                                << "第1组 / 共1组";
    }
    void groupsOfTheUnit()
    {
        QFETCH(int, unit);
        QFETCH(int, sizeOption);
        QFETCH(int, groups);
        QFETCH(QStringList, lastWords);
        QFETCH(QString, lastCounter);
        RecordsEnv env;
        QVERIFY(env.LoadCourse(3, unit, unit));
        FormWordPicList form;
        ClickBox(form.opPageNum[size_t(sizeOption)]);
        QCOMPARE(form.Groups(), groups);
        QCOMPARE(form.CurrGroup(), 1);
        QVERIFY(!form.cmdPrevGroup->isEnabled());
        for (int g = 2; g <= groups; ++g)
            Press(form.cmdNextGroup, Qt::LeftButton, QPoint(24, 20));
        QCOMPARE(form.CurrGroup(), groups);
        QCOMPARE(CardWords(form), lastWords);
        QCOMPARE(form.lblSectionNum->text(), lastCounter);
        QVERIFY(!form.cmdNextGroup->isEnabled());
        QCOMPARE(form.cmdPrevGroup->isEnabled(), groups > 1);
        QVERIFY(env.fake->msgBoxes.isEmpty());
        form.cmdNextGroup_Click();
        QCOMPARE(env.MsgTexts(), QStringList{kNothingMore});
        QCOMPARE(form.CurrGroup(), groups);
    }

    void pagingBackAndSizeChange()
    {
        RecordsEnv env;
        QVERIFY(env.LoadCourse(3, 1, 1));
        FormWordPicList form;
        QCOMPARE(form.PageSize(), 6);
        QCOMPARE(CardWords(form), kThirteen.mid(0, 6));
        form.cmdNextGroup_Click();
        form.cmdNextGroup_Click();
        form.cmdPrevGroup_Click();
        QCOMPARE(CardWords(form), kThirteen.mid(6, 6));
        QCOMPARE(form.lblSectionNum->text(), QStringLiteral("第2组 / 共3组"));
        ClickBox(form.opPageNum[3]);
        QCOMPARE(form.CurrGroup(), 1);
        QCOMPARE(CardWords(form), kThirteen.mid(0, 12));
        form.cmdPrevGroup_Click();
        QCOMPARE(env.MsgTexts(), QStringList{kNothingMore});
        QCOMPARE(env.fake->msgCaptions(), QStringList{QStringLiteral("Tallivo")});
    }

    void cardsAreKeptFromGroupToGroup_data()
    {
        // each step: a page size option, or "n" / "p" for the next / previous group
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("words");
        QTest::addRow("next group") << QStringList{"3", "n"} << QStringList{"desk", "the Great Wall", recfix::kLongWord};
        QTest::addRow("shortened word, then a short one in its place")
            << QStringList{"3", "n", "p"} << kThirteen.mid(0, 12);
        QTest::addRow("smaller and bigger groups") << QStringList{"3", "0", "n", "2"} << kThirteen.mid(0, 9);
    }
    void cardsAreKeptFromGroupToGroup()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, words);
        RecordsEnv env;
        QVERIFY(env.LoadCourse(3, 1, 2));
        FormWordPicList form;
        QSet<QObject *> made;
        const auto collect = [&] {
            for (QObject *o : form.PicBase->children())
                if (qobject_cast<NewWordPicCtl *>(o) || qobject_cast<ClickLabel *>(o))
                    made.insert(o);
        };
        collect();
        for (const QString &step : steps) {
            if (step == QLatin1String("n"))
                form.cmdNextGroup_Click();
            else if (step == QLatin1String("p"))
                form.cmdPrevGroup_Click();
            else
                ClickBox(form.opPageNum[size_t(step.toInt())]);
            collect();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // 12 cards and 12 English at the most, plus the two templates
        QCOMPARE(made.size(), 2 * 12 + 2);
        QCOMPARE(CardWords(form), words);
        int shownCards = 0, shownEnglish = 0;
        for (QObject *o : form.PicBase->children()) {
            auto *w = qobject_cast<QWidget *>(o);
            shownCards += qobject_cast<NewWordPicCtl *>(o) && !w->isHidden();
            shownEnglish += qobject_cast<ClickLabel *>(o) && !w->isHidden();
        }
        QCOMPARE(shownCards, int(words.size()));
        QCOMPARE(shownEnglish, int(words.size()));
        const int px = FormWordPicList::LayoutFor(form.PageSize()).englishPx;
        for (int i = 1; i <= form.CardCount(); ++i) {
            ClickLabel *en = form.lblUserEn[size_t(i)];
            QCOMPARE(form.picWord[size_t(i)]->geometry(), FormWordPicList::CardRect(form.PageSize(), i));
            if (words[i - 1] == recfix::kLongWord)
                continue;
            QCOMPARE(en->text(), words[i - 1]);
            QVERIFY2(en->toolTip().isEmpty(), qPrintable(en->toolTip()));
            QVERIFY(en->font().pixelSize() > FormWordPicList::kMinEnglishPx || px <= FormWordPicList::kMinEnglishPx);
        }
    }

    void cardsFollowTheLayoutTable_data()
    {
        QTest::addColumn<int>("sizeOption");
        QTest::addColumn<int>("card");
        QTest::addColumn<QRect>("where");
        QTest::addRow("4: second row") << 0 << 3 << QRect(120, 340, 320, 200);
        QTest::addRow("6: third column") << 1 << 3 << QRect(700, 80, 240, 150);
        QTest::addRow("6: second row") << 1 << 5 << QRect(380, 360, 240, 150);
        QTest::addRow("9: last") << 2 << 9 << QRect(700, 430, 240, 150);
        QTest::addRow("12: fifth") << 3 << 5 << QRect(47, 230, 192, 120);
        QTest::addRow("12: last") << 3 << 12 << QRect(761, 430, 192, 120);
    }
    void cardsFollowTheLayoutTable()
    {
        QFETCH(int, sizeOption);
        QFETCH(int, card);
        QFETCH(QRect, where);
        RecordsEnv env;
        QVERIFY(env.LoadCourse(3, 1, 1));
        FormWordPicList form;
        ClickBox(form.opPageNum[size_t(sizeOption)]);
        QCOMPARE(form.picWord[size_t(card)]->geometry(), where);
        // the English is centred under its card, half a line below it
        const QRect en = form.lblUserEn[size_t(card)]->geometry();
        QCOMPARE(en.center().x(), where.center().x());
        QVERIFY(en.top() > where.bottom());
        QVERIFY(en.top() < where.bottom() + en.height());
        QVERIFY(form.PicBase->rect().contains(en));
    }

    void hiddenEnglishComesBackWhenTheCardIsClicked()
    {
        RecordsEnv env;
        QVERIFY(env.LoadCourse(3, 1, 1));
        QVERIFY(env.GiveVoices({QStringLiteral("cat")}));
        FormWordPicList form;
        ClickBox(form.chkEnglish);
        QVERIFY(!form.chkEnglish->isChecked());
        for (int i = 1; i <= form.CardCount(); ++i)
            QVERIFY(form.lblUserEn[size_t(i)]->isHidden());
        Press(form.picWord[3], Qt::LeftButton, QPoint(50, 50));
        QVERIFY(!form.lblUserEn[3]->isHidden());
        QVERIFY(form.lblUserEn[2]->isHidden());
        QCOMPARE(env.fake->plays.size(), 1);
        QCOMPARE(env.fake->plays.first().wait, true);
    }

    void hiddenPictureComesBackWhenTheEnglishIsClicked()
    {
        RecordsEnv env;
        QVERIFY(env.LoadCourse(3, 1, 1));
        QVERIFY(env.GiveVoices({QStringLiteral("apple")}));
        QVERIFY(env.GivePicture(QStringLiteral("apple")));
        FormWordPicList form;
        QVERIFY(form.picWord[1]->HasPicture());
        // "图片" off with "中文" on: the cards keep their meaning, without pictures
        ClickBox(form.chkPic);
        QVERIFY(!form.picWord[1]->isHidden());
        QVERIFY(!form.picWord[1]->HasPicture());
        QVERIFY(!form.picWord[1]->findChild<QLabel *>(QStringLiteral("lblChinese"))->isHidden());
        // both off: no card; the English brings the card back with its picture
        ClickBox(form.chkChinese);
        QVERIFY(form.picWord[1]->isHidden());
        QVERIFY(!form.lblUserEn[1]->isHidden());
        Press(form.lblUserEn[1], Qt::LeftButton, QPoint(5, 5));
        QVERIFY(!form.picWord[1]->isHidden());
        QVERIFY(form.picWord[1]->HasPicture());
        QCOMPARE(env.fake->plays.size(), 1);
        // with the picture off only, the English uncovers the picture too
        ClickBox(form.chkChinese);
        QVERIFY(!form.picWord[2]->HasPicture());
        Press(form.lblUserEn[1], Qt::LeftButton, QPoint(5, 5));
        QVERIFY(form.picWord[1]->HasPicture());
    }

    void switchesRebuildTheGroupTheyAreOn()
    {
        RecordsEnv env;
        QVERIFY(env.LoadCourse(3, 1, 1));
        FormWordPicList form;
        form.cmdNextGroup_Click();
        const NewWordPicCtl *before = form.picWord[1];
        ClickBox(form.OpChinese[1]);
        QCOMPARE(form.CurrGroup(), 2);
        QCOMPARE(CardWords(form), kThirteen.mid(6, 6));
        // the same card, filled again with the detailed Chinese
        QCOMPARE(form.picWord[1], before);
        const CWord *w = form.picWord[1]->myWord;
        QVERIFY(w->DetailCH != w->Chinese);
        QString detail = w->DetailCH;
        if (!form.picWord[1]->HasPicture())
            detail.replace(QLatin1Char(';'), QLatin1Char('\n'));
        QCOMPARE(form.picWord[1]->findChild<QLabel *>(QStringLiteral("lblChinese"))->text(), detail);
        ClickBox(form.chkChinese);
        QCOMPARE(form.CurrGroup(), 2);
        QCOMPARE(CardWords(form), kThirteen.mid(6, 6));
    }

    void theMarkIconsFollowTheNewWordBook()
    {
        RecordsEnv env;
        QVERIFY(env.LoadCourse(3, 1, 1));
        gUser->nNewWordBookID = 2;
        RecordsEnv::Mark(2, {QStringLiteral("cat")});
        QCOMPARE(NewWordRows(2), QStringList{QStringLiteral("cat")});
        FormWordPicList form;
        form.show();
        MoveOverMiddle(form.picWord[3]);
        QVERIFY(form.picBorder->isVisible());
        QCOMPARE(form.picBorder->geometry(), form.picWord[3]->geometry().adjusted(-2, -2, 2, 2));
        QVERIFY(form.del_newwordICON->isVisible());
        QVERIFY(!form.add_newwordICON->isVisible());
        QCOMPARE(form.del_newwordICON->toolTip(), QStringLiteral("从生词本中移除"));
        // in the frame's top-right corner
        const QRect frame = form.picBorder->geometry();
        const int w = form.del_newwordICON->width();
        QCOMPARE(form.del_newwordICON->pos(), QPoint(frame.left() + frame.width() - int(1.5 * w), frame.top() + w / 2));

        Press(form.del_newwordICON, Qt::LeftButton, form.del_newwordICON->rect().center());
        QVERIFY(!env.Word(QStringLiteral("cat"))->IsNewWord(2));
        QVERIFY(form.add_newwordICON->isVisible());
        QVERIFY(!form.del_newwordICON->isVisible());
        QCOMPARE(NewWordRows(2), QStringList());

        // another card offers to add; the mark goes to the default book only
        MoveOverMiddle(form.lblUserEn[5]);
        QCOMPARE(form.picBorder->geometry(), form.picWord[5]->geometry().adjusted(-2, -2, 2, 2));
        Press(form.add_newwordICON, Qt::LeftButton, form.add_newwordICON->rect().center());
        QCOMPARE(env.Word(QStringLiteral("egg"))->NewWordMark, QStringLiteral("01000"));
        QVERIFY(form.del_newwordICON->isVisible());
        QCOMPARE(NewWordRows(2), QStringList{QStringLiteral("egg")});

        MoveOver(form.PicBase, QPoint(5, 5));
        QVERIFY(!form.picBorder->isVisible());
        QVERIFY(!form.add_newwordICON->isVisible());
        QVERIFY(!form.del_newwordICON->isVisible());
    }

    void openingGoesBackToTheFirstWord()
    {
        RecordsEnv env;
        QVERIFY(env.LoadCourse(3, 1, 1));
        int five = 5;
        gCurrUnit->SetCurrWord(five);
        gUser->nLastWord = 5;
        FormWordPicList form;
        QCOMPARE(gUser->nLastWord, 1);
        QCOMPARE(gCurrWord, env.Word(QStringLiteral("apple")));
        QCOMPARE(form.lblUnit->text(), QStringLiteral("《") + wbfix::kSeries1 + QStringLiteral("》Book Three --> ")
                                           + gCurrUnit->UnitCaption);
    }

    void longEnglishStopsShrinkingAndIsShortened()
    {
        RecordsEnv env;
        QVERIFY(env.LoadCourse(3, 2, 2));
        FormWordPicList form;
        ClickBox(form.opPageNum[3]);
        QCOMPARE(form.CardCount(), 2);
        ClickLabel *shortOne = form.lblUserEn[1];
        ClickLabel *longOne = form.lblUserEn[2];
        QCOMPARE(shortOne->text(), QStringLiteral("the Great Wall"));
        QVERIFY(shortOne->font().pixelSize() > 12);
        QCOMPARE(longOne->font().pixelSize(), 12);
        QVERIFY(longOne->text().endsWith(QChar(0x2026)));
        QCOMPARE(longOne->toolTip(), recfix::kLongWord);
        QVERIFY(QFontMetrics(longOne->font()).horizontalAdvance(longOne->text()) <= form.picWord[2]->width());
    }

    void emptyWindows_data()
    {
        QTest::addColumn<bool>("noUnit");
        QTest::addRow("no current unit") << true;
        QTest::addRow("unit without words") << false;
    }
    void emptyWindows()
    {
        QFETCH(bool, noUnit);
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, 1, 1));
        ClassUnit empty;
        if (noUnit) {
            gCurrSeries = nullptr;
            gCurrBook = nullptr;
            gCurrUnit = nullptr;
        } else {
            gCurrUnit = &empty;
        }
        FormWordPicList form;
        QCOMPARE(form.CardCount(), 0);
        QCOMPARE(form.lblSectionNum->text(), QStringLiteral("第1组 / 共0组"));
        QVERIFY(!form.cmdNextGroup->isEnabled());
        QVERIFY(!form.cmdPrevGroup->isEnabled());
        ClickBox(form.opPageNum[0]);
        form.cmdNextGroup_Click();
        QCOMPARE(env.MsgTexts(), QStringList{kNothingMore});
        QCOMPARE(form.CardCount(), 0);
        if (noUnit)
            QCOMPARE(form.lblUnit->text(), QString());
        gCurrUnit = nullptr;
    }

    void practisingTheNewWordBookShowsIt()
    {
        RecordsEnv env;
        QVERIFY(env.LoadCourse(3, 1, 1));
        gUser->nNewWordBookID = 1;
        RecordsEnv::Mark(1, {QStringLiteral("pig"), QStringLiteral("cow"), QStringLiteral("duck"),
                             QStringLiteral("fish"), QStringLiteral("horse")});
        FormWordPicList form;
        ClickBox(form.opPageNum[0]);
        form.cmdNextGroup_Click();
        ModalDriver driver;
        driver.Then([](QWidget *w) { QTest::mouseClick(qobject_cast<FormNewWord *>(w)->btnStart, Qt::LeftButton); });
        Press(form.btnNewWord, Qt::LeftButton, QPoint(24, 20));
        QCOMPARE(driver.seen, QStringList{QStringLiteral("FormNewWord")});
        QCOMPARE(gCurrSeries->SeriesID, 0);
        QCOMPARE(form.PageSize(), 6);
        QCOMPARE(form.CurrGroup(), 1);
        QCOMPARE(form.CardCount(), 5);
        QVERIFY(form.lblUnit->text().endsWith(QStringLiteral("生词本1【共有单词 5 个】")));
    }

    void closingWithoutPractiseKeepsTheCards()
    {
        RecordsEnv env;
        QVERIFY(env.LoadCourse(3, 1, 1));
        FormWordPicList form;
        form.cmdNextGroup_Click();
        ModalDriver driver;
        Press(form.btnNewWord, Qt::LeftButton, QPoint(24, 20));
        QCOMPARE(driver.seen, QStringList{QStringLiteral("FormNewWord")});
        QCOMPARE(form.CurrGroup(), 2);
        QCOMPARE(gCurrBook->BookName, QStringLiteral("Book Three"));
    }
};

TALLIVO_TEST(FormWordPicListTest)
#include "tst_formwordpiclist.moc"
