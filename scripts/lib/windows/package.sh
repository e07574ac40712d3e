# The zip a Windows user unpacks and runs, and the checks of it as unpacked.
# Sourced by scripts/windows after lib/windows/deploy.sh.

# The version the build took from the change log.
built_version() {
    sed -n 's/.*program_version\[\] = "\(.*\)";/\1/p' "$windows_build/generated/korinde_version.h"
}

# The icon and the version record inside the program $1, read back by a tool
# that reads PE resources, and its subsystem $2: GUI for Korinde.exe, CUI for
# the console program korinde.com.
check_version_record() {
    local program=$1 subsystem=$2 name version record resources headers
    name=$(basename "$program")
    version=$(built_version)
    # Read whole, then searched: grep leaving early would break the pipe.
    resources=$(wrestool -l "$program")
    grep -q -- '--type=14' <<<"$resources" || { echo "$program has no icon." >&2; exit 1; }
    record=$(wrestool -x --raw --type=16 "$program" | iconv -f UTF-16LE -t UTF-8 -c | tr -d '\0')
    for expected in "$name" "ProductName" "Korinde Project"; do
        grep -q "$expected" <<<"$record" || { echo "The version record lacks $expected." >&2; exit 1; }
    done
    headers=$(x86_64-w64-mingw32-objdump -p "$program")
    grep -q "Subsystem.*(Windows $subsystem)" <<<"$headers" ||
        { echo "$program is not a Windows $subsystem program." >&2; exit 1; }
    echo "Version record and icon of $name $version: present, subsystem $subsystem" >&2
}

# Packs the program, what it loads, the read-me and the licences; prints the
# zip's path.
pack_zip() {
    local version folder stage zip
    version=$(built_version)
    folder=Korinde-$version-win64
    stage=$windows_build/zip/$folder
    zip=$windows_build/$folder.zip
    rm -rf "$windows_build/zip" "$zip"
    mkdir -p "$stage/licenses/Qt" "$stage/licenses/MinGW-w64" "$stage/licenses/libical"
    cp "$windows_build"/bin/{Korinde.exe,korinde.com,korinde-window.dll,korinde-popup.dll,korinde-ics.dll,korinde-pdf.dll} \
        "$stage/"
    deploy_qt_runtime "$stage" qwindows -- "$stage"/*.exe "$stage"/*.com "$stage"/korinde-*.dll
    # The debugging symbols are half the size and no user's business.
    find "$stage" -name '*.exe' -o -name '*.com' -o -name '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded
    sed -e "s/@VERSION@/$version/" -e "s/@QT_VERSION@/$(basename "${windows_prefixes[0]}" | sed 's/^qt6-base-//')/" \
        "$project_root/app/packaging/windows/README.txt" | sed 's/$/\r/' >"$stage/README.txt"
    sed 's/$/\r/' "$project_root/LICENSE" >"$stage/LICENSE.txt"
    cp "${windows_prefixes[0]}"/licenses/* "$stage/licenses/Qt/"
    cp "${windows_prefixes[1]}/licenses/ERFA-LICENSE.txt" "$stage/licenses/"
    sed 's/$/\r/' "$project_root/engine/data/ELP-MPP02-LICENSE.txt" >"$stage/licenses/ELP-MPP02-LICENSE.txt"
    cp "${windows_prefixes[3]}"/licenses/* "$stage/licenses/libical/"
    cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licenses/MinGW-w64/gcc-copyright.txt"
    cp /usr/share/doc/mingw-w64-common/copyright "$stage/licenses/MinGW-w64/mingw-w64-copyright.txt"
    (cd "$windows_build/zip" && zip -q -r -X "$zip" "$folder")
    echo "$zip"
}

# The text output of program $2 of folder $1 under Wine, line ends made
# Unix's; its status is the program's.
run_unpacked() {
    local folder=$1 program=$2
    shift 2
    # No display: Qt's box for a missing platform plugin cannot block the run.
    (cd "$folder" && unset DISPLAY && wine_quiet "./$program" "$@") 2>"$folder/../stderr.txt" | tr -d '\r'
    return "${PIPESTATUS[0]}"
}

# The first two of 2026's holidays under today's law, as --list prints them.
list_2026_head=$(printf '2026-01-01\t元日\n2026-01-12\t成人の日')

# Korinde.exe --list 2026 of folder $1 into file $2, which must begin with
# today's law's first holidays; prints the list with Unix line ends.
windows_list_2026() {
    local folder=$1 file=$2 list
    (cd "$folder" && wine_quiet ./Korinde.exe --list 2026 >"$file") ||
        { echo "Korinde.exe --list 2026 failed in $folder." >&2; exit 1; }
    list=$(tr -d '\r' <"$file")
    [ "$(head -n 2 <<<"$list")" = "$list_2026_head" ] ||
        { echo "Korinde.exe --list 2026 > file wrote: $(head -c 200 <<<"$list")" >&2; exit 1; }
    echo "$list"
}

# Unpacks the zip into a folder with Japanese characters and spaces, with no
# Qt anywhere on the path, and uses it: the command line redirected to a
# file and on a console, a missing plugin and a missing DLL, and the window
# on the screen.
check_unpacked_zip() {
    local zip=$1 place folder list
    place=$(mktemp -d)/"カレンダー テスト 用"
    mkdir -p "$place"
    unzip -q "$zip" -d "$place"
    folder=$(echo "$place"/Korinde-*-win64)

    list=$(windows_list_2026 "$folder" "$place/list.txt") || exit 1
    if [ -x "$build_dir/app/korinde" ]; then
        [ "$list" = "$("$build_dir/app/korinde" --list 2026)" ] ||
            { echo "The Windows list of 2026 differs from Linux's." >&2; exit 1; }
    fi

    # The same list on a console, which Wine's console shows on a terminal:
    # written as characters, so the console's code page does not matter. A
    # console shows a tab as spaces.
    local console=$place/console.txt on_console
    (cd "$folder" && unset DISPLAY && timeout 60 script -qec "wine cmd /c Korinde.exe --list 2026" "$console" >/dev/null)
    on_console=$(tr -d '\r' <"$console" | sed -e 's/\x1b\[[?0-9;]*[a-zA-Z]//g' -e 's/  */\t/' | grep '^2026-' | head -n 2)
    [ "$on_console" = "$list_2026_head" ] ||
        { echo "Korinde.exe --list 2026 on a console wrote: $(head -c 300 "$console")" >&2; exit 1; }

    check_console_program "$folder" "$place" "$list"

    # Qt's own reason for a missing platform plugin; ours for a missing DLL.
    check_missing_file "$folder" plugins/platforms/qwindows.dll 'Could not find the Qt platform plugin "windows"'
    check_missing_file "$folder" Qt6Widgets.dll 'ウィンドウの部品を読み込めません' "Korinde.exe korinde.com"
    check_exports "$folder" "$place"

    check_popup_toggle "$folder"
    take_wine_screenshot "$folder" "$windows_build/korinde-wine.png"
    rm -rf "$(dirname "$place")"
}

