# The per-user Windows Installer package, built with wixl from
# app/packaging/windows/korinde.wxs and the zip's files.
# Sourced by scripts/windows after lib/windows/package.sh.

korinde_upgrade_code=BB025585-7B43-4A1A-BFE1-B8549C2CEC55

# Windows Installer compares three fields of a version and ignores a fourth,
# so the change log's fourth field (2.0.0.2) goes into the third (2.0.2):
# each release is then newer than the one before to the installer too.
msi_version() {
    local major minor patch revision build
    IFS=. read -r major minor patch revision <<<"$1"
    revision=${revision:-0}
    build=$((patch * 1000 + revision))
    if [ "$major" -gt 255 ] || [ "$minor" -gt 255 ] || [ "$revision" -ge 1000 ] || [ "$build" -gt 65535 ]; then
        echo "Version $1 does not fit Windows Installer's fields (255.255.65535)." >&2
        exit 1
    fi
    echo "$major.$minor.$build"
}

# The product code of a version: always the same for the same version, so
# that installing it again repairs the entry rather than adding one.
product_code() {
    python3 -c 'import sys, uuid; print(str(uuid.uuid5(uuid.UUID(sys.argv[1]), sys.argv[2])).upper())' \
        "$korinde_upgrade_code" "$1"
}

# Builds the package of the program version $2 from the unpacked zip folder
# $1 into the file $3.
build_msi() {
    local stage version=$2 msi=$3 work installer_version code
    stage=$(realpath "$1")
    # Apart, so that a version that does not fit stops the script here.
    installer_version=$(msi_version "$version")
    code=$(product_code "$version")
    work=$(mktemp -d)
    (cd "$stage" && find . -type f | LC_ALL=C sort |
        wixl-heat -p ./ --directory-ref INSTALLDIR --component-group ProgramFiles --var var.SourceDir --win64) \
        >"$work/files.wxs"
    # wixl takes the sources' paths relative to the WiX files only.
    cp "$project_root/app/packaging/windows/korinde.wxs" "$windows_build/app/icons/korinde.ico" "$work/"
    ln -s "$stage" "$work/files"
    # wixl converts the tables' strings to the code page of the language it
    # is told, here Japanese's 932, but marks the string pool "the system's
    # code page"; _ForceCodepage marks it 932, so that every Windows reads it.
    # It writes the summary's language as English's whatever the package's.
    printf '\r\n\r\n932\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
    (cd "$work" && WINDOWS_LANGUAGE=ja wixl -a x64 -o korinde.msi \
        -D Version="$installer_version" -D ProductCode="$code" \
        -D SourceDir=files -D Win64=yes -D Icon=korinde.ico -D HomePage="$(home_page)" \
        korinde.wxs files.wxs &&
        WINDOWS_LANGUAGE=ja msibuild korinde.msi -s "$(msi_subject)" "Korinde Project" "x64;1041" &&
        WINDOWS_LANGUAGE=ja msibuild korinde.msi -i _ForceCodepage.idt) ||
        { echo "wixl could not build the Windows Installer package." >&2; exit 1; }
    mv "$work/korinde.msi" "$msi"
    rm -r "$work"
}

# The package's description, as korinde.wxs gives it.
msi_subject() {
    sed -n 's/.*Description="\([^"]*\)" Manufacturer.*/\1/p' "$project_root/app/packaging/windows/korinde.wxs"
}

# The home page the program links to, as the build configured it.
home_page() {
    sed -n 's/^set(KORINDE_HOME_PAGE "\(.*\)")$/\1/p' "$project_root/CMakeLists.txt"
}

# Packs the package of the zip's folder and checks it under Wine, with a
# package of a newer version built for the test; prints its path.
pack_msi() {
    local version stage msi newer
    version=$(built_version)
    stage=$windows_build/zip/Korinde-$version-win64
    msi=$windows_build/Korinde-$version-x64.msi
    newer=$windows_build/upgrade-test/Korinde-$(next_version "$version")-x64.msi
    mkdir -p "$(dirname "$newer")"
    build_msi "$stage" "$version" "$msi"
    build_msi "$stage" "$(next_version "$version")" "$newer"
    (check_msi "$stage" "$msi" "$newer") || exit 1
    echo "$msi"
}

