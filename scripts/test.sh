#!/usr/bin/env bash
# Builds Cartavel and runs every test: unit tests, scenario scripts and the
# tests of the real screen on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build
ctest --output-on-failure -j"$(nproc)"
