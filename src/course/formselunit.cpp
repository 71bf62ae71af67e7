// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formselunit.h"
#include "widgets/look.h"
#include "filedialogs.h"
#include "formadduserbookunit.h"
#include "helpers/apppaths.h"
#include "helpers/textfile.h"
#include "helpers/texthelpers.h"
#include "platform/platform.h"
#include "widgets/bookunittitlectl.h"
#include "widgets/numctl.h"
#include "widgets/widgetutil.h"
#include "wordbank/scoring.h"
#include "wordbank/classbook.h"
#include "wordbank/classunit.h"
#include "wordbank/classuser.h"
#include "wordbank/savenotice.h"
#include "wordbank/cseries.h"
#include "wordbank/cwordbank.h"
#include "wordbank/globals.h"
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QSignalBlocker>

const char *const FormSelUnit::kWordBankWebPage = "https://www.tallivo.example/wordbanks";

namespace {
const QString kCustomCaption = QStringLiteral("自定义词库");
constexpr int kTile = 36; // unit tiles, ten to a row
constexpr int kTilesPerRow = 10;
constexpr int kResultTile = 44;
constexpr int kResultPitch = 88;

void SelectRowQuietly(QListWidget *list, int row)
{
    const QSignalBlocker block(list);
    list->setCurrentRow(row);
}

} // namespace

FormSelUnit::FormSelUnit(QWidget *parent) : QDialog(parent), m_union(std::make_unique<ClassUnit>())
{
    BuildUi();
    Form_Load();
    m_loaded = true;
}

FormSelUnit::~FormSelUnit() = default;

