#!/usr/bin/env bash
# Installs the Debian packages Quaxel needs (only those missing), then
# configures and builds. Usage: tools/setup.sh BUILD_DIR [cmake options...]
# or tools/setup.sh --install-only
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:?build directory or --install-only}
shift

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-qpa-plugins libjpeg-dev libgtest-dev libgmock-dev
          libbenchmark-dev gputils srecord python3 fonts-dejavu-core fonts-liberation2 xvfb xauth clang libclang-rt-14-dev ccache
          qt6-translations-l10n qt6-l10n-tools qt6-tools-dev openbox xdotool x11-utils appstream dpkg-dev lintian bash-completion python3-jsonschema
          poppler-utils qt6ct desktop-file-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  echo "Installing Debian packages: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

[ "$build" = --install-only ] && exit 0

# ccache keeps a second build (sanitizers, fuzzing) and a rebuild quick.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Paths inside the checkout count as relative, so that another clone of the
# same sources finds the objects this one made.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$root}"

# A build folder that came along when the checkout was copied or moved (or
# that was itself moved) belongs to the old place: CMake refuses its cache.
# It only holds what a build makes, so it is made afresh; ccache still has the
# objects, because paths inside the checkout are relative.
cache="$build/CMakeCache.txt"
if [ -f "$cache" ]; then
  cached() { sed -n "s/^$1:INTERNAL=//p" "$cache"; }
  made_for=$(cached CMAKE_HOME_DIRECTORY)
  made_in=$(cached CMAKE_CACHEFILE_DIR)
  if ! [ "$made_for" -ef "$root" ] || ! [ "$made_in" -ef "$build" ]; then
    echo "$build was made for $made_for in $made_in: starting a fresh build folder"
    case "$(cd "$root" && pwd -P)/" in
      # A build in the checkout itself: only CMake's own files go.
      "$(cd "$build" && pwd -P)"/*) rm -rf "$cache" "$build/CMakeFiles" ;;
      *) rm -rf "$build" ;;
    esac
  fi
fi

cmake -S "$root" -B "$build" "${launcher[@]}" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
