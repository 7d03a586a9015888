#!/usr/bin/env bash
# Builds Cartavel, performs the first installation when the database does not
# exist yet, and starts the program on the screen. Options go to the program
# (for example --zoom 3).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
./build/tools/cartavel-install
exec ./build/tools/cartavel "$@"