# korinde.com from the unpacked folder $1 (scratch folder $2): the list $3
# byte for byte, run from a batch file, which reads each command's exit
# status after it ended: 0, and 2 for a year out of range with its reason.
check_console_program() {
    local folder=$1 place=$2 list=$3 batch=$1/statuses.bat statuses
    (cd "$folder" && wine_quiet ./korinde.com --list 2026 >"$place/com.txt") ||
        { echo "korinde.com --list 2026 failed from the unpacked zip." >&2; exit 1; }
    [ "$(tr -d '\r' <"$place/com.txt")" = "$list" ] ||
        { echo "korinde.com --list 2026 > file wrote: $(head -c 200 "$place/com.txt")" >&2; exit 1; }
    # Typed without its extension, as a user types it: cmd.exe takes .com
    # before .exe.
    printf '@korinde --list 2026 >NUL\r\n@echo status=%%ERRORLEVEL%%\r\n@korinde --list 0 2>NUL\r\n@echo status=%%ERRORLEVEL%%\r\n' \
        >"$batch"
    # cmd ends with the last status, 2: read whole, then searched.
    statuses=$(cd "$folder" && unset DISPLAY && { wine_quiet cmd /c statuses.bat 2>/dev/null || true; })
    statuses=$(tr -d '\r' <<<"$statuses" | grep '^status=' | tr '\n' ' ' || true)
    rm "$batch"
    [ "$statuses" = "status=0 status=2 " ] ||
        { echo "korinde.com's exit statuses in cmd.exe were: $statuses (not 0, then 2)" >&2; exit 1; }
    (cd "$folder" && wine_quiet ./korinde.com --list 0 2>"$place/com-error.txt" >/dev/null) || true
    grep -q '年には 1 から 32767 までの数を指定してください' "$place/com-error.txt" ||
        { echo "korinde.com --list 0 said: $(cat "$place/com-error.txt")" >&2; exit 1; }
    echo "korinde.com: the list as a file, statuses 0 and 2 in cmd.exe" >&2
}

