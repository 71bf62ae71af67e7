// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classuser.h"
#include "classdbdictionary.h"
#include "cwordbank.h"
#include "globals.h"
#include "profilefiles.h"
#include "reviewstore.h"
#include "savenotice.h"
#include "wbtext.h"
#include "helpers/apppaths.h"
#include "helpers/envelope.h"
#include "helpers/textfile.h"
#include "helpers/userfiles.h"
#include <QRegularExpression>

namespace {
const QString kCrLf = QStringLiteral("\r\n");

bool ValidSlot(int id)
{
    return id >= 0 && id <= 2;
}
} // namespace

ReviewStoreBox::ReviewStoreBox() : m_store(std::make_unique<ReviewStore>()) {}
ReviewStoreBox::~ReviewStoreBox() = default;
ReviewStoreBox::ReviewStoreBox(const ReviewStoreBox &other) : m_store(std::make_unique<ReviewStore>(*other.m_store)) {}

ReviewStoreBox &ReviewStoreBox::operator=(const ReviewStoreBox &other)
{
    *m_store = *other.m_store;
    return *this;
}

bool ClassUser::LoadUserFeature()
{
    m_statusUnreadable = false;
    m_statusDamaged = false;
    m_loadedUnitStatus.clear();
    if (!ValidSlot(userID))
        return true;
    Reviews().Load(ReviewFilePath(userID));
    const QString path = gUserStatusFile[userID];
    const UserFileState state = UserFileStateOf(path);
    if (state == UserFileState::Missing)
        return true; // a new profile
    QByteArray stored;
    if (state == UserFileState::NotRegular || !ReadUserFile(path, stored)) {
        // keep the defaults for this run and leave the file alone
        if (state == UserFileState::NotRegular)
            NoteRefusedUserFile(path);
        m_statusUnreadable = true;
        return false;
    }
    const StatusFileText text = ReadStatusFileText(stored);
    m_statusDamaged = text.damaged;
    // what could not be read stays in a copy; without one the file is never replaced
    if (text.damaged && !NoteDamagedUserFile(path))
        m_statusUnreadable = true;
    const QStringList &lines = text.lines;
    auto line = [&](int n, int fallback) {
        if (n > lines.size())
            return fallback;
        // a number too long for the field is damage, not a value
        static const QRegularExpression tooLong(QStringLiteral("[0-9]{10}"));
        return tooLong.match(lines.at(n - 1)).hasMatch() ? fallback : ValInt(lines.at(n - 1));
    };
    nLastSeries = line(1, -1);
    nLastBook = line(2, -1);
    nLastStartUnit = line(3, -1);
    nLastEndUnit = line(4, -1);
    myScore = line(5, 0);
    myLevel = line(6, 0);
    myCoin = line(7, 0);
    nNewWordBookID = line(8, 1);
    if (nNewWordBookID < 1 || nNewWordBookID > 5)
        nNewWordBookID = 1;
    if (lines.size() >= 9 && gDictionary)
        gDictionary->LoadWordStatus(TrimSpaces(lines.at(8)));
    if (lines.size() >= 10)
        m_loadedUnitStatus = TrimSpaces(lines.at(9));
    if (lines.size() >= 10 && gWordBank)
        gWordBank->LoadUnitStatus(m_loadedUnitStatus);
    m_lostBook.clear();
    if (lines.size() >= 11)
        FindUserBook(lines.at(10));
    return true;
}

void ClassUser::FindUserBook(const QString &name)
{
    // Books are kept by position; another profile may have deleted or moved
    // them since, so the name says which one this profile was on.
    if (name.isEmpty() || nLastSeries != 0 || nLastBook < 1 || !gWordBank)
        return;
    const int book = gWordBank->UserBookPosition(name);
    if (book >= 1) {
        nLastBook = book;
        return;
    }
    m_lostBook = name;
    nLastBook = -1;
    nLastStartUnit = -1;
    nLastEndUnit = -1;
}

