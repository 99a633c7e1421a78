#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those missing.
set -euo pipefail
PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-serialport-dev qt6-webengine-dev
  libgl-dev fonts-dejavu-core
)
missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${missing[@]}"
fi
