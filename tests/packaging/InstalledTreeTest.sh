#!/bin/sh
# Installs the build into a fresh prefix and checks what a user gets there:
# exactly the programs, their manual pages, the menu entry, the icons and the
# software centre's metadata (no library, test or benchmark), the validators'
# verdicts on the entry and the metadata, and that the program named by the
# entry's Exec line starts from the prefix, keeps running without a complaint
# and ends on SIGTERM: offscreen always, and in a real X server as well when
# Xvfb is there, where its window must carry its class and its own icon. The
# tree also holds the copyright file and the changelog, and the manual pages
# are dated with the build's version. Given cpack, it also makes the Debian
# package and checks the package itself: its files are the installed tree's,
# lintian reports no error, and its programs carry Debian's hardening and no
# .comment section.
#
# Usage: InstalledTreeTest.sh CMAKE BUILD_DIR APP_ID WITH_CLI VERSION [CPACK]
#   WITH_CLI is 1 when the build has the command-line program kyvadlo-run.
#   VERSION is the project's, which the manual pages must name.
#   CPACK is given for a build with the package's flags.
set -u

cmake_command=$1
build_dir=$2
app_id=$3
with_cli=$4
version=$5
cpack_command=${6:-}

window_title="Fyzické kyvadlo"
icon_sizes="16 24 32 48 64 128 256"
# How long the program must keep running, and how long a window may take to show.
settle_seconds=3
window_wait_tenths=150

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

