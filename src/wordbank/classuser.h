// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <QStringList>
#include <memory>

class ReviewStore;

// Owns a review store and copies it with the profile, so the header need
// not know the store.
class ReviewStoreBox {
public:
    ReviewStoreBox();
    ~ReviewStoreBox();
    ReviewStoreBox(const ReviewStoreBox &other);
    ReviewStoreBox &operator=(const ReviewStoreBox &other);
    ReviewStore &get() const { return *m_store; }

private:
    std::unique_ptr<ReviewStore> m_store;
};

// The signed-in profile: display settings of the run, the current course
// selection, the position in the current unit, score and coins.
// Destroying it saves nothing: ShutdownData saves explicitly while the
// dictionary and the word bank still exist.
class ClassUser {
public:
    int userID = 0;
    QString userName;
    bool bEnglish = true;
    bool bSound = true;
    bool bPicture = true;
    bool bChinese = true;
    int iCHType = 0;
    bool bSentenceEN = true;
    bool bAutoSpeakWord = true;
    bool bAutoReadSentence = true;
    int nReadTimes = 2;
    bool bRand = false;
    int nLastSeries = -1;
    int nLastBook = -1;
    int nLastStartUnit = -1;
    int nLastEndUnit = -1;
    int nLastWord = 0;
    int nNewWordBookID = 1;
    int nOldSeries = 0;
    int nOldBook = 0;
    int nOldStartUnit = 0;
    int nOldEndUnit = 0;
    int myScore = 0;
    int myLevel = 0;
    int myCoin = 0;

    // Reads the profile's status file and restores the word and unit progress.
    // A missing file is a new profile; an unreadable one keeps the defaults
    // and is never overwritten during this run. False only for that case.
    bool LoadUserFeature();
    // Writes the profile's status file; false when nothing was written.
    bool SaveUserFeature();

    // The status file of this run could not be read.
    bool StatusFileUnreadable() const { return m_statusUnreadable; }
    // Part of the status file could not be read (what could was taken).
    bool StatusFileDamaged() const { return m_statusDamaged; }

    // The user's book the status file named, when it is no longer there (the
    // last course was then cleared); empty otherwise.
    QString LostUserBook() const { return m_lostBook; }

    // Each word's memory, read and written with the status file.
    ReviewStore &Reviews() const { return m_reviews.get(); }

private:
    bool m_statusUnreadable = false;
    bool m_statusDamaged = false;
    // The unit results as read: written back unchanged when the word bank
    // could not be read this run, so one broken start loses no results.
    QString m_loadedUnitStatus;
    ReviewStoreBox m_reviews;
    QString m_lostBook;

    void FindUserBook(const QString &name);
};

// The nickname file: three names, slots 0..2.
QStringList DefaultUserNames();
// Reads the nicknames; a missing or short file is completed with the default
// names and written back. Always returns three names.
QStringList LoadUserNames();
bool SaveUserNames(const QStringList &names);
