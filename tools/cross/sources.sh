# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What the cross builds' library scripts share (tools/windows/libraries.sh, tools/web/libraries.sh):
# Debian's own source packages fetched through a private apt configuration made from this
# machine's own (its archives, with the source type added), so the system's configuration is
# never touched; and a cache of built libraries outside the clone, one folder per source version
# and target: ${XDG_CACHE_HOME:-~/.cache}/drobix-cross/<target folder><package>-<version>.
#
# Sourced after setting: work (a folder for the sources), cache_folder (where this target's
# libraries go), target_name (for the messages), toolchain (its CMake toolchain file),
# build_subfolder (the build folder inside each source) and jobs; and a function
# build_<source package> for each library, called as build_NAME SOURCE_FOLDER INSTALL_PREFIX.

# The source package and its version behind one of the machine's binary packages: the cache key.
source_version() {
    apt-cache show --no-all-versions "$1" | awk '
        /^Source:/ { name = $2; if ($3 ~ /^\(/) { version = $3; gsub(/[()]/, "", version) } }
        /^Version:/ { if (version == "") version = $2 }
        END { print name "=" version }'
}

# The private apt configuration: the machine's lists of archives with deb-src added beside deb.
apt_private=()
private_apt() {
    [ ${#apt_private[@]} -eq 0 ] || return 0
    local dir=$work/apt
    rm -rf "$dir"
    mkdir -p "$dir/sources.list.d" "$dir/lists/partial" "$dir/cache/archives/partial"
    touch "$dir/sources.list"
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb \(.*\)/deb \1\ndeb-src \1/p' /etc/apt/sources.list >"$dir/sources.list"
    fi
    local file
    for file in /etc/apt/sources.list.d/*.list; do
        [ -f "$file" ] || continue
        sed -n 's/^deb \(.*\)/deb \1\ndeb-src \1/p' "$file" >"$dir/sources.list.d/${file##*/}"
    done
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        sed 's/^Types:.*$/Types: deb deb-src/' "$file" >"$dir/sources.list.d/${file##*/}"
    done
    apt_private=(-o "Dir::Etc::sourcelist=$dir/sources.list"
        -o "Dir::Etc::sourceparts=$dir/sources.list.d"
        -o "Dir::State::Lists=$dir/lists" -o "Dir::Cache=$dir/cache"
        -o "Dir::State::status=/var/lib/dpkg/status" -o "APT::Sandbox::User=root")
    apt-get "${apt_private[@]}" -qq update >&2
}

# fetch SOURCE=VERSION: unpacks Debian's source package (with its patches) into the work folder.
fetch() {
    private_apt
    local dir=$work/src/${1%%=*}
    rm -rf "$dir"
    mkdir -p "$dir"
    (cd "$dir" && apt-get "${apt_private[@]}" -qq source "$1" >&2)
}

# The source versions the archives offer, newest first.
offered_versions() {
    private_apt
    apt-cache "${apt_private[@]}" showsrc "$1" | awk '/^Version:/ { print $2 }' |
        sort -r -V -u
}

# cmake_build SOURCE PREFIX [CMAKE OPTIONS...]: a static library's CMake build and install.
cmake_build() {
    local src=$1 prefix=$2
    shift 2
    cmake -S "$src" -B "$src/$build_subfolder" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DBUILD_SHARED_LIBS=OFF "$@" >&2
    cmake --build "$src/$build_subfolder" -j"$jobs" >&2
    cmake --install "$src/$build_subfolder" >&2
}

# Headers only, and the pkg-config file the Linux build finds it by.
build_tomlplusplus() {
    mkdir -p "$2/include" "$2/lib/pkgconfig"
    cp -r "$1/include/toml++" "$2/include/"
    printf '%s\n' "prefix=$2" 'Name: tomlplusplus' 'Description: TOML for C++' \
        "Version: ${2##*/tomlplusplus-}" "Cflags: -I$2/include -DTOML_HEADER_ONLY=1" \
        >"$2/lib/pkgconfig/tomlplusplus.pc"
}

# A library of headers only is its own source: when the archive no longer holds its source
# package, the headers of the machine's own package of the same version stand in for it.
from_package_tomlplusplus() {
    rm -rf "$2"
    mkdir -p "$2/include" "$2/debian"
    cp -r /usr/include/toml++ "$2/include/"
    cp "/usr/share/doc/$1/copyright" "$2/debian/copyright"
}

# built BINARY_PACKAGE: the cached install folder of the package's source, built first when
# missing.
built() {
    local spec name version prefix
    spec=$(source_version "$1")
    name=${spec%%=*}
    version=${spec#*=}
    prefix=$cache_folder/$name-${version//:/_}
    if [ ! -f "$prefix/.complete" ]; then
        # An archive may no longer hold the version installed here (a security update moves
        # on): then the newest one it does hold, kept under both versions' names.
        local built_version
        for built_version in "$version" $(offered_versions "$name"); do
            fetch "$name=$built_version" && break
            built_version=
        done
        if [ -z "$built_version" ] && declare -F "from_package_$name" >/dev/null; then
            "from_package_$name" "$1" "$work/src/$name/$name-$version"
            built_version=$version
        fi
        [ -n "$built_version" ] || { echo "No source of $name could be fetched" >&2; return 1; }
        local built_prefix=$cache_folder/$name-${built_version//:/_}
        if [ ! -f "$built_prefix/.complete" ]; then
            echo "Building $name $built_version for $target_name" >&2
            rm -rf "$built_prefix"
            local src
            src=$(find "$work/src/$name" -mindepth 1 -maxdepth 1 -type d | head -n1)
            "build_$name" "$src" "$built_prefix"
            # Its licence, shipped with the programs that include it.
            cp "$src/debian/copyright" "$built_prefix/copyright"
            touch "$built_prefix/.complete"
        fi
        if [ "$built_prefix" != "$prefix" ]; then
            rm -rf "$prefix"
            ln -s "$built_prefix" "$prefix"
        fi
    fi
    echo "$prefix"
}
