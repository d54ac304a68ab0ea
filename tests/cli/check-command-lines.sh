#!/usr/bin/env bash
# The command lines of kassio-sim and kassio-sandbox: help and version on standard output with
# status 0, options before or after the script, and every bad command line refused with status 2
# and a message on standard error.
#   check-command-lines.sh KASSIO_SIM KASSIO_SANDBOX SOURCE_DIR VERSION
set -uo pipefail
sim=$1
sandbox=$2
source_dir=$3
version=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# expect STATUS STREAM TEXT -- COMMAND…: the command exits with STATUS and STREAM (out or err)
# contains TEXT.
expect() {
  local status=$1 stream=$2 text=$3
  shift 4
  "$@" > "$work/out" 2> "$work/err" < /dev/null
  local actual=$?
  if [ "$actual" != "$status" ] || ! grep -qF -- "$text" "$work/$stream"; then
    echo "FAIL: $* exited $actual (expected $status) with $stream:" >&2
    cat "$work/$stream" >&2
    failures=$((failures + 1))
  fi
}

fixture=$source_dir/fixtures/demo-merchant.json
printf '%s\n' '{"do":"setDefault","key":"visits","value":1}' > "$work/write.jsonl"
printf '%s\n' '{"do":"defaults"}' '{"do":"expect","path":"visits","equals":1}' > "$work/read.jsonl"

expect 0 out "script" -- "$sim" --help
expect 0 out "kassio-sim $version" -- "$sim" --version
expect 0 out "--defaults" -- "$sim" script --help
# --defaults after the script, then before it: the second run sees what the first wrote.
expect 0 out '{"ok":true}' -- "$sim" script "$work/write.jsonl" --defaults "$work/defaults.db"
expect 0 out '{"ok":true}' -- "$sim" script --defaults "$work/defaults.db" "$work/read.jsonl"
expect 2 err "unknown command frobnicate" -- "$sim" frobnicate
expect 2 err "subcommand is required" -- "$sim"
expect 2 err "FILE is required" -- "$sim" script
expect 2 err "not expected: second" -- "$sim" script "$work/read.jsonl" second
expect 2 err "--defaults" -- "$sim" script "$work/read.jsonl" --defaults
expect 2 err "--bogus" -- "$sim" script "$work/read.jsonl" --bogus
expect 2 err "is a directory" -- "$sim" script "$work"
expect 2 err "cannot read" -- "$sim" script "$work/missing.jsonl"

expect 0 out "--port" -- "$sandbox" --help
expect 0 out "kassio-sandbox $version" -- "$sandbox" --version
for port in 8080abc 0x10 65536 -1 "" " 80" +80 1e3; do
  expect 2 err "--port" -- "$sandbox" --fixture "$fixture" --port "$port"
done
expect 2 err "--fixture is required" -- "$sandbox" --port 0
expect 2 err "--bogus" -- "$sandbox" --fixture "$fixture" --bogus 1
expect 2 err "not expected: extra" -- "$sandbox" --fixture "$fixture" extra
expect 2 err "not a readable JSON object" -- "$sandbox" --fixture "$work/missing.json" --port 0
# A good command line serves until it is told to stop.
expect 124 out "listening on http://127.0.0.1:" -- timeout 2 "$sandbox" --port 0 --fixture "$fixture"

[ "$failures" = 0 ] || { echo "$failures command lines misbehaved" >&2; exit 1; }