bool ClassUser::SaveUserFeature()
{
    // before the data is loaded there is nothing to save, and a file that
    // could not be read must not be replaced by defaults
    if (!gWordBank || !gDictionary || !ValidSlot(userID) || m_statusUnreadable || !gUserFilesWritable)
        return false;
    // The next start reopens the course, never a new-word book. Saves come
    // during the run too, so the selection in use stays as it is.
    int series = nLastSeries, book = nLastBook, startUnit = nLastStartUnit, endUnit = nLastEndUnit;
    if (series == 0 && book == 0) {
        series = nOldSeries;
        book = nOldBook;
        startUnit = nOldStartUnit;
        endUnit = nOldEndUnit;
    } else if (startUnit == 0) {
        startUnit = nOldStartUnit;
        endUnit = nOldEndUnit;
    }
    const QString words = gDictionary->SaveWordStatus();
    const QString units = gWordBank->SeriesListLoaded() ? gWordBank->SaveUnitStatus() : m_loadedUnitStatus;
    QString text;
    // a line more only for a user book: other profiles' files stay as they were
    const QString bookName = series == 0 && book >= 1 ? gWordBank->UserBookName(book) : QString();
    text.reserve(words.size() + units.size() + bookName.size() + 128);
    for (int v : {series, book, startUnit, endUnit, myScore, myLevel, myCoin, nNewWordBookID}) {
        text += QString::number(v);
        text += kCrLf;
    }
    text += words;
    text += kCrLf;
    text += units;
    text += kCrLf;
    if (!bookName.isEmpty()) {
        text += bookName;
        text += kCrLf;
    }
    const QString reviewPath = ReviewFilePath(userID);
    const bool reviewsSaved = Reviews().Save(reviewPath);
    // an unwritable folder was told once at start; a newer version's file is kept on purpose
    if (gUserFilesWritable && !Reviews().KeepsFile())
        NoteUserFileSave(reviewPath, reviewsSaved);
    const bool saved = WriteUserFile(gUserStatusFile[userID], EnvelopeBytes(ToCrLf(text).toUtf8()));
    NoteUserFileSave(gUserStatusFile[userID], saved);
    return saved;
}

QStringList DefaultUserNames()
{
    return {QStringLiteral("Direvi"), QStringLiteral("Riduvaz"), QStringLiteral("Voro")};
}

QStringList LoadUserNames()
{
    const QStringList defaults = DefaultUserNames();
    const UserFileState state = UserFileStateOf(gUserNameFile);
    if (state == UserFileState::NotRegular) {
        NoteRefusedUserFile(gUserNameFile);
        return defaults;
    }
    QByteArray bytes;
    if (state == UserFileState::Regular && !ReadUserFile(gUserNameFile, bytes))
        return defaults; // there, but not ours to replace
    const bool read = !bytes.isEmpty();
    const NameFileText file = ReadNameFileText(bytes);
    // a damaged file is rewritten only once its original is kept
    const bool mayRewrite = !file.damaged || NoteDamagedUserFile(gUserNameFile);
    const QStringList &lines = file.names;
    QStringList names;
    bool completed = !read || file.damaged;
    for (int i = 0; i < 3; ++i) {
        const QString name = i < lines.size() ? TrimSpaces(lines.at(i)) : QString();
        // an empty nickname would leave its slot with nothing to click
        if (name.isEmpty())
            completed = true;
        names << (name.isEmpty() ? defaults.at(i) : name);
    }
    if (completed && mayRewrite)
        SaveUserNames(names);
    return names;
}

bool SaveUserNames(const QStringList &names)
{
    if (!gUserFilesWritable)
        return false;
    const QStringList defaults = DefaultUserNames();
    QString text;
    for (int i = 0; i < 3; ++i) {
        QString name = i < names.size() ? names.at(i) : defaults.at(i);
        // one name per line
        name.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        text += name + kCrLf;
    }
    return WriteUserTextFile(gUserNameFile, text);
}
