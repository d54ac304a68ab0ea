#!/usr/bin/env bash
# Installs the built module into a scratch prefix and builds two host applications against it,
# outside the source tree:
#  - headless/ sets no C++ standard and links Kassio::kassio alone: nothing of the host layer
#    (cairo, pango, librsvg, cpp-httplib, SQLite) may reach its link line;
#  - host/ links Kassio::host, draws an image asset and reads a translation. The prefix is then
#    moved: the program finds the resources beside it, or where KASSIO_RESOURCE_DIR says, and
#    reports them missing otherwise (never falling back to the source tree).
# Nor may an installed library carry the source tree's path outside its debug information.
set -euo pipefail
source_dir=$1
build_dir=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset KASSIO_RESOURCE_DIR
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build_dir" --prefix "$work/prefix" > /dev/null

libs=$(find "$work/prefix" -name "libkassio*.a")
[[ $(wc -w <<< "$libs") == 3 ]] || fail "installed libraries: $libs"
for lib in $libs; do
  objcopy --strip-debug "$lib" "$work/stripped.a"
  count=$(grep -c -a -F "$source_dir" "$work/stripped.a" || true)
  [[ $count == 0 ]] || fail "$(basename "$lib") names the source tree $source_dir ($count times)"
done

for consumer in headless host; do
  cp -r "$here/$consumer" "$work/$consumer-src"
  cmake -S "$work/$consumer-src" -B "$work/$consumer" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" > /dev/null
  cmake --build "$work/$consumer" > /dev/null
done

link_line=$(grep -A3 '^build consumer:' "$work/headless/build.ninja" | grep 'LINK_LIBRARIES')
[[ $link_line == *libkassio.a* ]] || fail "headless consumer does not link libkassio.a: $link_line"
if grep -qiE 'cairo|pango|rsvg|httplib|sqlite|kassio_host|kassio_sandbox' <<< "$link_line"; then
  fail "headless consumer links host libraries: $link_line"
fi
if ldd "$work/headless/consumer" | grep -qiE 'cairo|pango|rsvg|httplib|sqlite'; then
  fail "headless consumer loads host libraries"
fi
"$work/headless/consumer" || fail "headless consumer"

mv "$work/prefix" "$work/moved"
mkdir -p "$work/moved/bin"
cp "$work/host/consumer" "$work/moved/bin/consumer"
"$work/moved/bin/consumer" "$work/icon.png" || fail "host consumer beside the moved prefix"
[[ -s $work/icon.png ]] || fail "no icon drawn"
KASSIO_RESOURCE_DIR="$work/moved/share/kassio" "$work/host/consumer" || fail "host consumer with KASSIO_RESOURCE_DIR"

# Run where nothing points at the resources, unless the configured prefix holds an installed copy.
configured=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build_dir/CMakeCache.txt")
if [[ ! -e $configured/share/kassio ]]; then
  status=0
  "$work/host/consumer" 2> "$work/missing.txt" || status=$?
  [[ $status == 2 ]] || fail "host consumer without resources exited $status, not 2"
fi
echo "installed package: headless and host consumers built, linked and ran"
