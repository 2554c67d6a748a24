#!/usr/bin/env bash
# Gathering benchmark: times `fillpack --headless /recurse DIR` against
# `fpart -s 736100352 DIR` on one tree of sparse files, and checks that both saw
# every file that was made.
#
#   bench/gather.sh                  one tree of 50000 files
#   bench/gather.sh 50000 1000000    one tree per count, each measured in turn
#   FILLPACK_BENCH_COUNTS="1000000" bench/gather.sh
#
# Environment: FILLPACK, BENCH_DIR, BENCH_KEEP, BENCH_REPEAT, BENCH_SEED; see
# bench/common.sh.
set -euo pipefail

# shellcheck source=bench/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bench_counts "$@"
bench_program

# Rows of the upper list in a state dump.
upper_rows() {
  awk '$0 == "[lstmain]" { on = 1; next } /^\[/ { on = 0 } on { n++ } END { print n + 0 }' "$1"
}

timed_fpart() {
  measure /dev/null "$scratch/fpart.err" fpart -s "$partition_size" "$tree"
}

timed_fillpack() {
  measure /dev/null "$scratch/fillpack.err" "$fillpack" --headless /recurse "$tree"
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

results=()
failed=0
for count in "${counts[@]}"; do
  bench_tree "$count"

  # Warm-up runs, which also check what the programs saw: every file is one row of
  # fillpack's upper list and one line of fpart's output.
  echo "gather.sh: warm-up and check, $count files" >&2
  measure "$scratch/fpart.out" "$scratch/fpart.err" fpart -s "$partition_size" "$tree" >/dev/null
  measure "$scratch/state" "$scratch/fillpack.err" "$fillpack" --headless /recurse "$tree" >/dev/null
  fpart_rows=$(grep -c . "$scratch/fpart.out" || true)
  fillpack_rows=$(upper_rows "$scratch/state")
  check=ok
  if ((fillpack_rows != count)); then
    echo "gather.sh: fillpack listed $fillpack_rows rows for $count files" >&2
    check=FAIL
    failed=1
  fi
  if ((fpart_rows != count)); then
    echo "gather.sh: fpart listed $fpart_rows files for $count files" >&2
    check=FAIL
    failed=1
  fi
  if [[ -s $scratch/fillpack.err ]]; then
    echo "gather.sh: fillpack said on stderr:" >&2
    head -5 "$scratch/fillpack.err" >&2
  fi

  bench_race "$count"
  results+=("$(bench_row "$count" "$fillpack_rows" "$fpart_rows" "$check")")
  bench_drop_tree
done

bench_table rows 'fpart rows' "${results[@]}"
exit "$failed"
