#!/usr/bin/env bash
# Runs a fuzz target on a copy of its committed seeds.
#   fuzz/run.sh TARGET SEEDS WORKDIR [libFuzzer options...]
# For a long run, e.g. ten million executions of the diary reader:
#   fuzz/run.sh build-fuzz/fuzz/diary_fuzz fuzz/corpus/diary /tmp/diary -runs=10000000
# Findings are written as crash-* files into WORKDIR; each one becomes a test.
set -euo pipefail
target=$1 seeds=$2 work=$3
shift 3
mkdir -p "$work/corpus"
cp -n "$seeds"/* "$work/corpus/" 2>/dev/null || true
[ -n "${KORVALIN_EXTRA_SEED:-}" ] && [ -f "$KORVALIN_EXTRA_SEED" ] && cp -n "$KORVALIN_EXTRA_SEED" "$work/corpus/"
cd "$work"
exec "$target" -artifact_prefix="$work/" "$@" corpus
