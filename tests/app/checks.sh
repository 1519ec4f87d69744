# Counted checks for the shell tests, reported as Qt Test does. Sourced.
passed=0 failed=0
pass() { echo "PASS   : $1"; passed=$((passed + 1)); }
# fail DESCRIPTION [DETAILS]
fail() { echo "FAIL!  : $1"; [ $# -gt 1 ] && printf '%s\n' "$2" | sed 's/^/           /'; failed=$((failed + 1)); }
# check DESCRIPTION COMMAND...: passes when COMMAND succeeds.
check() { local what=$1 out; shift; if out=$("$@" 2>&1); then pass "$what"; else fail "$what" "$out"; fi; }
finish() { echo "$passed passed, $failed failed"; [ "$failed" -eq 0 ]; exit; }
# needs TOOL...: ends the test failed unless each tool is on the path.
needs() { for tool; do command -v "$tool" >/dev/null || { fail "$tool is missing (tools/setup.sh installs it)"; finish; }; done; }
# wait_for SECONDS COMMAND...: retries COMMAND until it succeeds or time runs out;
# start-up on a busy two-core machine can take a while.
wait_for() { local deadline=$(($(date +%s%3N) + $1 * 1000)); shift; until "$@"; do [ "$(date +%s%3N)" -lt "$deadline" ] || return 1; sleep 0.2; done; }
# ends_cleanly HOW: the program $app_pid, just told to stop HOW, ends promptly with status 0.
ended() { ! kill -0 "$app_pid" 2>/dev/null; }
ends_cleanly() {
    if wait_for 2 ended; then wait "$app_pid"; check "$1 ends the program with status 0" test $? -eq 0; else fail "$1 ends the program within 2 s"; fi
    app_pid=
}
