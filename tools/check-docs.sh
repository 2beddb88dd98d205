#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a page for developers names what the tree does not have. Checked are the names a
# page writes as code (between backticks, outside the fenced blocks):
# - a file or folder path: it is in the tree, from the repository's root, src/ or src/platform/
#   (the page's way of naming the source folders), or a build file makes it (a CMakeLists.txt
#   names it);
# - Type::Name (and A::B::C): some source file declares Type (class, struct, enum or namespace)
#   and writes Name, for each neighbouring pair;
# - a name in the program's CamelCase (SwitchScreen, FrameRoute): the sources write it.
# Usage: tools/check-docs.sh [PAGE...]   (default: docs/ARCHITECTURE.md docs/HANDLING.md)
set -euo pipefail
cd "$(dirname "$0")/.."
pages=("$@")
[ ${#pages[@]} -ne 0 ] || pages=(docs/ARCHITECTURE.md docs/HANDLING.md)
sources=(src tools tests bench fuzz)

# A page's code spans, one a line, without the fenced blocks.
code_spans() {
    awk '/^```/ { fenced = !fenced; next } !fenced' "$1" | grep -oE '`[^`]+`' | tr -d '`' |
        sort -u
}

path_exists() {
    local path=${1%/} root
    for root in . src src/platform; do
        [ -e "$root/$path" ] && return 0
    done
    find . -name CMakeLists.txt -not -path './build*' -print0 | xargs -0 grep -qF -- "$path"
}

# declared TYPE NAME: a source file declares TYPE and writes NAME.
declared() {
    local type=$1 name=$2
    grep -rlE --include='*.h' --include='*.cpp' \
        "(class|struct|enum( class)?|namespace)[[:space:]]+([A-Za-z0-9_]+::)*${type}\b" \
        "${sources[@]}" | xargs -r grep -lwF -- "$name" | grep -q .
}

written() {
    grep -rqwF --include='*.h' --include='*.cpp' -- "$1" "${sources[@]}"
}

failures=0
fail() {
    echo "$page: $1"
    failures=$((failures + 1))
}

for page in "${pages[@]}"; do
    while IFS= read -r span; do
        name=${span%%(*}
        if [[ $span =~ ^\.?[A-Za-z0-9_.-]*(/[A-Za-z0-9_.-]*)+$ ]] ||
            [[ $span =~ ^[A-Za-z0-9_-]+\.(cpp|h|sh|md|txt|list|toml|xml|awk)$ ]]; then
            path_exists "$span" || fail "names the file $span, which is not in the tree"
        elif [[ $name =~ ^[A-Za-z_][A-Za-z0-9_]*(::[A-Za-z_][A-Za-z0-9_]*)+$ ]]; then
            IFS=':' read -ra parts <<<"${name//::/:}"
            for ((i = 0; i + 1 < ${#parts[@]}; i++)); do
                declared "${parts[i]}" "${parts[i + 1]}" ||
                    fail "names ${parts[i]}::${parts[i + 1]}, which is not in the sources"
            done
        elif [[ $name =~ ^[A-Z][a-z0-9]+[A-Z][A-Za-z0-9]*$ ]]; then
            written "$name" || fail "names $name, which is not in the sources"
        fi
    done < <(code_spans "$page")
done

if [ "$failures" -ne 0 ]; then
    echo "Docs check: $failures name(s) on the pages are not in the tree."
    exit 1
fi
echo "Docs check: every file and name on ${pages[*]} is in the tree."
