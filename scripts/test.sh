#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, runs every test, packs that build as a
# Debian package and checks the package,
# then builds and runs the same tests under AddressSanitizer and UndefinedBehaviorSanitizer,
# and finally gives each fuzz target a short run over its corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)

scripts/setup.sh

echo "== normal build =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORRIN_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Debian package of the normal build =="
tests/package/check_package.sh build

echo "== sanitizer build =="
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORRIN_WERROR=ON -DORRIN_SANITIZE=ON -DORRIN_BENCH=OFF
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

if compgen -G "fuzz/*_fuzz.cpp" > /dev/null; then
  echo "== fuzz smoke run =="
  CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORRIN_FUZZ=ON \
    -DORRIN_TESTS=OFF -DORRIN_BENCH=OFF -DORRIN_APP=OFF
  cmake --build build-fuzz -j "$jobs"
  for target in build-fuzz/fuzz/*_fuzz; do
    name=$(basename "$target")
    work="build-fuzz/corpus-$name"
    mkdir -p "$work"
    echo "-- $name"
    "$target" -max_total_time="${FUZZ_SECONDS:-20}" -print_final_stats=1 "$work" "$root/fuzz/corpus/${name%_fuzz}" \
      2>&1 | tail -n 12
  done
fi
echo "All tests passed."
