#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the two Debian packages from a finished build (with its data set):
#   OUT/tallivo_<version>_<arch>.deb      the program, its menu entry and man page
#   OUT/tallivo-data_<version>_all.deb    the data set it reads, shared by every architecture
# Usage: debs.sh BUILD-DIR OUT-DIR
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
deb=$here/packaging/deb
logged=$(dpkg-parsechangelog -l "$deb/changelog" -S Version)
[ "$logged" = "$version" ] || { echo "packaging/deb/changelog names $logged, the project is $version" >&2; exit 1; }
# every file dated by the changelog, so the same sources give the same packages
export SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$deb/changelog" -S Timestamp)

stage=$out/deb-stage
rm -rf "$stage"
stage_package() { # name component
  local root=$stage/$1
  DESTDIR=$root cmake --install "$build" --prefix /usr --component "$2" >/dev/null
  mkdir -p "$root/usr/share/doc/$1" "$root/DEBIAN"
  install -m 644 "$deb/copyright" "$root/usr/share/doc/$1/copyright"
  gzip -9n <"$deb/changelog" >"$root/usr/share/doc/$1/changelog.gz"
  if [ -f "$deb/$1.lintian-overrides" ]; then
    install -D -m 644 "$deb/$1.lintian-overrides" "$root/usr/share/lintian/overrides/$1"
  fi
}
stage_package tallivo program
stage_package tallivo-data data

prog=$stage/tallivo
gzip -9nf "$prog/usr/share/man/man1/tallivo.1"
# the debug symbols stay in the build tree
strip --remove-section=.comment --remove-section=.note --strip-unneeded "$prog/usr/bin/tallivo"
# the phonetic font is Debian's own Charis SIL, which the data package depends on
font=$stage/tallivo-data/usr/share/tallivo/font/Ksphonet.ttf
rm -f "$font"
ln -s ../../fonts/truetype/charis/CharisSIL-Regular.ttf "$font"

# library dependencies read from the executable
mkdir -p "$stage/shlibs/debian"
printf 'Source: tallivo\n\nPackage: tallivo\nArchitecture: any\n' >"$stage/shlibs/debian/control"
shlibs=$(cd "$stage/shlibs" && dpkg-shlibdeps -O -e"$prog/usr/bin/tallivo" 2>/dev/null | sed -n 's/^shlibs:Depends=//p')

for name in tallivo tallivo-data; do
  root=$stage/$name
  find "$root" -type d -exec chmod 755 {} +
  find "$root" -type f -exec chmod 644 {} +
  [ ! -d "$root/usr/bin" ] || chmod 755 "$root"/usr/bin/*
  size=$(du -sk --apparent-size --exclude=DEBIAN "$root" | cut -f1)
  sed -e "s/@VERSION@/$version/g" -e "s/@ARCH@/$arch/" -e "s/@SIZE@/$size/" -e "s/@SHLIBS@/$shlibs/" \
    "$deb/$name.control" >"$root/DEBIAN/control"
  (cd "$root" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum >DEBIAN/md5sums)
  chmod 644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"
  find "$root" -newermt "@$SOURCE_DATE_EPOCH" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
done
rm -f "$out"/tallivo_*.deb "$out"/tallivo-data_*.deb
# voices and pictures are compressed already: a light xz keeps the build quick
dpkg-deb --root-owner-group -Zxz -z6 -b "$stage/tallivo" "$out/tallivo_${version}_${arch}.deb" >/dev/null
dpkg-deb --root-owner-group -Zxz -z1 -b "$stage/tallivo-data" "$out/tallivo-data_${version}_all.deb" >/dev/null
rm -rf "$stage"
ls "$out/tallivo_${version}_${arch}.deb" "$out/tallivo-data_${version}_all.deb"
