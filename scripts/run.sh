#!/usr/bin/env bash
# Installs what is missing, builds Fillpack into build/ and starts it with the given
# switches. Without a display the program runs headless by itself and says so on stderr.
# Everything but the program's own output goes to standard error.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=scripts/deps.sh
source "$root/scripts/deps.sh"

fillpack_install_missing "${FILLPACK_PACKAGES[@]}"

build="$root/build"
fillpack_configure "$root" "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFILLPACK_TESTS=OFF -DFILLPACK_SANITIZE=OFF >&2
cmake --build "$build" --target fillpack -j "$(nproc)" >&2

exec "$build/fillpack" "$@"
