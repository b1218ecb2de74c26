#!/usr/bin/env bash
# Builds the .deb from a build tree with CPack, checks its name, contents and declared
# dependencies, unpacks it into an empty root with dpkg, and asks apt whether this system could
# install it with all its dependencies.
# Usage: debian_package.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1 app_id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; exit 1; }
arch=$(dpkg --print-architecture)
deb="$work/out/zerapol_1.00_${arch}.deb"
[ -f "$deb" ] || { ls "$work/out"; fail "no $deb"; echo "0 passed, 1 failed"; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
names=$(sed -e 's/([^)]*)//g' -e 's/[[:space:]]//g' <<<"$depends" | tr ',|' '\n\n')
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 qt6-qpa-plugins fonts-liberation; do
    grep -qxF "$needed" <<<"$names" || fail "Depends lacks $needed"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "Recommends: $recommends"
grep -qw "qt6-wayland" <<<"$recommends" || fail "Recommends lacks qt6-wayland"
[ "$(dpkg-deb -f "$deb" Version)" = "1.00" ] || fail "version is $(dpkg-deb -f "$deb" Version)"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/zerapol "./usr/share/applications/$app_id.desktop" \
    "./usr/share/metainfo/$app_id.metainfo.xml" \
    "./usr/share/icons/hicolor/scalable/apps/$app_id.svg" ./usr/share/man/man1/zerapol.1.gz; do
    grep -qxF "$file" <<<"$contents" || fail "the package lacks $file"
done

root="$work/root"
mkdir -p "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/info"
touch "$root/var/lib/dpkg/status"
dpkg --root="$root" --force-depends --force-not-root --log=/dev/null -i "$deb" >"$work/dpkg.log" 2>&1 \
    || { cat "$work/dpkg.log"; fail "dpkg could not install the package"; }
[ -x "$root/usr/bin/zerapol" ] || fail "dpkg did not put zerapol in place"

if apt-get install --simulate --no-install-recommends "$deb" >"$work/apt.log" 2>&1; then
    grep -q '^Inst zerapol\|zerapol is already' "$work/apt.log" || { cat "$work/apt.log"; fail "apt would not install zerapol"; }
else
    cat "$work/apt.log"; fail "apt cannot satisfy the package's dependencies"
fi
echo "size: $(stat -c %s "$deb") bytes"

if [ "$failures" -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; exit 1; fi
