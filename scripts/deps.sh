#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing need, when any is missing.
set -euo pipefail

packages=(build-essential cmake freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri libx11-dev
  libxtst-dev libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick faketime
  desktop-file-utils appstream groff man-db dpkg-dev binutils valgrind librsvg2-bin)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
