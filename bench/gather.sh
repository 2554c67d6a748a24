#!/usr/bin/env bash
# Gathering benchmark: times `fillpack --headless /limit 702 /recurse DIR` against
# `find DIR -printf '%s\t%p\n'` (the walk and one stat per file, nothing more) and
# `fpart -s 736100352 DIR` on one tree of sparse files, and checks that fillpack and
# fpart saw every file that was made. The goal: at most 1.2 times find's time, at most
# fpart's, and at most 150 MiB at a million files.
#
#   bench/gather.sh                  trees of 50000 and of 1000000 files, in turn
#   bench/gather.sh 50000            one tree of 50000 files
#   FILLPACK_BENCH_COUNTS="1000000" bench/gather.sh
#
# A tree is left out, with a word on standard error, when its file system lacks the
# inodes for it. Environment: FILLPACK, BENCH_DIR, BENCH_KEEP, BENCH_REPEAT, BENCH_SEED;
# see bench/common.sh. Run it with TMPDIR=/dev/shm to keep the trees in memory.
set -euo pipefail

# shellcheck source=bench/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

if (($# == 0)) && [[ -z ${FILLPACK_BENCH_COUNTS:-} ]]; then
  set -- 50000 1000000
fi
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
  measure /dev/null "$scratch/fillpack.err" "$fillpack" --headless /limit 702 /recurse "$tree"
}

timed_find() {
  measure /dev/null "$scratch/find.err" find "$tree" -printf '%s\t%p\n'
}

# Whether the file system of the trees has the inodes for COUNT more files (a tree
# already made needs none).
room_for() {
  local count=$1 free
  [[ -f $bench_dir/tree-$count-seed$seed.done ]] && return 0
  mkdir -p "$bench_dir"
  free=$(df --output=iavail "$bench_dir" | tail -1 | tr -d ' ')
  # The files, their folders and a margin.
  [[ ! $free =~ ^[0-9]+$ ]] || ((free > count + count / 50 + 1000))
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

results=()
failed=0
for count in "${counts[@]}"; do
  if ! room_for "$count"; then
    echo "gather.sh: $bench_dir lacks the inodes for $count files; left out" >&2
    continue
  fi
  bench_tree "$count"

  # Warm-up runs, which also check what the programs saw: every file is one row of
  # fillpack's upper list and one line of fpart's output.
  echo "gather.sh: warm-up and check, $count files" >&2
  measure "$scratch/fpart.out" "$scratch/fpart.err" fpart -s "$partition_size" "$tree" >/dev/null
  measure "$scratch/state" "$scratch/fillpack.err" "$fillpack" --headless /limit 702 /recurse "$tree" >/dev/null
  timed_find >/dev/null
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
  best_find=''
  for ((run = 1; run <= repeat; run++)); do
    IFS=$'\t' read -r t _ <<<"$(timed_find)"
    best_find=$(smaller "$t" "$best_find")
  done
  results+=("$(bench_row "$count" "$fillpack_rows" "$fpart_rows" "$check")	$best_find")
  bench_drop_tree
done

bench_table rows 'fpart rows' "${results[@]%$'\t'*}"

# The goal's ratios: fillpack's time to find's and to fpart's, and its peak memory.
printf '\n%-9s %9s %9s %11s %9s %12s\n' files 'find s' 'x find' 'x fpart' 'peak MiB' 'goal met'
for line in "${results[@]}"; do
  IFS=$'\t' read -r count tf rf tp _ _ _ _ tfind <<<"$line"
  awk -v n="$count" -v tf="$tf" -v rf="$rf" -v tp="$tp" -v tfind="$tfind" '
    BEGIN {
      xfind = tfind > 0 ? tf / tfind : 0
      xfpart = tp > 0 ? tf / tp : 0
      mib = rf / 1024
      met = (tfind > 0 && xfind <= 1.2) && (tp > 0 && xfpart <= 1) && (n < 1000000 || mib <= 150)
      printf "%-9d %9.2f %9.2f %11.2f %9.1f %12s\n", n, tfind, xfind, xfpart, mib, met ? "yes" : "no"
    }'
done
echo "(goal: at most 1.2 x find, at most fpart's time; at most 150 MiB at 1000000 files)"
exit "$failed"
