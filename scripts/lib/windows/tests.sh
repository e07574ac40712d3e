# Runs the Windows build's tests under Wine and counts their cases.
# Sourced by scripts/windows after lib/windows/prefix.sh.

# The test programs that run under Wine. Left out, as they need what only
# Linux has: window_x11_test and program_x11_test (a private Xvfb, xdotool and
# the xcb platform), x11_random_input (xdotool), the clang checks, the desktop
# entry, AppStream and Debian package checks, which read Linux files.
gtest_programs=(engine_tests view_tests command_line_test)
qtest_programs=(window_layout_test window_navigation_test window_panels_test platform_test
    window_soak_test window_accessibility_test)

windows_passed=0
windows_failed=0

# Adds a program's counts, and shows its report when something failed.
count_cases() {
    local name=$1 passed=$2 failed=$3 report=$4
    windows_passed=$((windows_passed + passed))
    windows_failed=$((windows_failed + failed))
    echo "$name: $passed passed, $failed failed" >&2
    if [ "$failed" -ne 0 ]; then cat "$report" >&2; fi
}

# A program that ends without its report counts as one failure. These need
# no display; without one, Qt's own box for a platform that cannot start
# (shown where no console is, as under a test) cannot block the run.
run_gtest_program() {
    local program=$1 report=$2/$1.xml log=$2/$1.log tests failures skipped
    (cd "$windows_build/bin" && unset DISPLAY && wine_quiet "./$program.exe" --gtest_output="xml:$(winepath -w "$report")") \
        >"$log" 2>&1 || true
    if [ ! -s "$report" ]; then
        count_cases "$program" 0 1 "$log"
        return
    fi
    tests=$(sed -n 's/^<testsuites tests="\([0-9]*\)".*/\1/p' "$report")
    failures=$(sed -n 's/^<testsuites tests="[0-9]*" failures="\([0-9]*\)".*/\1/p' "$report")
    skipped=$(grep -c 'result="skipped"' "$report" || true)
    [ "$skipped" -eq 0 ] || echo "$program: $skipped skipped (see $log)" >&2
    count_cases "$program" $((tests - failures - skipped)) "$failures" "$log"
}

# Qt Test's own report goes to a file: Wine's redirected stdout may stay empty.
run_qtest_program() {
    local program=$1 report=$2/$1.txt log=$2/$1.log totals
    (cd "$windows_build/bin" && wine_quiet "./$program.exe" -platform offscreen -o "$report,txt") >"$log" 2>&1 || true
    totals=$(grep -E '^Totals: [0-9]+ passed, [0-9]+ failed' "$report" 2>/dev/null || true)
    if [ -z "$totals" ]; then
        count_cases "$program" 0 1 "$log"
        return
    fi
    read -r passed failed < <(sed -E 's/^Totals: ([0-9]+) passed, ([0-9]+) failed.*/\1 \2/' <<<"$totals")
    count_cases "$program" "$passed" "$failed" "$report"
}

# The checks that CTest runs with Wine as the emulator, one case each.
run_ctest_checks() {
    local log=$1/ctest.log
    if ctest --test-dir "$windows_build" -R '^(ephemeris_against_references|install_layout)$' --output-on-failure \
        >"$log" 2>&1; then
        count_cases "ctest (the almanac against two ephemerides, the install layout)" 2 0 "$log"
    else
        count_cases "ctest (the almanac against two ephemerides, the install layout)" 0 1 "$log"
    fi
}

# Runs everything and prints the closing line; fails when a case failed.
run_windows_tests() {
    local reports=$windows_build/test-reports program
    rm -rf "$reports"
    mkdir -p "$reports"
    for program in "${gtest_programs[@]}"; do run_gtest_program "$program" "$reports"; done
    for program in "${qtest_programs[@]}"; do run_qtest_program "$program" "$reports"; done
    run_ctest_checks "$reports"
    echo "windows: $windows_passed passed, $windows_failed failed"
    [ "$windows_failed" -eq 0 ]
}
