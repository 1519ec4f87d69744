# What the shell tests share: counted checks, reported one a line in the form
# Qt Test uses, closed by "N passed, N failed". Sourced, not run.

passed=0
failed=0
pass() {
    echo "PASS   : $1"
    passed=$((passed + 1))
}
# fail DESCRIPTION [DETAILS]
fail() {
    echo "FAIL!  : $1"
    [ $# -gt 1 ] && printf '%s\n' "$2" | sed 's/^/           /'
    failed=$((failed + 1))
}
