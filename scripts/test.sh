#!/usr/bin/env bash
# Installs whatever is missing, builds the program and its tests, and runs
# every test twice: in build/test, then under AddressSanitizer and
# UndefinedBehaviorSanitizer in build/asan. Neither folder is shared with the
# run command, and both are configured with every option they rely on. The
# Orca check (label "orca") runs in the first pass only: it listens to what
# a screen reader says, which the sanitizers do not change, and a sanitized
# program on a loaded machine would only make its timing less sure.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing_packages
check_formatting

echo "== Build and test"
configure_and_build "$ROOT/build/test" -DAZIVODER_BUILD_TESTS=ON -DAZIVODER_SANITIZE=OFF
verify_tests_are_current "$ROOT/build/test"
ctest --test-dir "$ROOT/build/test" --label-exclude benchmark --output-on-failure --parallel "$(nproc)"

echo "== Build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
configure_and_build "$ROOT/build/asan" -DAZIVODER_BUILD_TESTS=ON -DAZIVODER_SANITIZE=ON \
    -DCMAKE_BUILD_TYPE=Debug
verify_tests_are_current "$ROOT/build/asan"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$ROOT/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$ROOT/build/asan" --label-exclude 'benchmark|orca' --output-on-failure --parallel "$(nproc)"
