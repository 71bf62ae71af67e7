// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cwordbank.h"
#include "classuser.h"
#include "globals.h"
#include "wbtext.h"
#include "helpers/apppaths.h"
#include "helpers/envelope.h"
#include "helpers/texthelpers.h"
#include "platform/platform.h"
#include "savenotice.h"
#include "classbook.h"
#include <QStringList>

CWordBank::CWordBank()
{
    auto user = std::make_unique<CSeries>();
    user->SeriesName = CSeries::kUserSeriesName;
    user->SeriesID = 0;
    user->LoadUserWordBook();
    user->SetNewBook();
    m_series.push_back(std::move(user));
    LoadSeiresList();
}

QString CWordBank::SeriesName(int Index) const
{
    return (Index >= 0 && Index <= SeriesNum()) ? Series(Index)->SeriesName : QString();
}

QString CWordBank::SaveUnitStatus() const
{
    QStringList shares;
    for (const auto &s : m_series) {
        const QString share = s->ListAllUnitStatus();
        if (!share.isEmpty())
            shares << share;
    }
    return shares.join(QLatin1Char('\t'));
}

namespace {
void ShowCourseLoadFailure()
{
    plat().MsgBox(QStringLiteral("错误004:当前教程加载失败！"), MsgButtons::OK, MsgIcon::Critical,
                  QStringLiteral("严重错误"));
}
} // namespace

bool CWordBank::SetCurrSeries(int iSeries)
{
    if (gCurrSeries && gCurrSeries->SeriesID == iSeries)
        return true;
    if (iSeries >= 0 && iSeries <= SeriesNum()) {
        gCurrSeries = Series(iSeries);
        gCurrSeries->SeriesID = iSeries;
        if (gUser)
            gUser->nLastSeries = iSeries;
        return true;
    }
    ShowCourseLoadFailure();
    return false;
}

bool CWordBank::SelectCourse(int iSeries, int iBook, int iStartUnit, int iEndUnit, WordCategory category)
{
    CSeries *series = nullptr;
    if (!GetSeriesByID(iSeries, series)) {
        ShowCourseLoadFailure();
        return false;
    }
    // a standard series reads its books when first chosen
    if (iSeries != 0 && series->BookNum() == 0)
        series->LoadStandardSeries();
    ClassBook *book = nullptr;
    if (!series->GetBookByID(iBook, book) || !book || !book->CanSetCurrUnit(iStartUnit, iEndUnit, category))
        return false;
    // checked above: none of these can fail now
    gCurrSeries = series;
    series->SetCurrBook(iBook);
    book->SetCurrUnit(iStartUnit, iEndUnit, category);
    if (gUser)
        gUser->nLastSeries = iSeries;
    return true;
}

bool CWordBank::RestoreLastCourse()
{
    return gUser
           && SelectCourse(gUser->nLastSeries, gUser->nLastBook, gUser->nLastStartUnit, gUser->nLastEndUnit,
                           WordCategory::All);
}

QString UserBookErrorText(UserBookError error)
{
    switch (error) {
    case UserBookError::NoBook:
        return QStringLiteral("这个自定义词库已经不存在了。");
    case UserBookError::EmptyName:
        return QStringLiteral("词库名不能为空!");
    case UserBookError::BadName:
        return QStringLiteral("非法的课本名称!请更改课本名称");
    case UserBookError::None:
    case UserBookError::NotSaved:
        break;
    }
    return QString();
}

int CWordBank::UserBookPosition(const QString &name) const
{
    ClassBook *book = nullptr;
    return Series(0)->GetBookByName(name, book) && book ? book->BookID : -1;
}

QString CWordBank::UserBookName(int bookID) const
{
    return Series(0)->BookName(bookID);
}

UserBookError CWordBank::RenameUserBook(int bookID, const QString &newName)
{
    CSeries *user = Series(0);
    ClassBook *book = nullptr;
    if (bookID < 1 || !user->GetBookByID(bookID, book) || !book)
        return UserBookError::NoBook;
    const QString name = StripTabsTrim(newName);
    if (name.isEmpty())
        return UserBookError::EmptyName;
    // two books of one name could not be told apart (the profile remembers
    // its book by name), and the reserved names belong to the program
    ClassBook *other = nullptr;
    if (name == CSeries::kReservedBookName || name == CSeries::kUserSeriesName
        || (user->GetBookByName(name, other) && other != book))
        return UserBookError::BadName;
    const QString oldName = book->BookName;
    book->BookName = name;
    if (!user->SaveUserWordBook()) {
        book->BookName = oldName;
        return UserBookError::NotSaved;
    }
    SaveProfileWithBooks();
    return UserBookError::None;
}