void FormSelUnit::BuildUi()
{
    using namespace Look;
    setWindowTitle(QStringLiteral("选择要学习的单元"));
    setFixedSize(1024, 768);
    StyleWindow(this);

    BookUnitTitleCtl1 = new BookUnitTitleCtl(this);
    BookUnitTitleCtl1->setGeometry(16, 12, 992, 64);
    BookUnitTitleCtl1->hide();

    auto *left = new RoundPanel(this);
    left->setGeometry(16, 88, 300, 600);
    MakeLabel(QStringLiteral("选择教程："), left, 18, true)->setGeometry(18, 12, 260, 28);
    lstSeries = new QListWidget(left);
    lstSeries->setGeometry(12, 44, 276, 220);
    StyleList(lstSeries);
    MakeLabel(QStringLiteral("选择教材:"), left, 18, true)->setGeometry(18, 280, 260, 28);
    lstBook = new QListWidget(left);
    lstBook->setGeometry(12, 312, 276, 276);
    StyleList(lstBook);
    lstBook->setContextMenuPolicy(Qt::CustomContextMenu);

    auto *right = new RoundPanel(this);
    right->setGeometry(332, 88, 676, 600);
    MakeLabel(QStringLiteral("选择单元:"), right, 18, true)->setGeometry(22, 12, 300, 28);
    tileScroll = new QScrollArea(right);
    tileScroll->setGeometry(18, 46, 10 * kTile + 4 + 14, 7 * kTile + 4);
    tileScroll->setFrameShape(QFrame::NoFrame);
    tileScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tileScroll->setWidgetResizable(false);
    tileScroll->setStyleSheet(
        QStringLiteral("QScrollArea, QScrollArea > QWidget > QWidget { background: %1; }").arg(Look::kPanel.name()));
    Picture1 = new QWidget;
    Picture1->resize(kTilesPerRow * kTile + 4, kTile + 4);
    tileScroll->setWidget(Picture1);
    auto *tmpl = new NumCtl(Picture1);
    tmpl->resize(kTile, kTile);
    tmpl->hide();
    NumCtl1.push_back(tmpl);

    ImageBook = new QLabel(right);
    ImageBook->setTextFormat(Qt::PlainText);
    ImageBook->setGeometry(440, 16, 210, 280);
    ImageBook->setAlignment(Qt::AlignCenter);
    ImageBook->hide();

    lblTip = MakeLabel(QStringLiteral("小贴士：按鼠标右键可以选择多个连续的单元复习。"), right, 15);
    lblTip->setGeometry(22, 312, 640, 26);
    {
        QPalette pal = lblTip->palette();
        pal.setColor(QPalette::WindowText, Look::kInfoText);
        lblTip->setPalette(pal);
    }

    auto *info = new RoundPanel(right, 0xFFF3F9FF);
    info->setGeometry(16, 348, 644, 236);
    Picture2 = info;
    lblUnitName = MakeLabel(QString(), info, 17, true);
    lblUnitName->setGeometry(18, 12, 610, 28);
    lblWordNum = MakeLabel(QString(), info, 16);
    lblWordNum->setGeometry(18, 44, 610, 26);
    Label4 = MakeLabel(QStringLiteral("闯关记录"), info, 16, true);
    Label4->setGeometry(18, 82, 200, 26);
    for (int g = 0; g < scoring::kGameCount; ++g) {
        const int x = 18 + g * kResultPitch;
        auto *t = new NumCtl(info);
        t->setGeometry(x + (kResultPitch - kResultTile) / 2, 116, kResultTile, kResultTile);
        t->setAttribute(Qt::WA_TransparentForMouseEvents);
        t->hide();
        NumCtl2.push_back(t);
        auto *l = MakeLabel(scoring::GameTitle(g), info, 13);
        l->setGeometry(x, 166, kResultPitch, 22);
        l->setAlignment(Qt::AlignCenter);
        lblGame.push_back(l);
    }

    cmdAddUserBook = MakeButton(QStringLiteral("导入自定义词库 -->"), this, ButtonKind::Normal, QStringLiteral(":/course/import.png"));
    cmdAddUserBook->setGeometry(16, 704, 236, 48);
    btnWebBook = MakeButton(QStringLiteral("查找更多词库 -->"), this, ButtonKind::Normal, QStringLiteral(":/course/web.png"));
    btnWebBook->setGeometry(264, 704, 216, 48);
    cmdHelp = MakeButton(QStringLiteral("帮助"), this, ButtonKind::Normal, QStringLiteral(":/course/help.png"));
    cmdHelp->setGeometry(616, 704, 116, 48);
    cmdCancel = MakeButton(QStringLiteral("取消"), this, ButtonKind::Normal, QStringLiteral(":/course/cancel.png"));
    cmdCancel->setGeometry(744, 704, 120, 48);
    cmdOK = MakeButton(QStringLiteral("确定"), this, ButtonKind::Main, QStringLiteral(":/course/ok.png"));
    cmdOK->setGeometry(876, 704, 132, 48);
    cmdOK->setDefault(true);

    MNU_USERBOOK = new QMenu(kCustomCaption + QStringLiteral("操作"), this);
    MNU_USERBOOK->setFont(ChineseFont(15));
    mnu_BOOK_RENAME = MNU_USERBOOK->addAction(QStringLiteral("更改词库名称"));
    mnu_BOOK_IMPORT = MNU_USERBOOK->addAction(QStringLiteral("导入自定义词库"));
    mnu_BOOK_OUTPUT = MNU_USERBOOK->addAction(QStringLiteral("导出自定义词库"));
    mnu_BOOK_DEL = MNU_USERBOOK->addAction(QStringLiteral("删除自定义词库"));

    connect(lstSeries, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            SeriesClick(row, true);
    });
    connect(lstBook, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            BookClick(row);
    });
    connect(lstBook, &QWidget::customContextMenuRequested, this, &FormSelUnit::BookMenuRequested);
    connect(cmdOK, &QPushButton::clicked, this, &FormSelUnit::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FormSelUnit::cmdCancel_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &FormSelUnit::cmdHelp_Click);
    connect(btnWebBook, &QPushButton::clicked, this, &FormSelUnit::btnWebBook_Click);
    connect(cmdAddUserBook, &QPushButton::clicked, this, &FormSelUnit::cmdAddUserBook_Click);
    connect(mnu_BOOK_RENAME, &QAction::triggered, this, &FormSelUnit::mnu_BOOK_RENAME_Click);
    connect(mnu_BOOK_IMPORT, &QAction::triggered, this, &FormSelUnit::cmdAddUserBook_Click);
    connect(mnu_BOOK_OUTPUT, &QAction::triggered, this, &FormSelUnit::mnu_BOOK_OUTPUT_Click);
    connect(mnu_BOOK_DEL, &QAction::triggered, this, &FormSelUnit::mnu_BOOK_DEL_Click);
    ClearUnitInfo();
}

