#!/usr/bin/env bash
# Packing benchmark: how many discs each batch method needs, against the lower bound and
# fpart, on sets of sparse files whose sizes are drawn from classes known to be hard or
# easy for disc packing. For each class it runs, on the same folder,
#
#   fillpack --headless /limit 702 /recurse DIR /batch 1 OUT/fit.txt    (the fit search)
#   fillpack --headless /limit 702 /recurse DIR /batch 2 OUT/best.txt   (the best-fill plan)
#   the same two with /disc after the limit (what fits is the disc image, not the byte sum)
#   fpart -s 736100352 -o OUT/part DIR
#
# and prints per class: files, lists of method 1, lists of method 2, the lower bound (as
# method 2 reports it on standard error), the seconds of each run (gathering included),
# the lists and seconds of both /disc runs, and fpart's parts. With PACK_CHECK_DISC=1 the
# lists of the /disc runs are measured with xorriso: every image must fit 702 MiB, and the
# largest is shown.
#
# The classes of folders, albums and photos, are run with method 2 with and without
# /together (the files of a folder kept on one disc), and their discs printed both ways.
#
#   bench/pack.sh                   every class below, 2000 files each (music: 50000,
#                                   small: 200000; albums: 400 folders, photos: 80)
#   bench/pack.sh video triplets    only the classes named
#   bench/pack.sh million           also the 1,000,000 small files (slow to make)
#   PACK_CHECK_DISC=1 bench/pack.sh small   the /disc lists measured with xorriso
#
# Classes: video (150-520 MiB), u20-55, u25-50, u15-20 (uniform shares of the capacity),
# triplets (three files filling a disc exactly, shuffled), music (log-normal sizes),
# small (1-6 KiB, 2500 to a folder, like thumbnails or mail: their images outgrow their
# byte sums). Folder classes: albums (8-20 tracks of 3-12 MB), photos (events of 50-400
# files of 2-8 MB).
#
# Environment: FILLPACK (the program; default: a Release build in build-bench/),
# PACK_FILES (files a class, default 2000), PACK_MUSIC_FILES (default 50000),
# PACK_SMALL_FILES (default 200000), PACK_ALBUMS (default 400), PACK_PHOTO_EVENTS
# (default 80), PACK_CHECK_DISC=1 (measure the /disc lists with xorriso), BENCH_SEED.
set -euo pipefail

# shellcheck source=bench/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