work=$(mktemp -d "${TMPDIR:-/tmp}/kyvadlo-install.XXXXXX") || exit 1
started_pids=""
cleanup() {
    for pid in $started_pids; do
        kill -TERM "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

prefix=$work/prefix
runtime_dir=$work/runtime
mkdir -m 700 "$runtime_dir"

echo "== installing into $prefix"
if ! env -u DESTDIR "$cmake_command" --install "$build_dir" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install failed"
    exit 1
fi

desktop_file=share/applications/$app_id.desktop
metainfo_file=share/metainfo/$app_id.metainfo.xml
icon_dir=share/icons/hicolor

echo "== the installed tree"
expected="bin/Kyvadlo
share/man/man1/Kyvadlo.1.gz
share/doc/kyvadlo/copyright
share/doc/kyvadlo/changelog.gz
$desktop_file
$metainfo_file
$icon_dir/scalable/apps/$app_id.svg"
for size in $icon_sizes; do
    expected="$expected
$icon_dir/${size}x$size/apps/$app_id.png"
done
if [ "$with_cli" = 1 ]; then
    expected="$expected
bin/kyvadlo-run"
fi

(cd "$prefix" && find . ! -type d | sed 's|^\./||' | sort) >"$work/installed"
printf '%s\n' "$expected" | sort >"$work/expected"
cat "$work/installed"

missing=$(comm -23 "$work/expected" "$work/installed")
[ -z "$missing" ] || fail "not installed: $missing"
# Anything else is a fault (a library, a test, a benchmark), except the
# command-line program's manual page when that program is part of the build.
unexpected=$(comm -13 "$work/expected" "$work/installed")
if [ "$with_cli" = 1 ]; then
    manual_pages=$(printf '%s\n' "$unexpected" | grep '^share/man/man1/kyvadlo-run\.1\(\.gz\)\?$')
    [ -n "$manual_pages" ] || fail "the manual page of kyvadlo-run is not installed"
    unexpected=$(printf '%s\n' "$unexpected" | grep -v '^share/man/man1/kyvadlo-run\.1\(\.gz\)\?$')
fi
[ -z "$unexpected" ] || fail "installed but not part of the application: $unexpected"

for program in bin/Kyvadlo bin/kyvadlo-run; do
    if [ -e "$prefix/$program" ] && [ ! -x "$prefix/$program" ]; then
        fail "$program is not executable"
    fi
done
# Each manual page is of its program, dated, and names the build's version.
for manual in "$prefix"/share/man/man1/*.1.gz; do
    title=$(basename "$manual" .1.gz | tr '[:lower:]' '[:upper:]')
    gzip -dc "$manual" | grep -q "^\\.TH $title 1 \"[0-9]\\{4\\}-[0-9][0-9]-[0-9][0-9]\" \"Kyvadlo $version\"" \
        || fail "$manual has no title line with a date and the version $version"
done
if command -v readelf >/dev/null && [ -e "$prefix/bin/Kyvadlo" ]; then
    if readelf -d "$prefix/bin/Kyvadlo" | grep -F "$build_dir" >/dev/null; then
        fail "bin/Kyvadlo still looks for libraries in the build folder"
    fi
fi

echo "== icons"
# A PNG starts with its 8-byte signature and the IHDR chunk: width and height
# as big-endian 32-bit numbers at bytes 16 to 23.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}
for size in $icon_sizes; do
    png=$prefix/$icon_dir/${size}x$size/apps/$app_id.png
    [ -f "$png" ] || continue
    signature=$(od -An -tx1 -N8 "$png" | tr -d ' \n')
    [ "$signature" = 89504e470d0a1a0a ] || fail "$png is no PNG"
    actual=$(png_size "$png")
    [ "$actual" = "${size}x$size" ] || fail "$png is $actual, not ${size}x$size"
done
svg=$prefix/$icon_dir/scalable/apps/$app_id.svg
if [ -f "$svg" ] && ! grep -q '<svg' "$svg"; then
    fail "$svg is no SVG"
fi

echo "== desktop entry"
desktop=$prefix/$desktop_file
entry_value() {
    sed -n "s/^$1=//p" "$desktop" | head -n 1
}
exec_line=""
if [ -f "$desktop" ]; then
    [ "$(entry_value Name)" = "$window_title" ] || fail "the entry's Name is not \"$window_title\""
    [ -n "$(entry_value 'Name\[en\]')" ] || fail "the entry has no English name"
    [ -n "$(entry_value 'Comment\[en\]')" ] || fail "the entry has no English comment"
    [ "$(entry_value Icon)" = "$app_id" ] || fail "the entry's Icon is not $app_id"
    for category in Education Science Physics; do
        entry_value Categories | tr ';' '\n' | grep -qx "$category" || fail "the entry lacks the category $category"
    done
    # Field codes (%f, %U, ...) stand for files and addresses; the program takes none.
    exec_line=$(entry_value Exec | sed 's/ *%[a-zA-Z]//g')
    exec_program=${exec_line%% *}
    [ -x "$prefix/bin/$exec_program" ] || fail "the entry's Exec program $exec_program is not installed in bin"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the entry"
    else
        echo "desktop-file-validate is not installed: the entry is not validated"
    fi
fi

echo "== software centre metadata"
metainfo=$prefix/$metainfo_file
if [ -f "$metainfo" ]; then
    grep -q "<id>$app_id</id>" "$metainfo" || fail "the metadata's id is not $app_id"
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
        || fail "the metadata does not launch $app_id.desktop"
    if command -v appstreamcli >/dev/null; then
        appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metadata"
    else
        echo "appstreamcli is not installed: the metadata is not validated"
    fi
fi

# start_program NAME ENV...: starts the entry's Exec line from the prefix with
# the given environment; its pid lands in $program_pid, its output in $work/NAME.log.
start_program() {
    log=$work/$1.log
    shift
    (cd "$work" && exec env PATH="$prefix/bin:$PATH" XDG_RUNTIME_DIR="$runtime_dir" "$@" $exec_line) \
        >"$log" 2>&1 &
    program_pid=$!
    started_pids="$started_pids $program_pid"
}

# end_program NAME: the program must still be running and have printed
# nothing; then SIGTERM must end it.
end_program() {
    log=$work/$1.log
    if ! kill -0 "$program_pid" 2>/dev/null; then
        wait "$program_pid"
        fail "$1: the program ended by itself with status $?"
        cat "$log"
        return
    fi
    if [ -s "$log" ]; then
        fail "$1: the program printed:"
        cat "$log"
    fi
    kill -TERM "$program_pid"
    wait "$program_pid"
    status=$?
    [ "$status" -eq 143 ] || fail "$1: SIGTERM ended the program with status $status instead of 143"
    started_pids=$(printf '%s\n' $started_pids | grep -vx "$program_pid")
}

if [ -n "$exec_line" ] && [ -x "$prefix/bin/${exec_line%% *}" ]; then
    echo "== starting \"$exec_line\" offscreen"
    start_program offscreen QT_QPA_PLATFORM=offscreen
    sleep "$settle_seconds"
    end_program offscreen

    if command -v Xvfb >/dev/null && command -v xwininfo >/dev/null && command -v xprop >/dev/null; then
        echo "== starting \"$exec_line\" in an X server (Xvfb)"
        Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        started_pids="$started_pids $xvfb_pid"
        tenths=0
        while [ ! -s "$work/display" ] && [ "$tenths" -lt 100 ]; do
            sleep 0.1
            tenths=$((tenths + 1))
        done
        display=:$(head -n 1 "$work/display")
        if [ "$display" = ":" ]; then
            fail "Xvfb did not start"
            cat "$work/xvfb.log"
        else
            # In a sanitizer build, strict string checks reject the X keyboard
            # library's strndup of a name that fills its buffer exactly, which
            # is correct code; the later setting wins, for this run only.
            asan_options=${ASAN_OPTIONS:-}
            [ -z "$asan_options" ] || asan_options="$asan_options:strict_string_checks=0"
            start_program x11 QT_QPA_PLATFORM=xcb DISPLAY="$display" ASAN_OPTIONS="$asan_options"
            window=""
            tenths=0
            while [ -z "$window" ] && [ "$tenths" -lt "$window_wait_tenths" ] && kill -0 "$program_pid" 2>/dev/null; do
                sleep 0.1
                tenths=$((tenths + 1))
                window=$(xwininfo -display "$display" -name "$window_title" 2>/dev/null \
                    | sed -n 's/^xwininfo: Window id: \(0x[0-9a-f]*\).*/\1/p')
            done
            if [ -z "$window" ]; then
                fail "no window \"$window_title\" showed in the X server"
            else
                echo "window $window is up"
                # Desktops group the window under the menu entry by its class.
                wm_class=$(entry_value StartupWMClass)
                xprop -display "$display" -id "$window" WM_CLASS | grep -q "\"$wm_class\"\$" \
                    || fail "the window's class is not the entry's StartupWMClass $wm_class: $(xprop -display "$display" -id "$window" WM_CLASS)"
                # Its own icon, for taskbars: xprop shows the property's
                # pictures by their sizes.
                xprop -display "$display" -id "$window" -len 8 _NET_WM_ICON | grep -q 'Icon ([1-9][0-9]* x [1-9]' \
                    || fail "the window has no icon of its own: $(xprop -display "$display" -id "$window" -len 8 _NET_WM_ICON)"
                sleep 1
            fi
            end_program x11
        fi
        kill -TERM "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
        started_pids=$(printf '%s\n' $started_pids | grep -vx "$xvfb_pid")
    else
        echo "Xvfb, xwininfo or xprop is not installed: the program is not started in an X server"
    fi
fi

if [ -n "$cpack_command" ]; then
    echo "== the Debian package"
    for tool in dpkg-deb lintian hardening-check readelf; do
        command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/setup installs it)"
    done
    "$cpack_command" --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 \
        || { cat "$work/cpack.log"; fail "cpack failed"; }
    deb=$(ls "$work"/package/*.deb 2>/dev/null)
    echo "${deb:-no package}"
fi
if [ -f "${deb:-}" ]; then
    dpkg-deb --fsys-tarfile "$deb" | tar -tf - | sed -n 's|^\./usr/\(.*[^/]\)$|\1|p' | sort >"$work/packaged"
    diff "$work/installed" "$work/packaged" || fail "the package's files (>) differ from the installed tree's (<)"
    lintian --fail-on error "$deb" 2>&1 | grep -v '^running with root privileges' | tee "$work/lintian.log"
    ! grep -q '^E: ' "$work/lintian.log" || fail "lintian reports errors"
    # Control flow integrity needs C start files built for it, which Debian 12
    # lacks: no program of the distribution passes that check. The window
    # program calls no checked C library function with a buffer whose size the
    # compiler knows (Qt does that work), so the fortify check finds nothing to
    # recognise there; that every file is compiled fortified is checked instead.
    dpkg-deb -x "$deb" "$work/unpacked"
    for program in Kyvadlo:--nofortify kyvadlo-run:; do
        binary=$work/unpacked/usr/bin/${program%%:*}
        hardening-check --nocfprotection ${program#*:} "$binary" || fail "$binary lacks Debian's hardening"
        ! readelf -S --wide "$binary" | grep -q ' \.comment ' || fail "$binary still has a .comment section"
    done
    commands=$build_dir/compile_commands.json
    grep '"command":' "$commands" | grep -v -q -- '-D_FORTIFY_SOURCE=[1-9]' && fail "not every file is compiled fortified"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "the installed tree is complete and the program starts from it${cpack_command:+; its package is sound}"
