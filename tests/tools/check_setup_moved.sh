#!/usr/bin/env bash
# tools/setup.sh on a small stand-in checkout (its own CMakeLists.txt and one
# source file): built once, then copied, moved, built in place again and with
# its build folder moved. Each row runs setup.sh and says whether it must start
# a fresh build folder; every build must succeed and leave a cache that
# belongs to its own checkout and folder.
# Usage: check_setup_moved.sh PATH/TO/setup.sh
set -uo pipefail
setup=${1:?tools/setup.sh}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export CCACHE_DIR=$scratch/ccache

mkdir -p "$scratch/first/tools"
cp "$setup" "$scratch/first/tools/setup.sh"
cat >"$scratch/first/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.25)
project(standin LANGUAGES CXX)
add_executable(standin main.cpp)
CMAKE
echo 'int main() { return 0; }' >"$scratch/first/main.cpp"

passed=0 failed=0
# ROW: what is done before the build | checkout | build folder | fresh (yes/no)
while IFS='|' read -r before checkout folder fresh; do
  [ -n "$checkout" ] || continue
  (cd "$scratch" && eval "$before")
  mkdir -p "$scratch/$checkout/$folder" && touch "$scratch/$checkout/$folder/kept"
  log=$( (cd "$scratch/$checkout" && bash tools/setup.sh "$folder") 2>&1)
  status=$?
  problem=""
  [ $status -eq 0 ] || problem="setup.sh failed ($status): $log"
  cache=$scratch/$checkout/$folder/CMakeCache.txt
  if [ -z "$problem" ]; then
    grep -qx "CMAKE_HOME_DIRECTORY:INTERNAL=$scratch/$checkout" "$cache" || problem="the cache is not the checkout's"
    grep -qx "CMAKE_CACHEFILE_DIR:INTERNAL=$scratch/$checkout/$folder" "$cache" || problem="the cache is not the folder's"
    [ -x "$scratch/$checkout/$folder/standin" ] || problem="nothing was built"
  fi
  started_fresh=no
  grep -q 'starting a fresh build folder' <<<"$log" && started_fresh=yes
  [ -e "$scratch/$checkout/$folder/kept" ] || started_fresh=yes
  [ -n "$problem" ] || [ $started_fresh = "$fresh" ] || problem="fresh build folder: $started_fresh, expected $fresh"
  if [ -z "$problem" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: after '$before', $checkout/$folder: $problem"
  fi
done <<'TABLE'
true|first|build|no
true|first|build|no
cp -a first copy|copy|build|yes
true|copy|build|no
mv copy moved|moved|build|yes
mv moved/build moved/other|moved|other|yes
cp -a first/build first/build2|first|build2|yes
true|first|build|no
TABLE

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