# What the package holds, read back from its tables: the Japanese names of
# the shortcuts and the downgrade message in code page 932, and the
# summary's platform and language.
check_msi_tables() {
    local msi=$1 tables
    tables=$({ msiinfo export "$msi" _ForceCodepage; msiinfo export "$msi" Shortcut;
        msiinfo export "$msi" LaunchCondition; msiinfo suminfo "$msi"; } | tr -d '\0')
    for expected in $'932\t_ForceCodepage' $'\tKorinde（内蔵の祝日規則）.lnk\t' $'\t--holidays=current\t' \
        'より新しい版の Korinde がインストールされています。' 'Template: x64;1041'; do
        grep -qF -- "$expected" <<<"$tables" || { echo "$msi lacks: $expected" >&2; exit 1; }
    done
}

# msiexec with the given arguments, quiet, in the current prefix; prints
# Windows Installer's own exit status (Wine's process status keeps only its
# low byte: 1603 would read 67). A hung installer is ended after 5 minutes.
msiexec_status() {
    local batch
    batch=$(mktemp --suffix=.bat)
    printf '@start /wait msiexec %s /qn\r\n@echo status=%%ERRORLEVEL%%\r\n' "$*" >"$batch"
    timeout 300 wine cmd /c "$(winepath -w "$batch")" 2>/dev/null | tr -d '\r' | sed -n 's/^status=//p'
    rm "$batch"
    # The registry reaches its files when the server ends.
    wineserver -k 2>/dev/null || true
}

# The installed entries whose name is Korinde, one "version" line each.
installed_entries() {
    awk '/^\[/ { uninstall = ($0 ~ /\\\\Uninstall\\\\\{/); name = ""; version = "" }
        uninstall && /^"DisplayName"="Korinde"$/ { name = 1 }
        uninstall && /^"DisplayVersion"=/ { version = $0; sub(/.*="/, "", version); sub(/"$/, "", version) }
        uninstall && name && version != "" { print version; name = "" }' "$WINEPREFIX"/system.reg "$WINEPREFIX"/user.reg
}

# Fails with message $2 unless msiexec $3… ends with status $1.
expect_msiexec() {
    local expected=$1 message=$2 status
    shift 2
    status=$(msiexec_status "$@")
    [ "$status" = "$expected" ] || { echo "$message: msiexec $* ended with ${status:-no status}." >&2; exit 1; }
}

# Fails unless exactly one Korinde is installed, of version $1.
expect_one_entry() {
    local entries
    entries=$(installed_entries | tr '\n' ' ')
    [ "$entries" = "$1 " ] || { echo "Installed entries of Korinde: ${entries:-none} (not one of $1)." >&2; exit 1; }
}

# The shortcut $1 of the Start menu must start Korinde.exe of the install
# folder with the arguments $2.
check_shortcut() {
    local link=$1 arguments=$2 read
    [ -f "$link" ] || { echo "No shortcut $(basename "$link") in the Start menu." >&2; exit 1; }
    read=$(/usr/bin/python3 "$project_root/scripts/lib/windows/read_lnk.py" "$link")
    grep -qx 'target=.*\\AppData\\Local\\Programs\\Korinde\\Korinde.exe' <<<"$read" &&
        grep -qx "arguments=$arguments" <<<"$read" && grep -q '^description=日本の祝日がわかる卓上カレンダー' <<<"$read" ||
        { echo "The shortcut $(basename "$link") reads: $read" >&2; exit 1; }
}

