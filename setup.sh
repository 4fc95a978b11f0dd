#!/usr/bin/env bash
# Installs what Nodeweave needs to build, run and test on Debian 12; does nothing when all is there.
set -u
packages=(g++ cmake make pkg-config libwxgtk3.2-dev libirrlicht-dev libgtk-3-dev libx11-dev
          libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth imagemagick xdotool)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "setup: installing ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then sudo="sudo"; else
    echo "setup: not root and no sudo; cannot install: ${missing[*]}" >&2; exit 1; fi
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq || echo "setup: apt-get update failed" >&2
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
still=()
for p in "${missing[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || still+=("$p")
done
if [ ${#still[@]} -ne 0 ]; then
  echo "setup: could not install: ${still[*]}" >&2; exit 1
fi
echo "setup: all packages present"