UserBookError CWordBank::DeleteUserBook(int bookID)
{
    CSeries *user = Series(0);
    if (!user->DelUserWordBook(bookID))
        return UserBookError::NoBook;
    if (gUser) {
        // the profile's course moved down with the books after it
        if (gCurrSeries == user && gCurrBook && gCurrBook->BookID > 0)
            gUser->nLastBook = gCurrBook->BookID;
        if (gUser->nOldSeries == 0 && gUser->nOldBook > bookID)
            --gUser->nOldBook;
    }
    if (!user->SaveUserWordBook())
        return UserBookError::NotSaved;
    SaveProfileWithBooks();
    return UserBookError::None;
}

bool CWordBank::GetSeriesByID(int Index, CSeries *&outSeries) const
{
    if (Index < 0 || Index > SeriesNum())
        return false;
    outSeries = Series(Index);
    return true;
}

bool CWordBank::GetSeriesByName(const QString &SeriesName, CSeries *&outSeries) const
{
    for (const auto &s : m_series) {
        if (s->SeriesName == SeriesName) {
            outSeries = s.get();
            return true;
        }
    }
    return false;
}

bool CWordBank::LoadSeiresList()
{
    QStringList lines;
    if (!ReadEncodedFileLines(gWordBankFile, lines) || lines.size() < 6
        || StripTabsTrim(lines.at(0)) != QLatin1String(CSeries::kWordBankHeader))
        return false;
    Version = StripTabsTrim(lines.at(1));
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QString line = StripTabsTrim(lines.at(i));
        if (line.isEmpty() || line.front() != QLatin1Char('@'))
            continue;
        const QString desc = i + 1 < lines.size() ? StripTabsTrim(lines.at(i + 1)).mid(1) : QString();
        // the ID is the series' place in the list, also when a name repeats
        AddSeries(SeriesNum() + 1, line.mid(1), desc);
        ++i; // the description line
    }
    m_listLoaded = true;
    return true;
}

int CWordBank::AddSeries(int id, const QString &name, const QString &desc)
{
    const QString n = StripTabsTrim(name);
    if (n.isEmpty())
        return -1;
    for (int i = 1; i <= SeriesNum(); ++i) {
        if (Series(i)->SeriesName == n)
            return i;
    }
    auto s = std::make_unique<CSeries>();
    s->SeriesID = id;
    s->SeriesName = n;
    s->SeriesDesc = desc;
    m_series.push_back(std::move(s));
    return SeriesNum();
}

void CWordBank::LoadUnitStatus(const QString &iStr)
{
    const QString text = TrimSpaces(iStr);
    if (text.isEmpty() || text == QLatin1String("0"))
        return;
    CSeries *series = nullptr;
    ClassBook *book = nullptr;
    const QStringList items = text.split(QLatin1Char('\t'));
    for (const QString &item : items) {
        if (item.isEmpty())
            continue;
        const QChar first = item.front();
        const QString rest = item.mid(1);
        if (first == QLatin1Char('@')) {
            series = nullptr;
            book = nullptr;
            // books and units must exist before results attach; the user
            // series has no section in the word-bank file
            if (GetSeriesByName(rest, series) && series->SeriesID != 0)
                series->LoadStandardSeries();
        } else if (first == QLatin1Char('%')) {
            book = nullptr;
            if (series)
                series->GetBookByName(rest, book);
        } else if (first == QLatin1Char('#')) {
            if (rest.size() < 28 || !book)
                continue;
            ClassUnit *unit = nullptr;
            if (book->GetUnitByName(rest.left(rest.size() - 28), unit))
                unit->LoadUnitStatus(rest.right(27));
        }
    }
}

bool CWordBank::GetNewWordUnitbyID(int Index, ClassUnit *&outUnit) const
{
    ClassBook *book = nullptr;
    if (Index < 1 || Index > 5 || !Series(0)->GetBookByID(0, book))
        return false;
    return book->GetUnitbyID(Index, outUnit);
}
