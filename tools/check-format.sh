#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when clang-format (with the repository's .clang-format) would change a C++ file.
# Usage: tools/check-format.sh      Fix with: clang-format -i FILE...
set -euo pipefail
cd "$(dirname "$0")/.."
unformatted=()
while IFS= read -r -d '' file; do
    if ! clang-format --dry-run -Werror "$file" >/dev/null 2>&1; then
        unformatted+=("$file")
    fi
done < <(find src tests bench tools fuzz -type f \( -name '*.cpp' -o -name '*.h' \) -print0)
if [ ${#unformatted[@]} -ne 0 ]; then
    echo "clang-format would change these files:"
    printf '    %s\n' "${unformatted[@]}"
    exit 1
fi
echo "Format check: every C++ file is as clang-format leaves it."
