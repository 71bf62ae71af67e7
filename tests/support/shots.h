// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Pictures of widgets for a look by eye, saved as files in
// $TALLIVO_SHOTS_DIR (default: shots/ in the build tree). Made by
// `cmake --build <build> --target screenshots`, not by the tests.
#include <QDir>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace shots {

// The pictures' folder, made if missing.
inline QString Dir()
{
    const QString dir = qEnvironmentVariable("TALLIVO_SHOTS_DIR", QStringLiteral(TALLIVO_SHOTS_DEFAULT_DIR));
    QDir().mkpath(dir);
    return dir;
}

// w as it is drawn now, saved under fileName (its extension picks the format).
inline bool Save(QWidget &w, const QString &fileName)
{
    return w.grab().save(Dir() + QLatin1Char('/') + fileName);
}

} // namespace shots
