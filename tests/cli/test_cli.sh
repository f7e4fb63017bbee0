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

echo "$failures failed"
exit $((failures > 0))
