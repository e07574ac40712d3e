#!/usr/bin/env bash
# The Windows build's scripts as a fresh machine meets them: they must load
# with the cross compilers absent from PATH (they are installed later, by the
# script itself) and ask for the compilers' paths only once they are there;
# and the installer's version must grow with every release.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# A PATH of everything in /usr/bin (where Debian's /bin is too) but the
# MinGW-w64 tools.
bare=$(mktemp -d)
trap 'rm -rf "$bare"' EXIT
find /usr/bin -maxdepth 1 ! -type d ! -name 'x86_64-w64-mingw32-*' -exec ln -s -t "$bare" {} +

loaded=$(PATH=$bare bash -c '
    source "$1/scripts/lib/common.sh"
    for library in prefix deploy tests package msi; do source "$1/scripts/lib/windows/$library.sh"; done
    command -v x86_64-w64-mingw32-g++-posix >/dev/null && { echo "the compiler is on PATH"; exit 1; }
    # Asked for now, the runtime folder is an error, never ".".
    (mingw_runtime_dir) 2>&1 && exit 1
    echo "loaded"' _ "$root" 2>&1) || true
grep -q 'The MinGW-w64 C++ runtime is not installed' <<<"$loaded" && [ "$(tail -n 1 <<<"$loaded")" = loaded ] ||
    fail "the Windows scripts without the cross compilers: $loaded"

# The change log's version → Windows Installer's, or a refusal.
while read -r version expected; do
    actual=$(bash -c 'source "$1/scripts/lib/common.sh"; source "$1/scripts/lib/windows/msi.sh"; msi_version "$2"' \
        _ "$root" "$version" 2>/dev/null) || actual=refused
    [ "$actual" = "$expected" ] || fail "msi_version $version gave $actual, not $expected"
done <<'EOF'
2.0.0.2 2.0.2
2.0.1.5 2.0.1005
2.1.0.999 2.1.999
3.4 3.4.0
2.0.0.1000 refused
256.0.0.0 refused
2.0.66.0 refused
EOF

[ "$failures" -eq 0 ] || exit 1
echo "Windows scripts: load without the cross compilers; installer versions as expected"
