#!/usr/bin/env bash
# Builds the Debian package from the build folder given, unpacks it into a temporary root as
# dpkg would install it, checks what it holds and declares, and starts the installed programs.
set -euo pipefail
build=$(cd "$1" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

fehler() {
  echo "FEHLER: $*" >&2
  exit 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/paket" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log"; fehler "cpack"; }
deb=$(find "$tmp/paket" -maxdepth 1 -name 'tvm5r-kurvengenerator_*.deb')
[ -n "$deb" ] || fehler "kein Paket gebaut"
echo "Paket: $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB)"

# The libraries the programs link, and the Qt plugins they load, are declared.
abhaengig=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $abhaengig"
for paket in libc6 libstdc++6 libqt6widgets6 libqcustomplot2.1-qt6 \
  qt6-qpa-plugins; do
  grep -q "\b$paket\b" <<<"$abhaengig" || fehler "Abhängigkeit $paket fehlt"
done

wurzel=$tmp/wurzel
dpkg -x "$deb" "$wurzel"
for datei in usr/bin/tvm5r usr/bin/tvm5r-sim usr/bin/tvm5r-kurvengenerator \
  usr/share/applications/tvm5r-kurvengenerator.desktop \
  usr/share/icons/hicolor/48x48/apps/tvm5r-kurvengenerator.png \
  usr/share/icons/hicolor/256x256/apps/tvm5r-kurvengenerator.png \
  usr/share/doc/tvm5r-kurvengenerator/README.md usr/share/doc/tvm5r-kurvengenerator/LICENSE; do
  [ -f "$wurzel/$datei" ] || fehler "$datei fehlt im Paket"
done
grep -qx 'Exec=tvm5r-kurvengenerator' "$wurzel/usr/share/applications/tvm5r-kurvengenerator.desktop" ||
  fehler "Desktop-Eintrag startet nicht das Programm"

# The installed programs start from the unpacked root.
"$wurzel/usr/bin/tvm5r" --hilfe >"$tmp/hilfe.txt" || fehler "tvm5r --hilfe"
grep -q '^Aufruf: tvm5r' "$tmp/hilfe.txt" || fehler "tvm5r --hilfe zeigt den Aufruf nicht"
"$wurzel/usr/bin/tvm5r-sim" --hilfe >/dev/null || fehler "tvm5r-sim --hilfe"
echo "Paket installiert und gestartet"
