#!/usr/bin/env bash
# tvm5r.exe under Wine against the Linux simulator, beside the Linux tool against a simulator of
# its own: the core tests, every device command, the files saved, a simulator killed in the
# middle of a write, a save into a read-only folder, and the line rate. One fresh Wine prefix
# per run; COM 7 is a link in its dosdevices/ to the simulator's pseudo-terminal, entered in
# HARDWARE\DEVICEMAP\SERIALCOMM as Windows' serial driver enters its ports.
#   tests/windows/wine_test.sh [LINUX_BUILD [WINDOWS_BUILD]]   (defaults build, build-win)
set -uo pipefail
wurzel=$(cd "$(dirname "$0")/../.." && pwd)
lin=$(realpath "${1:-$wurzel/build}")
win=$(realpath "${2:-$wurzel/build-win}")
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)

T=$(mktemp -d /tmp/tvm5r-wine-XXXXXX)
export WINEPREFIX=$T/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
sims=()
fehler=0
aufraeumen() {
  for p in "${sims[@]}"; do kill "$p" 2>/dev/null; done
  "$wineserver" -k 2>/dev/null
  chattr -i "$T/ro" 2>/dev/null
  rm -rf "$T"
}
trap aufraeumen EXIT

ok() { echo "ok   $1"; }
falsch() { echo "FEHLER $1"; fehler=1; }
gleich() {  # name, file of the Linux tool, file of tvm5r.exe
  if cmp -s "$2" "$3"; then ok "$1"; else falsch "$1"; diff -a "$2" "$3" | head -20; fi
}

# Starts tvm5r-sim with link com7 in the port folder of $1 and the further options; sets
# sim_pid and sim_pty once it serves its pseudo-terminal. Its log lines (stderr) land in
# $1/sim.log, each stamped with the moment it came.
sim_starten() {
  local ordner=$1
  shift
  mkdir -p "$ordner"
  exec {ausgabe}< <(XDG_CONFIG_HOME=$ordner exec "$lin/sim/tvm5r-sim" --com 7 "$@" \
    2> >( (while IFS= read -r z; do echo "$EPOCHREALTIME $z"; done; echo ENDE) >"$ordner/sim.log"))
  sim_pid=$!
  sims+=("$sim_pid")
  read -r -t 20 -u "$ausgabe" sim_pty _ || { echo "tvm5r-sim startet nicht"; exit 1; }
}
# Waits (polling, at most 20 s) until the command given succeeds.
warten_bis() {
  local i
  for ((i = 0; i < 1000; ++i)); do "$@" && return 0; sleep 0.02; done
  return 1
}
# Ends the simulator of folder $2 (pid $1); its log is complete when this returns.
sim_beenden() {
  kill "$1" 2>/dev/null
  warten_bis grep -q '^ENDE$' "$2/sim.log"
}
# COM 7 of the Wine prefix is the pseudo-terminal $1.
com7() { ln -sfn "$1" "$WINEPREFIX/dosdevices/com7"; }

L() { (cd "$T/l" && XDG_CONFIG_HOME=$T/l "$lin/cli/tvm5r" "$@"); }
W() { (cd "$T/w" && "$wine" "$win/cli/tvm5r.exe" "$@"); }

# --- the prefix, started once and kept running (the port registry is volatile) ---
beginn=$SECONDS
"$wine" wineboot -i >/dev/null 2>&1
"$wineserver" -w
rm -f "$WINEPREFIX/dosdevices/com"*
# The server opens the ports; a pseudo-terminal that hangs up would have it print its objects.
"$wineserver" -p >"$T/wineserver.log" 2>&1
"$wine" reg add 'HKLM\HARDWARE\DEVICEMAP\SERIALCOMM' /v '\Device\Serial6' /t REG_SZ /d COM7 /f \
  >/dev/null 2>&1
echo "Wine-Präfix: $((SECONDS - beginn)) s"

# --- 1. the core tests ---
if (cd "$T" && "$wine" "$win/tests/tvm5r_core_tests.exe" >"$T/kern.log" 2>&1); then
  ok "Kerntests unter Wine ($(grep -a -o '[0-9]* tests from [0-9]* test suites ran' "$T/kern.log"))"
else
  falsch "Kerntests unter Wine"; grep -a 'FAILED\|Failure' "$T/kern.log" | head -20
fi

