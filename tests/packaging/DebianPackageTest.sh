#!/bin/sh
# Makes the Debian package of the build and checks the package itself: it
# holds exactly the files the install rules put in place, lintian reports no
# error, and both programs in it carry Debian's hardening and no .comment
# section.
#
# Usage: DebianPackageTest.sh CMAKE CPACK BUILD_DIR
set -u

cmake_command=$1
cpack_command=$2
build_dir=$3

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

for tool in dpkg-deb lintian hardening-check readelf; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (scripts/setup installs it)"; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/kyvadlo-package.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT
trap 'exit 1' INT TERM

echo "== making the package"
if ! "$cpack_command" --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack failed"
    exit 1
fi
set -- "$work"/package/*.deb
[ -f "$1" ] || { cat "$work/cpack.log"; echo "FAIL: cpack made no .deb"; exit 1; }
deb=$1
echo "$deb"
dpkg-deb --info "$deb" | sed -n 's/^ \(Package\|Version\|Architecture\|Depends\):/&/p'

echo "== its files against the installed tree"
if ! env -u DESTDIR "$cmake_command" --install "$build_dir" --prefix "$work/tree/usr" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install failed"
    exit 1
fi
(cd "$work/tree" && find . ! -type d | sed 's|^\./||' | sort) >"$work/installed"
dpkg-deb --fsys-tarfile "$deb" | tar -tf - | grep -v '/$' | sed 's|^\./||' | sort >"$work/packaged"
cat "$work/packaged"
if ! diff "$work/installed" "$work/packaged" >"$work/files.diff"; then
    fail "the package's files differ from the installed tree's (< installed, > packaged):"
    cat "$work/files.diff"
fi

echo "== lintian"
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1
status=$?
grep -v '^running with root privileges' "$work/lintian.log"
[ "$status" -eq 0 ] || fail "lintian failed with status $status"
! grep -q '^E: ' "$work/lintian.log" || fail "lintian reports errors"

echo "== the programs"
# Control flow integrity needs C start files built for it, which Debian 12
# does not have: no program of the distribution passes that check, and its
# dpkg-buildflags do not ask for it. The window program calls no checked C
# library function with a buffer whose size the compiler knows (Qt does its
# string and memory work), so the fortify check finds nothing to recognise
# there; that every file is compiled fortified is checked on the build's
# compile commands instead.
dpkg-deb -x "$deb" "$work/unpacked"
for program in Kyvadlo:--nofortify kyvadlo-run:; do
    name=${program%%:*}
    binary=$work/unpacked/usr/bin/$name
    [ -f "$binary" ] || { fail "usr/bin/$name is not in the package"; continue; }
    hardening-check --nocfprotection ${program#*:} "$binary" || fail "$name lacks Debian's hardening"
    if readelf -S --wide "$binary" | grep -q ' \.comment '; then
        fail "$name still has a .comment section"
    fi
done
commands=$build_dir/compile_commands.json
compiled=$(grep -c '"command":' "$commands")
fortified=$(grep '"command":' "$commands" | grep -c -- '-D_FORTIFY_SOURCE=[1-9]')
echo "$fortified of $compiled files compiled with _FORTIFY_SOURCE"
[ "$compiled" -gt 0 ] && [ "$fortified" -eq "$compiled" ] || fail "not every file is compiled with _FORTIFY_SOURCE"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "the package holds the installed tree, lintian accepts it and its programs are hardened"
