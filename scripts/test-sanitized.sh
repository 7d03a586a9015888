#!/usr/bin/env bash
# Builds Cartavel with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitized/ and runs every test under them. Any report fails the run.
# Leak reports are off: the toolkit and the font library keep caches for the
# life of the process, which would drown the program's own findings.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
launcher=()
if command -v ccache > /dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-sanitized -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCARTAVEL_SANITIZE=ON \
  "${launcher[@]}" > build-sanitized.log 2>&1 || { cat build-sanitized.log; exit 1; }
cmake --build build-sanitized -j"$(nproc)" >> build-sanitized.log 2>&1 || { tail -n 60 build-sanitized.log; exit 1; }
cd build-sanitized
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --output-on-failure -j"$(nproc)"
