#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks it the way a desktop
# and a learner's account meet it: the files, the menu entry and metadata
# validators, and the installed program's --check run with a fresh HOME,
# which must leave the installed tree exactly as it was.
# Usage: check_install.sh BUILD-DIR APP-ID
set -euo pipefail
build=$1
id=$2
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

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "installed tree in $prefix checked"
