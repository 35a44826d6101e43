#!/usr/bin/env bash
# Checks that the programs in tools/ and examples/ are hosts of the installed library: every
# quoted include names a public header (orvmenu/), the test-support library (testsupport/) or a
# file of the program's own folder. Exits 1 and names each other include.
# Usage: scripts/check-public-includes.sh
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
while IFS= read -r file; do
    dir=$(dirname "$file")
    while IFS=: read -r line header; do
        case "$header" in
        orvmenu/*) [ -f "include/$header" ] && continue ;;
        testsupport/*) [ -f "$header" ] && continue ;;
        */*) ;;
        *) [ -f "$dir/$header" ] && continue ;;
        esac
        echo "$file:$line: includes \"$header\", which is not an installed public header" >&2
        status=1
    done < <(grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" | sed -E 's/^([0-9]+):.*"([^"]+)".*/\1:\2/')
done < <(find tools examples -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.hpp' -o -name '*.cc' \) | sort)

[ $status -eq 0 ] && echo "public includes: tools/ and examples/ include only installed headers and testsupport/"
exit $status