# The exports from the unpacked folder $1 into folder $2: the iCalendar file
# byte for byte as Linux writes it but for the time it was made, and a PDF
# that reads as Linux's, written to a path of Japanese characters.
check_exports() {
    local folder=$1 place=$2 pdf=$2/十二月.pdf
    (cd "$folder" && wine_quiet ./Korinde.exe --ics 2026 >"$place/2026.ics") ||
        { echo "Korinde.exe --ics 2026 failed from the unpacked zip." >&2; exit 1; }
    if [ -x "$build_dir/app/korinde" ]; then
        cmp -s <(grep -av '^DTSTAMP:' "$place/2026.ics") <("$build_dir/app/korinde" --ics 2026 | grep -av '^DTSTAMP:') ||
            { echo "The Windows iCalendar file of 2026 differs from Linux's." >&2; exit 1; }
    fi
    (cd "$folder" && wine_quiet ./Korinde.exe --pdf 2026 12 --output "$(winepath -w "$pdf")") ||
        { echo "Korinde.exe --pdf 2026 12 failed from the unpacked zip." >&2; exit 1; }
    # Read whole, then searched: grep leaving early would break the pipe.
    local info fonts
    info=$(pdfinfo "$pdf")
    grep -qE '^Pages: +1$' <<<"$info" || { echo "The Windows PDF is not one page." >&2; exit 1; }
    fonts=$(pdffonts "$pdf" | tail -n +3 | awk '$(NF-4) != "yes"')
    [ -z "$fonts" ] || { echo "The Windows PDF has a font not embedded: $fonts" >&2; exit 1; }
    if [ -x "$build_dir/app/korinde" ]; then
        "$build_dir/app/korinde" --pdf 2026 12 --output "$place/linux.pdf" 2>/dev/null
        [ "$(pdftotext -raw "$pdf" -)" = "$(pdftotext -raw "$place/linux.pdf" -)" ] ||
            { echo "The Windows PDF reads otherwise than Linux's." >&2; exit 1; }
    fi
    echo "Exports: the iCalendar file as Linux's, the PDF read as Linux's" >&2
}

# A copy of the unpacked folder without file $2 must say $3 on stderr and
# end with a status not 0, started as each program in $4 (Korinde.exe).
check_missing_file() {
    local broken program status
    broken=$(dirname "$1")/broken
    cp -r "$1" "$broken"
    rm "$broken/$2"
    for program in ${4:-Korinde.exe}; do
        status=0
        run_unpacked "$broken" "$program" >/dev/null || status=$?
        grep -q "$3" "$(dirname "$1")/stderr.txt" && [ "$status" -ne 0 ] ||
            { echo "$program without $2 ended with $status: $(cat "$(dirname "$1")/stderr.txt")" >&2; exit 1; }
    done
    rm -r "$broken"
}

# Waits up to ten seconds for Korinde's window, "Korinde" or, under today's
# law (the popup's default), "Korinde（現行の祝日）"; prints its id.
wait_for_window() {
    local window=""
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '^Korinde(（現行の祝日）)?$' 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    echo "$window"
}

# A second --popup closes the first through the named pipe, and the next one
# opens again.
check_popup_toggle() {
    local folder=$1 first
    (cd "$folder" && wine_quiet ./Korinde.exe --popup >/dev/null 2>&1) &
    first=$!
    [ -n "$(wait_for_window)" ] || { echo "The popup did not open under Wine." >&2; exit 1; }
    (cd "$folder" && wine_quiet ./Korinde.exe --popup >/dev/null 2>&1) ||
        { echo "The second --popup failed." >&2; exit 1; }
    for _ in $(seq 100); do
        kill -0 "$first" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$first" 2>/dev/null; then
        echo "A second --popup did not close the first under Wine." >&2
        exit 1
    fi
    echo "Popup: a second --popup closed the first" >&2
}

# Starts the window on the virtual display, waits for it and takes its picture.
take_wine_screenshot() {
    local folder=$1 picture=$2 window
    (cd "$folder" && wine_quiet ./Korinde.exe 2026 12 >/dev/null 2>&1) &
    local program=$!
    window=$(wait_for_window)
    if [ -z "$window" ]; then
        echo "The window did not appear under Wine." >&2
        exit 1
    fi
    sleep 1  # the first paint
    import -window "$window" "$picture"
    wineserver -k 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    echo "Screenshot under Wine: $picture" >&2
}
