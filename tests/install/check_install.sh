#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a temporary prefix and checks it the way a desktop
# and a learner's account meet it: the files, the menu entry and metadata
# validators, and the installed program's --check run with a fresh HOME,
# which must leave the installed tree exactly as it was. Where dpkg-deb is
# present, the same for the two Debian packages unpacked into a temporary root.
# Usage: check_install.sh BUILD-DIR APP-ID
set -euo pipefail
build=$1
id=$2
src=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null

need_file() { [ -f "$prefix/$1" ] && [ -s "$prefix/$1" ] || fail "missing or empty: $1"; }
need_some() { compgen -G "$prefix/$1" >/dev/null || fail "nothing matches: $1"; }

[ -x "$prefix/bin/tallivo" ] || fail "bin/tallivo is not an executable"
data=share/tallivo
for f in dat/sysdic.dic dat/twb.ck dat/UK2USA.txt dat/help.html font/Ksphonet.ttf \
         appvoice/tada.wav appvoice/failed.wav "sample/示例词库 第一册.txt"; do
  need_file "$data/$f"
done
need_some "$data/voice/*.enw"
need_some "$data/pics/*.enjpg"
need_some "$data/sentence-in-unit/*.wav"
need_some "$data/sentence-voice/*.wav"
need_some "$data/BookCover/*/*.jpg"
# what the program writes never ships: it lives in each user's own folder
for d in usrdat tmp myvoice tallivo; do
  [ ! -e "$prefix/$data/$d" ] || fail "$data/$d must not be installed"
done
[ "$(ls "$prefix/bin")" = "tallivo" ] || fail "bin/ holds more than tallivo: $(ls "$prefix/bin")"

desktop=share/applications/$id.desktop
metainfo=share/metainfo/$id.metainfo.xml
need_file "$desktop"
need_file "$metainfo"
need_file "share/icons/hicolor/scalable/apps/$id.svg"
for s in 48 128 256; do
  png=$prefix/share/icons/hicolor/${s}x${s}/apps/$id.png
  if [ ! -f "$png" ]; then fail "missing icon ${s}x${s}"; continue; fi
  # width and height are the big-endian words at bytes 16 and 20 of a PNG
  size=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$size" = "${s}x${s}" ] || fail "icon ${s}x${s} is $size"
done
grep -qx "Icon=$id" "$prefix/$desktop" || fail "the menu entry does not name the icon $id"
grep -qx "Exec=tallivo" "$prefix/$desktop" || fail "the menu entry does not start tallivo"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/$metainfo" \
  || fail "the metadata does not launch $id.desktop"
desktop-file-validate "$prefix/$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/$metainfo" >"$work/appstream.txt" 2>&1 \
  || { cat "$work/appstream.txt"; fail "appstreamcli validate"; }

snapshot() {
  (cd "$prefix" && find . -printf '%y %m %s %p\n' | LC_ALL=C sort && \
   find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha256sum)
}
snapshot >"$work/before"

home=$work/home
mkdir -p "$home"
set +e
env -u TALLIVO_HOME -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
  "$prefix/bin/tallivo" --check >"$work/check.txt" 2>&1
rc=$?
set -e
[ "$rc" -eq 0 ] || { cat "$work/check.txt"; fail "installed tallivo --check exited $rc"; }
grep -qxF "data folder: $prefix/$data" "$work/check.txt" || { cat "$work/check.txt"; fail "--check names another data folder"; }
grep -qxF "user folder: $home/.local/share/tallivo" "$work/check.txt" || { cat "$work/check.txt"; fail "--check names another user folder"; }
grep -qx "problems: 0" "$work/check.txt" || { cat "$work/check.txt"; fail "--check reports problems"; }

snapshot >"$work/after"
diff "$work/before" "$work/after" >/dev/null || { diff "$work/before" "$work/after" | head -20; fail "the installed tree changed"; }

# --- the Debian packages
if command -v dpkg-deb >/dev/null; then
  bash "$src/scripts/debs.sh" "$build" "$work/debs" >/dev/null || fail "the packages could not be made"
  prog=$(ls "$work"/debs/tallivo_*.deb 2>/dev/null | head -1)
  data=$(ls "$work"/debs/tallivo-data_*_all.deb 2>/dev/null | head -1)
  if [ -n "$prog" ] && [ -n "$data" ]; then
    version=$(dpkg-deb -f "$data" Version)
    dpkg-deb -f "$prog" Depends | grep -qF "tallivo-data (= $version)" \
      || fail "tallivo does not depend on tallivo-data $version exactly"
    [ "$(dpkg-deb -f "$data" Architecture)" = all ] || fail "tallivo-data is not Architecture: all"
    root=$work/root
    dpkg -x "$prog" "$root"
    dpkg -x "$data" "$root"
    exe=$root/usr/bin/tallivo
    [ -x "$exe" ] || fail "the package has no usr/bin/tallivo"
    ! readelf -S "$exe" | grep -q '\.debug_info' || fail "usr/bin/tallivo carries debug symbols"
    [ -s "$root/usr/share/man/man1/tallivo.1.gz" ] || fail "no man page"
    font=$root/usr/share/tallivo/font/Ksphonet.ttf
    # where the link points once installed in /usr
    [ -L "$font" ] && [ -f "$(realpath -m "/usr/share/tallivo/font/$(readlink "$font")")" ] \
      || fail "font/Ksphonet.ttf is not a link to the Charis SIL of fonts-sil-charis"
    for pkg in tallivo tallivo-data; do
      copyright=$root/usr/share/doc/$pkg/copyright
      [ -s "$copyright" ] || { fail "$pkg has no copyright file"; continue; }
      for text in "$src"/LICENSES/*.txt; do
        name=$(basename "$text" .txt)
        grep -qx "License: $name" "$copyright" || fail "$pkg's copyright does not name $name"
      done
      [ -s "$root/usr/share/doc/$pkg/changelog.gz" ] || fail "$pkg has no compressed changelog"
    done
    home=$work/debhome
    mkdir -p "$home"
    set +e
    env -u TALLIVO_HOME -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen "$exe" --check >"$work/debcheck.txt" 2>&1
    rc=$?
    set -e
    [ "$rc" -eq 0 ] || { cat "$work/debcheck.txt"; fail "packaged tallivo --check exited $rc"; }
    grep -qxF "data folder: $root/usr/share/tallivo" "$work/debcheck.txt" || { cat "$work/debcheck.txt"; fail "packaged --check names another data folder"; }
    grep -qx "problems: 0" "$work/debcheck.txt" || { cat "$work/debcheck.txt"; fail "packaged --check reports problems"; }
    "$exe" --version | grep -qx "Tallivo $version" || fail "tallivo --version does not print $version"
  else
    fail "the packages were not made"
  fi
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "installed tree in $prefix checked"
