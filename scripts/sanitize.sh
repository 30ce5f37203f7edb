#!/usr/bin/env bash
# The sanitizer runs: every test under ASan+UBSan (leak checks on), the concurrency tests under TSan.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
scripts/build.sh asan
ctest --preset asan -j"$(nproc)"
scripts/build.sh tsan extension_tests
ctest --preset tsan -j"$(nproc)" -R 'Concurrency'
