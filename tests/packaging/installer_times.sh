#!/usr/bin/env bash
# The installer's bytes do not depend on how long its tools take: built once as usual and once
# with each tool paused for a second and a half after its clock is set, the two must be equal.
# Usage: installer_times.sh CMAKE BUILD_MSI WXS EXE ICON NAME WIXL MSIBUILD FAKETIME
set -euo pipefail

cmake=$1 build_msi=$2 wxs=$3 exe=$4 icon=$5 name=$6 wixl=$7 msibuild=$8 faketime=$9
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# faketime as the build calls it, with a pause inside the faked process before the tool runs.
cat >"$work/slow-faketime" <<SCRIPT
#!/usr/bin/env bash
options=()
while [ "\${1#-}" != "\$1" ]; do options+=("\$1"); shift; done
when=\$1
shift
exec "$faketime" "\${options[@]}" "\$when" bash -c 'sleep 1.5; exec "\$@"' bash "\$@"
SCRIPT
chmod +x "$work/slow-faketime"

build() {
    SOURCE_DATE_EPOCH=1765400000 "$cmake" -DWIXL="$wixl" -DMSIBUILD="$msibuild" \
        -DFAKETIME="$1" -DWXS="$wxs" -DEXE="$exe" -DICON="$icon" -DVERSION=1.00 \
        -DNAME="$name" -DWORK="$work/work-$2" -DOUTPUT="$work/$2.msi" -P "$build_msi"
}
build "$faketime" quick
build "$work/slow-faketime" slow
if ! cmp "$work/quick.msi" "$work/slow.msi"; then
    echo "installer_times: the installer built slowly differs from the one built quickly" >&2
    exit 1
fi
echo "installer_times: the same bytes however long the tools take"
