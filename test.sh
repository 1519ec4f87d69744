#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
#   ./test.sh                      build/: unit tests, then each fuzz target for 20 s
#                                  (clang build in build-fuzz/)
#   ./test.sh --sanitize           build-sanitize/: every test again under
#                                  AddressSanitizer and UndefinedBehaviorSanitizer
#   ./test.sh --fuzz-long[=SECONDS] only the fuzz targets, SECONDS each (default 600)
#   ./test.sh --package            build-package/: the Debian package, built with its
#                                  tests by dpkg-buildpackage, then lintian and autopkgtest
set -euo pipefail
cd "$(dirname "$0")"
. tools/setup.sh

mode=plain
fuzz_seconds=20
for arg in "$@"; do
    case $arg in
    --sanitize) mode=sanitize ;;
    --package) mode=package ;;
    --fuzz-long) mode=fuzz-long fuzz_seconds=600 ;;
    --fuzz-long=*)
        mode=fuzz-long fuzz_seconds=${arg#--fuzz-long=}
        if ! [[ $fuzz_seconds =~ ^[1-9][0-9]*$ ]]; then
            echo "test.sh: --fuzz-long needs a whole number of seconds, not \"$fuzz_seconds\"" >&2
            exit 2
        fi
        ;;
    -h | --help)
        sed -n '2,9s/^# \{0,1\}//p' "$0"
        exit 0
        ;;
    *)
        echo "test.sh: unknown option \"$arg\" (see ./test.sh --help)" >&2
        exit 2
        ;;
    esac
done

# The package brings its own build dependencies and its own build.
[ "$mode" = package ] && exec tools/build_package.sh

ensure_packages "${DUSKMAP_PACKAGES[@]}"
ensure_locales "${DUSKMAP_TEST_LOCALES[@]}"

# Any sanitizer report ends the program with a failure; the suppressions name
# leaks inside system libraries only.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0

build_fuzz_targets() {
    configure_build_dir build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DDUSKMAP_FUZZ=ON \
        -DDUSKMAP_BENCH=OFF
    build_targets build-fuzz fuzz_targets
}

case $mode in
plain)
    configure_and_build build
    say "Running tests"
    ctest --test-dir build --output-on-failure -j"$(nproc)"
    build_fuzz_targets
    say "Fuzzing each target for ${fuzz_seconds} s"
    tools/run_fuzzers.sh build-fuzz "$fuzz_seconds"
    ;;
sanitize)
    configure_and_build build-sanitize -DDUSKMAP_SANITIZE=ON -DDUSKMAP_BENCH=OFF
    say "Running tests under AddressSanitizer and UndefinedBehaviorSanitizer"
    # The window's tests include a simulated week that checks that resident
    # memory stays flat; AddressSanitizer holds freed memory back for 256 MB
    # before reusing it, so they run with nothing held back, and first, so that
    # ctest's summary of all the rest closes the run.
    ASAN_OPTIONS=$ASAN_OPTIONS:quarantine_size_mb=0 \
        ctest --test-dir build-sanitize --output-on-failure -R '^tst_mainwindow$' --repeat until-pass:3
    # LeakSanitizer's own tracer now and then dies at exit on this kind of
    # virtual machine ("Tracer caught signal 11") after the test has passed; a
    # test that fails that way is run again, while a real report fails each time.
    ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)" -E '^tst_mainwindow$' \
        --repeat until-pass:3
    ;;
fuzz-long)
    build_fuzz_targets
    say "Fuzzing each target for ${fuzz_seconds} s"
    tools/run_fuzzers.sh build-fuzz "$fuzz_seconds"
    ;;
esac
