#!/usr/bin/env bash
# Installs the Debian packages AUVO needs to build, run and test. Quiet when all are present.
set -euo pipefail
PKGS=(
  g++ make cmake ccache pkg-config clang libclang-rt-14-dev clang-format
  qt6-base-dev qt6-translations-l10n libgl-dev fonts-dejavu-core
  libsdl2-dev libx11-dev libfftw3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  pulseaudio pulseaudio-utils sox
  qt6-svg-dev dpkg-dev desktop-file-utils libxml2-utils shared-mime-info
  xvfb xdotool imagemagick x11-utils lintian
)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