# The installed program: the window of today's law on the display, and
# korinde.com's list and statuses as from the zip.
check_installed_program() {
    local folder=$1 place=$2 list window
    list=$(windows_list_2026 "$folder" "$place/list.txt") || exit 1
    check_console_program "$folder" "$place" "$list"

    (cd "$folder" && wine ./Korinde.exe --holidays=current >/dev/null 2>&1) &
    for _ in $(seq 150); do
        window=$(xdotool search --onlyvisible --name '^Korinde（現行の祝日）$' 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "The installed Korinde.exe --holidays=current showed no window." >&2; exit 1; }
    sleep 1  # the first paint
    import -window "$window" "$windows_build/korinde-installed.png"
    wineserver -k 2>/dev/null || true
    wait || true
}

# Installs the package $2 (of the zip folder $1) into a fresh Wine prefix as
# a user would, then again, then a newer version $3 over it, the older over
# the newer, and uninstalls; last, an install that cannot write a file
# must leave nothing behind. Run in a subshell: it has a prefix of its own.
check_msi() {
    local stage=$1 msi=$2 newer=$3 place folder menu version newer_version
    check_msi_tables "$msi"
    version=$(msi_version "$(built_version)")
    newer_version=$(msi_version "$(next_version "$(built_version)")")
    place=$(mktemp -d)
    export WINEPREFIX=$place/prefix WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    wineboot --init >/dev/null 2>&1
    folder=$(windows_folder LOCALAPPDATA)/Programs/Korinde
    menu="$(windows_folder APPDATA)/Microsoft/Windows/Start Menu/Programs"

    expect_msiexec 0 "The install failed" /i "$(winepath -w "$msi")"
    [ "$(cd "$folder" && find . -type f | LC_ALL=C sort)" = "$(cd "$stage" && find . -type f | LC_ALL=C sort)" ] ||
        { echo "The installed files differ from the zip's." >&2; exit 1; }
    check_shortcut "$menu/Korinde.lnk" --holidays=current
    check_shortcut "$menu/Korinde（内蔵の祝日規則）.lnk" ""
    expect_one_entry "$version"
    check_installed_program "$folder" "$place"
    echo "MSI: installed per user, two Start-menu shortcuts, the window and korinde.com from the install" >&2

    expect_msiexec 0 "Installing the same version again failed" /i "$(winepath -w "$msi")"
    expect_one_entry "$version"
    expect_msiexec 0 "The upgrade failed" /i "$(winepath -w "$newer")"
    expect_one_entry "$newer_version"
    [ -f "$folder/Korinde.exe" ] || { echo "The upgrade left no Korinde.exe." >&2; exit 1; }
    expect_msiexec 1603 "The older version was not refused" /i "$(winepath -w "$msi")"
    expect_one_entry "$newer_version"
    echo "MSI: the same version again kept one entry; $newer_version replaced $version; $version refused over it" >&2

    expect_msiexec 0 "The uninstall failed" /x "$(winepath -w "$newer")"
    check_nothing_left
    echo "MSI: uninstalled, nothing of Korinde left" >&2

    # A folder where a file is to go: the install fails and rolls back.
    mkdir -p "$folder/Qt6Widgets.dll"
    expect_msiexec 1603 "An install that cannot write a file did not fail" /i "$(winepath -w "$msi")"
    rmdir "$folder/Qt6Widgets.dll" "$folder"
    check_nothing_left
    echo "MSI: an install that could not write a file ended with 1603 and rolled back" >&2
    rm -rf "$place"
}

# The Unix path of the user's folder that Windows' variable $1 names.
windows_folder() {
    winepath -u "$(wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')" | sed 's:/$::'
}

# No file, shortcut or registry value of Korinde in the prefix.
check_nothing_left() {
    local files values
    files=$(find "$WINEPREFIX/drive_c" -ipath '*korinde*' | head -n 5)
    values=$(grep -ih korinde "$WINEPREFIX"/*.reg | head -n 5 || true)
    [ -z "$files$values" ] || { echo "Left in the prefix: $files $values" >&2; exit 1; }
}

# The version after $1, for the upgrade test: its last field one more.
next_version() {
    local last=${1##*.}
    echo "${1%.*}.$((last + 1))"
}
