#!/usr/bin/env bash
# Builds the benchmarks (RelWithDebInfo) and prints every figure against its
# reference, measured in the same run. Usage: tools/bench.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"
bash "$root/tools/setup.sh" "$build" -DQUAXEL_BENCH=ON
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
python3 "$root/tools/bench.py" "$build"
