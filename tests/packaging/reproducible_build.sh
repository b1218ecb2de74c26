#!/usr/bin/env bash
# The same commit packaged twice gives the same bytes: clones at two paths of different lengths,
# each packaged by scripts/package at its own time with nothing set by the caller, must give
# byte-identical packages in dist/. On a difference, says which file differs and where.
# Usage: reproducible_build.sh SOURCE_DIR
# Packages the committed HEAD of SOURCE_DIR: changes not yet committed take no part.
set -euo pipefail

source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
commit=$(git -C "$source_dir" rev-parse HEAD)
if [ -n "$(git -C "$source_dir" status --porcelain --untracked-files=no)" ]; then
    echo "reproducible_build: packaging HEAD ($commit); uncommitted changes are left out"
fi

builds=("$work/a/zerapol" "$work/a second place, further down/zerapol-again")
for build in "${builds[@]}"; do
    git clone --quiet --no-hardlinks "$source_dir" "$build"
    git -C "$build" checkout --quiet "$commit"
    # Only what a user's shell would have: nothing that fixes a time or a path.
    (cd "$build" && env -u SOURCE_DATE_EPOCH scripts/package >"$build.log" 2>&1) || {
        echo "reproducible_build: scripts/package failed in $build:" >&2
        tail -n 30 "$build.log" >&2
        exit 1
    }
    # The second build starts at another second of the clock at the least.
    sleep 1
done

first=${builds[0]}/dist
second=${builds[1]}/dist
mapfile -t packages < <(cd "$first" && ls)
if [ ${#packages[@]} -lt 2 ]; then
    echo "reproducible_build: expected the .deb and Zerapol.exe in dist/, found: ${packages[*]}" >&2
    exit 1
fi
if [ "$(cd "$first" && ls)" != "$(cd "$second" && ls)" ]; then
    echo "reproducible_build: the two builds made different files:" >&2
    diff <(cd "$first" && ls) <(cd "$second" && ls) >&2 || true
    exit 1
fi

status=0
for package in "${packages[@]}"; do
    if cmp --quiet "$first/$package" "$second/$package"; then
        echo "same bytes: $package ($(sha256sum <"$first/$package" | cut -c1-16)...)"
        continue
    fi
    status=1
    echo "DIFFERENT: $package" >&2
    if command -v diffoscope >/dev/null 2>&1; then
        diffoscope --text - "$first/$package" "$second/$package" 2>&1 | head -n 200 >&2 || true
    else
        cmp -l "$first/$package" "$second/$package" | head -n 40 >&2 || true
    fi
done
exit $status