# --- 2. every device command, the Linux tool and tvm5r.exe each against a simulator of its own ---
mkdir -p "$T/l" "$T/w"
eingaenge=(--eingang 1:1.25 --eingang 2:3.5 --eingang 3:5 --eingang 4:7.5)
sim_starten "$T/l" "${eingaenge[@]}"
sim_l=$sim_pid
sim_starten "$T/w/sim" "${eingaenge[@]}"
sim_w=$sim_pid
com7 "$sim_pty"
for seite in l w; do
  cp "$wurzel/fuzz/korpus/kurventext/beispiel.txt" "$T/$seite/kurve.txt"
  cp "$wurzel/fuzz/korpus/kennlinientext/beispiel.txt" "$T/$seite/kennlinie.txt"
  cp "$wurzel/fuzz/korpus/konfigdatei/tvm5r.sko" "$T/$seite/konfig.sko"
  # A curve of 600 points: its image takes some 40 frames, 3 s at 9600 baud.
  (echo "# Kurve"; awk 'BEGIN { for (i = 0; i < 600; ++i) printf "%.5f\t%.2f\t1ms\t1\n", i / 1000, (i * 37) % 100 }') \
    >"$T/$seite/gross.txt"
done
befehle=(
  "ports"
  "--port 7 id"
  "--port 7 scan"
  "kurven import kurve.txt kurve.skr"
  "kennlinie import kennlinie.txt kennlinie.ske"
  "kurven import gross.txt gross.skr"
  "--port 7 kurven senden kurve.skr --pruefen"
  "--port 7 kurven lesen gelesen.skr"
  "--port 7 kennlinie senden kennlinie.ske --slot 3 --pruefen"
  "--port 7 kennlinie lesen gelesen.ske --slot 3"
  "--port 7 eingaenge --konfig konfig.sko"
  "--port 7 ausgang 2 4.5 --konfig konfig.sko"
  "--port 7 eingaenge --konfig konfig.sko"
  "--port 7 protokoll protokoll.txt --intervall 0.5 --dauer 2 --konfig konfig.sko"
)
for b in "${befehle[@]}"; do
  # shellcheck disable=SC2086
  L $b >"$T/l/aus" 2>&1
  echo "Status $?" >>"$T/l/aus"
  # shellcheck disable=SC2086
  W $b >"$T/w/aus" 2>&1
  echo "Status $?" >>"$T/w/aus"
  # A Windows console program ends its lines with CR LF; the port column names the device.
  sed -i 's/\r$//' "$T/w/aus"
  if [ "$b" = ports ]; then sed -i 's/\t.*//' "$T/l/aus" "$T/w/aus"; fi
  gleich "tvm5r $b" "$T/l/aus" "$T/w/aus"
done
for datei in kurve.skr kennlinie.ske gross.skr gelesen.skr gelesen.ske; do
  gleich "Datei $datei" "$T/l/$datei" "$T/w/$datei"
done
# The record's date and time columns differ by the moment of each run.
for seite in l w; do
  sed -E 's/^[0-9]{2}\.[0-9]{2}\.[0-9]{4}\t[0-9]{2}:[0-9]{2}:[0-9]{2}/DATUM\tZEIT/' \
    "$T/$seite/protokoll.txt" >"$T/$seite/protokoll.maskiert"
done
gleich "Protokolldatei (Datum und Uhrzeit maskiert)" "$T/l/protokoll.maskiert" "$T/w/protokoll.maskiert"
grep -q 'Datenerfassung beendet' "$T/w/protokoll.txt" && ok "Protokoll endet mit \"Datenerfassung beendet\"" \
  || falsch "Protokoll ohne Schlusszeile"

# --- 4. a save into a read-only folder leaves the old file and reports the error ---
mkdir -p "$T/ro"
cp "$T/w/kennlinie.ske" "$T/ro/kurve.skr"
chmod a-w "$T/ro"
# root writes into any folder without write permission; the immutable flag stops root too.
[ "$(id -u)" -ne 0 ] || chattr +i "$T/ro"
W kurven import kurve.txt ../ro/kurve.skr >"$T/w/ro.aus" 2>&1
status=$?
L kurven import kurve.txt ../ro/kurve.skr >"$T/l/ro.aus" 2>&1
echo "Status $?" >>"$T/l/ro.aus"
echo "Status $status" >>"$T/w/ro.aus"
# Windows may name the folder as the full path of its drive.
sed -i 's/\r$//; s/"[^"]*"/"ORDNER"/g' "$T/w/ro.aus" "$T/l/ro.aus"
gleich "Speichern in einen schreibgeschützten Ordner: Meldung" "$T/l/ro.aus" "$T/w/ro.aus"
cmp -s "$T/w/kennlinie.ske" "$T/ro/kurve.skr" && [ "$status" -ne 0 ] \
  && ok "Speichern in einen schreibgeschützten Ordner: alte Datei unverändert" \
  || falsch "Speichern in einen schreibgeschützten Ordner: alte Datei verändert oder kein Fehler"
