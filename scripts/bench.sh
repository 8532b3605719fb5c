#!/usr/bin/env bash
# Installs whatever is missing, builds Release in build/bench and prints the
# benchmarks' figures. Not part of the test command: figures, not pass/fail.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing_packages
BUILD="$ROOT/build/bench"
configure_and_build "$BUILD" -DAZIVODER_BUILD_TESTS=ON -DAZIVODER_SANITIZE=OFF -DCMAKE_BUILD_TYPE=Release

echo "== Offscreen benchmarks"
ctest --test-dir "$BUILD" --label-regex benchmark --verbose | grep -E 'RESULT|PASS|FAIL|Totals' || true
