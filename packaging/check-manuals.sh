#!/usr/bin/env bash
# check-manuals.sh SOURCE_DIR
#
# Each translated manual page (packaging/man/LANG/*.scd) against its English page: it converts
# with scdoc, and it keeps the English page's literal words (options, keys, input names, file
# names, JSON keys: every one-word bold text that is not a text of the program, which its
# catalogue translates), each as often as the English page has it. ctest runs it as manuals_match.
set -euo pipefail
root=${1:?usage: check-manuals.sh SOURCE_DIR}
packaging=$root/packaging
translations=$root/translations

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# The program's own one-word texts, in English and as the language's catalogue shows them (without
# the accelerator's "&"), which a page writes as the program shows them.
shown() {
    sed -n 's:.*<\(source\|translation\)>\([^ <]*\)</\(source\|translation\)>.*:\2:p' \
        "$translations/dorarive_$1.ts" | sed 's/&amp;//; s/\.\.\.$//' | sort -u
}

# LANGUAGE PAGE: the one-word bold texts of the page that are no text of the program, counted.
literals() {
    grep -o '\*[^* ]*\*' "$2" | tr -d '*' | grep -vxF -f <(shown "$1") | LC_ALL=C sort | uniq -c || true
}

pages=0
for dir in "$packaging"/man/*/; do
    language=$(basename "$dir")
    for english in "$packaging"/dorarive.1.scd "$packaging"/dorarive-calc.1.scd; do
        page=$dir/$(basename "$english")
        if [ ! -f "$page" ]; then
            fail "$language: no $(basename "$english")"
            continue
        fi
        pages=$((pages + 1))
        scdoc <"$page" >/dev/null || fail "$language/$(basename "$page") does not convert"
        if ! diff <(literals "$language" "$english") <(literals "$language" "$page") >/dev/null; then
            fail "$language/$(basename "$page") differs from the English page in its literal words:"
            diff <(literals "$language" "$english") <(literals "$language" "$page") >&2 || true
        fi
    done
done
[ "$pages" -gt 0 ] || fail "no translated manual page in $packaging/man"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "Manual pages: $pages translations convert and keep every literal word"
