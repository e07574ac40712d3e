# Builds what Korinde links on Windows from Debian's own source packages, each
# into a folder of the cache named by its source version, so that a second run
# finds them built and a new Debian version builds anew beside the old one.
# Sourced by scripts/windows after lib/common.sh.

windows_cache=${KORINDE_WINDOWS_CACHE:-/var/cache/korinde-windows}
windows_triplet=x86_64-w64-mingw32
windows_toolchain=$project_root/cmake/mingw-w64.cmake
windows_packages=(g++-mingw-w64-x86-64-posix wine64 wine dpkg-dev xvfb x11-utils imagemagick zip unzip icoutils
    wixl msitools)

# The newest version of a source package that the archive offers.
source_version() {
    apt-cache showsrc --only-source "$1" | awk '/^Version:/ {print $2}' | sort -V | tail -n 1
}

# Makes sure apt knows Debian's source packages: a deb-src twin of the
# archive this machine already installs from.
ensure_source_archive() {
    if [ -n "$(source_version qt6-base)" ]; then return 0; fi
    cat >/etc/apt/sources.list.d/korinde-deb-src.sources <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    apt-get update -qq
    [ -n "$(source_version qt6-base)" ] || { echo "Debian's source packages cannot be reached." >&2; exit 1; }
}

# Unpacks source package $1 at version $2 with Debian's patches into $3.
unpack_source() {
    local package=$1 version=$2 target=$3 downloads=$windows_cache/downloads
    mkdir -p "$downloads"
    # A file missing from the mirror fails the download; what did arrive is
    # used below, and what is missing said.
    (cd "$downloads" && apt-get source -qq --download-only "$package=$version" >/dev/null 2>&1) || true
    local dsc=$downloads/${package}_${version#*:}.dsc
    [ -e "$dsc" ] || { echo "The source package $package $version cannot be downloaded." >&2; exit 1; }
    rm -rf "$target"
    mkdir -p "$(dirname "$target")"
    # apt checked the files against the archive's signed index already.
    if dpkg-source --no-check -x "$dsc" "$target" >/dev/null 2>&1; then return 0; fi
    unpack_upstream_only "$dsc" "$target"
}

# Some mirrors lack a package's Debian part (its patches and packaging) but
# keep the upstream tarball, which the build needs alone: that is unpacked,
# once its checksum matches the one the signed .dsc gives.
unpack_upstream_only() {
    local dsc=$1 target=$2 line sum file
    line=$(sed -n '/^Checksums-Sha256:/,/^[^ ]/p' "$dsc" | grep -E '\.orig\.tar\.[a-z0-9]+$' | head -n 1)
    read -r sum _ file <<<"$line"
    [ -n "$file" ] && echo "$sum  $(dirname "$dsc")/$file" | sha256sum --check --quiet ||
        { echo "The upstream tarball of $dsc is missing or does not match its checksum." >&2; exit 1; }
    echo "Debian's part of $(basename "$dsc") cannot be downloaded: building $file as upstream released it." >&2
    mkdir -p "$target"
    tar -xf "$(dirname "$dsc")/$file" -C "$target" --strip-components=1
}

# Wine's free wintab.h and pktdef.h stand in for the tablet headers that
# Debian leaves out of Qt's source. They use two of Wine's own macros; with
# UNICODE, as Qt builds, they name the wide forms. Qt also uses the calling
# convention macro of the original header.
add_wintab_headers() {
    local qt_source=$1 wine_deb work
    work=$(mktemp -d)
    (cd "$work" && apt-get download -qq libwine-dev >/dev/null 2>&1)
    wine_deb=$(ls "$work"/libwine-dev_*.deb)
    dpkg-deb -x "$wine_deb" "$work/unpacked"
    local target=$qt_source/src/3rdparty/wintab
    mkdir -p "$target"
    cp "$work/unpacked/usr/include/wine/wine/windows/wintab.h" "$target/wine_wintab.h"
    cp "$work/unpacked/usr/include/wine/wine/windows/pktdef.h" "$target/pktdef.h"
    cat >"$target/wintab.h" <<'EOF'
#pragma once
#define API WINAPI
#define WINELIB_NAME_AW(name) name##W
#define DECL_WINELIB_TYPE_AW(type) typedef type##W type;
#include "wine_wintab.h"
EOF
    rm -rf "$work"
}

# Qt's modules for Korinde's window, popup and tests, built against the
# host's own Qt tools of the same version; what Korinde does not use is off.
build_qt() {
    local prefix=$1 version=$2 work=$windows_cache/work/qtbase
    unpack_source qt6-base "$version" "$work/source"
    add_wintab_headers "$work/source"
    cmake -S "$work/source" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$windows_toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=ON \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_pkg_config=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
        -DFEATURE_system_doubleconversion=OFF \
        -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF \
        -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
        -DFEATURE_openssl=OFF -DFEATURE_zstd=OFF -DFEATURE_brotli=OFF
    cmake --build "$work/build"
    cmake --install "$work/build"
    # What the zip must carry of Qt's licence: the LGPL with the GPL it builds
    # on, and Debian's copyright file, which names every bundled library's.
    mkdir -p "$prefix/licenses"
    cp "$work/source/LICENSES/LGPL-3.0-only.txt" "$work/source/LICENSES/GPL-3.0-only.txt" "$prefix/licenses/"
    cp "$work/source/debian/copyright" "$prefix/licenses/copyright"
    rm -rf "$work"
}

# ERFA with a CMake file of ours, checked by its own validation program.
build_erfa() {
    local prefix=$1 version=$2 work=$windows_cache/work/erfa upstream major minor micro
    unpack_source erfa "$version" "$work/source"
    upstream=${version%-*}
    IFS=. read -r major minor micro <<<"$upstream"
    cp "$project_root/scripts/lib/windows/erfa.cmake" "$work/source/CMakeLists.txt"
    cmake -S "$work/source" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$windows_toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DERFA_VERSION="$upstream" -DERFA_VERSION_MAJOR="$major" \
        -DERFA_VERSION_MINOR="$minor" -DERFA_VERSION_MICRO="$micro" \
        -DSOFA_VERSION="$(sed -n 's/.*SOFA_VERSION\], \["\([0-9]*\)".*/\1/p' "$work/source/configure.ac")"
    cmake --build "$work/build"
    (cd "$work/build" && WINEPATH="$work/build" wine_quiet ./t_erfa_c.exe) ||
        { echo "ERFA's validation program failed under Wine." >&2; exit 1; }
    cmake --install "$work/build"
    mkdir -p "$prefix/licenses"
    cp "$work/source/LICENSE" "$prefix/licenses/ERFA-LICENSE.txt"
    rm -rf "$work"
}

build_googletest() {
    local prefix=$1 version=$2 work=$windows_cache/work/googletest
    unpack_source googletest "$version" "$work/source"
    cmake -S "$work/source" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$windows_toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF -Dgtest_disable_pthreads=OFF
    cmake --build "$work/build"
    cmake --install "$work/build"
    rm -rf "$work"
}

# libical for --ics, without its GLib and C++ bindings, ICU (only its
# calendars other than the Gregorian need it) and Berkeley DB; checked by its
# own regression program.
build_libical() {
    local prefix=$1 version=$2 work=$windows_cache/work/libical
    unpack_source libical3 "$version" "$work/source"
    cmake -S "$work/source" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$windows_toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DSHARED_ONLY=ON -DWITH_CXX_BINDINGS=OFF -DICAL_GLIB=OFF \
        -DICAL_BUILD_DOCS=OFF -DGOBJECT_INTROSPECTION=OFF -DLIBICAL_BUILD_TESTING=ON \
        -DCMAKE_DISABLE_FIND_PACKAGE_ICU=ON -DCMAKE_DISABLE_FIND_PACKAGE_BDB=ON
    cmake --build "$work/build"
    local tests=$work/build/src/test
    cp "$work/build"/bin/*.dll "$(mingw_runtime_dir)"/{libgcc_s_seh-1.dll,libstdc++-6.dll} \
        /usr/$windows_triplet/lib/libwinpthread-1.dll "$tests/"
    (cd "$tests" && wine_quiet ./regression.exe >regression.log 2>&1 && grep -q 'All Tests Successful' regression.log) ||
        { echo "libical's regression program failed under Wine: $tests/regression.log" >&2; exit 1; }
    cmake --install "$work/build"
    mkdir -p "$prefix/licenses"
    cp "$work/source"/LICENSE{.MPL2,.LGPL21}.txt "$prefix/licenses/"
    rm -rf "$work"
}

windows_sources=(qt6-base:build_qt erfa:build_erfa googletest:build_googletest libical3:build_libical)

# The cache folder of source package $1 at the archive's version.
prefix_of() {
    local version
    version=$(source_version "$1")
    echo "$windows_cache/$1-${version//:/_}"
}

# True when all of them are built for the archive's versions.
windows_prefixes_cached() {
    [ -n "$(source_version qt6-base 2>/dev/null)" ] || return 1
    local package
    for package in "${windows_sources[@]}"; do
        [ -e "$(prefix_of "${package%%:*}")/.complete" ] || return 1
    done
}

# Builds each of them where its versioned folder is not complete yet and
# sets windows_prefixes to their folders.
ensure_windows_prefixes() {
    ensure_source_archive
    windows_prefixes=()
    local package builder version prefix
    for package in "${windows_sources[@]}"; do
        builder=${package#*:}
        package=${package%%:*}
        version=$(source_version "$package")
        prefix=$(prefix_of "$package")
        if [ ! -e "$prefix/.complete" ]; then
            echo "Building $package $version for Windows into $prefix" >&2
            rm -rf "$prefix"
            "$builder" "$prefix" "$version"
            touch "$prefix/.complete"
        fi
        windows_prefixes+=("$prefix")
    done
}

# Wine, with a prefix of its own in the cache, and without its chatter.
export WINEPREFIX=$windows_cache/wine-prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wine_quiet() {
    if [ ! -e "$WINEPREFIX/system.reg" ]; then wineboot --init >/dev/null 2>&1; fi
    wine "$@"
}
