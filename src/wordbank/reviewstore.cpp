// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reviewstore.h"
#include "helpers/userfiles.h"
#include "helpers/apppaths.h"
#include <QFileInfo>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace {
const QByteArrayView kHeader("TallivoReview");
const QByteArrayView kDayLine("day");

char TrackLetter(int t)
{
    return t == int(ReviewTrack::Spell) ? 's' : 'r';
}

bool ParseInt(QByteArrayView s, int &out)
{
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && p == s.data() + s.size() && !s.isEmpty();
}

bool ParseDouble(QByteArrayView s, double &out)
{
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && p == s.data() + s.size() && !s.isEmpty();
}

// yyyy-MM-dd -> Julian day; 0 when it is not a date.
int ParseDay(QByteArrayView s)
{
    int y = 0, m = 0, d = 0;
    if (s.size() != 10 || s[4] != '-' || s[7] != '-' || !ParseInt(s.first(4), y) || !ParseInt(s.sliced(5, 2), m)
        || !ParseInt(s.sliced(8, 2), d))
        return 0;
    const QDate date(y, m, d);
    return date.isValid() ? int(date.toJulianDay()) : 0;
}

// The numbers of one line, written into a small buffer and appended once.
class LineText {
public:
    void Char(char c) { *m_p++ = c; }
    void Int(int v) { m_p = std::to_chars(m_p, m_end, v).ptr; }
    // Six decimals, trailing zeros dropped: far finer than the model needs,
    // and written without the general float formatter, which was most of a
    // save's time.
    void Number(double v)
    {
        if (!std::isfinite(v) || std::fabs(v) >= 1e12) {
            m_p = std::to_chars(m_p, m_end, v).ptr;
            return;
        }
        long long n = std::llround(v * 1e6);
        if (n < 0) {
            Char('-');
            n = -n;
        }
        m_p = std::to_chars(m_p, m_end, n / 1000000).ptr;
        int frac = int(n % 1000000);
        if (!frac)
            return;
        char digits[6];
        for (int i = 5; i >= 0; --i, frac /= 10)
            digits[i] = char('0' + frac % 10);
        int len = 6;
        while (digits[len - 1] == '0')
            --len;
        Char('.');
        for (int i = 0; i < len; ++i)
            Char(digits[i]);
    }
    void Day(int day)
    {
        // many memories share a day: the calendar is asked once per run of them
        if (day != m_shownDay) {
            int y = 0, m = 0, d = 0;
            QDate::fromJulianDay(day).getDate(&y, &m, &d);
            y = std::clamp(y, 0, 9999);
            const int parts[] = {y / 1000, y / 100 % 10, y / 10 % 10, y % 10, -1, m / 10, m % 10, -1, d / 10, d % 10};
            for (int i = 0; i < 10; ++i)
                m_dayText[i] = parts[i] < 0 ? '-' : char('0' + parts[i]);
            m_shownDay = day;
        }
        for (char c : m_dayText)
            Char(c);
    }
    void EndLine(QByteArray &out)
    {
        Char('\r');
        Char('\n');
        out.append(m_buf, m_p - m_buf);
        m_p = m_buf;
    }

private:
    char m_buf[160];
    char *m_p = m_buf;
    char *const m_end = m_buf + sizeof m_buf;
    int m_shownDay = 0;
    char m_dayText[10] = {};
};

// The version a header line names; 0 when the line is no header.
int HeaderVersion(QByteArrayView line)
{
    int v = 0;
    if (!line.startsWith(kHeader) || line.size() < kHeader.size() + 2 || line[kHeader.size()] != '\t')
        return 0;
    return ParseInt(line.sliced(kHeader.size() + 1).trimmed(), v) ? v : 0;
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
    const UserFileState state = path.isEmpty() ? UserFileState::Missing : UserFileStateOf(path);
    if (state == UserFileState::Missing)
        return LoadResult::Missing;
    QByteArray bytes;
    if (state == UserFileState::NotRegular || !ReadUserFile(path, bytes)) {
        // a link is neither read nor written; an unreadable file is left for the run
        if (state == UserFileState::NotRegular)
            NoteRefusedUserFile(path);
        m_keepFile = true;
        return LoadResult::Unreadable;
    }
    // a later program's file: reading it would lose what it knows
    if (HeaderVersion(QByteArrayView(bytes).first(std::max<qsizetype>(0, bytes.indexOf('\n')))) > kVersion) {
        m_keepFile = true;
        return LoadResult::Newer;
    }
    ReadBytes(bytes);
    if (m_skipped) {
        qWarning("%s: %d line(s) could not be read and were skipped", qPrintable(path), m_skipped);
        // what could not be read stays in a copy; without one the file is never replaced
        if (!NoteDamagedUserFile(path))
            m_keepFile = true;
    }
    return LoadResult::Read;
}

