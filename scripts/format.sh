#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Lays out the C++ sources by .clang-format; with --check only reports the
# files that are not laid out so, and fails.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
mapfile -t files < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
                                  'bench/*.cpp' 'bench/*.h' 'tools/*.cpp' 'tools/*.h')
if [ "${1:-}" = "--check" ]; then
  bad=()
  for f in "${files[@]}"; do
    clang-format --dry-run -Werror "$f" > /dev/null 2>&1 || bad+=("$f")
  done
  if [ ${#bad[@]} -gt 0 ]; then
    echo "Not laid out by .clang-format (run scripts/format.sh):" >&2
    printf '  %s\n' "${bad[@]}" >&2
    exit 1
  fi
  echo "All ${#files[@]} C++ files are laid out by .clang-format."
else
  clang-format -i "${files[@]}"
fi
