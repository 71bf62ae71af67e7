// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <QStringList>

// Two folders, one rule for callers:
//  - read the shipped data set (dictionary, word bank, voices, pictures,
//    covers, sounds, font, help, sample) with DataPath();
//  - read and write what the program keeps or makes (usrdat/, tmp/, myvoice/)
//    with UserPath(), or the file variables below, which already point there.
// Nothing is ever written with DataPath(): an installed data set belongs to
// the system, and every account keeps its own profiles.
//
// Where they are:
//  - $TALLIVO_HOME set: that one folder for both;
//  - the data set beside the executable (the build tree): that folder for both;
//  - the data set in ../share/tallivo beside the executable's folder
//    (installed): the user folder is $XDG_DATA_HOME/tallivo, by default
//    ~/.local/share/tallivo.
extern QString gDataDir;
extern QString gUserDir;
// The older name of gDataDir, for code that reads the data set.
extern QString gAppDir;
extern QString gDictFile;          // data: dat/sysdic.dic
extern QString gWordBankFile;      // data: dat/twb.ck
extern QString gUserNameFile;      // user: usrdat/uname.dat
extern QString gUserBookFile;      // user: usrdat/uDRW90.UCK
extern QString gUserStatusFile[3]; // user: usrdat/ustatus-N.dat
// False after PrepareUserDir found the user folder unusable: the run goes on
// and the profile files are neither written nor moved aside.
extern bool gUserFilesWritable;

// How the folders were found, for --check.
struct AppFolders {
    QString dataDir;
    QString userDir;
    QStringList lookedIn; // the folders searched for the data set, in order
    bool dataFound = false;
    bool installed = false; // the user folder is the account's own, apart from the data
    // Folders of an installation: never written, however the user folder is named.
    QStringList protectedDirs;
};

// Pure: decides the folders from the executable's folder and the environment
// values given (empty = not set). Reads only whether dat/sysdic.dic exists.
// systemDataDirs are the XDG_DATA_DIRS folders: "tallivo" in one of them is an
// installed data set too. No home folder and no XDG_DATA_HOME leaves an
// installed layout without a user folder ("").
AppFolders FindAppFolders(const QString &exeDir, const QString &tallivoHome, const QString &xdgDataHome,
                          const QString &homeDir, const QStringList &systemDataDirs = {});
// The folders InitAppPaths found last (one folder for both after InitAppPathsFor).
const AppFolders &CurrentAppFolders();

// Fills the path variables from the executable's folder and the environment.
// Calling it again gives the same values.
void InitAppPaths();
// One folder for both data and user files (tests, --check DIR, TALLIVO_HOME).
void InitAppPathsFor(const QString &appDir);
void InitAppPathsFor(const QString &dataDir, const QString &userDir);
// Fills the path variables from folders already found.
void UseAppFolders(const AppFolders &folders);

// Makes the user folder and its usrdat/, tmp/ and myvoice/ when missing and
// checks that usrdat/ takes a new file. Sets gUserFilesWritable; false when
// the folder cannot be made or written, or is the data folder of an
// installation.
bool PrepareUserDir();

// gDataDir / gUserDir + "/" + relative path (backslashes become "/").
QString DataPath(const QString &relative);
QString UserPath(const QString &relative);
// The older name of DataPath.
QString AppPath(const QString &relative);
