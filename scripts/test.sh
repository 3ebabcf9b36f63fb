#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test with CTest:
# first a normal build, then a build under AddressSanitizer and
# UndefinedBehaviorSanitizer, then a short smoke run of each fuzz target.
# Set KESTRIX_SKIP_SANITIZE=1 or KESTRIX_SKIP_FUZZ=1 to leave a stage out.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S "$here" -B "$here/build-test" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$here/build-test" --parallel "$jobs"
ctest --test-dir "$here/build-test" --output-on-failure --parallel "$jobs"

if [ "${KESTRIX_SKIP_SANITIZE:-0}" != 1 ]; then
  cmake -S "$here" -B "$here/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DKESTRIX_SANITIZE=ON -DKESTRIX_BUILD_BENCH=OFF
  cmake --build "$here/build-asan" --parallel "$jobs"
  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$here/build-asan" --output-on-failure --parallel "$jobs"
fi

if [ "${KESTRIX_SKIP_FUZZ:-0}" != 1 ]; then
  CC=clang CXX=clang++ cmake -S "$here" -B "$here/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKESTRIX_BUILD_FUZZ=ON -DKESTRIX_SANITIZE=ON -DKESTRIX_BUILD_GUI=OFF -DKESTRIX_BUILD_TESTS=OFF -DKESTRIX_BUILD_BENCH=OFF
  cmake --build "$here/build-fuzz" --parallel "$jobs"
  shopt -s nullglob
  for f in "$here"/build-fuzz/bin/fuzz_*; do
    corpus="$here/fuzz/corpus/$(basename "$f")"
    mkdir -p "/tmp/kestrix-fuzz/$(basename "$f")"
    echo "smoke fuzzing $(basename "$f")"
    args=("-max_total_time=5" "/tmp/kestrix-fuzz/$(basename "$f")")
    [ -d "$corpus" ] && args+=("$corpus")
    "$f" "${args[@]}"
  done
fi
echo "All tests passed."
