#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Numora
# needs. Quick when all are present: apt is only asked about missing ones.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-multimedia-dev qt6-charts-dev
  libsndfile1-dev libjpeg-dev libgl-dev libx11-dev
  fonts-arphic-uming fonts-arphic-ukai fonts-liberation
  xvfb xauth xdotool x11-utils imagemagick locales desktop-file-utils appstream strace
  clang libclang-rt-14-dev
  at-spi2-core orca python3-pyatspi openbox dbus qt6-translations-l10n
  weston qt6-wayland dpkg-dev lintian mmdebstrap poppler-utils
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq "${missing[@]}"
