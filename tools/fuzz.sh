#!/bin/sh
# Builds the libFuzzer targets with clang++ in their own build folder and runs
# each for a while on a copy of the seed corpus in fuzz/corpus.
#
#   tools/fuzz.sh [SECONDS] [TARGET...]      a long round: SECONDS per target (default 60)
#   tools/fuzz.sh --runs N [TARGET...]        a short round: N inputs per target (CI)
#
# Without TARGETs all of them run. Crashing
# inputs are kept as build-fuzz/artifacts/<target>-crash-*; rerun one with
#   build-fuzz/fuzz/<target> <file>
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUAXEL_FUZZ_BUILD:-$root/build-fuzz}
if [ "${1:-}" = --runs ]; then
    limit="-runs=${2:?number of runs}"
    what="${2} runs"
    shift 2
else
    limit="-max_total_time=${1:-60}"
    what="${1:-60} s"
    [ $# -gt 0 ] && shift
fi
targets=${*:-fuzz_hex_file fuzz_hex_record fuzz_ini_file fuzz_compare_listing fuzz_slots fuzz_round_trip fuzz_curve_files fuzz_settings_document fuzz_recovery_document}

bash "$root/tools/setup.sh" --install-only

seeds_of() {
    case $1 in
        fuzz_hex_record) echo "$root/fuzz/corpus/record" ;;
        fuzz_ini_file) echo "$root/fuzz/corpus/ini" ;;
        fuzz_curve_files) echo "$root/fuzz/corpus/curve" ;;
        fuzz_settings_document) echo "$root/fuzz/corpus/settings" ;;
        fuzz_recovery_document) echo "$root/fuzz/corpus/recovery" ;;
        *) echo "$root/fuzz/corpus/hex" ;;
    esac
}

launcher=""
command -v ccache >/dev/null && launcher=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
# shellcheck disable=SC2086
CXX=${CXX:-clang++} cmake -S "$root" -B "$build" -G Ninja $launcher -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUAXEL_FUZZ=ON -DQUAXEL_TESTS=OFF -DQUAXEL_BENCH=OFF >/dev/null
# shellcheck disable=SC2086
ninja -C "$build" $targets

mkdir -p "$build/artifacts"
status=0
for target in $targets; do
    corpus=$build/corpus/$target
    mkdir -p "$corpus"
    cp "$(seeds_of "$target")"/* "$corpus"/
    echo "== $target: $what"
    "$build/fuzz/$target" "$limit" -max_len=65536 -timeout=10 \
        -artifact_prefix="$build/artifacts/$target-" "$corpus" 2>"$build/$target.log" || {
        status=1
        echo "$target FOUND A PROBLEM, see $build/$target.log and $build/artifacts/"
    }
    grep -E '^(#[0-9]+ +DONE|Done )' "$build/$target.log" | tail -1 || true
done
exit $status
