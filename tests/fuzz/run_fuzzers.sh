#!/usr/bin/env bash
# Runs the fuzz targets (all, or those named) for a bounded time; prints one line per
# target and a closing "fuzz: N passed, N failed".
#   run_fuzzers.sh BUILD_DIR SECONDS [TARGET...]     TARGET: propertylist, preferences, ...
# Each target starts from its seeds in tests/fuzz/corpus/<target>/ and grows its own
# corpus in BUILD_DIR/fuzz-corpus/<target>/; an input that crashes, leaks, hangs (10 s)
# or trips a sanitizer is kept in BUILD_DIR/fuzz-artifacts/<target>/ and fails the run.
set -u

build=$(cd "$1" && pwd)
seconds=$2
shift 2
source_dir=$(cd "$(dirname "$0")" && pwd)
targets=(propertylist preferences commandline)
[ $# -gt 0 ] && targets=("$@")

# Sanitizer settings when not set by the caller (test.sh sets them).
: "${ASAN_OPTIONS:=halt_on_error=1:detect_leaks=1}"
: "${UBSAN_OPTIONS:=halt_on_error=1:print_stacktrace=1}"
export ASAN_OPTIONS UBSAN_OPTIONS

# Temporary files in memory where there is a tmpfs: the preference store syncs
# every write to disk, which would otherwise take most of the time.
if tmp=$(mktemp -d /dev/shm/duskmap-fuzz.XXXXXX 2>/dev/null); then
    trap 'rm -rf "$tmp"' EXIT
else
    tmp=$build/fuzz-tmp
    mkdir -p "$tmp"
fi
mkdir -p "$build/fuzz-config-home"
export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC TMPDIR=$tmp
export XDG_CONFIG_HOME=$build/fuzz-config-home

passed=0
failed=0
for target in "${targets[@]}"; do
    exe=$build/tests/fuzz/fuzz_$target
    corpus=$build/fuzz-corpus/$target
    artifacts=$build/fuzz-artifacts/$target/
    log=$build/fuzz-$target.log
    mkdir -p "$corpus" "$artifacts"
    if [ ! -x "$exe" ]; then
        echo "FAIL!  : fuzz_$target is not built ($exe)"
        failed=$((failed + 1))
        continue
    fi
    extra=()
    [ -f "$source_dir/$target.dict" ] && extra=(-dict="$source_dir/$target.dict")
    asan_options=$ASAN_OPTIONS
    if [ "$target" = preferences ]; then
        # QSettings decodes "@Variant(...)" trusting the lengths inside: a few bytes
        # ask for gigabytes, and Qt copes when malloc gives nothing back. Let the
        # allocator say no rather than stop; the RSS limit still catches memory really
        # used. Qt's caches make libFuzzer look for leaks after most inputs, and a
        # scan through the default 256 MB of held-back freed memory costs ten times
        # the input itself.
        asan_options=$asan_options:allocator_may_return_null=1:quarantine_size_mb=16
        extra+=(-malloc_limit_mb=1048576)
    fi
    ASAN_OPTIONS=$asan_options "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts" "${extra[@]}" \
        "$corpus" "$source_dir/corpus/$target" >"$log" 2>&1
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1)
    if [ "$status" -eq 0 ]; then
        echo "PASS   : fuzz_$target: ${runs:-?} runs in ${seconds} s, ${cov:-cov: ?}," \
            "corpus $(find "$corpus" -type f | wc -l)"
        passed=$((passed + 1))
    else
        echo "FAIL!  : fuzz_$target exited with $status; log: $log"
        grep -E 'ERROR: |SUMMARY: |check failed|runtime error|Test unit written|^    #[0-9]' "$log" |
            head -n 40 | sed 's/^/           /'
        failed=$((failed + 1))
    fi
done

echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
