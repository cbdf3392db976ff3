#!/usr/bin/env bash
# Builds Quaxel and runs every test through ctest.
# QUAXEL_SANITIZE=1 builds a second tree with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs the tests there.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [ "${QUAXEL_SANITIZE:-0}" = 1 ]; then
  build="$root/build-sanitize"
  bash "$root/tools/setup.sh" "$build" -DQUAXEL_SANITIZE=ON -DQUAXEL_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export LSAN_OPTIONS=suppressions=$root/tools/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  build="$root/build"
  bash "$root/tools/setup.sh" "$build"
fi
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
