#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// Bytes from disk or an envelope -> text: BOM, else valid UTF-8, else GB18030.
QString DecodeText(const QByteArray &bytes);
// Splits at CR LF or a lone LF. A text ending in a line break yields a last empty element.
QStringList SplitLines(const QString &text);
// Writes text as UTF-8 (no BOM) through QSaveFile; LF-only line ends become CR LF.
bool WriteTextFileAtomic(const QString &path, const QString &text);
// Multi-line text boxes use LF; files and the data model use CR LF.
QString ToCrLf(const QString &text);
QString ToLf(const QString &text);
// Replaces characters that cannot stand in a file name with "_".
QString SafeFileName(const QString &name);