bool ReviewFileIsWhole(const QByteArray &bytes)
{
    const qsizetype nl = bytes.indexOf('\n');
    QByteArrayView header = QByteArrayView(bytes).first(nl < 0 ? bytes.size() : nl);
    if (header.endsWith('\r'))
        header.chop(1);
    if (HeaderVersion(header) != ReviewStore::kVersion)
        return false;
    ReviewStore store;
    store.ReadBytes(bytes);
    return store.SkippedLines() == 0;
}

void ReviewStore::ReadBytes(const QByteArray &bytes)
{
    QByteArrayView rest(bytes);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    m_index.reserve(int(rest.size() / 80));
    bool first = true;
    while (!rest.isEmpty()) {
        const qsizetype nl = rest.indexOf('\n');
        QByteArrayView line = nl < 0 ? rest : rest.first(nl);
        rest = nl < 0 ? QByteArrayView() : rest.sliced(nl + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (first) {
            first = false;
            // a damaged header costs that line only
            if (HeaderVersion(line) == kVersion)
                continue;
        }
        if (line.trimmed().isEmpty())
            continue;
        if (!ReadLine(line))
            ++m_skipped;
    }
}

bool ReviewStore::ReadLine(QByteArrayView line)
{
    QByteArrayView f[8];
    int n = 0;
    while (n < 8) {
        const qsizetype tab = line.indexOf('\t');
        f[n++] = tab < 0 ? line : line.first(tab);
        if (tab < 0)
            break;
        line = line.sliced(tab + 1);
    }
    if (n == 4 && f[0] == kDayLine) {
        m_countDay = ParseDay(f[1]);
        if (m_countDay && ParseInt(f[2], m_reviewsDone) && ParseInt(f[3], m_newDone) && m_reviewsDone >= 0
            && m_newDone >= 0)
            return true;
        m_countDay = m_reviewsDone = m_newDone = 0;
        return false;
    }
    if (n != 7 || f[0].isEmpty() || f[1].size() != 1)
        return false;
    const int t = f[1][0] == 's' ? 1 : f[1][0] == 'r' ? 0
                                                      : -1;
    TrackMemory mem;
    if (t < 0 || !ParseDouble(f[2], mem.m.stability) || !ParseDouble(f[3], mem.m.difficulty)
        || !(mem.lastDay = ParseDay(f[4])) || !ParseInt(f[5], mem.reps) || !ParseInt(f[6], mem.lapses)
        || !std::isfinite(mem.m.stability) || mem.m.stability < fsrs::kMinStability
        || mem.m.stability > fsrs::kMaxStability || !(mem.m.difficulty >= 1 && mem.m.difficulty <= 10)
        || mem.reps < 1 || mem.lapses < 0 || mem.lapses > mem.reps)
        return false;
    const QString key = QString::fromUtf8(f[0]);
    if (key.contains(QChar::ReplacementCharacter))
        return false; // not UTF-8: the line is damaged
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

QByteArray ReviewStore::ToBytes() const
{
    QByteArray out;
    out.reserve(qsizetype(m_entries.size()) * 2 * 64 + 64);
    LineText line;
    out += kHeader;
    line.Char('\t');
    line.Int(kVersion);
    line.EndLine(out);
    if (m_countDay) {
        out += kDayLine;
        line.Char('\t');
        line.Day(m_countDay);
        line.Char('\t');
        line.Int(m_reviewsDone);
        line.Char('\t');
        line.Int(m_newDone);
        line.EndLine(out);
    }
    for (const Entry &e : m_entries) {
        const QByteArray key = e.key.toUtf8();
        for (int t = 0; t < kReviewTracks; ++t) {
            const TrackMemory &m = e.tracks[size_t(t)];
            if (m.IsNew())
                continue;
            out += key;
            line.Char('\t');
            line.Char(TrackLetter(t));
            line.Char('\t');
            line.Number(m.m.stability);
            line.Char('\t');
            line.Number(m.m.difficulty);
            line.Char('\t');
            line.Day(m.lastDay);
            line.Char('\t');
            line.Int(m.reps);
            line.Char('\t');
            line.Int(m.lapses);
            line.EndLine(out);
        }
    }
    return out;
}

bool ReviewStore::Save(const QString &path) const
{
    if (m_keepFile || path.isEmpty() || !gUserFilesWritable)
        return false;
    // a profile that never played has nothing to keep yet
    if (m_entries.empty() && !m_countDay && UserFileStateOf(path) == UserFileState::Missing)
        return true;
    // the same writer as the status file: never through a link, never half
    return WriteUserFile(path, ToBytes());
}

const ReviewStore::Entry *ReviewStore::FindEntry(const QString &key) const
{
    const auto it = m_index.constFind(key);
    return it == m_index.cend() ? nullptr : &m_entries[size_t(*it)];
}

const TrackMemory *ReviewStore::Find(const QString &key, ReviewTrack t) const
{
    const Entry *e = FindEntry(key);
    const TrackMemory *m = e ? &e->tracks[size_t(t)] : nullptr;
    return m && !m->IsNew() ? m : nullptr;
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
