#!/usr/bin/env bash
# check-package.sh BUILD_DIR
#
# Builds the Debian package from a finished build, as `cpack -G DEB` does, into a scratch folder
# and checks it as Debian would: lintian must report no error and no warning (informational tags
# are printed, not counted), the AppStream metainfo must validate, and each manual page must
# render without a warning. Needs lintian, appstream and dpkg-dev; ctest runs it as
# packaging_deb (label "package").
set -euo pipefail
build=${1:?usage: check-package.sh BUILD_DIR}

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

"${CPACK_COMMAND:-cpack}" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log" >&2; exit 1; }
deb=$(find "$out" -maxdepth 1 -name '*.deb' | head -n 1)
[ -n "$deb" ] || { echo "FAIL: cpack wrote no package" >&2; exit 1; }
echo "package: $(basename "$deb")"

# As root, lintian warns on stderr that it should not run so; that line is not a tag.
lintian --display-info --pedantic "$deb" >"$out/lintian.txt" 2>&1 || true
cat "$out/lintian.txt"
if grep -qE '^[EW]: ' "$out/lintian.txt"; then
    fail "lintian reports errors or warnings"
fi

tree=$out/tree
dpkg-deb -x "$deb" "$tree"
for metainfo in "$tree"/usr/share/metainfo/*.metainfo.xml; do
    [ -f "$metainfo" ] || { fail "no AppStream metainfo in the package"; break; }
    appstreamcli validate --pedantic --no-net "$metainfo" || fail "$(basename "$metainfo") does not validate"
done

for page in "$tree"/usr/share/man/man1/*.1.gz "$tree"/usr/share/man/*/man1/*.1.gz; do
    [ -f "$page" ] || { fail "no manual page in the package"; break; }
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null || true)
    [ -z "$warnings" ] || fail "$(basename "$page") renders with warnings: $warnings"
done

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "Debian package: lintian clean, metainfo valid, manual pages render"
