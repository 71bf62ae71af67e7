// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QStringList>

class QTextStream;

// tallivo --say-check FILE.wav WORD [OTHER_WORD...]: checks a recording
// against the word and the others as the learning window does, and prints
// "heard: <word or none>", "stars: <0-3>" and "score: <number>". The
// installation's dictionary (when one is found) gives the pronunciation of
// words the speech model lacks. Exit code 0 once the check ran; 2 for bad
// arguments or an unreadable file; 3 when the speech model is missing.
int RunSayCheck(const QStringList &args, QTextStream &out, QTextStream &err);
