// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

// The one place the program makes a sound. Voices are scrambled Ogg Opus (or WAV) files;
// feedback sounds are plain WAV files.
class ClassPlaySound {
public:
    bool bReading = false;
    double ReadSpeed = 1.0;

    void ChangePlaySpeed(const QString &filename, double speed);
    void EZPlayWordSound(const QString &wavFile, bool bAsync);
    void PlayMyRecord(const QString &wordstr);
    void ReadEnglishWord(const QString &English, int nReadtime, bool bAsync);
    void ReadSentence(const QString &English, bool bAsync);
    void ReadSentenceByID(const QString &sID, bool bAsync);
    void FailedSound();
    void SuceessSound();
    void PlaySelectionSound(int iType);

    // Cuts the reading under way short: its sound stops and the repetitions
    // and pauses still to come are skipped. bReading falls as it unwinds.
    void StopReading();

private:
    quint64 m_cuts = 0;
};

// Created on first use by GetPlaySound(); released by ReleasePlaySound() at shutdown.
extern ClassPlaySound *gPlaySound;
ClassPlaySound *GetPlaySound();
void ReleasePlaySound();
// The maker's resource-download page, opened from the missing-voice message.
extern const char *const kResourceDownloadUrl;
