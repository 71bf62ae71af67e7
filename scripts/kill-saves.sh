#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Kills the save loop with SIGKILL at random moments and counts, after each
# kill, what the next start finds: damaged files, stray saves left after it,
# and saves lost (a score reported as saved that is not on disk).
# Usage: kill-saves.sh BUILD_DIR DATA_DIR [RUNS]   (DATA_DIR holds dat/)
set -euo pipefail
build=$1 data=$2 runs=${3:-300}
bin=$build/bench/bench_userfiles
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/app"
cp -r "$data/dat" "$work/app/"
damaged=0 strays=0 lost=0 recovered=0
for ((i = 1; i <= runs; i++)); do
    mode=quit; ((i % 2)) && mode=game
    "$bin" --save-loop "$work/app" "$mode" >"$work/out" 2>/dev/null &
    pid=$!
    # the loop needs about half a second to load the dictionary
    t=$((RANDOM % 150 + 50))
    sleep "$((t / 100)).$(printf %02d $((t % 100)))"
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    last=$(tail -n 1 "$work/out" 2>/dev/null || true)
    report=$("$bin" --check-saves "$work/app")
    eval "$(echo "$report" | tr ' ' '\n' | sed 's/^/r_/')"
    ((damaged += r_damaged)) || true
    ((strays += r_strays_after)) || true
    ((recovered += r_strays_before > 0 ? 1 : 0)) || true
    if [[ -n "$last" && "$r_score" -lt "$last" ]]; then
        ((lost += 1))
        echo "run $i: saved $last, found $r_score" >&2
    fi
done
echo "runs=$runs damaged=$damaged strays_after_start=$strays saves_lost=$lost starts_with_a_stray=$recovered"