void FormSelUnit::showEvent(QShowEvent *e)
{
    // every show starts afresh
    if (!m_loaded) {
        Form_Load();
        m_loaded = true;
    }
    QDialog::showEvent(e);
}

void FormSelUnit::Form_Load()
{
    ret = false;
    if (!gUser || gUser->nLastSeries == -1) {
        tmpSeriesID = 1;
        tmpBookID = 1;
        sTmpUnitID = 1;
        eTmpUnitID = 1;
    } else if (gCurrSeries && gCurrBook && gCurrSeries->SeriesID == 0 && gCurrBook->BookID == 0) {
        // the new-word book is current: offer the course before it
        tmpSeriesID = gUser->nOldSeries;
        tmpBookID = gUser->nOldBook;
        sTmpUnitID = gUser->nOldStartUnit;
        eTmpUnitID = gUser->nOldEndUnit;
    } else {
        tmpSeriesID = gUser->nLastSeries;
        tmpBookID = gUser->nLastBook;
        sTmpUnitID = gUser->nLastStartUnit;
        eTmpUnitID = gUser->nLastEndUnit;
    }
    if (gCurrSeries && gCurrBook && gCurrUnit) {
        BookUnitTitleCtl1->SetCaption(gCurrSeries, gCurrBook, gCurrUnit);
        BookUnitTitleCtl1->show();
    }
    ShowSeriesList();
}

void FormSelUnit::ShowSeriesList()
{
    {
        const QSignalBlocker block(lstSeries);
        lstSeries->clear();
        const int n = gWordBank ? gWordBank->SeriesNum() : -1;
        for (int i = 0; i <= n; ++i)
            lstSeries->addItem(gWordBank->SeriesName(i));
    }
    if (!gWordBank) {
        ShowNoBook();
        return;
    }
    const int n = gWordBank->SeriesNum();
    if (tmpSeriesID < 0 || tmpSeriesID > n)
        tmpSeriesID = n >= 1 ? 1 : 0; // without standard series only the user's books remain
    SelectSeriesEntry(tmpSeriesID, true);
}

void FormSelUnit::SelectSeriesEntry(int entry, bool mayAsk)
{
    SelectRowQuietly(lstSeries, entry);
    SeriesClick(entry, mayAsk);
}

bool FormSelUnit::AskAddUserBook()
{
    return plat().MsgBox(QStringLiteral("您还没有添加自定义词库,是否现在添加?"), MsgButtons::OKCancel,
                         MsgIcon::Information, kCustomCaption)
           == MsgResult::OK;
}

void FormSelUnit::SeriesClick(int entry, bool mayAsk)
{
    if (!gWordBank || entry < 0 || entry > gWordBank->SeriesNum())
        return;
    CSeries *series = nullptr;
    if (entry == 0 && gWordBank->GetSeriesByID(0, series) && series->BookNum() == 0) {
        // Asked once per choice: a second "no" must not bring the question back.
        if (mayAsk && AskAddUserBook()) {
            cmdAddUserBook_Click();
            return;
        }
        FallBackFromEmptyUserSeries();
        return;
    }
    if (entry != tmpSeriesID) {
        tmpSeriesID = entry;
        tmpBookID = 1;
        sTmpUnitID = 1;
        eTmpUnitID = 1;
    }
    ImageBook->hide();
    mySeries = nullptr;
    myBook = nullptr;
    if (!gWordBank->GetSeriesByID(tmpSeriesID, mySeries) || !mySeries) {
        ShowNoBook();
        return;
    }
    if (tmpSeriesID != 0)
        mySeries->LoadStandardSeries();
    if (mySeries->BookNum() < tmpBookID || tmpBookID < 1)
        tmpBookID = 1;
    ShowBookList(mayAsk);
}

void FormSelUnit::FallBackFromEmptyUserSeries()
{
    const int n = gWordBank ? gWordBank->SeriesNum() : 0;
    const int target = (tmpSeriesID >= 1 && tmpSeriesID <= n) ? tmpSeriesID : (n >= 1 ? 1 : -1);
    if (target < 1) {
        SelectRowQuietly(lstSeries, -1);
        mySeries = nullptr;
        ShowNoBook();
        return;
    }
    SelectSeriesEntry(target, false);
}

