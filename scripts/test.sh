#!/usr/bin/env bash
# Installs whatever is missing, builds the program and its tests, and runs
# every test twice: in a normal build, then under AddressSanitizer and
# UndefinedBehaviorSanitizer in a build directory of their own.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing_packages

echo "== Build and test"
configure_and_build "$ROOT/build"
ctest --test-dir "$ROOT/build" --output-on-failure --parallel "$(nproc)"

echo "== Build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
configure_and_build "$ROOT/build-asan" -DAZIVODER_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$ROOT/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$ROOT/build-asan" --output-on-failure --parallel "$(nproc)"
