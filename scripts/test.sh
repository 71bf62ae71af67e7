#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The README's test command: the same set-up, then the whole test suite.
# Usage: test.sh [build-dir] [extra cmake options...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
shift || true
bash "$here/scripts/deps.sh"
bash "$here/scripts/build.sh" "$build" "$@"
cd "$build"
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy LANG=C.UTF-8 \
  ctest --output-on-failure -j"$(nproc)"
