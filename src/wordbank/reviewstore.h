// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "fsrsmodel.h"
#include <QByteArray>
#include <QHash>
#include <QString>
#include <array>
#include <vector>

// The two memories of a word: seeing it and knowing it (the four
// recognition games), and writing it (the three letter games). A child who
// recognises "rabbit" may still not spell it.
enum class ReviewTrack {
    Recognise = 0,
    Spell = 1
};
inline constexpr int kReviewTracks = 2;
ReviewTrack TrackOfGame(int testMode);

struct TrackMemory {
    fsrs::MemoryState m;
    int lastDay = 0; // review day of the last review
    int reps = 0;
    int lapses = 0;
    bool IsNew() const { return m.IsNew(); }
    // Whole days from today to the next review; 0 or less: due.
    int DaysUntilDue(int today) const;
    bool IsDue(int today) const { return !IsNew() && DaysUntilDue(today) <= 0; }
};

// Every word's memories of one profile, kept in usrdat/ureview-<n>.dat beside
// the status file.
class ReviewStore {
public:
    struct Entry {
        QString key;
        std::array<TrackMemory, kReviewTracks> tracks;
    };
    enum class LoadResult {
        Missing,
        Read,
        Unreadable,
        Newer
    };
    static constexpr int kVersion = 1;

    // A missing file is a profile with every word new. Lines that cannot be
    // read are skipped and counted; the rest is kept. A file that cannot be
    // opened, or one written by a newer program, is left alone for the run.
    LoadResult Load(const QString &path);
    // Atomic: a crash never leaves half a file. False when nothing was written.
    bool Save(const QString &path) const;
    // The file's bytes: UTF-8, CR LF, the version line first.
    void ReadBytes(const QByteArray &bytes);
    QByteArray ToBytes() const;
    void Clear();

    int SkippedLines() const { return m_skipped; }
    // The file on disk must not be replaced this run.
    bool KeepsFile() const { return m_keepFile; }

    const TrackMemory *Find(const QString &key, ReviewTrack t) const;
    const Entry *FindEntry(const QString &key) const;
    // Any memory on either track.
    bool Knows(const QString &key) const { return m_index.contains(key); }
    const std::vector<Entry> &Entries() const { return m_entries; }

    // One review of key on track, today; returns the memory after it.
    const TrackMemory &Record(const QString &key, ReviewTrack t, fsrs::Grade g, int today);
    // Reviews of due memories and first reviews made on day.
    int ReviewsDoneOn(int day) const { return day == m_countDay ? m_reviewsDone : 0; }
    int NewDoneOn(int day) const { return day == m_countDay ? m_newDone : 0; }

private:
    bool ReadLine(QByteArrayView line);
    void Recount(int today);

    std::vector<Entry> m_entries;
    QHash<QString, int> m_index;
    int m_skipped = 0;
    bool m_keepFile = false;
    int m_countDay = 0;
    int m_reviewsDone = 0;
    int m_newDone = 0;
};

// A stray save of a review file that a start may put in place of the file.
bool ReviewFileIsWhole(const QByteArray &bytes);

// usrdat/ureview-<n>.dat beside the profile's status file; "" for a bad slot.
QString ReviewFilePath(int userID);
