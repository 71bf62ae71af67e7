// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/phoneticfont.h"
#include "helpers/apppaths.h"
#include "platform/platform.h"

bool IsPhoneticFontInstalled()
{
    return plat().FontFamilies().contains(kPhoneticFontFamily, Qt::CaseSensitive);
}

void InstallPhoneticFont()
{
    plat().RegisterFont(AppPath(kPhoneticFontFile));
}

bool IsWindowsNT5()
{
    return false;
}

void EnsurePhoneticFont()
{
    if (!IsPhoneticFontInstalled())
        InstallPhoneticFont();
}
