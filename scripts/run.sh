#!/usr/bin/env bash
# Sets up, builds, and plays the plug-in for a few bars in zindral-host. Extra arguments go to the
# host, which runs in the caller's folder, so relative paths (--export line.mid) are the caller's.
# The set-up and the build report on standard error: standard output is the host's.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
(cd "$repo" && scripts/setup.sh && scripts/build.sh default zindral-host ZindralExtension) >&2
exec "$repo/build/bin/zindral-host" "$@"
