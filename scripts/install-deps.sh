#!/usr/bin/env bash
# Installs the Debian packages Numora needs: "run" (the default) what
# building and running need, "test" those and the tools the tests, the
# benchmarks and the packages use. Quick when all are present: apt is only
# asked about missing ones.
# Usage: install-deps.sh [run|test]
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-multimedia-dev qt6-charts-dev
  libsndfile1-dev libjpeg-dev libgl-dev
  fonts-arphic-uming fonts-arphic-ukai fonts-liberation
  at-spi2-core qt6-translations-l10n qt6-wayland
)
case "${1:-run}" in
  run) ;;
  test)
    packages+=(
      libx11-dev xvfb xauth xdotool x11-utils imagemagick locales desktop-file-utils appstream strace
      clang libclang-rt-14-dev
      orca python3-pyatspi openbox dbus
      weston dpkg-dev lintian mmdebstrap poppler-utils
      sshfs libwrap0 smbnetfs samba-libs libcups2 iproute2
    ) ;;
  *) echo "usage: install-deps.sh [run|test]" >&2; exit 2 ;;
esac

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
