#!/usr/bin/env bash
# Makes the Debian package with cpack from the build and checks what it holds:
# the programs, desktop entry, icon, file type, AppStream metainfo (validated
# by appstreamcli), manual pages, bash completion, copyright and changelog, a
# Depends line that names the package of every library the programs load, and
# that Debian's lintian finds no error or warning, and no hardening left out.
# Usage: check_package.sh BUILD_DIR. Exit 77 (skipped) without the tools.
set -uo pipefail
build=${1:?build directory}
for tool in cpack dpkg-deb appstreamcli objdump dpkg-query lintian; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
if grep -q '^QUAXEL_SANITIZE:BOOL=ON' "$build/CMakeCache.txt"; then
  echo "skipped: the package is made from the plain build, not the sanitizer build"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
bad() { echo "FAIL: $*"; fail=1; }

(cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; echo "0 passed, 1 failed"; exit 1; }
deb=$(ls "$work"/out/quaxel_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || { cat "$work/cpack.log"; echo "no quaxel_*.deb made"; echo "0 passed, 1 failed"; exit 1; }
echo "made $(basename "$deb")"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/quaxel ./usr/bin/quaxel-cli \
            ./usr/share/applications/quaxel.desktop \
            ./usr/share/icons/hicolor/256x256/apps/quaxel.png \
            ./usr/share/mime/packages/quaxel-ihex.xml \
            ./usr/share/metainfo/org.example.quaxel.metainfo.xml \
            ./usr/share/man/man1/quaxel.1.gz \
            ./usr/share/man/man1/quaxel-cli.1.gz \
            ./usr/share/bash-completion/completions/quaxel-cli \
            ./usr/share/doc/quaxel/copyright \
            ./usr/share/doc/quaxel/changelog.gz \
            ./usr/share/doc/quaxel/settings-format.md.gz \
            ./usr/share/quaxel/settings-schema.json; do
  grep -qxF "$file" <<<"$contents" || bad "$file is not in the package"
done

dpkg-deb -x "$deb" "$work/root"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.example.quaxel.metainfo.xml" || bad "appstreamcli refuses the metainfo"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$work/root/usr/share/applications/quaxel.desktop" || bad "the desktop entry is not valid"
fi
# The files the manual of quaxel-cli names are where it says.
for named in $(zcat "$work/root/usr/share/man/man1/quaxel-cli.1.gz" | grep -o '/usr/share/[^ ,]*' | sed 's/\\-/-/g'); do
  [ -f "$work/root$named" ] || bad "quaxel-cli.1 names $named, which the package does not hold"
done
grep -qx 'Comment\[de\]=.*' "$work/root/usr/share/applications/quaxel.desktop" || bad "the desktop entry has no German comment"
for page in quaxel:QUAXEL quaxel-cli:QUAXEL-CLI; do
  zcat "$work/root/usr/share/man/man1/${page%%:*}.1.gz" | grep -q "^\.TH ${page#*:} 1" || bad "the manual page of ${page%%:*} has no title line"
done

# Every library the programs load comes from a package the .deb depends on.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The package names alone, one a line.
names=$(tr ',|' '\n\n' <<<"$depends" | awk '{print $1}')
named() { grep -qxF "$1" <<<"$names"; }
for program in quaxel quaxel-cli; do
  for lib in $(objdump -p "$work/root/usr/bin/$program" | awk '/NEEDED/ {print $2}'); do
    path=$(ldconfig -p | awk -v l="$lib" '$1 == l && /x86-64|x86_64/ {print $NF; exit}')
    [ -n "$path" ] || path=$(ldconfig -p | awk -v l="$lib" '$1 == l {print $NF; exit}')
    owner=$(dpkg-query -S "$(readlink -f "$path")" 2>/dev/null | head -1 | cut -d: -f1)
    [ -n "$owner" ] || owner=$(dpkg-query -S "$path" 2>/dev/null | head -1 | cut -d: -f1)
    [ -n "$owner" ] || { bad "$program loads $lib, whose package is unknown"; continue; }
    named "$owner" || bad "$program loads $lib from $owner, which Depends does not name"
  done
done
# What Qt loads at run time: the platform plugins and the German texts.
for package in qt6-qpa-plugins qt6-translations-l10n; do
  named "$package" || bad "Depends does not name $package"
done

# Debian's checker: no error, no warning, and none of the notes that tell of
# hardening left out or of sections a stripped program does not need.
lintian --fail-on error,warning --display-info --no-cfg "$deb" >"$work/lintian.log" 2>&1
lintian_status=$?
cat "$work/lintian.log"
[ $lintian_status -eq 0 ] || bad "lintian fails the package (status $lintian_status)"
grep -E '^I: [^ ]+ (hardening-|binary-has-unneeded-section)' "$work/lintian.log" && bad "lintian finds hardening left out"

if [ $fail -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
exit $fail
