#!/usr/bin/env bash
# Sets up a fresh machine, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh default
source scripts/jobs.sh
ctest --preset default -j"$jobs"
