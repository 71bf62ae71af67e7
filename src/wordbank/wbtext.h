#pragma once
#include <QString>
#include <QStringView>

// The data files trim spaces only: tabs, CR, LF and full-width spaces stay.
QString TrimSpaces(const QString &s);
QStringView TrimSpaces(QStringView s);
// Integer part of the number a text starts with (leading spaces skipped,
// optional sign, digits, optional fraction); 0 when it starts with no number.
// Out-of-range values are clamped to the int range.
int ValInt(QStringView s);
