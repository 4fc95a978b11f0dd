#!/usr/bin/env bash
# Configures and builds Nodeweave into build/ (or $1), staging the run folder build/run.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
dir=${1:-$here/build}; shift || true
cmake -S "$here" -B "$dir" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
