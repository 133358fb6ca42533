#!/usr/bin/env bash
# Sets everything up and runs all tests: a normal build, then the same suite built with
# AddressSanitizer and UndefinedBehaviorSanitizer, then the serial link's tests and the
# composed application's tests against the simulated controller built with ThreadSanitizer;
# after the normal build's tests, its Debian package (tools/pakettest.sh).
# Fails when any test or report fails.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen

bash tools/setup.sh build
ctest --test-dir build --output-on-failure -j "$(nproc)"
# The Debian package made from that tree, unpacked into a scratch root and started.
bash tools/pakettest.sh build

bash tools/setup.sh build-asan -DHW_SANITIZE=ON -DHW_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure -j "$(nproc)"

# The threads under ThreadSanitizer: the link's own tests and the composed application
# against the simulated controller; only these are built in that tree. tools/tsan.supp may
# name functions inside Qt and glib, which are not instrumented; the simulator is started
# with fork, hence die_after_fork=0.
HW_ZIELE="hw_seriallink_tests tst_verbindung tst_parametrierung tst_firmwaresim trackersim" \
    bash tools/setup.sh build-tsan -DHW_TSAN=ON -DHW_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:die_after_fork=0:suppressions=$PWD/tools/tsan.supp" \
    LC_ALL=C.UTF-8 ctest --test-dir build-tsan \
    -R '^(hw_seriallink_tests|tst_verbindung|tst_parametrierung|tst_firmwaresim)$' \
    --output-on-failure
