#!/usr/bin/env bash
# Builds and runs every test: a normal build, then the same suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, then the data checker and
# a short run of each fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"
export SDL_AUDIODRIVER=dummy

echo "== normal build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs" --timeout 600

echo "== sanitizer build"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTALLOWIND_SANITIZE=ON -DTALLOWIND_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
ctest --test-dir build-asan --output-on-failure -j"$jobs" --timeout 900

if [ -x build/tools/datacheck/datacheck ]; then
  echo "== data checker"
  build/tools/datacheck/datacheck assets
fi

if [ -f tests/fuzz/CMakeLists.txt ] && command -v clang++ >/dev/null; then
  echo "== fuzzers"
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTALLOWIND_FUZZ=ON -DTALLOWIND_BENCH=OFF >/dev/null
  cmake --build build-fuzz -j"$jobs" --target fuzzers
  for fuzzer in build-fuzz/tests/fuzz/fuzz_*; do
    [ -x "$fuzzer" ] || continue
    name="$(basename "$fuzzer")"
    corpus="tests/fuzz/corpus/${name#fuzz_}"
    work="$(mktemp -d)"
    cp -r "$corpus"/. "$work"/ 2>/dev/null || true
    dict=()
    [ -f "tests/fuzz/dict/${name#fuzz_}.dict" ] && dict=(-dict="tests/fuzz/dict/${name#fuzz_}.dict")
    # The fuzzer's progress lines go to a log; only a failure prints them.
    if "$fuzzer" -max_total_time=30 -timeout=10 ${dict[@]+"${dict[@]}"} "$work" > "$work.log" 2>&1; then
      echo "$name: $(grep -c . "$work.log") log lines, no crash in 30 s"
    else
      tail -n 60 "$work.log"
      echo "$name: FAILED"
      exit 1
    fi
    rm -rf "$work" "$work.log"
  done
fi
echo "== all tests passed"
