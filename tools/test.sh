#!/usr/bin/env bash
# Sets everything up and runs all tests: a normal build, then the same suite built with
# AddressSanitizer and UndefinedBehaviorSanitizer, then the serial link's tests built with
# ThreadSanitizer. Fails when any test or report fails.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen

bash tools/setup.sh build
ctest --test-dir build --output-on-failure -j "$(nproc)"

bash tools/setup.sh build-asan -DHW_SANITIZE=ON -DHW_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure -j "$(nproc)"

# The serial link's threads under ThreadSanitizer: only its tests are built and run there.
cmake -S . -B build-tsan -G Ninja -DHW_TSAN=ON -DHW_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
cmake --build build-tsan -j "$(nproc)" --target hw_seriallink_tests
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
    ctest --test-dir build-tsan -R seriallink --output-on-failure
