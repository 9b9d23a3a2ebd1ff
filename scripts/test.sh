#!/usr/bin/env bash
# Builds Telvo View and runs the whole test suite twice: in the normal build
# (build/) and under AddressSanitizer + UndefinedBehaviorSanitizer (build-asan/).
# Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

# The print test sends a report through a local CUPS queue. Once the queue is
# up the test must run; without root or sudo it skips itself.
printer_status=0
./scripts/start-test-printer.sh || printer_status=$?
if [[ $printer_status -eq 0 ]]; then
    export TELVO_REQUIRE_TEST_PRINTER=1
elif [[ $printer_status -ne 3 ]]; then
    echo "test: the test printer could not be set up" >&2
    exit 1
fi

for preset in default asan; do
    echo "== $preset: configure, build, test"
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
echo "== all tests passed"
