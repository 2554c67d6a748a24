#!/usr/bin/env bash
# Builds Fillpack in Release into build-release/ (without the tests) and makes the Debian
# package there: build-release/fillpack_<version>_<arch>.deb. Prints the package's path.
# Install it with: apt-get install ./build-release/fillpack_*.deb
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=scripts/deps.sh
source "$root/scripts/deps.sh"

fillpack_install_missing "${FILLPACK_PACKAGES[@]}" "${FILLPACK_PACKAGING_PACKAGES[@]}"

build="$root/build-release"
fillpack_configure "$root" "$build" -DCMAKE_BUILD_TYPE=Release -DFILLPACK_TESTS=OFF -DFILLPACK_SANITIZE=OFF >&2
cmake --build "$build" -j "$(nproc)" >&2
(cd "$build" && cpack -G DEB >&2)

shopt -s nullglob
packages=("$build"/fillpack_*.deb)
((${#packages[@]} > 0)) || { echo "fillpack: cpack made no package" >&2; exit 1; }
printf '%s\n' "${packages[@]}"
