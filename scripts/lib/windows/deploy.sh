# Puts beside Windows programs what they load: the DLLs they import, found by
# reading their import tables (Debian has no windeployqt), Qt's platform
# plugins, its Japanese translation and a qt.conf that points Qt there.
# Sourced by scripts/windows after lib/windows/prefix.sh.

# Where the cross compiler keeps its runtime DLLs: asked when needed, once
# the compilers are installed (when this file is sourced they may not be).
mingw_runtime_dir() {
    local library
    library=$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)
    [ -f "$library" ] || { echo "The MinGW-w64 C++ runtime is not installed: $library" >&2; exit 1; }
    dirname "$library"
}

# The folders a DLL of ours may come from, set once the prefixes are known.
dll_search_dirs() {
    printf '%s\n' "${windows_prefixes[@]/%//bin}" "$(mingw_runtime_dir)" /usr/$windows_triplet/lib
}

# The DLL names a PE file imports.
imported_dlls() {
    x86_64-w64-mingw32-objdump -p "$1" | awk '/DLL Name:/ {print $3}'
}

# Copies into folder $1 every DLL that the files after it import, and what
# those import in turn, from our folders; the system's own DLLs are not ours.
deploy_dlls() {
    local target=$1 queue found dll dir
    shift
    queue=("$@")
    while [ ${#queue[@]} -gt 0 ]; do
        local file=${queue[0]}
        queue=("${queue[@]:1}")
        for dll in $(imported_dlls "$file"); do
            [ -e "$target/$dll" ] && continue
            found=""
            while read -r dir; do
                [ -e "$dir/$dll" ] && found="$dir/$dll" && break
            done < <(dll_search_dirs)
            [ -z "$found" ] && continue
            cp "$found" "$target/$dll"
            queue+=("$target/$dll")
        done
    done
}

# What Qt loads at run time, into folder $1: the platform plugins named after
# it (qwindows, qoffscreen), the translation and qt.conf; then every DLL that
# these and the programs after -- import.
deploy_qt_runtime() {
    local target=$1 qt_prefix=${windows_prefixes[0]} plugin
    shift
    mkdir -p "$target/plugins/platforms" "$target/translations"
    while [ $# -gt 0 ] && [ "$1" != -- ]; do
        plugin=$1
        shift
        cp "$qt_prefix/plugins/platforms/$plugin.dll" "$target/plugins/platforms/"
    done
    [ "${1:-}" = -- ] && shift
    cp /usr/share/qt6/translations/qtbase_ja.qm "$target/translations/"
    printf '[Paths]\nPrefix = .\nPlugins = plugins\nTranslations = translations\n' >"$target/qt.conf"
    deploy_dlls "$target" "$target"/plugins/platforms/*.dll "$@"
}
