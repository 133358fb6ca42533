#!/usr/bin/env bash
# Sets everything up and runs all tests: a normal build, then the same suite built with
# AddressSanitizer and UndefinedBehaviorSanitizer, then the tests of every thread the
# programs start (link, record, year study, service tool) built with ThreadSanitizer;
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
# intercept_tls_get_addr=0: the leak check's tracer otherwise reads a bogus range of the main
# thread's dynamic TLS at exit and dies with signal 11 ("Tracer caught signal 11 ...
# LeakSanitizer has encountered a fatal error", every run of tst_parametrierung, depending on
# the layout); without the interception the dynamic TLS is not taken as roots, which can only
# add reports, never hide a leak.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:intercept_tls_get_addr=0
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure -j "$(nproc)"

# The threads under ThreadSanitizer: the link's own tests, the composed application against
# the simulated controller, the traffic record's sinks (called on the receiver's thread), the
# year study's worker threads (the geometry tests and the year window) and the service tool,
# which flashes several ports at once (its tests start the tool and the simulator of this
# tree, so both are built with it); only these are built in that tree. Qt and glib are not
# instrumented, and Qt's own locks (futexes) are invisible to the sanitizer: accesses that
# Qt's code makes through the sanitizer's interceptors (memmove in its thread pool's queue,
# the test watchdog's wait condition) would be reported as races between Qt's own threads,
# so ignore_noninstrumented_modules=1 (the project's code, memmove and all, is still
# checked); tools/tsan.supp may name functions inside Qt and glib for the rest. The
# simulator is started with fork, hence die_after_fork=0.
tsan_tests="hw_seriallink_tests tst_verbindung tst_parametrierung tst_firmwaresim \
    tst_protokollmonitor hw_geometry_tests tst_jahresverschattung hw_service_tests"
HW_ZIELE="$tsan_tests trackersim heliowendler-service heliowendler-calc" \
    bash tools/setup.sh build-tsan -DHW_TSAN=ON -DHW_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:die_after_fork=0:ignore_noninstrumented_modules=1:suppressions=$PWD/tools/tsan.supp" \
    LC_ALL=C.UTF-8 ctest --test-dir build-tsan -R "^($(echo $tsan_tests | tr ' ' '|'))\$" \
    --output-on-failure
