#!/usr/bin/env bash
# Builds the program and its data set, then the Debian package
# build/tallivo_<version>_<arch>.deb (library dependencies read from the executable).
# Usage: package.sh [build-dir]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
bash "$here/scripts/deps.sh"
bash "$here/scripts/build.sh" "$build"
cd "$build"
cpack -G DEB -B "$build" >/dev/null
ls "$build"/tallivo_*.deb
