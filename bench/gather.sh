#!/usr/bin/env bash
# Gathering benchmark: times `fillpack --headless /recurse DIR` against
# `fpart -s 736100352 DIR` on one tree of sparse files, and checks that both saw
# every file that was made.
#
#   bench/gather.sh                  one tree of 50000 files
#   bench/gather.sh 50000 1000000    one tree per count, each measured in turn
#   FILLPACK_BENCH_COUNTS="1000000" bench/gather.sh
#
# Environment:
#   FILLPACK          program to measure (default: a Release build in build-bench/)
#   BENCH_DIR         where the trees are made (default: ${TMPDIR:-/tmp}/fillpack-bench);
#                     a finished tree is kept and reused by the next run with the same count
#   BENCH_KEEP=0      remove each tree after it has been measured
#   BENCH_REPEAT      timed runs of each program per tree, the fastest counts (default 3)
#   BENCH_SEED        seed of the file sizes and extensions (default 1)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=scripts/deps.sh
source "$root/scripts/deps.sh"

partition_size=736100352
bench_dir=${BENCH_DIR:-${TMPDIR:-/tmp}/fillpack-bench}
repeat=${BENCH_REPEAT:-3}
seed=${BENCH_SEED:-1}
keep=${BENCH_KEEP:-1}

if (($# > 0)); then
  counts=("$@")
else
  read -r -a counts <<<"${FILLPACK_BENCH_COUNTS:-50000}"
fi
for count in "${counts[@]}"; do
  [[ $count =~ ^[1-9][0-9]*$ ]] || { echo "gather.sh: not a file count: $count" >&2; exit 2; }
done
[[ $repeat =~ ^[1-9][0-9]*$ ]] || { echo "gather.sh: BENCH_REPEAT must be a positive number" >&2; exit 2; }

# The comparison tool, the timer and the tree maker; the build's own packages unless a
# ready program was named.
extra=(fpart time python3)
if [[ -n ${FILLPACK:-} ]]; then
  fillpack_install_missing "${extra[@]}"
  fillpack=$FILLPACK
else
  fillpack_install_missing "${FILLPACK_PACKAGES[@]}" "${extra[@]}"
  build="$root/build-bench"
  generator=()
  [[ -f $build/CMakeCache.txt ]] || generator=(-G Ninja)
  cmake -S "$root" -B "$build" "${generator[@]}" \
    -DCMAKE_BUILD_TYPE=Release -DFILLPACK_TESTS=OFF -DFILLPACK_SANITIZE=OFF >/dev/null
  cmake --build "$build" --target fillpack -j "$(nproc)" >/dev/null
  fillpack="$build/fillpack"
fi
[[ -x $fillpack ]] || { echo "gather.sh: no program at $fillpack" >&2; exit 2; }

# Makes COUNT empty sparse files of random-ish sizes under DIR, 100 to a folder, the
# folders nested two deep (100 folders in each upper one). Prints nothing.
make_tree() {
  local dir=$1 count=$2
  python3 - "$dir" "$count" "$seed" <<'PYTHON'
import os, random, sys

top, count, seed = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
rng = random.Random(seed)
extensions = ["txt", "jpg", "mp3", "png", "pdf", "dat", "iso", "cpp", "html", "zip", "ogg", "mkv"]
per_folder = 100
made_upper = None
for index in range(count):
    folder_index, file_index = divmod(index, per_folder)
    upper, lower = divmod(folder_index, 100)
    folder = os.path.join(top, "d%04d" % upper, "s%02d" % lower)
    if file_index == 0:
        os.makedirs(folder, exist_ok=True)
    # Mostly small files, some large ones, a few larger than a disc.
    roll = rng.random()
    if roll < 0.70:
        size = rng.randrange(0, 1 << 20)
    elif roll < 0.97:
        size = rng.randrange(1 << 20, 200 << 20)
    else:
        size = rng.randrange(200 << 20, 2 << 30)
    path = os.path.join(folder, "file%06d.%s" % (index, extensions[index % len(extensions)]))
    fd = os.open(path, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o644)
    try:
        os.ftruncate(fd, size)
    finally:
        os.close(fd)
PYTHON
}

# Runs a command under /usr/bin/time -v with standard output to OUT; prints
# "SECONDS<TAB>PEAK_KB". Standard error of the command goes to ERR.
measure() {
  local out=$1 err=$2
  shift 2
  local report
  report=$(mktemp)
  if ! /usr/bin/time -v -o "$report" "$@" >"$out" 2>"$err"; then
    echo "gather.sh: failed: $*" >&2
    cat "$err" >&2
    rm -f "$report"
    return 1
  fi
  awk -F': ' '
    /Elapsed \(wall clock\) time/ {
      n = split($2, part, ":"); s = 0
      for (i = 1; i <= n; i++) s = s * 60 + part[i]
      wall = s
    }
    /Maximum resident set size/ { rss = $2 }
    END { printf "%.2f\t%d\n", wall, rss }' "$report"
  rm -f "$report"
}

# The smaller of two times; an empty second one stands for none yet.
smaller() {
  awk -v a="$1" -v b="$2" 'BEGIN { print (b == "" || a + 0 < b + 0) ? a : b }'
}

# Rows of the upper list in a state dump.
upper_rows() {
  awk '$0 == "[lstmain]" { on = 1; next } /^\[/ { on = 0 } on { n++ } END { print n + 0 }' "$1"
}

mkdir -p "$bench_dir"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

results=()
failed=0
for count in "${counts[@]}"; do
  tree="$bench_dir/tree-$count-seed$seed"
  stamp="$tree.done"
  if [[ ! -f $stamp ]]; then
    rm -rf "$tree"
    echo "gather.sh: making $count files in $tree" >&2
    start=$(date +%s.%N)
    make_tree "$tree" "$count"
    touch "$stamp"
    awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { printf "gather.sh: made in %.1f s\n", b - a }' >&2
  else
    echo "gather.sh: reusing $tree" >&2
  fi
  files=$(find "$tree" -type f | wc -l)
  if ((files != count)); then
    echo "gather.sh: $tree holds $files files, not $count; remove $stamp to make it anew" >&2
    exit 1
  fi

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

  # Timed runs, taking turns; the fastest of each counts, the peak memory is the largest.
  best_f='' best_p='' rss_f=0 rss_p=0
  for ((run = 1; run <= repeat; run++)); do
    echo "gather.sh: timed run $run of $repeat, $count files" >&2
    result=$(measure /dev/null "$scratch/fpart.err" fpart -s "$partition_size" "$tree")
    IFS=$'\t' read -r t m <<<"$result"
    best_p=$(smaller "$t" "$best_p")
    rss_p=$((m > rss_p ? m : rss_p))
    result=$(measure /dev/null "$scratch/fillpack.err" "$fillpack" --headless /recurse "$tree")
    IFS=$'\t' read -r t m <<<"$result"
    best_f=$(smaller "$t" "$best_f")
    rss_f=$((m > rss_f ? m : rss_f))
  done
  results+=("$(printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s' "$count" "$best_f" "$rss_f" "$best_p" "$rss_p" \
    "$fillpack_rows" "$fpart_rows" "$check")")

  if [[ $keep == 0 ]]; then
    rm -rf "$tree" "$stamp"
  fi
done

printf '\n%-9s %11s %12s %9s %11s %9s %9s %10s %10s %5s\n' \
  files 'fillpack s' 'fillpack MB' 'fpart s' 'fpart MB' 'time x' 'RSS x' 'rows' 'fpart rows' check
for line in "${results[@]}"; do
  IFS=$'\t' read -r count tf rf tp rp rows prows check <<<"$line"
  awk -v n="$count" -v tf="$tf" -v rf="$rf" -v tp="$tp" -v rp="$rp" -v rows="$rows" -v prows="$prows" -v c="$check" '
    BEGIN {
      tr = tp > 0 ? sprintf("%.1f", tf / tp) : "-"
      rr = rp > 0 ? sprintf("%.1f", rf / rp) : "-"
      printf "%-9d %11.2f %12.1f %9.2f %11.1f %9s %9s %10d %10d %5s\n", n, tf, rf / 1024, tp, rp / 1024, tr, rr, rows, prows, c
    }'
done
echo "(wall time: fastest of $repeat timed runs after a warm-up run of each; MB: peak resident set size)"
exit "$failed"
