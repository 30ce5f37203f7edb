#!/usr/bin/env bash
# Sets up, builds, and plays the plug-in for a few bars in zindral-host. Extra arguments go to the
# host, which runs in the caller's folder, so relative paths (--export line.mid) are the caller's.
# The set-up and the build report on standard error: standard output is the host's. A build with
# nothing to do says nothing (ninja's re-check of globbed folders and its "no work to do" are
# dropped); what it builds and its errors still show.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
(cd "$repo" && scripts/setup.sh && scripts/build.sh default zindral-host ZindralExtension 2>&1 |
  sed -u -E '/^\[[0-9]+\/[0-9]+\] Re-checking globbed directories\.\.\.$/d; /^ninja: no work to do\.$/d') >&2
exec "$repo/build/bin/zindral-host" "$@"
