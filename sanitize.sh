#!/usr/bin/env bash
# Builds the whole program and every test with AddressSanitizer, LeakSanitizer and UBSan into
# build-sanitize/ and runs all tests there under a virtual display. Non-zero on any report.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
"$here/setup.sh"
BUILD_TYPE=Debug "$here/build.sh" "$here/build-sanitize" -DNODEWEAVE_SANITIZE=ON
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_odr_violation=0"
export LSAN_OPTIONS="suppressions=$here/tools/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$here/tools/sanitizer/ubsan.supp"
cd "$here/build-sanitize"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure --timeout 900
