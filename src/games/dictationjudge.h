// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The rules of the dictation game apart from pixels: what counts as the text
// typed, whether it is the word, and what the card may show of the meaning.
#include <QString>

namespace DictationJudge {

enum class Verdict {
    Empty,
    Right,
    Wrong
};

// The text box holds no more than this.
constexpr int kMaxLength = 40;
// What stands in the meaning where the word itself would be.
inline const QString kHidden = QStringLiteral("___");

// Full-width letters, digits and signs and curly apostrophes become plain
// ASCII; outer blanks go. Nothing else changes, case included.
QString Plain(const QString &typed);
Verdict Judge(const QString &typed, const QString &answer);
// The meaning with every appearance of the word replaced by kHidden (any
// case; a word under three letters only where it stands alone).
QString HideWord(const QString &meaning, const QString &word);

} // namespace DictationJudge
