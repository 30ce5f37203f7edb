#!/usr/bin/env bash
# The sanitizer runs: every test under ASan+UBSan (leak checks on), and every test under TSan.
# Library faults that are not ours are suppressed by the files in scripts/sanitizers/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
source scripts/jobs.sh
suppressions=$PWD/scripts/sanitizers
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$suppressions/lsan.supp:print_suppressions=0
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=$suppressions/tsan.supp
scripts/build.sh asan
ctest --preset asan -j"$jobs"
scripts/build.sh tsan
ctest --preset tsan -j"$jobs"
