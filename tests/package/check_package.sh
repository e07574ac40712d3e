#!/usr/bin/env bash
# Builds the Debian package from a finished build and checks it as Debian
# would: lintian finds no error or warning, the manual page renders without a
# warning and names every option of --help, the completion offers them too
# and completes --holi, the change log's version is the program's, and the
# installed program finds its window and export modules.
# Usage: check_package.sh BUILD_DIR CPACK LINTIAN
set -euo pipefail
build_dir=$1
cpack=$2
lintian=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

(cd "$build_dir" && "$cpack" -G DEB -B "$work/out" >"$work/cpack.txt" 2>&1) || fail "cpack: $(cat "$work/cpack.txt")"
deb=$(ls "$work"/out/korinde_*.deb)
# The findings are shown at every level; errors and warnings fail. Root runs
# it in CI, and lintian's note about that is no finding.
lintian_status=0
"$lintian" --fail-on error,warning --display-info --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>&1 ||
    lintian_status=$?
grep -v 'running with root privileges' "$work/lintian.txt" || true
[ "$lintian_status" -eq 0 ] || fail "lintian found errors or warnings in $(basename "$deb")"

root=$work/root
dpkg-deb -x "$deb" "$root"
program=$root/usr/bin/korinde
manual=$root/usr/share/man/man1/korinde.1.gz
completion=$root/usr/share/bash-completion/completions/korinde

warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$manual" 2>&1 >"$work/manual.txt") ||
    fail "man could not render the manual page"
[ -z "$warnings" ] || fail "the manual page renders with warnings: $warnings"

bash -n "$completion" || fail "bash cannot read the completion"
# What the completion offers for the last of the words after "korinde", one
# candidate a line.
complete_word() {
    bash -c 'source "$1"; shift; COMP_WORDS=(korinde "$@"); COMP_CWORD=$#; _korinde; printf "%s\n" "${COMPREPLY[@]}"' \
        _ "$completion" "$@"
}
[ "$(complete_word --holi)" = "--holidays=" ] || fail "--holi completes to '$(complete_word --holi)'"
[ -z "$(complete_word 2026)" ] || fail "the completion offers something for a year"
for option in --list --almanac --koyomi --ics --pdf; do
    [ -z "$(complete_word "$option" "")" ] || fail "the completion offers something where $option wants a year"
done

# Every option --help shows stands in the manual page and in the completion.
options=$("$program" --help | grep -oE '(^|[ ,])--?[a-z][a-z-]*(=[a-z|]*)?' | tr -d ' ,' | sort -u)
[ -n "$options" ] || fail "--help shows no option"
offered=$(complete_word "")
for option in $options; do
    name=${option%%=*}
    grep -qF -- "$name" "$work/manual.txt" || fail "the manual page lacks $name"
    grep -qxF -- "$name${option:${#name}:1}" <<<"$offered" || fail "the completion lacks $name"
done
# And no other: an option gone from the program's table leaves them too.
names=$(sed 's/=.*//' <<<"$options" | sort -u)
for word in $offered; do
    grep -qxF -- "${word%=}" <<<"$names" || fail "the completion offers $word, which --help does not show"
done
for name in $(grep -oE -- '(^|[^[:alnum:]-])--?[a-z][a-z-]*' "$work/manual.txt" | grep -oE -- '--?[a-z][a-z-]*' | sort -u); do
    grep -qxF -- "$name" <<<"$names" || fail "the manual page names $name, which --help does not show"
done
[ "$(complete_word --ics-include = holidays,mo)" = "holidays,moon" ] ||
    fail "--ics-include=holidays,mo completes to '$(complete_word --ics-include = holidays,mo)'"
rules=$(complete_word --holidays = "")
for rule in builtin current; do
    grep -qF -- "--holidays=$rule" "$work/manual.txt" || fail "the manual page lacks --holidays=$rule"
    grep -qx "$rule" <<<"$rules" || fail "the completion lacks the value $rule"
done

gzip -dc "$root/usr/share/doc/korinde/changelog.gz" >"$work/changelog"
changelog_version=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
package_version=$(dpkg-deb -f "$deb" Version)
program_version=$("$program" --version | awk '{print $2}')
[ "$changelog_version" = "$package_version" ] && [ "$package_version" = "$program_version" ] ||
    fail "versions differ: change log $changelog_version, package $package_version, program $program_version"

# The installed program finds its export modules, and the package depends
# on what they link.
# Read whole, then searched: grep leaving early would break the pipe.
ics=$("$program" --ics 2026 --ics-include=holidays) || fail "the installed program's --ics failed"
grep -q '^SUMMARY:元日' <<<"$ics" || fail "the installed program's --ics: $(head -c 200 <<<"$ics")"
"$program" --pdf 2026 1 --output "$work/sheet.pdf" && [ -s "$work/sheet.pdf" ] || fail "the installed program's --pdf"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libical3 libqt6gui6; do
    grep -q "$library" <<<"$depends" || fail "the package does not depend on $library: $depends"
done

# A platform Qt cannot load fails after the module loaded; a module not found
# would fail before, with its own message.
if QT_QPA_PLATFORM=bogus DISPLAY=:99 "$program" 2>"$work/start.txt"; then fail "started on no platform"; fi
grep -q "画面に表示できません" "$work/start.txt" || fail "the installed program: $(cat "$work/start.txt")"
echo "package checked: $(basename "$deb")"
