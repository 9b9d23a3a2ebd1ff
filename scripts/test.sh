#!/usr/bin/env bash
# Builds Telvo View and runs the whole test suite twice: in the normal build
# (build/) and under AddressSanitizer + UndefinedBehaviorSanitizer (build-asan/).
# Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

for preset in default asan; do
    echo "== $preset: configure, build, test"
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
echo "== all tests passed"
