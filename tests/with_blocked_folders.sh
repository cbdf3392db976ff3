#!/bin/sh
# Runs a test program with two folders in which every save must fail:
#   QUAXEL_READONLY_DIR  a read-only folder holding old.txt ("old content")
#   QUAXEL_FULL_DIR      a folder on a full file system holding old.txt
# Where mounts are allowed (root in a private mount namespace) the folders are
# a read-only bind mount and a tiny tmpfs filled to the last byte; both vanish
# with the namespace. Elsewhere the read-only folder is made by chmod (which
# stops everybody but root) and QUAXEL_FULL_DIR stays unset; where even that
# blocks nothing, QUAXEL_READONLY_DIR stays unset too.
set -eu
if [ "${QUAXEL_IN_NAMESPACE:-}" != 1 ] && [ "$(id -u)" = 0 ] && unshare -m true 2>/dev/null; then
    QUAXEL_IN_NAMESPACE=1 exec unshare -m "$0" "$@"
fi

work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; umount "$work/full" "$work/readonly" 2>/dev/null; rm -rf "$work"' EXIT
mkdir "$work/readonly" "$work/full"
printf 'old content' > "$work/readonly/old.txt"

if [ "${QUAXEL_IN_NAMESPACE:-}" = 1 ] && mount --make-rprivate / 2>/dev/null \
    && mount --bind "$work/readonly" "$work/readonly" 2>/dev/null \
    && mount -o remount,bind,ro "$work/readonly" 2>/dev/null \
    && mount -t tmpfs -o size=64k tmpfs "$work/full" 2>/dev/null; then
    printf 'old content' > "$work/full/old.txt"
    # Fill the rest of the file system.
    dd if=/dev/zero of="$work/full/filler" bs=4k 2>/dev/null || true
    export QUAXEL_FULL_DIR="$work/full"
else
    # No mounts here: a read-only folder by its permissions only.
    umount "$work/readonly" 2>/dev/null || true
    chmod a-w "$work/readonly/old.txt" "$work/readonly"
fi
# Root passes over permissions: without a read-only mount the folder blocks
# nothing, and the test says so and skips.
if ( : > "$work/readonly/probe" ) 2>/dev/null; then
    rm -f "$work/readonly/probe"
else
    export QUAXEL_READONLY_DIR="$work/readonly"
fi
set +e
"$@"
status=$?
trap - EXIT
chmod -R u+w "$work" 2>/dev/null
umount "$work/full" "$work/readonly" 2>/dev/null
rm -rf "$work"
exit $status
