#!/usr/bin/env bash
# Installs what is needed, builds Rackmere and runs every test: the unit,
# widget and end-to-end tests; the Debian package (built, checked with
# lintian, installed, run and removed again); all tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer; the core and command-line
# tests under ThreadSanitizer; and the fuzzers for a bounded time. Warnings
# are errors here.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

echo "== build and test"
# One build for the tests and the package: the tests run on what ships.
deb=$(bash tools/package.sh build -DRACKMERE_BUILD_TESTS=ON -DRACKMERE_BUILD_BENCH=ON | tail -n 1)
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== the Debian package"
bash tools/package_check.sh "$deb"

echo "== every test again under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DRACKMERE_SANITIZE=ON -DRACKMERE_WERROR=ON >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"

echo "== the core and command-line tests again under ThreadSanitizer"
# The walk, the load and Find all run on several threads; no widgets here.
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRACKMERE_SANITIZE=thread -DRACKMERE_BUILD_GUI=OFF \
      -DRACKMERE_BUILD_BENCH=OFF -DRACKMERE_WERROR=ON >/dev/null
cmake --build build-tsan -j"$jobs"
# Left out: the tests over a fake udisks2, whose messages come through Qt's
# D-Bus thread; it hands them over under Qt's own futex locks, which
# ThreadSanitizer cannot see (our code in them runs on one thread).
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
  ctest --test-dir build-tsan --output-on-failure -j"$jobs" -E '^(UdisksFollower|DiskPresence|CliMounts)\.'

if command -v clang++ >/dev/null && compgen -G "/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a" >/dev/null; then
  echo "== fuzzing the listing and category readers and the search index's reader"
  cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DRACKMERE_FUZZ=ON -DRACKMERE_BUILD_GUI=OFF \
        -DRACKMERE_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build-fuzz -j"$jobs" --target listing_fuzz categories_fuzz index_fuzz
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  mkdir -p "$work/listing" "$work/categories" "$work/index"
  ./build-fuzz/tests/fuzz/listing_fuzz -max_total_time=45 -rss_limit_mb=2048 -max_len=8192 \
      -print_final_stats=1 "$work/listing" tests/fuzz/corpus/listing 2>&1 | tail -n 12
  ./build-fuzz/tests/fuzz/categories_fuzz -max_total_time=15 -print_final_stats=1 \
      "$work/categories" tests/fuzz/corpus/categories 2>&1 | tail -n 12
  ./build-fuzz/tests/fuzz/index_fuzz -max_total_time=20 -rss_limit_mb=2048 -max_len=16384 \
      -print_final_stats=1 "$work/index" tests/fuzz/corpus/index 2>&1 | tail -n 12
fi
echo "== all tests passed"
