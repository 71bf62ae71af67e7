#include "classuser.h"
#include "classdbdictionary.h"
#include "cwordbank.h"
#include "globals.h"
#include "reviewstore.h"
#include "savenotice.h"
#include "wbtext.h"
#include "helpers/apppaths.h"
#include "helpers/envelope.h"
#include "helpers/textfile.h"
#include <QFileInfo>

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
    m_loadedUnitStatus.clear();
    if (!ValidSlot(userID))
        return true;
    Reviews().Load(ReviewFilePath(userID));
    const QString path = gUserStatusFile[userID];
    if (!QFileInfo::exists(path))
        return true; // a new profile
    QStringList lines;
    if (!ReadEncodedFileLines(path, lines)) {
        // keep the defaults for this run and leave the file alone
        m_statusUnreadable = true;
        return false;
    }
    auto line = [&](int n, int fallback) { return n <= lines.size() ? ValInt(lines.at(n - 1)) : fallback; };
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
    return true;
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
    QString text;
    for (int v : {series, book, startUnit, endUnit, myScore, myLevel, myCoin, nNewWordBookID})
        text += QString::number(v) + kCrLf;
    text += gDictionary->SaveWordStatus() + kCrLf;
    text += (gWordBank->SeriesListLoaded() ? gWordBank->SaveUnitStatus() : m_loadedUnitStatus) + kCrLf;
    const QString reviewPath = ReviewFilePath(userID);
    NoteUserFileSave(reviewPath, Reviews().Save(reviewPath));
    const bool saved = WriteEncodedTextFile(gUserStatusFile[userID], text);
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
    QStringList lines;
    const bool read = ReadTextFileLines(gUserNameFile, lines);
    QStringList names;
    bool completed = !read;
    for (int i = 0; i < 3; ++i) {
        const QString name = i < lines.size() ? TrimSpaces(lines.at(i)) : QString();
        // an empty nickname would leave its slot with nothing to click
        if (name.isEmpty())
            completed = true;
        names << (name.isEmpty() ? defaults.at(i) : name);
    }
    if (completed)
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
    return WriteTextFileAtomic(gUserNameFile, text);
}
