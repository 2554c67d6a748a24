# shellcheck shell=bash
# What the benchmarks share: their settings, the packages and the program they measure,
# the tree of sparse files, the timing of one run and of alternating runs, the table of
# results, and the measure of a list's disc image with xorriso. Sourced by the bench
# scripts, which first set -euo pipefail.
#
# Environment:
#   FILLPACK          program to measure (default: a Release build in build-bench/)
#   BENCH_DIR         where the trees are made (default: ${TMPDIR:-/tmp}/fillpack-bench);
#                     a finished tree is kept and reused by the next run with the same count
#   BENCH_KEEP=0      remove each tree after it has been measured
#   BENCH_REPEAT      timed runs of each program per tree, the fastest counts (default 3)
#   BENCH_SEED        seed of the file sizes and extensions (default 1)
#   FILLPACK_BENCH_COUNTS  file counts when none are given as arguments (default 50000)

# shellcheck disable=SC2034 # the settings are read by the scripts that source this file
bench_name=$(basename "$0")
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=scripts/deps.sh
source "$root/scripts/deps.sh"

partition_size=736100352 # 702 megabytes
bench_dir=${BENCH_DIR:-${TMPDIR:-/tmp}/fillpack-bench}
repeat=${BENCH_REPEAT:-3}
seed=${BENCH_SEED:-1}
keep=${BENCH_KEEP:-1}

bench_fail() {
  echo "$bench_name: $*" >&2
  exit 2
}

