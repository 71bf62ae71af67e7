#include "reviewstore.h"
#include "helpers/apppaths.h"
#include "helpers/textfile.h"
#include <QFile>
#include <QFileInfo>
#include <QStringTokenizer>
#include <cmath>

namespace {
const QLatin1String kHeader("TallivoReview");
const QLatin1String kDayLine("day");
const QChar kTab = QLatin1Char('\t');

QChar TrackLetter(int t)
{
    return t == int(ReviewTrack::Spell) ? QLatin1Char('s') : QLatin1Char('r');
}

// yyyy-MM-dd -> Julian day; 0 when it is not a date.
int ParseDay(QStringView s)
{
    if (s.size() != 10 || s[4] != QLatin1Char('-') || s[7] != QLatin1Char('-'))
        return 0;
    bool y = false, m = false, d = false;
    const QDate date(s.left(4).toInt(&y), s.mid(5, 2).toInt(&m), s.mid(8, 2).toInt(&d));
    return y && m && d && date.isValid() ? int(date.toJulianDay()) : 0;
}

QString DayText(int day)
{
    return QDate::fromJulianDay(day).toString(Qt::ISODate);
}
} // namespace

ReviewTrack TrackOfGame(int testMode)
{
    return testMode >= 4 ? ReviewTrack::Spell : ReviewTrack::Recognise;
}

int TrackMemory::DaysUntilDue(int today) const
{
    return lastDay + fsrs::NextInterval(m.stability) - today;
}

void ReviewStore::Clear()
{
    m_entries.clear();
    m_index.clear();
    m_skipped = 0;
    m_keepFile = false;
    m_countDay = m_reviewsDone = m_newDone = 0;
}

ReviewStore::LoadResult ReviewStore::Load(const QString &path)
{
    Clear();
    if (path.isEmpty() || !QFileInfo::exists(path))
        return LoadResult::Missing;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        m_keepFile = true;
        return LoadResult::Unreadable;
    }
    const QString text = DecodeText(f.readAll());
    // a later program's file: reading it would lose what it knows
    const QStringView first = QStringView(text).left(text.indexOf(QLatin1Char('\n')));
    if (first.startsWith(kHeader) && first.mid(kHeader.size()).trimmed().toInt() > kVersion) {
        m_keepFile = true;
        return LoadResult::Newer;
    }
    ReadText(text);
    if (m_skipped)
        qWarning("%s: %d line(s) could not be read and were skipped", qPrintable(path), m_skipped);
    return LoadResult::Read;
}

