#!/usr/bin/env bash
# The README's pictures can be made again: docs/make-screenshot.sh writes a PNG of the screen's
# size that shows more than a blank screen and fits the README's limit, and bench/plot.sh draws its
# three plots from the figures the README's plots were drawn from (docs/compare-run).
#
# Usage: test_docs.sh BUILD_DIR. Exits 77 (ctest: skipped) when the tools of a part are missing,
# after running the other part; a failure of either part fails the test.

set -u
BUILD=${1:?usage: $0 BUILD_DIR}
SRC=$(cd "$(dirname "$0")/../.." && pwd)
WORK=$(mktemp -d "${TMPDIR:-/tmp}/quillarren-test-docs.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
source "$SRC/scripts/packages.sh"

FAILED=0
SKIPPED=""
fail() { echo "FAIL [test_docs]: $*" >&2; FAILED=1; }

not_installed() {
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || printf '%s ' "$package"
    done
}

# The screenshot.
absent=$(not_installed "${QUILLARREN_SCREENSHOT_PACKAGES[@]}")
if [ -n "$absent" ]; then
    SKIPPED="$SKIPPED screenshot (missing: ${absent% })"
else
    shot=$WORK/screenshot.png
    if ! bash "$SRC/docs/make-screenshot.sh" "$BUILD" "$shot" >"$WORK/screenshot.log" 2>&1; then
        cat "$WORK/screenshot.log" >&2
        fail "docs/make-screenshot.sh failed"
    elif ! info=$(identify -format '%m %w %h %k' "$shot" 2>&1); then
        fail "the screenshot is not a picture: $info"
    else
        read -r format width height colours <<<"$info"
        bytes=$(stat -c %s "$shot")
        [ "$format" = PNG ] || fail "the screenshot is $format, not PNG"
        [ "$width" -ge 600 ] && [ "$width" -le 1600 ] && [ "$height" -ge 400 ] && [ "$height" -le 1200 ] ||
            fail "the screenshot is ${width}x${height}"
        [ "$bytes" -gt 20000 ] && [ "$bytes" -le $((300 * 1024)) ] || fail "the screenshot has $bytes bytes"
        # A black or one-colour screen (no wallpaper, nothing drawn) has a handful of colours.
        [ "$colours" -gt 1000 ] || fail "the screenshot has only $colours colours"
    fi
fi

# The plots.
if ! command -v gnuplot >/dev/null 2>&1; then
    SKIPPED="$SKIPPED plots (missing: ${QUILLARREN_PLOT_PACKAGES[*]})"
elif ! bash "$SRC/bench/plot.sh" "$SRC/docs/compare-run" "$WORK/plots" >"$WORK/plot.log" 2>&1; then
    cat "$WORK/plot.log" >&2
    fail "bench/plot.sh failed"
else
    for plot in bench-startup bench-memory bench-keystroke; do
        file=$WORK/plots/$plot.svg
        if ! grep -q '<svg' "$file" 2>/dev/null; then
            fail "no SVG in $file"
        elif ! grep -q 'Quillarren' "$file" || ! grep -q 'xpad' "$file"; then
            fail "$plot.svg lacks the program's or xpad's figures"
        fi
    done
fi

[ "$FAILED" = 0 ] || exit 1
if [ -n "$SKIPPED" ]; then
    echo "SKIP [test_docs]:$SKIPPED"
    exit 77
fi
echo "PASS [test_docs]"
