#!/bin/sh
# Starts an X server (Xvfb) and a session bus of its own, and in them runs
# AccessibilityBusTest.py against the program given as the first argument.
# Everything it needs is installed by scripts/setup: a missing part fails.
set -u
program=$1
here=$(cd "$(dirname "$0")" && pwd)

for tool in Xvfb dbus-run-session /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (scripts/setup installs it)"; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    [ -z "$xvfb_pid" ] || { kill -TERM "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; }
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
tenths=0
while [ ! -s "$work/display" ] && [ "$tenths" -lt 100 ]; do
    sleep 0.1
    tenths=$((tenths + 1))
done
if [ ! -s "$work/display" ]; then
    echo "FAIL: Xvfb did not start"
    cat "$work/xvfb.log"
    exit 1
fi

mkdir -m 700 "$work/runtime"
# In a sanitizer build, strict string checks reject the X keyboard library's
# strndup of a name that fills its buffer exactly, which is correct code.
asan_options=${ASAN_OPTIONS:-}
[ -z "$asan_options" ] || asan_options="$asan_options:strict_string_checks=0"
DISPLAY=:$(head -n 1 "$work/display") XDG_RUNTIME_DIR="$work/runtime" ASAN_OPTIONS="$asan_options" \
    dbus-run-session -- /usr/bin/python3 "$here/AccessibilityBusTest.py" "$program" "$work/program.log"
