#!/usr/bin/env bash
# Installs what is missing, builds Fillpack and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-test/, and runs the tests (the package test among
# them, hence the packaging tools); exits with ctest's status.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=scripts/deps.sh
source "$root/scripts/deps.sh"

fillpack_install_missing "${FILLPACK_PACKAGES[@]}" "${FILLPACK_PACKAGING_PACKAGES[@]}"

build="$root/build-test"
fillpack_configure "$root" "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFILLPACK_SANITIZE=ON -DFILLPACK_TESTS=ON
cmake --build "$build" -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
status=0
(cd "$build" && ctest --output-on-failure -j2) || status=$?
exit "$status"
