#!/usr/bin/env bash
# Installs the Debian packages that Cartavel needs to build, test and run,
# and only those that are missing. Runs apt as root, or through sudo.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libsqlite3-dev sqlite3
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
  qt6-charts-dev qt6-svg-dev libqt6opengl6-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev
  libpq-dev postgresql-15 postgresql-common postgresql-client-15
  fonts-nanum-coding fonts-nanum
  xvfb xauth
  tzdata desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
else
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
