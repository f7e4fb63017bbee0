#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test: the libFuzzer harnesses for a
# bounded number of inputs, the core and window tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, the test tone under ThreadSanitizer, and finally every test of
# the normal build (ctest's summary is the last line).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

echo "== Fuzzing the file and value readers"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DBEXTOR_FUZZ=ON >/dev/null
cmake --build build-fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for harness in fuzz_readers:fuzz/corpus fuzz_project:fuzz/corpus-project; do
  name=${harness%%:*}
  mkdir -p "$work/$name" && cp "${harness#*:}"/* "$work/$name/"
  echo "-- $name"
  build-fuzz/bin/$name -runs=50000 -max_len=2048 -max_total_time=120 -seed=1 -print_final_stats=0 \
    -artifact_prefix=build-fuzz/ "$work/$name" 2>&1 | tail -n 3
done

echo "== Core and window tests with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBEXTOR_SANITIZE=ON -DBEXTOR_GUI=ON \
  -DBEXTOR_BENCH=OFF >/dev/null
cmake --build build-asan
(cd build-asan && ctest -L 'core|gui' --output-on-failure | tail -n 6)

echo "== The test tone under ThreadSanitizer"
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBEXTOR_TSAN=ON -DBEXTOR_GUI=OFF \
  -DBEXTOR_BENCH=OFF >/dev/null
cmake --build build-tsan --target test_tone
TSAN_OPTIONS="suppressions=$PWD/tests/audio/tsan.supp halt_on_error=1" build-tsan/bin/test_tone | tail -n 1

echo "== All tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
cd build && ctest --output-on-failure
