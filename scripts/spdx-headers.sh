#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Puts an SPDX header (copyright and licence) on every source file of the
# checkout that has none yet; files that cannot carry one (data, pictures,
# sounds) are covered by .reuse/dep5. Running it again changes nothing.
# Usage: spdx-headers.sh [checkout]
# One block, read whole before it runs: the script annotates itself too.
{
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"
holder="Kelvan <tallivo@tallivo.example>"
annotate() {
  reuse annotate --copyright "$holder" --license GPL-3.0-or-later --year 2026 \
    --skip-existing --no-replace "$@" >/dev/null
}
mapfile -d '' code < <(git ls-files -z -- '*.cpp' '*.h' '*.sh' '*.cmake' '*CMakeLists.txt')
[ ${#code[@]} -eq 0 ] || annotate "${code[@]}"
# scripts without an extension
mapfile -d '' scripts < <(git ls-files -z -- .ci/run)
[ ${#scripts[@]} -eq 0 ] || annotate --style python "${scripts[@]}"
reuse lint
exit
}
