#!/usr/bin/env bash
# End-to-end checks of bextor-cli run as a user would, with a fresh home folder.
set -u
cli="$1"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config" LC_ALL=C.UTF-8
failures=0
check() {  # description, then a command that must succeed
  local what="$1"; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

help=$("$cli" --help)
check "--help lists the air command" grep -q "air" <<<"$help"
version=$("$cli" --version)
expected=$(sed -n 's/^Number=\(.*\)\r$/\1/p' "$(dirname "$cli")/../share/bextor/version.ini")
check "--version prints the number from version.ini ($version)" test "$version" = "$expected"
for folder in projects drivers settings; do
  check "Documents/Bextor/$folder is created" test -d "$home/Documents/Bextor/$folder"
done
check "the default unit choices are installed" test -s "$home/Documents/Bextor/settings/unitindex_default_metric.dat"

air=$("$cli" air)
check "air of the default environment" grep -q "sound velocity 343.68 m/s" <<<"$air"
air=$("$cli" air --temperature 300 --pressure "101325,0" --humidity 0)
check "air reads either decimal mark" grep -qx "density 1.17661 kg/m^3" <<<"$air"
out=$("$cli" air --temperature abc 2>&1)
status=$?
check "a letter is a clear error" grep -q "'abc' is not a number" <<<"$out"
check "a letter ends with a non-zero status" test "$status" -ne 0

printf '[Settings.Environment]\r\nTemperature=273,15\r\n' > "$home/Documents/Bextor/settings/settings.ini"
air=$("$cli" air 2>&1)
check "settings written with a decimal comma are read" grep -q "density 1.29" <<<"$air"

# Designing, simulating and drawing from the command line.
data="$(dirname "$0")/../data"
drivers="$home/Documents/Bextor/drivers"
check "sample drivers are installed" test -f "$drivers/sample_w200.bdr"
align=$("$cli" align "$drivers/sample_w200.bdr" --box vented)
check "align lists five vented alignments" test "$(wc -l <<<"$align")" -eq 5
check "align marks exactly one preselected entry" test "$(grep -c '^\*' <<<"$align")" -eq 1
check "align prints volumes and tunings" grep -qP '^ BB4/SBB4 \(Super-\)boom-box\tVr=0\.[0-9]+\tFr=[0-9.]+$' <<<"$align"
bp=$("$cli" align "$drivers/sample_w200.bdr" --box bandpass4 --drivers 2)
check "bandpass alignments print both chambers" grep -qP '\tVr=.*\tVf=.*\tFf=' <<<"$bp"

"$cli" new "$drivers/sample_w250.bdr" --box vented --name "Sub 1" -o "$home/sub.bpr"
check "new writes a project" grep -q '^BType=1' "$home/sub.bpr"
"$cli" new "$drivers/sample_w250.bdr" --box closed --name "Box" --alignment "0.900 Equal ripple response" -o "$home/closed.bpr"
check "new takes a chosen alignment" grep -q '^BType=0' "$home/closed.bpr"
"$cli" new "$drivers/sample_w250.bdr" --box closed --name "Box" --alignment "no such" -o "$home/x.bpr" 2>/dev/null
check "an alignment that is not offered is an error" test $? -ne 0 -a ! -e "$home/x.bpr"
"$cli" new "$drivers/sample_w250.bdr" --box closed --name "a/b" -o "$home/x.bpr" 2>/dev/null
check "a name with a slash is refused" test $? -ne 0 -a ! -e "$home/x.bpr"

csv=$("$cli" curve "$home/sub.bpr" --type 2 --points 5 --from 20 --to 200)
check "csv has its header lines" test "$(head -4 <<<"$csv" | tr -d '\r')" = "$(printf '# plot: SPL\n# unit: dB\n# project: sub\nfrequency_hz,value')"
check "csv has one row per point" test "$(grep -c '^[0-9]' <<<"$csv")" -eq 5
check "csv starts and ends at the range" grep -q '^200,' <<<"$csv"
frd=$("$cli" curve "$home/sub.bpr" --type 1 --format frd --points 3)
check "frd rows are frequency, dB and phase" test "$(grep -v '^\*' <<<"$frd" | awk 'NF==3' | wc -l)" -eq 3
zma=$("$cli" curve "$home/sub.bpr" --type 6 --format zma --points 3 -o "$home/z.zma")
check "zma goes to its file" test "$(grep -cv '^\*' "$home/z.zma")" -eq 3
"$cli" curve "$home/sub.bpr" --type 3 --format frd >/dev/null 2>&1
check "frd of a type that is no magnitude is an error" test $? -ne 0
"$cli" curve "$home/sub.bpr" --type 22 >/dev/null 2>&1
check "an unknown plot type is an error" test $? -ne 0
out=$("$cli" curve "$home/missing.bpr" --type 1 2>&1)
check "a missing project names the file" grep -q "missing.bpr: file not found" <<<"$out"
printf '[Box]\r\nBType=0\r\n[Filters]\r\nCount=1\r\nfilter0type=42\r\n' > "$home/bad.bpr"
out=$("$cli" curve "$home/bad.bpr" --type 1 -o "$home/never.csv" 2>&1)
check "an unreadable project is an error and writes nothing" test $? -ne 0 -a ! -e "$home/never.csv"
check "... naming what is wrong" grep -q "bad.bpr: Filter class not found!" <<<"$out"
out=$("$cli" curve "$data/project_old.bpr" --type 1 --points 3)
check "an older hand-written project plots" test "$(grep -c '^[0-9]' <<<"$out")" -eq 3

section=$("$cli" driver "$drivers/sample_h200.bdr")
check "driver prints the section" grep -q '^Brand=Bextor Sample' <<<"$section"
"$cli" driver "$drivers/sample_h200.bdr" --check >/dev/null
check "a sample driver passes the checks" test $? -eq 0
printf '[Driver]\r\nQts=0.38\r\nQms=4\r\nQes=0.4\r\n' > "$home/bad.bdr"
out=$("$cli" driver "$home/bad.bdr" --check)
check "a failing relation is listed and fails the command" test $? -eq 1
check "... by its label" grep -q '^FAIL: Qts, Qms, Qes' <<<"$out"
printf '[Driver]\r\nFs=30\r\nQes=0,4\r\nQms=4\r\nVas=0.1\r\nRe=6\r\nSd=0.05\r\n' > "$home/ts.bdr"
out=$("$cli" driver "$home/ts.bdr" --solve)
check "--solve derives the missing values" grep -q '^Znom=8' <<<"$out"
check "... with the point as decimal mark" grep -q '^EBP=75' <<<"$out"

"$cli" plot "$home/sub.bpr" "$home/closed.bpr" --type 1 --size 640x400 -o "$home/plot.png" 2>/dev/null
check "plot writes a PNG" test "$(head -c 4 "$home/plot.png" | tail -c 3)" = "PNG"
"$cli" plot "$home/sub.bpr" --type 5 -o "$home/plot.svg" 2>/dev/null
check "plot writes an SVG" grep -q '<svg' "$home/plot.svg"
"$cli" plot "$home/sub.bpr" --type 1 --size 10 -o "$home/never.png" 2>/dev/null
check "a bad size is an error" test $? -ne 0 -a ! -e "$home/never.png"

out=$(ALSOFT_DRIVERS=no-such-backend "$cli" tone 440 --seconds 0.2 2>&1)
check "tone without an audio device says so and fails" test $? -eq 1
check "... in one line" grep -qx "error: audio output unavailable" <<<"$out"
printf '[general]\ndrivers=wave\nfrequency=48000\nchannels=mono\n[wave]\nfile=%s\n' "$home/tone.wav" > "$home/alsoft.conf"
ALSOFT_CONF="$home/alsoft.conf" "$cli" tone 440 --seconds 0,5
check "tone plays through the audio output" test $? -eq 0 -a "$(stat -c %s "$home/tone.wav")" -gt 40000

echo "$failures failed"
exit $((failures > 0))
