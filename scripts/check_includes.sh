#!/usr/bin/env bash
# Fails on an include that breaks the layering of src/:
#  - only platform/qt/, forms/qt/ and app/ include Qt Widgets, Network, Multimedia or WebEngine;
#  - rules/ includes nothing but its own headers and the standard library;
#  - no subsystem includes app/.
# Usage: scripts/check_includes.sh [source folder, default src]
set -euo pipefail
cd "$(dirname "$0")/.."
src=${1:-src}
qt_root=${QV_QT_INCLUDE_DIR:-/usr/include/x86_64-linux-gnu/qt6}

# The header names of the forbidden Qt modules, from the installed Qt: <QtWidgets/QWidget> as well
# as <QWidget>.
forbidden_modules=(QtWidgets QtNetwork QtMultimedia QtMultimediaWidgets QtWebEngineCore
                   QtWebEngineWidgets QtWebEngineQuick QtOpenGLWidgets)
declare -A forbidden_qt=()
for module in "${forbidden_modules[@]}"; do
    forbidden_qt[$module]=$module
    [[ -d $qt_root/$module ]] || continue
    for header in "$qt_root/$module"/Q*; do
        name=${header##*/}
        [[ $name == *.* ]] || forbidden_qt[$name]=$module
    done
done
if ((${#forbidden_qt[@]} == ${#forbidden_modules[@]})); then
    echo "check_includes: no Qt headers under $qt_root (set QV_QT_INCLUDE_DIR)" >&2
    exit 2
fi

std_headers=$(echo " algorithm any array atomic bit bitset cassert cctype cerrno cfloat charconv chrono
cinttypes climits cmath compare concepts cstddef cstdint cstdio cstdlib cstring ctime deque
exception functional initializer_list iomanip ios iosfwd iostream istream iterator limits list
map memory mutex new numbers numeric optional ostream queue random ranges ratio set source_location
span sstream stack stdexcept string string_view system_error tuple type_traits typeindex typeinfo
unordered_map unordered_set utility variant vector version " | tr '\n' ' ')

include_pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*([<"])([^>"]+)[>"]'
failures=0
fail() {
    echo "$1: $2"
    failures=$((failures + 1))
}

while IFS= read -r line; do
    file=${line%%:*}
    rest=${line#*:}
    number=${rest%%:*}
    text=${rest#*:}
    rel=${file#"$src"/}
    [[ $text =~ $include_pattern ]] || continue
    kind=${BASH_REMATCH[1]}
    path=${BASH_REMATCH[2]}
    where="$file:$number"
    if [[ $kind == '<' ]]; then
        module=${forbidden_qt[${path%%/*}]:-}
        if [[ -n $module && $rel != platform/qt/* && $rel != forms/qt/* && $rel != app/* ]]; then
            fail "$where" "$module header <$path> outside platform/qt, forms/qt and app"
        fi
        if [[ $rel == rules/* && $std_headers != *" $path "* ]]; then
            fail "$where" "rules/ includes <$path>, which is not the standard library"
        fi
    else
        if [[ $rel == rules/* && $path != rules/* ]]; then
            fail "$where" "rules/ includes \"$path\" from outside itself"
        fi
        if [[ $path == app/* && $rel != app/* ]]; then
            fail "$where" "a subsystem includes the assembly \"$path\""
        fi
    fi
done < <(grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include' "$src" | sort)

if ((failures > 0)); then
    echo "check_includes: $failures forbidden include(s)"
    exit 1
fi
echo "check_includes: every include in $src keeps the layering"
