#!/usr/bin/env bash
# Configures and builds one preset (default: "default"). Usage: scripts/build.sh [preset] [targets...]
# ZINDRAL_JOBS=N limits the build to N parallel jobs (default: the build tool's choice, every core).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/jobs.sh
preset=${1:-default}
shift || true
cmake --preset "$preset" >/dev/null
parallel=()
[ -z "${ZINDRAL_JOBS:-}" ] || parallel=(--parallel "$jobs")
if (($#)); then
  cmake --build --preset "$preset" "${parallel[@]}" --target "$@"
else
  cmake --build --preset "$preset" "${parallel[@]}"
fi
