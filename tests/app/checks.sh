# Counted checks for the shell tests, reported as Qt Test does. Sourced.
passed=0 failed=0
pass() { echo "PASS   : $1"; passed=$((passed + 1)); }
# fail DESCRIPTION [DETAILS]
fail() { echo "FAIL!  : $1"; [ $# -gt 1 ] && printf '%s\n' "$2" | sed 's/^/           /'; failed=$((failed + 1)); }
# check DESCRIPTION COMMAND...: passes when COMMAND succeeds.
check() { local what=$1 out; shift; if out=$("$@" 2>&1); then pass "$what"; else fail "$what" "$out"; fi; }
finish() { echo "$passed passed, $failed failed"; [ "$failed" -eq 0 ]; exit; }
