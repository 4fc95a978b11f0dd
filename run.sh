#!/usr/bin/env bash
# Sets up, builds, stages and starts nodeweave from its run folder (plugins/, bitmaps/, webs/ are found there).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
"$here/setup.sh"
"$here/build.sh"
cd "$here/build/run"
exec ./nodeweave
