#!/usr/bin/env bash
# Installs the build into a staging folder and checks that everything stands where a desktop
# looks for it, that nothing points back into the build tree, that the binary carries the
# hardening Debian expects, and that the installed program starts into its window.
# Usage: installed_layout.sh BUILD_DIR APP_ID SOURCE_DIR [sanitized]
set -euo pipefail
build=$1 app_id=$2 source=$3 sanitized=${4:-}
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# Stripped, as a package installs it: debug information names the sources and the build.
DESTDIR="$stage" cmake --install "$build" --prefix /usr --strip >/dev/null

for file in \
    usr/bin/zerapol \
    "usr/share/applications/$app_id.desktop" \
    "usr/share/metainfo/$app_id.metainfo.xml" \
    "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
    "usr/share/icons/hicolor/48x48/apps/$app_id.png" \
    "usr/share/icons/hicolor/256x256/apps/$app_id.png" \
    usr/share/man/man1/zerapol.1.gz; do
    [ -s "$stage/$file" ] || fail "missing $file"
done
[ -x "$stage/usr/bin/zerapol" ] || fail "usr/bin/zerapol is not executable"
size=$(file -b "$stage/usr/share/icons/hicolor/48x48/apps/$app_id.png")
[[ $size == *"48 x 48"* ]] || fail "the 48 px icon is $size"
grep -q "^Icon=$app_id$" "$stage/usr/share/applications/$app_id.desktop" || fail "desktop entry names another icon"
zcat "$stage/usr/share/man/man1/zerapol.1.gz" | grep -q '^\.TH ZERAPOL 1' || fail "man page unreadable"

# Relocatable: nothing in what is installed names the build or the staging folder. A sanitizer
# build keeps the source locations of its reports (generated sources among them) in the binary
# even when stripped; such a build is never shipped, so there only the other files are checked.
exclude=()
[ -n "$sanitized" ] && exclude=(--exclude=zerapol)
named=$(grep -rlF "${exclude[@]}" -e "$build" -e "$stage" "$stage" || true)
[ -z "$named" ] || fail "installed files name the build tree: $named"
dynamic=$(readelf -d "$stage/usr/bin/zerapol")
grep -qE 'RPATH|RUNPATH' <<<"$dynamic" && fail "the installed binary has an RPATH"
grep -q 'BIND_NOW\|FLAGS.*NOW' <<<"$dynamic" || fail "the binary is not linked with -z now"
readelf -lW "$stage/usr/bin/zerapol" | grep -q GNU_RELRO || fail "the binary has no RELRO segment"
readelf -hW "$stage/usr/bin/zerapol" | grep -q 'DYN (Position-Independent Executable' \
    || readelf -hW "$stage/usr/bin/zerapol" | grep -q 'Type:.*DYN' || fail "the binary is not PIE"

# The installed program, started as a desktop would start it, shows its window and works.
/usr/bin/python3 "$source/tests/e2e/press_and_read.py" "$stage/usr/bin/zerapol" \
    || fail "the installed program did not work"

if [ "$failures" -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; exit 1; fi