chattr -i "$T/ro" 2>/dev/null
sim_beenden "$sim_l" "$T/l"
sim_beenden "$sim_w" "$T/w/sim"

# --- 3. the simulator killed in the middle of a curve write ---
# The line's time-out of the command-line tool; the end must come within it.
timeout_s=0.5
abbruch() {  # tool function, folder; prints the tool's output, status and seconds after the kill
  local werkzeug=$1 ordner=$2
  sim_starten "$ordner" --baud-emulation=9600 --log
  [ "$werkzeug" = W ] && com7 "$sim_pty"
  "$werkzeug" --port 7 kurven senden gross.skr >"$ordner/abbruch.aus" 2>&1 &
  local tvm=$!
  # Killed once the simulator has answered a few frames of the write.
  warten_bis eval '[ -f "$ordner/sim.log" ] && [ "$(grep -cE "^[0-9.]+ [0-9]+: " "$ordner/sim.log")" -ge 6 ]'
  kill -9 "$sim_pid"
  local t0=$EPOCHREALTIME
  # A killed simulator leaves its link behind.
  rm -f "$ordner/tvm5r/ports/com7"
  wait "$tvm"
  local status=$?
  local t1=$EPOCHREALTIME
  sed -i 's/\r$//' "$ordner/abbruch.aus"
  echo "Status $status" >>"$ordner/abbruch.aus"
  grep -cE '^[0-9.]+ [0-9]+: ' "$ordner/sim.log" >"$ordner/abbruch.rahmen"
  echo "$t0 $t1" | awk '{printf "%.3f\n", $2 - $1}' >"$ordner/abbruch.dauer"
}
abbruch L "$T/l"
abbruch W "$T/w"
gleich "Simulator beendet nach $(cat "$T/w/abbruch.rahmen") Rahmen des Kurvenschreibens: $(head -1 "$T/w/abbruch.aus")" \
  "$T/l/abbruch.aus" "$T/w/abbruch.aus"
dauer=$(cat "$T/w/abbruch.dauer")
if awk -v d="$dauer" -v t="$timeout_s" 'BEGIN { exit !(d <= t + 0.3) }'; then
  ok "tvm5r.exe endet ${dauer} s nach dem Ende des Simulators (Linux $(cat "$T/l/abbruch.dauer") s)"
else
  falsch "tvm5r.exe endet erst ${dauer} s nach dem Ende des Simulators"
fi

# --- 5. line rate: a 2048-byte block at emulated 9600 baud ---
# The simulator's log lines are stamped as they come; from the first frame's answer to the last
# one the line carries the characters of every later frame and answer.
zeilenrate() {  # tool function, folder
  local werkzeug=$1 ordner=$2
  head -c 2048 /dev/urandom >"$ordner/block.bin"
  sim_starten "$ordner" --baud-emulation=9600 --log
  [ "$werkzeug" = W ] && com7 "$sim_pty"
  "$werkzeug" --port 7 speicher schreiben 5 0 --datei block.bin >/dev/null 2>&1
  local status=$?
  sim_beenden "$sim_pid" "$ordner"
  grep -E '^[0-9.]+ [0-9]+: ' "$ordner/sim.log" | awk -v status="$status" '
    { # "<stamp> <n>: <request> -> <answer>", control characters written as <XX>
      zeit[NR] = $1; sub(/^[^ ]* [0-9]*: /, ""); gsub(/<[A-Za-z0-9]+>/, "c"); gsub(/ -> /, "")
      zeichen[NR] = length($0) }
    END {
      if (status != 0 || NR < 2) { print "0 0"; exit }
      for (i = 2; i <= NR; ++i) summe += zeichen[i]
      printf "%.4f %d\n", (zeit[NR] - zeit[1]) / (summe * 10 / 9600), summe }'
}
read -r rate_l zeichen_l < <(zeilenrate L "$T/l")
read -r rate_w zeichen_w < <(zeilenrate W "$T/w")
echo "Leitungszeit 2048-Byte-Block bei 9600 Baud: tvm5r.exe ${rate_w} × (${zeichen_w} Zeichen), Linux ${rate_l} ×"
if awk -v r="$rate_w" 'BEGIN { exit !(r > 0 && r <= 1.02) }'; then ok "Leitungsrate tvm5r.exe ≤ 1.02"; else falsch "Leitungsrate tvm5r.exe ${rate_w}"; fi

echo "Wine-Test: $((SECONDS - beginn)) s"
exit $fehler