void FormSelUnit::ShowNoBook()
{
    {
        const QSignalBlocker block(lstBook);
        lstBook->clear();
    }
    myBook = nullptr;
    ImageBook->hide();
    ClearTiles();
    m_nSelUnits = 0;
    cmdOK->setEnabled(false);
    ClearUnitInfo();
}

void FormSelUnit::ShowBookList(bool mayAsk)
{
    ShowNoBook();
    if (!mySeries)
        return;
    if (mySeries->BookNum() == 0) {
        // the user's series has asked already when it was chosen
        if (mayAsk && mySeries->SeriesID != 0 && AskAddUserBook())
            cmdAddUserBook_Click();
        return;
    }
    {
        const QSignalBlocker block(lstBook);
        for (int k = 1; k <= mySeries->BookNum(); ++k)
            lstBook->addItem(mySeries->BookName(k));
    }
    const int entry = lstBook->count() < tmpBookID ? 0 : tmpBookID - 1;
    SelectRowQuietly(lstBook, entry);
    BookClick(entry);
}

void FormSelUnit::BookClick(int entry)
{
    if (!mySeries)
        return;
    if (tmpBookID != entry + 1) {
        tmpBookID = entry + 1;
        sTmpUnitID = 1;
        eTmpUnitID = 1;
    }
    ClassBook *book = nullptr;
    if (!mySeries->GetBookByID(tmpBookID, book) || !book)
        return;
    myBook = book;
    ShowCover();
    ShowUnitTiles(sTmpUnitID, eTmpUnitID);
    ShowUnitInfo(sTmpUnitID);
    cmdOK->setEnabled(m_nSelUnits > 0);
}

