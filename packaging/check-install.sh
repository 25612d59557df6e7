#!/usr/bin/env bash
# check-install.sh BUILD_DIR VERSION
#
# Installs the build, stripped as the Debian package is, into a temporary prefix and checks
# what a user would get: exactly the expected files, a desktop entry whose Exec and Icon resolve
# inside the prefix, an icon of the size its folder claims, executables that still carry their
# version section and no path into the build tree, a working dorarive-calc whose title follows
# that section, and a window that starts. Needs neither root nor the network; ctest runs it as packaging_install.
set -euo pipefail
build=${1:?usage: check-install.sh BUILD_DIR VERSION}
version=${2:?usage: check-install.sh BUILD_DIR VERSION}

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

"${CMAKE_COMMAND:-cmake}" --install "$build" --prefix "$prefix" --strip >/dev/null

# Exactly these files: anything else would end up in the package too.
expected=(
    bin/dorarive
    bin/dorarive-calc
    share/applications/dorarive.desktop
    share/icons/hicolor/256x256/apps/dorarive.png
    share/icons/hicolor/scalable/apps/dorarive.svg
    share/man/man1/dorarive.1.gz
    share/man/man1/dorarive-calc.1.gz
    share/man/{de,es,fr,it,pt_BR}/man1/dorarive.1.gz
    share/man/{de,es,fr,it,pt_BR}/man1/dorarive-calc.1.gz
    share/metainfo/example.nordavik.kaldora.metainfo.xml
    share/doc/dorarive/changelog.Debian.gz
    share/doc/dorarive/copyright
    share/lintian/overrides/dorarive
    share/mime/packages/dorarive.xml
)
actual=$(cd "$prefix" && find . -type f -printf '%P\n' | LC_ALL=C sort)
wanted=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)
if [ "$actual" != "$wanted" ]; then
    fail "installed files differ from the expected list:"
    diff <(echo "$wanted") <(echo "$actual") >&2 || true
fi
for program in dorarive dorarive-calc; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
done

# The desktop entry: valid, and pointing at what was installed beside it.
entry=$prefix/share/applications/dorarive.desktop
key() { sed -n "s/^$1=//p" "$entry" | head -n 1; }
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
fi
[ "$(key Name)" = "Nordavik Kaldora" ] || fail "entry Name is '$(key Name)'"
[ "$(key Type)" = "Application" ] || fail "entry Type is '$(key Type)'"
exec_program=$(key Exec | cut -d' ' -f1)
[ -x "$prefix/bin/$exec_program" ] || fail "entry Exec '$exec_program' is not in bin/"
icon=$(key Icon)
for size in scalable/apps/$icon.svg 256x256/apps/$icon.png; do
    [ -f "$prefix/share/icons/hicolor/$size" ] || fail "no icon hicolor/$size for Icon=$icon"
done

# The entry opens calculation files, and the file type it names is the one installed: built
# into a scratch database, *.kaldora must map to it.
mime_type=application/x-nordavik-kaldora
[ "$(key Exec)" = "$exec_program %f" ] || fail "entry Exec '$(key Exec)' takes no file"
[ "$(key MimeType)" = "$mime_type;" ] || fail "entry MimeType is '$(key MimeType)'"
if command -v update-mime-database >/dev/null; then
    mime=$(mktemp -d)
    mkdir -p "$mime/packages"
    cp "$prefix/share/mime/packages/dorarive.xml" "$mime/packages/"
    update-mime-database "$mime" >/dev/null 2>&1 || fail "update-mime-database rejects share/mime/packages/dorarive.xml"
    grep -qxF "$mime_type:*.kaldora" "$mime/globs" || fail "*.kaldora is not $mime_type"
    grep -qxF "$mime_type application/json" "$mime/subclasses" || fail "$mime_type is no kind of application/json"
    rm -rf "$mime"
fi

# A hicolor size folder must hold an image of that size: the PNG header's width and height.
png=$prefix/share/icons/hicolor/256x256/apps/dorarive.png
if [ -f "$png" ]; then
    size=$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')
    [ "$size" = "0 0 1 0 0 0 1 0" ] || fail "256x256 icon has width/height bytes '$size'"
fi

# Stripping must leave the version section the caption and the About box are built from, and
# installed executables must not look for libraries in the build tree.
if command -v readelf >/dev/null; then
    for program in dorarive dorarive-calc; do
        sections=$(readelf -SW "$prefix/bin/$program")
        grep -q '\.dorarive\.version' <<<"$sections" || fail "$program lost .dorarive.version"
        grep -q '\.symtab' <<<"$sections" && fail "$program was not stripped"
        if readelf -dW "$prefix/bin/$program" | grep -E 'R(UN)?PATH' | grep -qF "$build"; then
            fail "$program keeps a run path into the build tree"
        fi
    done
fi

# The installed programs run: the report's title comes from the version section.
config=$prefix/config
mkdir -p "$config"
export XDG_CONFIG_HOME=$config
title=$("$prefix/bin/dorarive-calc" | head -n 1) || fail "dorarive-calc failed"
[[ "$title" == "Nordavik Kaldora v$version "* ]] || fail "dorarive-calc title is '$title'"
"$prefix/bin/dorarive-calc" --json | grep -q '"rows"' || fail "dorarive-calc --json has no rows"

# The title is read from the running program's own section, as the window's caption is, not
# compiled in: a copy whose section is replaced, or removed, prints what it carries now.
block_tool=$build/src/version/dorarive-version-block
block_source=$build/src/cli/dorarive-calc.version.ini
if command -v objcopy >/dev/null && [ -x "$block_tool" ] && [ -f "$block_source" ]; then
    scratch=$prefix/title-check
    mkdir -p "$scratch"
    sed 's/^FileDescription=.*/FileDescription=Kaldora Install Check/' "$block_source" >"$scratch/changed.ini"
    "$block_tool" "$scratch/changed.ini" "$scratch/changed.bin" || fail "cannot write a changed version block"
    cp "$prefix/bin/dorarive-calc" "$scratch/changed"
    objcopy --update-section .dorarive.version="$scratch/changed.bin" "$scratch/changed"
    title=$("$scratch/changed" | head -n 1) || fail "dorarive-calc with a changed section failed"
    [[ "$title" == "Kaldora Install Check v$version "* ]] || fail "changed section, title is '$title'"
    cp "$prefix/bin/dorarive-calc" "$scratch/removed"
    objcopy --remove-section .dorarive.version "$scratch/removed"
    title=$("$scratch/removed" | head -n 1) || fail "dorarive-calc without its section failed"
    [ "$title" = "  v0.0" ] || fail "no section, title is '$title' (the window's fallback is '  v0.0')"
else
    echo "title check skipped: no objcopy or no version-block tool in $build" >&2
fi

# The window is modal until closed: still running after a few seconds means it started.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/bin/$exec_program" >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "$exec_program ended with status $status within 3 s"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "install into a temporary prefix: all checks passed"
