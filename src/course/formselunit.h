// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QDialog>
#include <QString>
#include <memory>
#include <vector>

enum class UserBookError;
class BookUnitTitleCtl;
class CSeries;
class ClassBook;
class ClassUnit;
class NumCtl;
class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QScrollArea;
class QShowEvent;

// The course selection window: a series, a book of it and a range of its
// units. Shown modally; afterwards ret tells whether a course was made
// current. It also renames, imports, exports and deletes the user's own books.
class FormSelUnit : public QDialog {
    Q_OBJECT
public:
    explicit FormSelUnit(QWidget *parent = nullptr);
    ~FormSelUnit() override;

    // True only when a selection became current (OK, or the fallback course
    // taken when a profile's current course was deleted here and the window
    // closes; never for a new profile that leaves without confirming).
    bool ret = false;
    int tmpSeriesID = 1;
    int tmpBookID = 1;
    int sTmpUnitID = 1;
    int eTmpUnitID = 1;

    // Controls
    QListWidget *lstSeries = nullptr;
    QListWidget *lstBook = nullptr;
    QLabel *ImageBook = nullptr;
    QScrollArea *tileScroll = nullptr;
    QWidget *Picture1 = nullptr;
    std::vector<NumCtl *> NumCtl1; // [0] hidden template, [i] unit i
    QWidget *Picture2 = nullptr;
    std::vector<NumCtl *> NumCtl2; // games 0..6
    std::vector<QLabel *> lblGame; // the game under each result tile
    QLabel *Label4 = nullptr;
    QLabel *lblUnitName = nullptr;
    QLabel *lblWordNum = nullptr;
    QLabel *lblTip = nullptr;
    BookUnitTitleCtl *BookUnitTitleCtl1 = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdHelp = nullptr;
    QPushButton *cmdAddUserBook = nullptr;
    QPushButton *btnWebBook = nullptr;
    QMenu *MNU_USERBOOK = nullptr;
    QAction *mnu_BOOK_RENAME = nullptr;
    QAction *mnu_BOOK_IMPORT = nullptr;
    QAction *mnu_BOOK_OUTPUT = nullptr;
    QAction *mnu_BOOK_DEL = nullptr;

    // Number of units in the selected range, 0 when none.
    int nSelUnits() const { return m_nSelUnits; }
    // What the title strip shows for the selected units.
    const ClassUnit *curUnit() const { return m_curUnit; }
    CSeries *shownSeries() const { return mySeries; }
    ClassBook *shownBook() const { return myBook; }

    // The handlers, as clicks and menu choices run them.
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdAddUserBook_Click();
    void cmdHelp_Click();
    void btnWebBook_Click();
    void NumCtl1_MouseDown(int Index, int Button);
    void ShowUnitInfo(int Index);
    void BookMenuRequested(const QPoint &pos);
    void mnu_BOOK_RENAME_Click();
    void mnu_BOOK_OUTPUT_Click();
    void mnu_BOOK_DEL_Click();

    static const char *const kWordBankWebPage;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *e) override;

private:
    void BuildUi();
    void Form_Load();
    void ShowSeriesList();
    void SeriesClick(int entry, bool mayAsk);
    void ShowBookList(bool mayAsk);
    void BookClick(int entry);
    void ShowUnitTiles(int s, int e);
    void ClearTiles();
    int GetSelectedUnits(int &first, int &last);
    void UpdateSelection();
    void ClearUnitInfo();
    void ShowCover();
    void ShowNoBook();
    bool AskAddUserBook();
    void FallBackFromEmptyUserSeries();
    void SelectSeriesEntry(int entry, bool mayAsk);
    bool MakeFirstCourseCurrent();
    void ShowBookError(UserBookError error);

    CSeries *mySeries = nullptr;
    ClassBook *myBook = nullptr;
    // The union of the selected units: the window's own, so nothing the
    // program is using changes before OK.
    std::unique_ptr<ClassUnit> m_union;
    ClassUnit *m_curUnit = nullptr;
    int m_nSelUnits = 0;
    bool m_loaded = false;
};
