#!/usr/bin/env bash
# Sets up, builds and runs every test; GUI tests run under a virtual X display. Non-zero on any failure.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
"$here/setup.sh"
"$here/build.sh"
cd "$here/build"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure --timeout 600
