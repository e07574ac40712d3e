# Shared by the scripts: the project root, Debian packages, the build.
set -euo pipefail

project_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_dir=$project_root/build
cd "$project_root"

build_packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-translations-l10n libgtest-dev liberfa-dev libical-dev
    fonts-ipafont-gothic fonts-dejavu-core)
# The tools that read the desktop entry, the metadata and the Windows
# resources, the private X server with its input driver for the tests that
# need a real display, the independent ephemerides the almanac is checked
# against, Debian's package checker with the tools that read the manual
# page and the change log, the accessibility bus with its Python client, a
# headless Wayland compositor with XWayland and the image reader for its
# screenshots, the calendar programs that read the iCalendar files, and
# Poppler's tools that read the PDF ones.
check_packages=(desktop-file-utils appstream binutils-mingw-w64-x86-64
    xvfb xdotool python3 python3-ephem libswe2.0 swe-basic-data lintian dpkg-dev man-db dbus at-spi2-core python3-pyatspi
    weston xwayland qt6-wayland python3-pil python3-icalendar khal poppler-utils)

# Installs whichever of the named Debian packages are missing.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing Debian packages: ${missing[*]}" >&2
        echo "Install them as root: apt-get install ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]}" >&2
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

# Configures and builds a preset ("dev" or "asan"), with the named targets or
# everything. Warnings are errors in CI; configure_options (an array a script
# may set) goes to the configure.
configure_options=()
build() {
    local preset=$1
    shift
    local werror=OFF
    [ -n "${CI:-}" ] && werror=ON
    cmake --preset "$preset" -DKORINDE_WERROR="$werror" "${configure_options[@]}"
    cmake --build --preset "$preset" ${1:+--target "$@"}
}

# Starts Xvfb at the given size, with any further Xvfb options, on a display
# it finds free and exports DISPLAY; the server's pid is in xvfb_pid. Xvfb
# names the display once it accepts connections, so nothing has to poll for it.
start_virtual_display() {
    local number_file size=$1
    shift
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp "$@" 3>"$number_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 200); do
        [ -s "$number_file" ] && break
        sleep 0.05
    done
    DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
    rm -f "$number_file"
    if [ "$DISPLAY" = ":" ]; then
        echo "Xvfb did not start." >&2
        exit 1
    fi
    export DISPLAY
}
