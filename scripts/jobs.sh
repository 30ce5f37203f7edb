# Sourced by the build and test scripts: $jobs is ZINDRAL_JOBS when set (a whole number from 1),
# else the number of cores.
if [ -n "${ZINDRAL_JOBS:-}" ]; then
  if ! [[ "$ZINDRAL_JOBS" =~ ^[1-9][0-9]*$ ]]; then
    echo "ZINDRAL_JOBS must be a whole number of jobs from 1, not '$ZINDRAL_JOBS'" >&2
    exit 2
  fi
  jobs=$ZINDRAL_JOBS
else
  jobs=$(nproc)
fi
