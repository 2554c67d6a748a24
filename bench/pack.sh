#!/usr/bin/env bash
# Packing benchmark: how many discs each batch method needs, against the lower bound and
# fpart, on sets of sparse files whose sizes are drawn from classes known to be hard or
# easy for disc packing. For each class it runs, on the same folder,
#
#   fillpack --headless /limit 702 /recurse DIR /batch 1 OUT/fit.txt    (the fit search)
#   fillpack --headless /limit 702 /recurse DIR /batch 2 OUT/best.txt   (the best-fill plan)
#   fpart -s 736100352 -o OUT/part DIR
#
# and prints per class: files, lists of method 1, lists of method 2, the lower bound (as
# method 2 reports it on standard error), the seconds of each run (gathering included)
# and fpart's parts.
#
#   bench/pack.sh                   every class below, 2000 files each (music: 50000)
#   bench/pack.sh video triplets    only the classes named
#   bench/pack.sh million           also the 1,000,000 small files (slow to make)
#
# Classes: video (150-520 MiB), u20-55, u25-50, u15-20 (uniform shares of the capacity),
# triplets (three files filling a disc exactly, shuffled), music (log-normal sizes).
#
# Environment: FILLPACK (the program; default: a Release build in build-bench/),
# PACK_FILES (files a class, default 2000), PACK_MUSIC_FILES (default 50000), BENCH_SEED.
set -euo pipefail

# shellcheck source=bench/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

files_per_class=${PACK_FILES:-2000}
music_files=${PACK_MUSIC_FILES:-50000}
all_classes=(video u20-55 u25-50 triplets u15-20 music)
classes=("$@")
((${#classes[@]} > 0)) || classes=("${all_classes[@]}")
for class in "${classes[@]}"; do
  [[ " ${all_classes[*]} million " == *" $class "* ]] || bench_fail "no class $class; use: ${all_classes[*]} million"
done
[[ $files_per_class =~ ^[1-9][0-9]*$ && $music_files =~ ^[1-9][0-9]*$ ]] || bench_fail "file counts must be positive"

bench_program

# The batch search numbers its lists at every "." of the path and the command line is
# split at blanks, so the scratch folder may hold neither.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/fillpack-pack-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
[[ $scratch != *[.[:space:]]* ]] || bench_fail "the scratch folder $scratch holds a dot or a blank; set TMPDIR"

# Makes the sparse files of CLASS under DIR, 100 to a folder.
make_class() {
  local class=$1 dir=$2 count=$3
  python3 - "$class" "$dir" "$count" "$seed" "$partition_size" <<'PYTHON'
import math, os, random, sys

kind, top, count, seed, capacity = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4]), int(sys.argv[5])
rng = random.Random(seed)
mib = 1 << 20

def share(low, high):
    return rng.randint(int(capacity * low), int(capacity * high))

sizes = []
if kind == "video":
    sizes = [rng.randint(150 * mib, 520 * mib) for _ in range(count)]
elif kind in ("u20-55", "u25-50", "u15-20"):
    low, high = (int(x) / 100 for x in kind[1:].split("-"))
    sizes = [share(low, high) for _ in range(count)]
elif kind == "triplets":
    for _ in range(count // 3):
        a = share(0.38, 0.49)
        b = rng.randint(capacity // 4, (capacity - a) // 2)
        sizes += [a, b, capacity - a - b]
    rng.shuffle(sizes)
elif kind == "music":
    sizes = [min(capacity, int(math.exp(rng.gauss(math.log(5 * mib), 0.6)))) for _ in range(count)]
elif kind == "million":
    sizes = [min(capacity, int(math.exp(rng.gauss(math.log(20 * 1024), 1.5)))) for _ in range(count)]
for index, size in enumerate(sizes):
    folder = os.path.join(top, "d%05d" % (index // 100))
    if index % 100 == 0:
        os.makedirs(folder, exist_ok=True)
    fd = os.open(os.path.join(folder, "f%07d.bin" % index), os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o644)
    try:
        os.ftruncate(fd, size)
    finally:
        os.close(fd)
PYTHON
}

# Seconds since the epoch, with fractions.
now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", b - a }'; }

# Runs batch METHOD on DIR into OUT; prints "LISTS<TAB>SECONDS"; standard error to ERR.
run_batch() {
  local method=$1 dir=$2 out=$3 err=$4 start
  rm -rf "$out"
  mkdir "$out"
  start=$(now)
  "$fillpack" --headless /limit 702 /recurse "$dir" /batch "$method" "$out/cd.txt" >/dev/null 2>"$err" ||
    bench_fail "batch $method failed on $dir: $(head -3 "$err")"
  printf '%s\t%s\n' "$(find "$out" -name 'cd *.txt' | wc -l)" "$(elapsed "$start" "$(now)")"
}

printf '%-9s %8s %8s %8s %8s %8s %8s %8s\n' class files 'method 1' 'method 2' bound 'm1 s' 'm2 s' fpart
for class in "${classes[@]}"; do
  count=$files_per_class
  [[ $class == music ]] && count=$music_files
  [[ $class == million ]] && count=1000000
  dir="$scratch/$class"
  echo "$bench_name: making $count files of class $class" >&2
  make_class "$class" "$dir" "$count"
  IFS=$'\t' read -r lists1 seconds1 <<<"$(run_batch 1 "$dir" "$scratch/out1" "$scratch/err1")"
  IFS=$'\t' read -r lists2 seconds2 <<<"$(run_batch 2 "$dir" "$scratch/out2" "$scratch/err2")"
  bound=$(grep -o 'at least [0-9]* disc' "$scratch/err2" | grep -o '[0-9]*' || echo '?')
  rm -rf "$scratch/parts"
  mkdir "$scratch/parts"
  fpart -s "$partition_size" -o "$scratch/parts/part" "$dir" >/dev/null 2>&1
  parts=$(find "$scratch/parts" -type f | wc -l)
  printf '%-9s %8d %8d %8d %8s %8s %8s %8d\n' "$class" "$count" "$lists1" "$lists2" "$bound" "$seconds1" "$seconds2" \
    "$parts"
  rm -rf "$dir" "$scratch/out1" "$scratch/out2" "$scratch/parts"
done
echo "(lists: written by each batch method; bound: no plan can use fewer discs; seconds: wall time of one headless run, gathering included)"
