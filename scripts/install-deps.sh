#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need, and only those missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libsqlite3-dev sqlite3 libpq-dev postgresql
  libgif-dev libicu-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-dejavu-core xvfb xauth x11-utils xdotool libxcb1-dev
  xdg-utils
  clang libclang-rt-14-dev clang-format
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
