#!/usr/bin/env bash
# run_fuzzers.sh BUILD_DIR SECONDS [TARGET...]: runs each fuzz target (default: all) on
# its seeds and dictionary; a crash, leak, hang or sanitizer report fails the run and
# the input is kept in BUILD_DIR/fuzz-artifacts/TARGET/.
set -u
build=$(cd "$1" && pwd) seconds=$2 source_dir=$(cd "$(dirname "$0")/../tests/fuzz" && pwd)
shift 2
targets=("$@")
[ $# -eq 0 ] && targets=(propertylist preferences commandline elements aurora)
# The preference store syncs every write: keep temporary files in memory.
tmp=$(mktemp -d /dev/shm/duskmap-fuzz.XXXXXX 2>/dev/null || mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# Numbers as a decimal-comma locale writes them: what is read for machines must not follow it.
unset LC_ALL
export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_NUMERIC=de_DE.UTF-8 TZ=UTC TMPDIR=$tmp
export XDG_CONFIG_HOME=$tmp/config ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1}
passed=0 failed=0
for target in "${targets[@]}"; do
    corpus=$build/fuzz-corpus/$target artifacts=$build/fuzz-artifacts/$target/
    log=$build/fuzz-$target.log asan=$ASAN_OPTIONS extra=()
    mkdir -p "$corpus" "$artifacts"
    # QSettings trusts lengths inside "@Variant(...)" and copes when malloc says no; a
    # smaller quarantine keeps libFuzzer's frequent leak scans cheap.
    [ "$target" = preferences ] && asan+=:allocator_may_return_null=1:quarantine_size_mb=16 \
        extra=(-malloc_limit_mb=1048576)
    if ASAN_OPTIONS=$asan "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" \
        -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$artifacts" \
        -dict="$source_dir/$target.dict" "${extra[@]}" "$corpus" "$source_dir/corpus/$target" \
        >"$log" 2>&1; then
        echo "PASS   : fuzz_$target ($(grep -o 'cov: [0-9]*' "$log" | tail -n 1))"
        passed=$((passed + 1))
    else
        echo "FAIL!  : fuzz_$target; log: $log"
        grep -E 'ERROR: |SUMMARY: |check failed|runtime error|Test unit written' "$log" | head -n 20
        failed=$((failed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
