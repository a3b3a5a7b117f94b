#!/usr/bin/env bash
# Installs the build into a temporary prefix, stripped, as a package build would, and checks
# what lands there with the desktop's own validators (each skipped, with the reason, when the
# machine lacks it).
#   install_test.sh BUILD_DIR GUI(ON|OFF)
set -euo pipefail
build=${1:?build folder}
gui=${2:-ON}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" --strip >/dev/null
fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "skipped: $*"; }

expect=(bin/zoquel-render)
[ "$gui" = ON ] && expect+=(bin/zoquel share/applications/org.zoquel.Zoquel.desktop
                            share/metainfo/org.zoquel.Zoquel.metainfo.xml share/mime/packages/zoquel.xml
                            share/icons/hicolor/48x48/apps/zoquel.png)
command -v help2man >/dev/null && expect+=(share/man/man1/zoquel-render.1)
for f in "${expect[@]}"; do [ -e "$prefix/$f" ] || fail "$f was not installed"; done

if command -v readelf >/dev/null; then
    ! readelf -S "$prefix/bin/zoquel-render" | grep -q '\.debug_info' || fail "zoquel-render is not stripped"
else
    skip "no readelf to see that the programs are stripped"
fi
"$prefix/bin/zoquel-render" --version | grep -q '^zoquel-render [0-9]' || fail "the installed program does not run"
[ "$gui" = ON ] || exit 0

if command -v desktop-file-validate >/dev/null; then
    out=$(desktop-file-validate "$prefix/share/applications/org.zoquel.Zoquel.desktop")
    [ -z "$out" ] || fail "desktop entry: $out"
else
    skip "no desktop-file-validate (desktop-file-utils)"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/org.zoquel.Zoquel.metainfo.xml" >/dev/null ||
        fail "metainfo: $(appstreamcli validate --no-net "$prefix/share/metainfo/org.zoquel.Zoquel.metainfo.xml")"
else
    skip "no appstreamcli (appstream)"
fi
if command -v update-mime-database >/dev/null; then
    update-mime-database "$prefix/share/mime" >/dev/null 2>&1
    grep -q 'x-zoquel-parameters' "$prefix/share/mime/globs2" || fail "file types: no glob"
    grep -aq 'zoquel-parameters' "$prefix/share/mime/magic" || fail "file types: no magic for text parameters"
else
    skip "no update-mime-database (shared-mime-info)"
fi
echo "installed and valid"
