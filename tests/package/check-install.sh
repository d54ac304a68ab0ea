#!/usr/bin/env bash
# Installs the built module into a scratch prefix, then builds and runs a consumer against it.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build_dir" --prefix "$work/prefix" > /dev/null
cmake -S "$(dirname "$0")" -B "$work/consumer" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" > /dev/null
cmake --build "$work/consumer" > /dev/null
"$work/consumer/consumer"
echo "installed package found, linked and ran"
