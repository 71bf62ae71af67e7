#pragma once
#include <QString>

// The application folder: the executable's folder, or $TALLIVO_HOME when set.
extern QString gAppDir;
extern QString gDictFile;          // dat/sysdic.dic
extern QString gWordBankFile;      // dat/twb.ck
extern QString gUserNameFile;      // usrdat/uname.dat
extern QString gUserBookFile;      // usrdat/uDRW90.UCK
extern QString gUserStatusFile[3]; // usrdat/ustatus-N.dat

// Fills the path variables; reads nothing from disk. Calling it again gives the same values.
void InitAppPaths();
// Same, for an explicit application folder (tests, --check DIR).
void InitAppPathsFor(const QString &appDir);
// gAppDir + "/" + relative path (backslashes are accepted and turned into "/").
QString AppPath(const QString &relative);
