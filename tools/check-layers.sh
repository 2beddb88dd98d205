#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a source file includes from a layer it must not reach. Each folder under src/ may
# include only the folders named for it below; system headers (<...>) are not checked.
# Usage: tools/check-layers.sh [SOURCE ROOT]   (default: src/ beside this script)
set -euo pipefail
root=${1:-"$(dirname "$0")/../src"}

# The platform's interfaces are the headers at the top of platform/.
platform_top='platform/[A-Za-z]+\.h'

# folder (relative to src/) -> the include paths it may use, as one extended regular expression.
declare -A allowed=(
    [game]='game/'
    [graphics]="graphics/|resources/|${platform_top}"
    [sound]="sound/|storage/|resources/|${platform_top}"
    [input]="input/|${platform_top}"
    # The player's keys are kept in input's own types; no other header of input/.
    [storage]="storage/|game/|input/GameActions\.h|${platform_top}"
    [strings]="strings/|resources/|graphics/ExtraGlyphs\.h|${platform_top}"
    # From app/ only the screen interface, the loop's SwitchScreen and quit, the window mode and
    # the language.
    [screens]='screens/|game/|graphics/|sound/|input/|storage/|strings/|resources/|app/(IScreen|MainLoop|WindowModeChoice|LanguageChoice)\.h'
    [app]="app/|screens/|game/|graphics/|sound/|input/|storage/|strings/|resources/|${platform_top}"
    [platform]="${platform_top}"
    [platform/helpers]="platform/helpers/|${platform_top}"
    [platform/common]="platform/common/|platform/helpers/|${platform_top}|ResourceTable\.h"
    [platform/posix]="platform/posix/|${platform_top}"
    [platform/windows]="platform/windows/|${platform_top}"
    [platform/web]="platform/web/|${platform_top}"
    [platform/sdl]="platform/sdl/|platform/helpers/|${platform_top}"
    [platform/scripted]="platform/scripted/|platform/helpers/|${platform_top}"
)

# Layers that wrap a platform interface keep it out of their own headers, so that what they
# offer reads in the program's words; input/ alone passes on the key codes.
declare -A private_platform=([graphics]=1 [sound]=1 [storage]=1 [strings]=1)

# The rule for a file: that of its deepest folder with a rule of its own.
rule_for() {
    local folder=$1
    while [ -n "$folder" ]; do
        if [ -n "${allowed[$folder]+set}" ]; then
            echo "$folder"
            return
        fi
        [[ $folder == */* ]] || break
        folder=${folder%/*}
    done
}

failures=0
while IFS= read -r -d '' file; do
    relative=${file#"$root"/}
    folder=$(dirname "$relative")
    rule=$(rule_for "$folder")
    if [ -z "$rule" ]; then
        echo "$relative: the folder $folder has no layer rule in $(basename "$0")"
        failures=$((failures + 1))
        continue
    fi
    while IFS= read -r line; do
        included=${line#*\"}
        included=${included%%\"*}
        # A file's own header beside it ("Foo.h" in folder/Foo.cpp) is its own layer.
        if [[ $included != */* && -f "$root/$folder/$included" ]]; then
            continue
        fi
        if [[ $file == *.h && -n "${private_platform[$rule]+set}" && $included == platform/* ]]; then
            echo "$relative: a header of $rule/ includes \"$included\"; keep the platform in the .cpp"
            failures=$((failures + 1))
        elif ! [[ $included =~ ^(${allowed[$rule]}) ]]; then
            echo "$relative: includes \"$included\", outside what $rule/ may reach"
            failures=$((failures + 1))
        fi
    done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" || true)
done < <(find "$root" -type f \( -name '*.h' -o -name '*.cpp' \) -print0)

if [ "$failures" -ne 0 ]; then
    echo "Layer check: $failures include(s) across layers."
    exit 1
fi
echo "Layer check: every include stays within its layer."
