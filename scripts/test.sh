#!/usr/bin/env bash
# Builds Cartavel and runs every test: unit tests, scenario scripts and the
# tests of the real screen on Qt's offscreen platform, and the scenarios and
# the data layer's tests again on a shared notebook, on a throwaway
# PostgreSQL server that the tests start and stop themselves.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
# However ctest ends, no server of ours is left running.
root=$PWD
trap 'bash "$root/tests/postgres/server.sh" stop "$root/build/postgres-server"' EXIT
cd build
ctest --output-on-failure -j"$(nproc)"