# The file counts: the arguments, or FILLPACK_BENCH_COUNTS, or 50000. Sets `counts`.
bench_counts() {
  if (($# > 0)); then
    counts=("$@")
  else
    read -r -a counts <<<"${FILLPACK_BENCH_COUNTS:-50000}"
  fi
  local count
  for count in "${counts[@]}"; do
    [[ $count =~ ^[1-9][0-9]*$ ]] || bench_fail "not a file count: $count"
  done
  [[ $repeat =~ ^[1-9][0-9]*$ ]] || bench_fail "BENCH_REPEAT must be a positive number"
}

# The comparison tool, the timer and the tree maker; the build's own packages unless a
# ready program was named. Sets `fillpack` to the program to measure.
bench_program() {
  local extra=(fpart time python3)
  if [[ -n ${FILLPACK:-} ]]; then
    fillpack_install_missing "${extra[@]}"
    fillpack=$FILLPACK
  else
    fillpack_install_missing "${FILLPACK_PACKAGES[@]}" "${extra[@]}"
    local build="$root/build-bench"
    fillpack_configure "$root" "$build" -DCMAKE_BUILD_TYPE=Release -DFILLPACK_TESTS=OFF -DFILLPACK_SANITIZE=OFF >/dev/null
    cmake --build "$build" --target fillpack -j "$(nproc)" >/dev/null
    fillpack="$build/fillpack"
  fi
  [[ -x $fillpack ]] || bench_fail "no program at $fillpack"
}

# Makes COUNT empty sparse files of random-ish sizes under DIR, 100 to a folder, the
# folders nested two deep (100 folders in each upper one). SHAPE "mixed" (the default)
# draws mostly small files and some large ones; "video" draws 150-520 MiB. Prints nothing.
make_tree() {
  local dir=$1 count=$2 shape=${3:-mixed}
  python3 - "$dir" "$count" "$seed" "$shape" <<'PYTHON'
import os, random, sys

top, count, seed, shape = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
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
    if shape == "video":
        size = rng.randint(150 << 20, 520 << 20)
    elif roll < 0.70:
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

# The tree of COUNT files of SHAPE (see make_tree), made when no finished one is there (a
# stamp file marks a finished tree) and checked to hold COUNT files. Sets `tree` and `stamp`.
bench_tree() {
  local count=$1 shape=${2:-mixed}
  tree="$bench_dir/tree-$count-seed$seed"
  [[ $shape == mixed ]] || tree="$bench_dir/tree-$shape-$count-seed$seed"
  stamp="$tree.done"
  mkdir -p "$bench_dir"
  if [[ ! -f $stamp ]]; then
    rm -rf "$tree"
    echo "$bench_name: making $count files in $tree" >&2
    local start
    start=$(date +%s.%N)
    make_tree "$tree" "$count" "$shape"
    touch "$stamp"
    awk -v a="$start" -v b="$(date +%s.%N)" -v name="$bench_name" \
      'BEGIN { printf "%s: made in %.1f s\n", name, b - a }' >&2
  else
    echo "$bench_name: reusing $tree" >&2
  fi
  local files
  files=$(find "$tree" -type f | wc -l)
  if ((files != count)); then
    echo "$bench_name: $tree holds $files files, not $count; remove $stamp to make it anew" >&2
    exit 1
  fi
}

# Removes the tree of the last bench_tree call when BENCH_KEEP=0.
bench_drop_tree() {
  if [[ $keep == 0 ]]; then
    rm -rf "$tree" "$stamp"
  fi
}

# Runs a command under /usr/bin/time -v with standard output to OUT; prints
# "SECONDS<TAB>PEAK_KB". Standard error of the command goes to ERR.
measure() {
  local out=$1 err=$2
  shift 2
  local report
  report=$(mktemp)
  if ! /usr/bin/time -v -o "$report" "$@" >"$out" 2>"$err"; then
    echo "$bench_name: failed: $*" >&2
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

# BENCH_REPEAT timed runs of each program, taking turns, fpart first: the caller's
# functions timed_fpart and timed_fillpack each run theirs once through `measure` and
# print its line. The fastest time of each counts, the peak memory is the largest. Sets
# best_f, rss_f (fillpack) and best_p, rss_p (fpart).
bench_race() {
  local count=$1 run result t m
  best_f='' best_p='' rss_f=0 rss_p=0
  for ((run = 1; run <= repeat; run++)); do
    echo "$bench_name: timed run $run of $repeat, $count files" >&2
    result=$(timed_fpart)
    IFS=$'\t' read -r t m <<<"$result"
    best_p=$(smaller "$t" "$best_p")
    rss_p=$((m > rss_p ? m : rss_p))
    result=$(timed_fillpack)
    IFS=$'\t' read -r t m <<<"$result"
    best_f=$(smaller "$t" "$best_f")
    rss_f=$((m > rss_f ? m : rss_f))
  done
}

# One row of results for bench_table, after bench_race: COUNT, fillpack's and fpart's
# figure of what they made (rows, parts) and the outcome of the check.
bench_row() {
  printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s' "$1" "$best_f" "$rss_f" "$best_p" "$rss_p" "$2" "$3" "$4"
}

# The table of results: the headings of the two figure columns, then bench_row lines.
bench_table() {
  local head_f=$1 head_p=$2 line count tf rf tp rp rows prows check
  shift 2
  local wf=$((${#head_f} > 10 ? ${#head_f} : 10)) wp=$((${#head_p} > 10 ? ${#head_p} : 10))
  printf '\n%-9s %11s %12s %9s %11s %9s %9s %*s %*s %5s\n' \
    files 'fillpack s' 'fillpack MB' 'fpart s' 'fpart MB' 'time x' 'RSS x' "$wf" "$head_f" "$wp" "$head_p" check
  for line in "$@"; do
    IFS=$'\t' read -r count tf rf tp rp rows prows check <<<"$line"
    awk -v n="$count" -v tf="$tf" -v rf="$rf" -v tp="$tp" -v rp="$rp" -v rows="$rows" -v prows="$prows" \
      -v wf="$wf" -v wp="$wp" -v c="$check" '
      BEGIN {
        tr = tp > 0 ? sprintf("%.1f", tf / tp) : "-"
        rr = rp > 0 ? sprintf("%.1f", rf / rp) : "-"
        printf "%-9d %11.2f %12.1f %9.2f %11.1f %9s %9s %*d %*d %5s\n", n, tf, rf / 1024, tp, rp / 1024, tr, rr, wf, rows, wp, prows, c
      }'
  done
  echo "(wall time: fastest of $repeat timed runs after a warm-up run of each; MB: peak resident set size)"
}

# The sectors (of 2048 bytes) of the image `xorriso -as mkisofs -r -J` makes of the files
# a list names, each at its full path: the room a disc of the list needs. Only the lines
# that start with "/" are paths; the rule and the total below them are not.
disc_image_sectors() {
  { grep '^/' "$1" || true; } | sed 's/\r$//; s/[\\=]/\\&/g; s/.*/&=&/' |
    xorriso -as mkisofs -r -J -graft-points -print-size -path-list /dev/stdin 2>/dev/null | tail -1
}

# Measures the image of every list file in FOLDER against CAPACITY bytes; prints
# "LISTS<TAB>LARGEST_SECTORS<TAB>FAULTS", faults being the lists whose image is larger
# or that xorriso could not measure (each named on standard error).
disc_check_lists() {
  local folder=$1 capacity=$2 list sectors lists=0 largest=0 faults=0
  for list in "$folder"/*; do
    [[ -f $list ]] || continue
    lists=$((lists + 1))
    sectors=$(disc_image_sectors "$list")
    if [[ ! $sectors =~ ^[0-9]+$ ]]; then
      echo "$bench_name: xorriso could not measure $list" >&2
      faults=$((faults + 1))
      continue
    fi
    ((sectors > largest)) && largest=$sectors
    if ((sectors * 2048 > capacity)); then
      echo "$bench_name: $list: image of $((sectors * 2048)) bytes, more than $capacity" >&2
      faults=$((faults + 1))
    fi
  done
  printf '%s\t%s\t%s\n' "$lists" "$largest" "$faults"
}

# Sectors as mebibytes with two decimals.
sectors_mib() {
  awk -v s="$1" 'BEGIN { printf "%.2f", s * 2048 / 1048576 }'
}