void FormSelUnit::ShowCover()
{
    const QString path = AppPath(QStringLiteral("BookCover/") + mySeries->SeriesName + QLatin1Char('/')
                                 + QString::number(tmpBookID) + QStringLiteral(".jpg"));
    QImageReader reader(path);
    const QImage img = QFileInfo(path).isFile() ? reader.read() : QImage();
    if (img.isNull()) {
        ImageBook->clear();
        ImageBook->hide();
        return;
    }
    // drawn from the full picture at the screen's pixel ratio, so it stays sharp
    const qreal dpr = devicePixelRatioF();
    QPixmap pm = QPixmap::fromImage(img.scaled(ImageBook->size() * dpr, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    pm.setDevicePixelRatio(dpr);
    ImageBook->setPixmap(pm);
    ImageBook->show();
}

void FormSelUnit::ClearTiles()
{
    for (size_t i = 1; i < NumCtl1.size(); ++i) {
        NumCtl1[i]->hide();
        NumCtl1[i]->deleteLater();
    }
    NumCtl1.resize(1);
    Picture1->resize(kTilesPerRow * kTile + 4, kTile + 4);
}

void FormSelUnit::ShowUnitTiles(int s, int e)
{
    ClearTiles();
    const int n = myBook ? myBook->UnitNum() : 0;
    const int rows = std::max(1, (n + kTilesPerRow - 1) / kTilesPerRow);
    Picture1->resize(kTilesPerRow * kTile + 4, rows * kTile + 4);
    for (int i = 1; i <= n; ++i) {
        ClassUnit *unit = nullptr;
        myBook->GetUnitbyID(i, unit);
        auto *tile = new NumCtl(Picture1);
        tile->resize(NumCtl1[0]->size());
        tile->SetUnit(unit, s <= i && i <= e);
        tile->move(((i - 1) % kTilesPerRow) * kTile + 2, ((i - 1) / kTilesPerRow) * kTile + 2);
        connect(tile, &NumCtl::MouseDown, this, [this, i](int Button, int, int, int) { NumCtl1_MouseDown(i, Button); });
        connect(tile, &NumCtl::MouseMove, this, [this, i](int, int) { ShowUnitInfo(i); });
        tile->show();
        NumCtl1.push_back(tile);
    }
    tileScroll->verticalScrollBar()->setValue(0);
    UpdateSelection();
}

int FormSelUnit::GetSelectedUnits(int &first, int &last)
{
    first = -1;
    last = -1;
    for (size_t i = 1; i < NumCtl1.size(); ++i) {
        if (!NumCtl1[i]->Selected)
            continue;
        if (first < 0)
            first = int(i);
        last = int(i);
    }
    m_union->Clear();
    if (first < 0 || !myBook) {
        m_nSelUnits = 0;
        return 0;
    }
    m_nSelUnits = last - first + 1;
    // with the caption the book gives a range of all words
    myBook->CollectUnits(first, last, WordCategory::All, *m_union);
    return m_nSelUnits;
}

void FormSelUnit::UpdateSelection()
{
    const int count = GetSelectedUnits(sTmpUnitID, eTmpUnitID);
    m_curUnit = m_union.get();
    if (count < 1) {
        m_union->UnitCaption = QStringLiteral("未选择任何单元");
        cmdOK->setEnabled(false);
    } else {
        cmdOK->setEnabled(true);
    }
    BookUnitTitleCtl1->SetCaption(mySeries, myBook, m_curUnit);
    BookUnitTitleCtl1->show();
}

void FormSelUnit::NumCtl1_MouseDown(int Index, int Button)
{
    const int n = int(NumCtl1.size()) - 1;
    if (Index < 1 || Index > n)
        return;
    int lo = Index;
    int hi = Index;
    if (Button == 2) {
        int anchor = -1;
        for (int i = 1; i <= n && anchor < 0; ++i) {
            if (NumCtl1[size_t(i)]->Selected)
                anchor = i;
        }
        if (anchor > 0) {
            lo = std::min(anchor, Index);
            hi = std::max(anchor, Index);
        }
    }
    for (int i = 1; i <= n; ++i) {
        const bool want = lo <= i && i <= hi;
        if (NumCtl1[size_t(i)]->Selected != want)
            NumCtl1[size_t(i)]->SetSelected(want);
    }
    UpdateSelection();
}

void FormSelUnit::ClearUnitInfo()
{
    lblUnitName->setText(QStringLiteral("单元名称："));
    lblWordNum->setText(QStringLiteral("单词数量："));
    for (NumCtl *t : NumCtl2)
        t->hide();
}

void FormSelUnit::ShowUnitInfo(int Index)
{
    // a stored range outside the book leaves no tile to show
    if (Index < 1 || Index >= int(NumCtl1.size()) || !NumCtl1[size_t(Index)]->myUnit) {
        ClearUnitInfo();
        return;
    }
    ClassUnit *unit = NumCtl1[size_t(Index)]->myUnit;
    for (int g = 0; g < int(NumCtl2.size()); ++g) {
        NumCtl2[size_t(g)]->SetUnitStatus(unit, g);
        NumCtl2[size_t(g)]->show();
    }
    lblUnitName->setText(QStringLiteral("单元名称：") + unit->UnitName);
    lblWordNum->setText(QStringLiteral("单词数量：") + QString::number(unit->WordNum()));
}

void FormSelUnit::cmdOK_Click()
{
    if (m_nSelUnits == 0) {
        plat().MsgBox(QStringLiteral("请选择要学习的单元！"), MsgButtons::OK, MsgIcon::Critical, QStringLiteral("选择单元"));
        return;
    }
    tmpSeriesID = lstSeries->currentRow();
    tmpBookID = lstBook->currentRow() + 1;
    int first = -1;
    int last = -1;
    if (GetSelectedUnits(first, last) == 0)
        return;
    sTmpUnitID = first;
    eTmpUnitID = last;
    if (!gWordBank)
        return;
    if (!gWordBank->SelectCourse(tmpSeriesID, tmpBookID, sTmpUnitID, eTmpUnitID, WordCategory::All))
        return;
    if (gUser)
        gUser->SaveUserFeature();
    mySeries = nullptr;
    myBook = nullptr;
    m_curUnit = nullptr;
    ret = true;
    m_loaded = false;
    QDialog::accept();
}

void FormSelUnit::cmdCancel_Click()
{
    reject();
}

bool FormSelUnit::MakeFirstCourseCurrent()
{
    CSeries *first = nullptr;
    if (!gWordBank || gWordBank->SeriesNum() < 1 || !gWordBank->GetSeriesByID(1, first))
        return false;
    return gWordBank->SelectCourse(1, 1, 1, 1, WordCategory::All);
}

void FormSelUnit::reject()
{
    // A profile whose course went away here (its book was deleted) would go
    // on with nothing to learn: take the first course. A new profile has
    // never chosen one; it is asked again until it confirms.
    const bool newProfile = !gUser || gUser->nLastSeries == -1;
    ret = !newProfile && !(gCurrSeries && gCurrBook && gCurrUnit) && MakeFirstCourseCurrent();
    mySeries = nullptr;
    myBook = nullptr;
    m_curUnit = nullptr;
    m_loaded = false;
    QDialog::reject();
}

void FormSelUnit::cmdAddUserBook_Click()
{
    {
        FormAddUserBookUnit import(this);
        import.exec();
    }
    tmpSeriesID = 0;
    const int entry = lstSeries->currentRow();
    if (entry >= 0)
        SeriesClick(entry, false);
    else
        ShowSeriesList();
}

void FormSelUnit::cmdHelp_Click()
{
    ShellOpen(AppPath(QStringLiteral("dat/help.html")));
}

void FormSelUnit::btnWebBook_Click()
{
    ShellOpen(QString::fromLatin1(kWordBankWebPage));
}

void FormSelUnit::BookMenuRequested(const QPoint &pos)
{
    if (tmpSeriesID != 0)
        return;
    const bool haveBook = myBook && lstBook->currentRow() >= 0;
    mnu_BOOK_RENAME->setEnabled(haveBook);
    mnu_BOOK_OUTPUT->setEnabled(haveBook);
    mnu_BOOK_DEL->setEnabled(haveBook);
    MNU_USERBOOK->popup(lstBook->viewport()->mapToGlobal(pos));
}

void FormSelUnit::ShowBookError(UserBookError error)
{
    if (error == UserBookError::NotSaved)
        ShowSaveFailure(gUserBookFile);
    else if (error != UserBookError::None)
        plat().MsgBox(UserBookErrorText(error), MsgButtons::OK, MsgIcon::Critical, kCustomCaption);
}

void FormSelUnit::mnu_BOOK_RENAME_Click()
{
    if (!gWordBank || !mySeries || !myBook || mySeries->SeriesID != 0)
        return;
    const QString name = plat().InputBox(
        QStringLiteral("您正在修改的词库名是【") + myBook->BookName + QStringLiteral("】\r\n\r\n请输入新词库名："),
        QStringLiteral("修改自定义词库名称"), QString());
    const UserBookError error = gWordBank->RenameUserBook(myBook->BookID, name);
    ShowBookError(error);
    if (error == UserBookError::None)
        ShowSeriesList();
}

void FormSelUnit::mnu_BOOK_OUTPUT_Click()
{
    if (!myBook)
        return;
    const QString path = QDir(DocumentsFolder())
                             .filePath(SafeFileName(QStringLiteral("【自定义词库】") + myBook->BookName + QStringLiteral(".txt")));
    if (!SaveExport(path, myBook->BookString() + QStringLiteral("\r\n")))
        return;
    plat().MsgBox(QStringLiteral("导出的自定义词库已保存在：\r\n\r\n") + QDir::toNativeSeparators(path), MsgButtons::OK,
                  MsgIcon::Information, QStringLiteral("导出词库"));
}

void FormSelUnit::mnu_BOOK_DEL_Click()
{
    if (!gWordBank || !mySeries || !myBook || mySeries->SeriesID != 0)
        return;
    const int bookID = lstBook->currentRow() + 1;
    const QString ask = QStringLiteral("正准备删除自定义词库【") + myBook->BookName
                        + QStringLiteral("】，词库删除后不能自动恢复。\r\n\r\n是否确定要删除？");
    if (plat().MsgBox(ask, MsgButtons::OKCancel, MsgIcon::Information, kCustomCaption) != MsgResult::OK)
        return;
    // the tiles point into the book that goes
    ClearTiles();
    myBook = nullptr;
    const UserBookError error = gWordBank->DeleteUserBook(bookID);
    if (error != UserBookError::NoBook) {
        // the book shown next is another one: its selection starts at unit 1
        sTmpUnitID = 1;
        eTmpUnitID = 1;
    }
    ShowBookError(error);
    ShowSeriesList();
}
