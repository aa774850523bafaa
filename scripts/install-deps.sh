#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Does nothing when every package is already present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  libsqlite3-dev sqlite3
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libxlsxwriter-dev libzip-dev libexpat1-dev libfreexl-dev
  libqpdf-dev poppler-utils
  fonts-liberation
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
