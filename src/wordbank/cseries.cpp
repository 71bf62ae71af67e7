// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cseries.h"
#include "classdbdictionary.h"
#include "classuser.h"
#include "globals.h"
#include "profilefiles.h"
#include "wbtext.h"
#include "helpers/apppaths.h"
#include "helpers/envelope.h"
#include "helpers/textfile.h"
#include "helpers/texthelpers.h"
#include "helpers/userfiles.h"
#include "platform/platform.h"
#include <QDate>
#include <QFile>
#include <QFileInfo>

namespace {
const QString kCrLf = QStringLiteral("\r\n");
const QString kNewWordBookName = QStringLiteral("自定义生词本");
}

CSeries::CSeries()
{
    m_books.push_back(nullptr);
}

bool CSeries::LoadStandardSeries()
{
    QStringList lines;
    if (!ReadEncodedFileLines(gWordBankFile, lines) || lines.size() < 6
        || StripTabsTrim(lines.at(0)) != QLatin1String(kWordBankHeader))
        return false;

    // a second load adds nothing and must not rewrite the first load's report
    const bool firstLoad = BookNum() == 0;
    if (firstLoad)
        m_droppedWords.clear();
    ClassBook *book = nullptr;
    ClassUnit *unit = nullptr;
    const ClassUnit *sidUnit = nullptr; // what sID was made for
    const ClassBook *sidBook = nullptr;
    QString sID;
    bool inside = false;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        QString line = TrimSpaces(lines.at(i));
        if (line.isEmpty())
            continue;
        const QChar first = line.at(0); // at(), not front(): no copy of a shared line
        // only the header lines need their text without the mark (not every word)
        const bool header = first == QLatin1Char('@') || first == QLatin1Char('%') || first == QLatin1Char('#');
        const QString rest = header ? line.mid(1) : QString();
        if (first == QLatin1Char('@')) {
            if (inside)
                break; // this series' section is over
            // the series list knows the name without tabs and spaces
            inside = StripTabsTrim(rest) == SeriesName;
            ++i; // the description line
        } else if (first == QLatin1Char('%')) {
            if (!inside) {
                book = nullptr;
                continue;
            }
            ClassBook *added = nullptr;
            if (AddNewBook(rest, added) > 0)
                book = added;
        } else if (first == QLatin1Char('#')) {
            if (!book)
                continue;
            ClassUnit *added = nullptr;
            book->AddNewUnit(rest, added);
            if (added)
                unit = added;
        } else if (first == QLatin1Char('*')) {
            if (!unit)
                continue;
            // the same for every sentence of a unit: made once per unit
            if (sidUnit != unit || sidBook != book) {
                sidUnit = unit;
                sidBook = book;
                sID = QStringLiteral("SID-%1-%2-%3").arg(SeriesID).arg(book ? book->BookID : 0).arg(unit->UnitID);
            }
            unit->AddSentence(line, sID);
        } else if (inside) {
            const QString original = line;
            if ((!unit || !IsValidEnglishWord(line) || unit->AddWord(line) == 0) && firstLoad)
                m_droppedWords << original;
        }
    }
    return true;
}

bool CSeries::SetCurrBook(int Index)
{
    if (Index < 0 || Index > BookNum() || !Book(Index))
        return false;
    gCurrBook = Book(Index);
    if (gUser)
        gUser->nLastBook = Index;
    return true;
}

QString CSeries::ListAllUnitStatus() const
{
    QString books;
    for (int i = 1; i <= BookNum(); ++i) {
        const QString share = Book(i)->ListAllUnitStatus();
        if (!share.isEmpty())
            books += QLatin1Char('\t') + share;
    }
    if (books.isEmpty())
        return QString();
    return QLatin1Char('@') + SeriesName + QLatin1Char('\t') + books;
}

QString CSeries::BookName(int Index) const
{
    return (Index >= 1 && Index <= BookNum()) ? Book(Index)->BookName : QString();
}

void CSeries::LoadUserWordBook()
{
    const UserFileState state = UserFileStateOf(gUserBookFile);
    if (state == UserFileState::Missing)
        return;
    QByteArray bytes;
    if (state == UserFileState::NotRegular || !ReadUserFile(gUserBookFile, bytes)) {
        if (state == UserFileState::NotRegular)
            NoteRefusedUserFile(gUserBookFile);
        m_userFileKept = true;
        return;
    }
    const UserBookFileText file = ReadUserBookFileText(bytes);
    // what could not be read stays in a copy; without one the file is never replaced
    if (file.damaged && !NoteDamagedUserFile(gUserBookFile))
        m_userFileKept = true;
    ClassBook *book = nullptr;
    ClassUnit *unit = nullptr;
    for (QString line : file.lines) {
        const QChar first = line.front();
        if (first == QLatin1Char('%')) {
            ClassBook *added = nullptr;
            if (AddNewBook(line.mid(1), added) > 0)
                book = added;
        } else if (first == QLatin1Char('#')) {
            if (!book)
                continue;
            ClassUnit *added = nullptr;
            book->AddNewUnit(line.mid(1), added);
            if (added)
                unit = added;
        } else if (unit && IsValidEnglishWord(line)) {
            // The file keeps keys ("icecream"); a key must not replace the
            // display spelling ("ice-cream") of the shared word.
            CWord *word = nullptr;
            const bool known = gDictionary && gDictionary->SetWord(word, line);
            const QString shown = known ? word->UserEN : QString();
            if (unit->AddWord(line) > 0 && known && line == word->English && !shown.isEmpty())
                word->UserEN = shown;
        }
    }
}