files_per_class=${PACK_FILES:-2000}
music_files=${PACK_MUSIC_FILES:-50000}
small_files=${PACK_SMALL_FILES:-200000}
albums=${PACK_ALBUMS:-400}
photo_events=${PACK_PHOTO_EVENTS:-80}
check_disc=${PACK_CHECK_DISC:-0}
all_classes=(video u20-55 u25-50 triplets u15-20 music small)
folder_classes=(albums photos)
classes=("$@")
((${#classes[@]} > 0)) || classes=("${all_classes[@]}" "${folder_classes[@]}")
for class in "${classes[@]}"; do
  [[ " ${all_classes[*]} ${folder_classes[*]} million " == *" $class "* ]] ||
    bench_fail "no class $class; use: ${all_classes[*]} ${folder_classes[*]} million"
done
for count in "$files_per_class" "$music_files" "$small_files" "$albums" "$photo_events"; do
  [[ $count =~ ^[1-9][0-9]*$ ]] || bench_fail "file and folder counts must be positive"
done

bench_program
[[ $check_disc == 1 ]] && fillpack_install_missing xorriso

# The batch search numbers its lists at every "." of the path and the command line is
# split at blanks, so the scratch folder may hold neither.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/fillpack-pack-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
[[ $scratch != *[.[:space:]]* ]] || bench_fail "the scratch folder $scratch holds a dot or a blank; set TMPDIR"

# Makes the sparse files of CLASS under DIR, 100 to a folder unless the class has folders
# of its own; COUNT is files, or folders for albums and photos.
make_class() {
  local class=$1 dir=$2 count=$3
  python3 - "$class" "$dir" "$count" "$seed" "$partition_size" <<'PYTHON'
import math, os, random, sys

kind, top, count, seed, capacity = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4]), int(sys.argv[5])
rng = random.Random(seed)
mib = 1 << 20

def share(low, high):
    return rng.randint(int(capacity * low), int(capacity * high))

sizes, per_folder, folders = [], 100, None
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
elif kind == "small":
    sizes, per_folder = [rng.randint(1024, 6 * 1024) for _ in range(count)], 2500
elif kind == "albums":
    folders = [[rng.randint(3 * mib, 12 * mib) for _ in range(rng.randint(8, 20))] for _ in range(count)]
elif kind == "photos":
    folders = [[rng.randint(2 * mib, 8 * mib) for _ in range(rng.randint(50, 400))] for _ in range(count)]
if folders is None:
    folders = [sizes[start:start + per_folder] for start in range(0, len(sizes), per_folder)]
index = 0
for number, folder_sizes in enumerate(folders):
    folder = os.path.join(top, "d%05d" % number)
    os.makedirs(folder, exist_ok=True)
    for size in folder_sizes:
        fd = os.open(os.path.join(folder, "f%07d.bin" % index), os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o644)
        try:
            os.ftruncate(fd, size)
        finally:
            os.close(fd)
        index += 1
PYTHON
}

# Seconds since the epoch, with fractions.
now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", b - a }'; }

# Runs batch METHOD on DIR into OUT, with the further switches given (such as /disc);
# prints "LISTS<TAB>SECONDS", or "-<TAB>-" when the program does not know a switch;
# standard error to ERR.
run_batch() {
  local method=$1 dir=$2 out=$3 err=$4 start
  shift 4
  rm -rf "$out"
  mkdir "$out"
  start=$(now)
  "$fillpack" --headless /limit 702 "$@" /recurse "$dir" /batch "$method" "$out/cd.txt" >/dev/null 2>"$err" ||
    bench_fail "batch $method failed on $dir: $(head -3 "$err")"
  if grep -q 'is not a valid command' "$err"; then
    echo "$bench_name: the program does not know $*" >&2
    printf -- '-\t-\n'
    return
  fi
  printf '%s\t%s\n' "$(find "$out" -name 'cd *.txt' | wc -l)" "$(elapsed "$start" "$(now)")"
}

# The largest image of the lists of the /disc runs as MiB, "!" after it when a list does
# not fit; "-" unless PACK_CHECK_DISC=1.
largest_image() {
  [[ $check_disc == 1 ]] || { echo -; return; }
  local out lists sectors faults largest=0 bad=''
  for out in "$@"; do
    IFS=$'\t' read -r lists sectors faults <<<"$(disc_check_lists "$out" "$partition_size")"
    ((sectors > largest)) && largest=$sectors
    ((faults == 0)) || bad='!'
  done
  echo "$(sectors_mib "$largest")$bad"
}

packing=() together=()
for class in "${classes[@]}"; do
  if [[ " ${folder_classes[*]} " == *" $class "* ]]; then together+=("$class"); else packing+=("$class"); fi
done

if ((${#packing[@]} > 0)); then
  printf '%-9s %8s %8s %8s %8s %8s %8s %8s %8s %9s %9s %8s %9s\n' class files 'method 1' 'method 2' bound 'm1 s' \
    'm2 s' 'm1 disc' 'm2 disc' 'm1 disc s' 'm2 disc s' fpart 'image MiB'
fi
for class in "${packing[@]}"; do
  count=$files_per_class
  [[ $class == music ]] && count=$music_files
  [[ $class == small ]] && count=$small_files
  [[ $class == million ]] && count=1000000
  dir="$scratch/$class"
  echo "$bench_name: making $count files of class $class" >&2
  make_class "$class" "$dir" "$count"
  IFS=$'\t' read -r lists1 seconds1 <<<"$(run_batch 1 "$dir" "$scratch/out1" "$scratch/err1")"
  IFS=$'\t' read -r lists2 seconds2 <<<"$(run_batch 2 "$dir" "$scratch/out2" "$scratch/err2")"
  bound=$(grep -o 'at least [0-9]* disc' "$scratch/err2" | grep -o '[0-9]*' || echo '?')
  IFS=$'\t' read -r disc1 discseconds1 <<<"$(run_batch 1 "$dir" "$scratch/disc1" "$scratch/err3" /disc)"
  IFS=$'\t' read -r disc2 discseconds2 <<<"$(run_batch 2 "$dir" "$scratch/disc2" "$scratch/err4" /disc)"
  image=$(largest_image "$scratch/disc1" "$scratch/disc2")
  rm -rf "$scratch/parts"
  mkdir "$scratch/parts"
  fpart -s "$partition_size" -o "$scratch/parts/part" "$dir" >/dev/null 2>&1
  parts=$(find "$scratch/parts" -type f | wc -l)
  printf '%-9s %8d %8d %8d %8s %8s %8s %8s %8s %9s %9s %8d %9s\n' "$class" "$count" "$lists1" "$lists2" "$bound" \
    "$seconds1" "$seconds2" "$disc1" "$disc2" "$discseconds1" "$discseconds2" "$parts" "$image"
  rm -rf "$dir" "$scratch"/out? "$scratch"/disc? "$scratch/parts"
done
if ((${#packing[@]} > 0)); then
  echo "(lists: written by each batch method; bound: no plan can use fewer discs; seconds: wall time of one headless" \
    "run, gathering included; disc: the runs with /disc; image MiB: the largest xorriso image of their lists, '!'" \
    "when one passes 702 MiB)"
fi

if ((${#together[@]} > 0)); then
  printf '\n%-9s %8s %8s %8s %8s %10s %10s\n' class folders files 'method 2' together 'm2 s' 'together s'
fi
for class in "${together[@]}"; do
  count=$albums
  [[ $class == photos ]] && count=$photo_events
  dir="$scratch/$class"
  echo "$bench_name: making $count folders of class $class" >&2
  make_class "$class" "$dir" "$count"
  files=$(find "$dir" -type f | wc -l)
  IFS=$'\t' read -r lists2 seconds2 <<<"$(run_batch 2 "$dir" "$scratch/out2" "$scratch/err2")"
  IFS=$'\t' read -r kept keptseconds <<<"$(run_batch 2 "$dir" "$scratch/kept" "$scratch/err3" /together)"
  printf '%-9s %8d %8d %8s %8s %10s %10s\n' "$class" "$count" "$files" "$lists2" "$kept" "$seconds2" "$keptseconds"
  rm -rf "$dir" "$scratch/out2" "$scratch/kept"
done
if ((${#together[@]} > 0)); then
  echo "(discs of method 2 without and with /together, which keeps the files of each folder on one disc)"
fi
