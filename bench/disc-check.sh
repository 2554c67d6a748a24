#!/usr/bin/env bash
# Checks that the lists of a /disc batch fit the real disc: on a tree of small files (and
# some long names and deep folders, whose directories take room of their own) it runs
#
#   fillpack --headless /limit 20 /disc /recurse DIR /batch METHOD OUT/cd.txt
#
# for methods 0, 1 and 2, measures the image of every list with xorriso and prints per
# method the lists and the largest image. It fails when an image is larger than the limit
# or when the program does not know /disc.
#
#   bench/disc-check.sh                  the program of a Release build in build-bench/
#   bench/disc-check.sh build/fillpack   the program named
#
# Environment: FILLPACK (the program, when none is named), DISC_CHECK_FILES (default
# 15000), DISC_CHECK_LIMIT (megabytes, default 20), BENCH_SEED.
set -euo pipefail

# shellcheck source=bench/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

files=${DISC_CHECK_FILES:-15000}
limit=${DISC_CHECK_LIMIT:-20}
[[ $files =~ ^[1-9][0-9]*$ ]] || bench_fail "not a file count: $files"
[[ $limit =~ ^[1-9][0-9]*$ ]] || bench_fail "not a whole number of megabytes: $limit"
(($# <= 1)) || bench_fail "usage: $bench_name [PROGRAM]"
if (($# == 1)); then
  fillpack=$(realpath "$1")
  [[ -x $fillpack ]] || bench_fail "no program at $1"
  fillpack_install_missing xorriso python3
else
  bench_program
  fillpack_install_missing xorriso
fi
capacity=$((limit * 1048576))

scratch=$(mktemp -d "${TMPDIR:-/tmp}/fillpack-disc-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
[[ $scratch != *[.[:space:]]* ]] || bench_fail "the scratch folder $scratch holds a dot or a blank; set TMPDIR"

# Sparse files of 0-6 KiB, 1000 to a folder; every tenth folder is ten levels deep and
# every seventh file has a name of 100-200 letters.
python3 - "$scratch/tree" "$files" "$seed" <<'PYTHON'
import os, random, sys

top, count, seed = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
rng = random.Random(seed)
for index in range(count):
    number = index // 1000
    folder = os.path.join(top, "d%03d" % number, *(["level"] * 10 if number % 10 == 9 else []))
    os.makedirs(folder, exist_ok=True)
    name = "f%06d.dat" % index
    if index % 7 == 0:
        name = "".join(rng.choice("abcdefghij") for _ in range(rng.randint(100, 200))) + name
    fd = os.open(os.path.join(folder, name), os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o644)
    try:
        os.ftruncate(fd, rng.randint(0, 6 * 1024))
    finally:
        os.close(fd)
PYTHON

status=0
printf '%-7s %6s %14s %7s\n' method lists 'largest MiB' faults
for method in 0 1 2; do
  out="$scratch/out$method"
  mkdir "$out"
  "$fillpack" --headless /limit "$limit" /disc /recurse "$scratch/tree" /batch "$method" "$out/cd.txt" \
    >/dev/null 2>"$scratch/err" || bench_fail "batch $method failed: $(head -3 "$scratch/err")"
  if grep -q 'is not a valid command' "$scratch/err"; then
    echo "$bench_name: the program does not know /disc" >&2
    status=1
  fi
  IFS=$'\t' read -r lists sectors faults <<<"$(disc_check_lists "$out" "$capacity")"
  printf '%-7s %6d %14s %7d\n' "$method" "$lists" "$(sectors_mib "$sectors")" "$faults"
  ((lists > 0 && faults == 0)) || status=1
done
echo "(every list's image, as xorriso -as mkisofs -r -J makes it, must fit $limit MiB = $capacity bytes)"
exit "$status"