bool CSeries::AddUserWordBook(const QString &vBookName, const QString &vWordStr)
{
    const QString name = StripTabsTrim(vBookName);
    if (name == kReservedBookName || name == kUserSeriesName) {
        plat().MsgBox(QStringLiteral("非法的课本名称!请更改课本名称"), MsgButtons::OK, MsgIcon::Critical,
                      QStringLiteral("添加自定义课本"));
        return false;
    }
    ClassBook *book = nullptr;
    if (AddNewBook(name, book) < 0 && !GetBookByName(name, book))
        return false; // an empty name
    const QStringList lines = SplitLines(vWordStr);
    if (lines.size() < 3)
        return false;
    ClassUnit *unit = nullptr;
    for (const QString &raw : lines) {
        const QString line = StripTabsTrim(raw);
        if (line.isEmpty())
            continue;
        if (line.front() == QLatin1Char('#')) {
            ClassUnit *added = nullptr;
            book->AddNewUnit(line.mid(1), added);
            if (added)
                unit = added;
            continue;
        }
        if (!unit || unit->AddWord(line) == 0)
            return false;
    }
    return true;
}

bool CSeries::DelUserWordBook(int Index)
{
    if (Index < 1 || Index > BookNum())
        return false;
    ClassBook *gone = Book(Index);
    // the selection must not keep pointing into the removed book
    if (gCurrBook == gone)
        gCurrBook = nullptr;
    if (gone->OwnsUnit(gCurrUnit))
        gCurrUnit = nullptr;
    m_books.erase(m_books.begin() + Index);
    for (int i = Index; i <= BookNum(); ++i) {
        Book(i)->BookID = i;
        Book(i)->ChangeBookID(i);
    }
    return true;
}

bool CSeries::SaveUserWordBook()
{
    // only the user series has a file of its own
    if (SeriesID != 0 || !gUserFilesWritable || m_userFileKept)
        return false;
    QString text = QLatin1Char('@') + SeriesName + kCrLf + QLatin1Char('@')
                   + QDate::currentDate().toString(QStringLiteral("yyyy/M/d")) + kCrLf;
    for (int i = 1; i <= BookNum(); ++i)
        text += kCrLf + Book(i)->BookString();
    text += kCrLf;
    return WriteUserTextFile(gUserBookFile, text);
}

QString CSeries::GetUsrChinese(const QString &theWord) const
{
    return plat().InputBox(QStringLiteral("请输入下面单词的中文解释\n") + theWord,
                           QStringLiteral("您输入的单词在词典中不存在"));
}

int CSeries::AddNewBook(const QString &BookName, ClassBook *&outBook)
{
    const QString name = StripTabsTrim(BookName);
    if (name.isEmpty())
        return -1;
    for (int i = 1; i <= BookNum(); ++i) {
        if (Book(i)->BookName == name)
            return -1;
    }
    auto book = std::make_unique<ClassBook>();
    book->BookName = name;
    book->BookID = int(m_books.size());
    book->SeriesID = SeriesID;
    outBook = book.get();
    m_books.push_back(std::move(book));
    return BookNum();
}

bool CSeries::GetBookByID(int BookID, ClassBook *&outBook) const
{
    if (BookID < 0 || BookID > BookNum() || (BookID == 0 && SeriesID != 0) || !Book(BookID))
        return false;
    outBook = Book(BookID);
    return true;
}

bool CSeries::GetBookByName(const QString &BookName, ClassBook *&outBook) const
{
    for (int i = 1; i <= BookNum(); ++i) {
        if (Book(i)->BookName == BookName) {
            outBook = Book(i);
            return true;
        }
    }
    return false;
}

void CSeries::SetNewBook()
{
    if (SeriesID != 0)
        return;
    if (gCurrBook == Book(0))
        gCurrBook = nullptr;
    if (Book(0) && Book(0)->OwnsUnit(gCurrUnit))
        gCurrUnit = nullptr;
    auto book = std::make_unique<ClassBook>();
    book->BookName = kNewWordBookName;
    book->SeriesID = 0;
    book->BookID = 0;
    book->SetNewBook();
    m_books[0] = std::move(book);
}
