#!/usr/bin/env bash
# Installs what is missing, checks that every source file is laid out as
# .clang-format says, builds, and runs every test: once in a normal build
# (with the GUI tests under the offscreen platform), once under
# AddressSanitizer and UBSan; then each fuzz target for a bounded time.
# Its last line names the stage that failed, or says that all passed.
set -euo pipefail
cd "$(dirname "$0")/.."

stage="installing the packages"
trap 'status=$?; if ((status != 0)); then echo "test.sh: FAILED while $stage (exit $status)" >&2; fi' EXIT

bash scripts/install-deps.sh
jobs=$(nproc)

stage="checking the format"
find src tests bench tools fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run -Werror

stage="building (normal build)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
stage="running the tests (normal build)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"

stage="building (sanitizer build)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAP_SANITIZE=ON \
      -DTAP_BUILD_BENCH=OFF
cmake --build build-asan -j "$jobs"
stage="running the tests (sanitizer build)"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 QT_QPA_PLATFORM=offscreen \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"

stage="fuzzing"
bash scripts/fuzz.sh
echo "test.sh: format, both builds, every test and every fuzz target passed"
