#!/usr/bin/env bash
# Checks the export table of each OrvMenu.dll given against include/orvmenu/OrvExports.h and
# src/frame/OrvMenu.def: every name at its ordinal, undecorated; no function at any other
# ordinal or under any other name; no import from a DLL that Windows does not ship (the C++
# runtime, libgcc and winpthread are linked in) other than the project's own services and toolkit.
# Usage: scripts/check-exports.sh path/to/OrvMenu.dll...
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
command -v "$objdump" >/dev/null || { echo "check-exports: $objdump not found" >&2; exit 2; }
[ $# -gt 0 ] || { echo "usage: $0 OrvMenu.dll..." >&2; exit 2; }

# The DLLs a Windows installation has; anything else would have to be shipped beside us.
# Our own DLLs (the services and the toolkit) are installed beside it.
system_dlls='^(orvservices|orvui|kernel32|user32|gdi32|comctl32|comdlg32|ole32|oleaut32|advapi32|shell32|shlwapi|uxtheme|msvcrt|ucrtbase|api-ms-win-[a-z0-9-]+)\.dll$'

# "Name ordinal" lines, sorted, from the X-macro table and from the module-definition file.
table=$(sed -n 's/^[[:space:]]*X(\([A-Za-z_][A-Za-z0-9_]*\),[[:space:]]*\([0-9][0-9]*\)).*/\1 \2/p' \
    "$root/include/orvmenu/OrvExports.h" | sort)
def=$(sed -n 's/^[[:space:]]*\([A-Za-z_][A-Za-z0-9_]*\)[[:space:]][[:space:]]*@\([0-9][0-9]*\)[[:space:]]*\r\{0,1\}$/\1 \2/p' \
    "$root/src/frame/OrvMenu.def" | sort)
[ -n "$table" ] || { echo "check-exports: no export table found in OrvExports.h" >&2; exit 2; }

status=0
fail() { echo "check-exports: $*" >&2; status=1; }

if [ "$table" != "$def" ]; then
    fail "OrvMenu.def differs from the table in OrvExports.h:"
    diff <(echo "$table") <(echo "$def") >&2 || true
fi

for dll in "$@"; do
    [ -f "$dll" ] || { fail "$dll: no such file"; continue; }
    dump=$("$objdump" -p "$dll")
    # Names with the ordinals they resolve to, and the ordinals that carry code.
    read -r -d '' parse <<'AWK' || true
        /^Ordinal Base/ { base = $3 }
        /^Export Address Table --/ { section = "eat"; next }
        /^\[Ordinal\/Name Pointer\] Table/ { section = "names"; next }
        /^$/ { section = "" }
        section == "eat" && /Export RVA|Forwarder RVA/ {
            line = $0
            sub(/.*\+base\[ */, "", line); ordinal = line + 0
            sub(/^[0-9]+\] */, "", line); split(line, f, " ")
            if (f[1] != "0" || f[2] == "Forwarder") print "code", ordinal, f[2]
        }
        section == "names" && /^\t\[/ {
            line = $0
            sub(/^\t\[ */, "", line); index_ = line + 0
            sub(/^[0-9]+\] */, "", line)
            print "name", line, index_ + base
        }
        /DLL Name:/ { print "import", $3 }
AWK
    facts=$(awk "$parse" <<<"$dump")
    names=$(awk '$1 == "name" { print $2, $3 }' <<<"$facts" | sort)
    code=$(awk '$1 == "code" { print $2 }' <<<"$facts" | sort -n)
    forwarders=$(awk '$1 == "code" && $3 == "Forwarder" { print $2 }' <<<"$facts")
    expected_code=$(awk '{ print $2 }' <<<"$table" | sort -n)
    bad_imports=$(awk '$1 == "import" { print $2 }' <<<"$facts" | tr 'A-Z' 'a-z' | grep -Ev "$system_dlls" || true)

    if [ "$names" != "$table" ]; then
        fail "$dll: exported names differ from OrvExports.h (< expected, > found):"
        diff <(echo "$table") <(echo "$names") >&2 || true
    fi
    if [ "$code" != "$expected_code" ]; then
        fail "$dll: ordinals carrying functions differ (< expected, > found):"
        diff <(echo "$expected_code") <(echo "$code") >&2 || true
    fi
    [ -z "$forwarders" ] || fail "$dll: forwarded exports at ordinals $forwarders"
    [ -z "$bad_imports" ] || fail "$dll: imports DLLs Windows does not ship: $(echo $bad_imports)"
    if [ $status -eq 0 ]; then
        echo "exports: $(basename "$(dirname "$dll")")/$(basename "$dll") $(wc -l <<<"$names") names at their ordinals, imports $(awk '$1 == "import" { printf "%s ", $2 }' <<<"$facts")"
    fi
done
exit $status
