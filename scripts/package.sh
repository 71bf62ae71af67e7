#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the program and its data set (incrementally), then the two Debian
# packages in the build folder:
#   tallivo_<version>_<arch>.deb      the program, its menu entry and man page
#   tallivo-data_<version>_all.deb    the data set it reads, shared by every architecture
# Usage: package.sh [build-dir]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
bash "$here/scripts/deps.sh"
bash "$here/scripts/build.sh" "$build" -DTALLIVO_BUILD_DATA=ON -DTALLIVO_SANITIZE=OFF
bash "$here/scripts/debs.sh" "$build" "$build"
