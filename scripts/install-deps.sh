#!/usr/bin/env bash
# Installs the Debian 12 packages TALVO needs to build, run and test. Run as root.
set -euo pipefail

packages=(
    cmake g++ make qt6-base-dev qt6-base-dev-tools libqt6sql6-ibase
    libfbclient2 firebird3.0-server-core firebird3.0-server firebird3.0-utils
    libzint-dev cups cups-bsd cups-client libcups2-dev
    xvfb xauth imagemagick fonts-noto-core fonts-dejavu-core zbar-tools poppler-utils
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq "${missing[@]}" >/dev/null
fi
