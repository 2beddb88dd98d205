#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Gives every tracked source file that states no rights yet the project's copyright line and
# licence in a header comment; files that already state theirs are left as they are, so it can
# run again after new files arrive. Files that cannot carry a comment (pictures, sounds, test
# data) are covered by .reuse/dep5 instead. Check the result with `reuse lint`.
set -euo pipefail
cd "$(dirname "$0")/.."

header=(--copyright="The Drobix developers" --year=2026 --license=GPL-3.0-or-later --skip-existing)

# Files whose comment style reuse knows from their name.
git ls-files -z -- '*.cpp' '*.h' '*.cmake' '*CMakeLists.txt' '*.sh' '*.awk' '*.md' .gitignore |
    xargs -0 --no-run-if-empty reuse annotate "${header[@]}"
# Files that take '#' comments under names reuse does not know.
git ls-files -z -- '*.cmake.in' '*.desktop' .clang-format .clang-tidy .ci/run |
    xargs -0 --no-run-if-empty reuse annotate "${header[@]}" --style python
