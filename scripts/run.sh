#!/usr/bin/env bash
# Sets up, builds, and plays the plug-in for a few bars in zindral-host. Extra arguments go to the host.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh default zindral-host ZindralExtension
exec build/bin/zindral-host "$@"