void ReviewStore::ReadText(const QString &text)
{
    bool first = true;
    for (QStringView line : QStringTokenizer(text, QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (first) {
            first = false;
            // a damaged header costs that line only
            if (line.startsWith(kHeader) && line.mid(kHeader.size()).trimmed().toInt() == kVersion)
                continue;
        }
        if (line.trimmed().isEmpty())
            continue;
        if (!ReadLine(line))
            ++m_skipped;
    }
}

bool ReviewStore::ReadLine(QStringView line)
{
    QStringView f[7];
    int n = 0;
    for (QStringView field : QStringTokenizer(line, kTab)) {
        if (n == 7)
            return false;
        f[n++] = field;
    }
    if (n == 4 && f[0] == kDayLine) {
        bool r = false, nw = false;
        m_countDay = ParseDay(f[1]);
        m_reviewsDone = f[2].toInt(&r);
        m_newDone = f[3].toInt(&nw);
        if (m_countDay && r && nw && m_reviewsDone >= 0 && m_newDone >= 0)
            return true;
        m_countDay = m_reviewsDone = m_newDone = 0;
        return false;
    }
    if (n != 7 || f[0].isEmpty() || f[1].size() != 1)
        return false;
    const int t = f[1] == QLatin1Char('s') ? 1 : f[1] == QLatin1Char('r') ? 0 : -1;
    bool okS = false, okD = false, okR = false, okL = false;
    TrackMemory mem;
    mem.m.stability = f[2].toDouble(&okS);
    mem.m.difficulty = f[3].toDouble(&okD);
    mem.lastDay = ParseDay(f[4]);
    mem.reps = f[5].toInt(&okR);
    mem.lapses = f[6].toInt(&okL);
    if (t < 0 || !okS || !okD || !okR || !okL || !mem.lastDay || !std::isfinite(mem.m.stability)
        || mem.m.stability < fsrs::kMinStability || mem.m.stability > fsrs::kMaxStability
        || !(mem.m.difficulty >= 1 && mem.m.difficulty <= 10) || mem.reps < 1 || mem.lapses < 0
        || mem.lapses > mem.reps)
        return false;
    const QString key = f[0].toString();
    int at = m_index.value(key, -1);
    if (at < 0) {
        at = int(m_entries.size());
        m_entries.push_back({key, {}});
        m_index.insert(key, at);
    } else if (!m_entries[size_t(at)].tracks[size_t(t)].IsNew()) {
        return false; // a second line for the same memory
    }
    m_entries[size_t(at)].tracks[size_t(t)] = mem;
    return true;
}

QString ReviewStore::ToText() const
{
    QString out;
    out.reserve(int(m_entries.size()) * 2 * 56 + 64);
    out += kHeader + kTab + QString::number(kVersion) + QLatin1String("\r\n");
    if (m_countDay)
        out += kDayLine + kTab + DayText(m_countDay) + kTab + QString::number(m_reviewsDone) + kTab
               + QString::number(m_newDone) + QLatin1String("\r\n");
    for (const Entry &e : m_entries) {
        for (int t = 0; t < kReviewTracks; ++t) {
            const TrackMemory &m = e.tracks[size_t(t)];
            if (m.IsNew())
                continue;
            out += e.key + kTab + TrackLetter(t) + kTab + QString::number(m.m.stability, 'g', 10) + kTab
                   + QString::number(m.m.difficulty, 'g', 10) + kTab + DayText(m.lastDay) + kTab
                   + QString::number(m.reps) + kTab + QString::number(m.lapses) + QLatin1String("\r\n");
        }
    }
    return out;
}

bool ReviewStore::Save(const QString &path) const
{
    if (m_keepFile || path.isEmpty() || !gUserFilesWritable)
        return false;
    // a profile that never played has nothing to keep yet
    if (m_entries.empty() && !m_countDay && !QFileInfo::exists(path))
        return true;
    return WriteTextFileAtomic(path, ToText());
}

const TrackMemory *ReviewStore::Find(const QString &key, ReviewTrack t) const
{
    const int at = m_index.value(key, -1);
    if (at < 0)
        return nullptr;
    const TrackMemory &m = m_entries[size_t(at)].tracks[size_t(t)];
    return m.IsNew() ? nullptr : &m;
}

void ReviewStore::Recount(int today)
{
    if (m_countDay == today)
        return;
    m_countDay = today;
    m_reviewsDone = m_newDone = 0;
}

const TrackMemory &ReviewStore::Record(const QString &key, ReviewTrack t, fsrs::Grade g, int today)
{
    int at = m_index.value(key, -1);
    if (at < 0) {
        at = int(m_entries.size());
        m_entries.push_back({key, {}});
        m_index.insert(key, at);
    }
    TrackMemory &m = m_entries[size_t(at)].tracks[size_t(t)];
    Recount(today);
    if (m.IsNew())
        ++m_newDone;
    else if (m.IsDue(today))
        ++m_reviewsDone;
    // a clock set back counts as the same day, never as negative time
    const int elapsed = m.IsNew() ? 0 : std::max(0, today - m.lastDay);
    if (!m.IsNew() && g == fsrs::Grade::Again)
        ++m.lapses;
    m.m = fsrs::NextState(m.m, elapsed, g);
    m.lastDay = today;
    ++m.reps;
    return m;
}

QString ReviewFilePath(int userID)
{
    if (userID < 0 || userID > 2 || gUserStatusFile[userID].isEmpty())
        return QString();
    return QFileInfo(gUserStatusFile[userID]).absolutePath() + QStringLiteral("/ureview-") + QString::number(userID)
           + QStringLiteral(".dat");
}
