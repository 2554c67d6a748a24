#!/usr/bin/env bash
# Select benchmark: builds fillpack_bench_select in a Release build (build-bench/), runs
# it and fails (exit 1) when any Select command takes a second or more on 100,000 rows
# with 1,000 highlighted rows.
#
#   bench/select.sh
#
# Environment: BUILD_DIR (default build-bench in the source folder).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench}

# shellcheck source=scripts/deps.sh
source "$root/scripts/deps.sh"
fillpack_configure "$root" "$build" -DCMAKE_BUILD_TYPE=Release -DFILLPACK_BENCH=ON >/dev/null
cmake --build "$build" --target fillpack_bench_select >&2

out=$("$build/fillpack_bench_select")
echo "$out"
# Lines after the heading: item, caption words, milliseconds last.
slow=$(awk 'NR > 1 && $NF + 0 >= 1000 { print }' <<<"$out")
if [[ -n $slow ]]; then
  echo "select.sh: commands of a second or more:" >&2
  echo "$slow" >&2
  exit 1
fi
[[ $(awk 'NR > 1' <<<"$out" | wc -l) -eq 9 ]] || { echo "select.sh: expected 9 commands" >&2; exit 1; }
echo "select.sh: every command under 1 s"
