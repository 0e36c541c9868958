#!/usr/bin/env bash
# The package test: builds the .deb from the build folder, installs it in a scratch root with
# dpkg -x, and starts Bolv from there (offscreen, with a scratch home) through the probe
# library: Bolv must open on the shipped data, copied into its per-user folder, and leave
# the installed files as they were.
# Usage: prova-pacchetto.sh BUILD-FOLDER PROBE-LIBRARY
set -euo pipefail
build="$1"
probe="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/cpack" > "$scratch/cpack.log") || {
    cat "$scratch/cpack.log"
    exit 1
}
deb="$(ls "$scratch"/cpack/*.deb)"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
dpkg-deb --field "$deb" Depends
root="$scratch/root"
dpkg -x "$deb" "$root"

for f in bin/Bolv bin/cruciverba share/bolv/archivio.dat share/bolv/vincite.dat \
         share/bolv/tab.dat share/bolv/bolv.cfg share/applications/example.bolv.Bolv.desktop \
         share/applications/example.bolv.cruciverba.desktop \
         share/metainfo/example.bolv.Bolv.metainfo.xml; do
    [ -e "$root/usr/$f" ] || { echo "not in the package: usr/$f"; exit 1; }
done
for f in "$root"/usr/share/bolv/*; do
    [ "$(stat -c %a "$f")" = 444 ] || { echo "shipped data not read-only: $f"; exit 1; }
done
(cd "$root/usr/share/bolv" && sha256sum ./*) > "$scratch/shipped.sum"

mkdir -p "$scratch/home"
mkdir -m 700 "$scratch/home/run"
set +e
report="$(cd "$scratch" && HOME="$scratch/home" XDG_DATA_HOME="$scratch/home/data" \
    XDG_CONFIG_HOME="$scratch/home/config" XDG_RUNTIME_DIR="$scratch/home/run" \
    QT_QPA_PLATFORM=offscreen LD_PRELOAD="$probe" timeout 120 "$root/usr/bin/Bolv" 2>&1)"
code=$?
set -e
echo "$report"
[ "$code" -eq 0 ] || { echo "Bolv did not open (exit $code)"; exit 1; }

user="$scratch/home/data/Bolv/Bolv"
(cd "$user" && sha256sum -c --quiet "$scratch/shipped.sum") ||
    { echo "the per-user folder does not hold the shipped data"; exit 1; }
for f in "$user"/*; do
    [ "$(stat -c %A "$f")" = "-rw-------" ] || { echo "the user's copy is not the user's: $f"; exit 1; }
done
(cd "$root/usr/share/bolv" && sha256sum -c --quiet "$scratch/shipped.sum")
# The draws of the shipped archive: the days of slots 1..8000 that are not 0.
draws="$(od -An -v -tu1 -j88000 -N8000 "$root/usr/share/bolv/archivio.dat" |
         tr -s ' ' '\n' | grep -c '^[1-9]')"
grep -q "^panel: .*\b$draws\b" <<< "$report" ||
    { echo "the status bar does not show the $draws shipped draws"; exit 1; }
echo "Bolv opened on the $draws shipped draws in $user"
