#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages the build, the data set and the tests need, when missing.
set -euo pipefail
pkgs=(g++ cmake ninja-build pkg-config ccache
      qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
      libsdl2-dev libbenchmark-dev libpocketsphinx-dev pocketsphinx-en-us
      fonts-wqy-microhei fonts-sil-charis fonts-noto-color-emoji fonts-dejavu-core
      flite sox opus-tools libopusfile-dev xvfb xauth qt6-translations-l10n
      desktop-file-utils appstream dpkg-dev lintian reuse clang-format)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
