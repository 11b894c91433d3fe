#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs every Debian package KVL needs to build, run and test.
# As root it installs what is missing; otherwise it prints the command to run.
set -euo pipefail

packages=(
  g++ make cmake ninja-build pkg-config
  qt6-base-dev qt6-serialport-dev qt6-multimedia-dev libgl-dev
  libhamlib-dev libhamlib-utils
  cwdaemon
  pulseaudio
  libgtest-dev libgmock-dev
  clang libclang-rt-14-dev
  fonts-dejavu-core fonts-liberation
  qt6-translations-l10n
  tzdata
  dpkg-dev lintian
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

cmd="apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "KVL needs these Debian packages: ${missing[*]}" >&2
  echo "Run as root:  apt-get update && $cmd" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
