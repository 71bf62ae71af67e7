#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Configures and builds the program, the tests and the installation data set.
# Usage: build.sh [build-dir] [extra cmake options...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
shift || true
# Compiler cache entries keyed on paths relative to the checkout, so a fresh
# clone (CI) reuses what an earlier build of the same sources compiled.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$here} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
