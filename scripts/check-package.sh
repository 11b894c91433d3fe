#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the built package with apt, as an operator would, and starts the
# installed KVL offscreen in a fresh folder holding only the starter station
# file, until it has written its state and its log there. Needs root.
# usage: check-package.sh PACKAGE.deb
set -euo pipefail
deb=$(realpath "$1")
if [ "$(id -u)" -ne 0 ]; then
  echo "Installing $deb needs root: run as root, or: sudo apt-get install $deb" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -q "$deb" >/dev/null

version=$(dpkg-query -W -f='${Version}' kvl)
echo "installed: $(kvl --version) (package $version)"
[ "$(kvl --version)" = "KVL $version" ] || { echo "the program's version is not the package's" >&2; exit 1; }
for f in /usr/share/kvl/starter/Mydata.kvl /usr/share/kvl/manual/manual.md /usr/share/man/man1/kvl.1.gz \
         /usr/share/man/ru/man1/kvl.1.gz /usr/share/applications/kvl.desktop /usr/share/doc/kvl/copyright; do
  [ -s "$f" ] || { echo "the package lacks $f" >&2; exit 1; }
done

folder=$(mktemp -d)
out=$(mktemp)
pid=
finish() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$folder" "$out"
  return 0
}
trap finish EXIT
cp /usr/share/kvl/starter/Mydata.kvl "$folder/"
cd "$folder"
QT_QPA_PLATFORM=offscreen kvl >"$out" 2>&1 &
pid=$!
# At most a minute for the state (52 bytes) and the log to appear.
for _ in $(seq 600); do
  if [ "$(stat -c %s cfg.kvl 2>/dev/null || echo 0)" -eq 52 ] && [ -e system.kvl ]; then
    kill -0 "$pid" 2>/dev/null || { echo "kvl ended early:" >&2; cat "$out" >&2; exit 1; }
    echo "the installed kvl started in $folder and wrote: $(ls | tr '\n' ' ')"
    exit 0
  fi
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
echo "the installed kvl wrote no state and log in $folder; it said:" >&2
cat "$out" >&2
exit 1
