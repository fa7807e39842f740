#!/usr/bin/env bash
# Installs the build and test dependencies that are missing on a Debian 12 machine.
# A package that is already installed is never fetched again, so a warm machine skips the network.
set -euo pipefail

packages=(
  g++ cmake ninja-build make pkg-config git
  qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-svg-dev libgl-dev
  libsqlite3-dev libsodium-dev libpq-dev postgresql nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev
  clang-format ccache
  zlib1g-dev libcups2-dev cups cups-client printer-driver-cups-pdf poppler-utils fonts-liberation2
  lintian desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
