// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "filedialogs.h"
#include "helpers/textfile.h"
#include "platform/platform.h"
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString kTextFilter = QStringLiteral("文本文件 (*.txt)|*.txt|所有文件 (*.*)|*.*");
QString gDocumentsOverride;
}

void ShowUnknownFailure()
{
    plat().MsgBox(QString::fromUtf8(kUnknownFailureText), MsgButtons::OK, MsgIcon::None, QStringLiteral("Tallivo"));
}

QString ShowOpenDialog(QString &title, const QString &initFolder)
{
    // folders may come written the Windows way
    const QString folder = initFolder.trimmed().isEmpty() ? QString() : QString(initFolder).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString path = plat().OpenFileDialog(title, kTextFilter, folder);
    if (path.isEmpty())
        return QString();
    // the dialog promises an existing file
    const QFileInfo fi(path);
    if (!fi.isFile()) {
        ShowUnknownFailure();
        return QString();
    }
    title = fi.fileName();
    return path;
}

QString ShowSaveDialog(const QString &title)
{
    QString path = plat().SaveFileDialog(title, kTextFilter, ExportStartFolder());
    if (path.isEmpty())
        return QString();
    const QFileInfo fi(path);
    if (fi.fileName().isEmpty() || fi.isDir() || !fi.absoluteDir().exists()) {
        ShowUnknownFailure();
        return QString();
    }
    if (path.right(4).toLower() != QLatin1String(".txt"))
        path += QStringLiteral(".txt");
    return path;
}

QString DocumentsFolder()
{
    if (!gDocumentsOverride.isEmpty())
        return gDocumentsOverride;
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty())
        dir = QDir::homePath();
    return dir;
}

QString ExportStartFolder()
{
    // a dialog given a folder that is not there takes its name for a file name
    const QString docs = DocumentsFolder();
    return QDir().mkpath(docs) ? docs : QDir::homePath();
}

void SetDocumentsFolder(const QString &folder)
{
    gDocumentsOverride = folder;
}

bool WriteExportFile(const QString &path, const QString &text)
{
    const QFileInfo fi(path);
    if (fi.fileName().isEmpty() || !QDir().mkpath(fi.absolutePath()))
        return false;
    return WriteTextFileAtomic(path, text);
}

bool SaveExport(const QString &path, const QString &text)
{
    if (WriteExportFile(path, text))
        return true;
    ShowUnknownFailure();
    return false;
}
