#!/usr/bin/env bash
# Copy benchmark: stages a part of real (not sparse) files with Copy to Folder and with
# `cp -r --preserve=timestamps`, taking turns, and reports both wall times and their ratio.
# Fails (exit 1) when the copies differ from the source or Copy to Folder takes more than
# 1.2 times as long as cp.
#
#   bench/copy.sh [MEGABYTES]     # the size of the part, 2100 by default
#
# The part is 40 files in nested folders (one block of /dev/urandom data, copied), made
# once under BENCH_DIR (default ${TMPDIR:-/tmp}/fillpack-bench) and kept for the next run
# (BENCH_KEEP=0 removes it). Both copies go to the same disk and are removed after each
# run; each timed run ends with `sync`, so both pay for their writes. BENCH_REPEAT timed
# runs of each (default 2), cp first; the faster of each counts.
#
# Environment: FILLPACK_BENCH_COPY names a ready driver (fillpack_bench_copy) instead of
# building one in Release in BUILD_DIR (default build-bench in the source folder).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
name=$(basename "$0")
megabytes=${1:-2100}
repeat=${BENCH_REPEAT:-2}
bench_dir=${BENCH_DIR:-${TMPDIR:-/tmp}/fillpack-bench}
files=40
fail() {
  echo "$name: $*" >&2
  exit 2
}
[[ $megabytes =~ ^[1-9][0-9]*$ ]] || fail "not a size in megabytes: $megabytes"
[[ $repeat =~ ^[1-9][0-9]*$ ]] || fail "BENCH_REPEAT must be a positive number"

# shellcheck source=scripts/deps.sh
source "$root/scripts/deps.sh"
if [[ -n ${FILLPACK_BENCH_COPY:-} ]]; then
  driver=$FILLPACK_BENCH_COPY
else
  build=${BUILD_DIR:-$root/build-bench}
  fillpack_install_missing "${FILLPACK_PACKAGES[@]}"
  fillpack_configure "$root" "$build" -DCMAKE_BUILD_TYPE=Release -DFILLPACK_TESTS=OFF -DFILLPACK_SANITIZE=OFF \
    -DFILLPACK_BENCH=ON >/dev/null
  cmake --build "$build" --target fillpack_bench_copy -j "$(nproc)" >/dev/null
  driver=$build/fillpack_bench_copy
fi
[[ -x $driver ]] || fail "no driver at $driver"

# The part: 40 files of an equal share, ten folders of four, two levels deep.
part=$bench_dir/copy-$megabytes
stamp=$part.done
mkdir -p "$bench_dir"
if [[ ! -f $stamp ]]; then
  rm -rf "$part"
  echo "$name: making $files files of $((megabytes * 1024 / files)) KB in $part" >&2
  mkdir -p "$part"
  block=$part/.block
  dd if=/dev/urandom of="$block" bs=1K count=$((megabytes * 1024 / files)) status=none
  for ((i = 0; i < files; i++)); do
    folder=$part/set$((i / 8))/disc$((i / 4))
    mkdir -p "$folder"
    cp "$block" "$folder/file$i.bin"
  done
  rm -f "$block"
  touch "$stamp"
fi
sync

out=$(mktemp -d "$bench_dir/copy-out.XXXXXX")
trap 'rm -rf "$out"' EXIT

# Wall seconds of one command, followed by sync.
timed() {
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null
  sync
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f", b - a }'
}
# The files below a folder with their sizes and modification times.
listing() { (cd "$1" && find . -type f -printf '%P %s %T@\n' | sort); }

best_cp='' best_f=''
expected=$(listing "$part")
for ((run = 1; run <= repeat; run++)); do
  echo "$name: timed run $run of $repeat, $megabytes MB" >&2
  t=$(timed cp -r --preserve=timestamps "$part" "$out/cp")
  [[ $(listing "$out/cp") == "$expected" ]] || { echo "$name: cp's copy differs" >&2; exit 1; }
  rm -rf "$out/cp"
  best_cp=$(awk -v a="$t" -v b="$best_cp" 'BEGIN { print (b == "" || a + 0 < b + 0) ? a : b }')
  t=$(timed "$driver" "$part" "$out/fillpack")
  [[ $(listing "$out/fillpack$part") == "$expected" ]] || { echo "$name: Fillpack's copy differs" >&2; exit 1; }
  if ((run == 1)); then
    cmp -s "$part/set0/disc0/file0.bin" "$out/fillpack$part/set0/disc0/file0.bin" ||
      { echo "$name: Fillpack's copy has other contents" >&2; exit 1; }
  fi
  rm -rf "$out/fillpack"
  best_f=$(awk -v a="$t" -v b="$best_f" 'BEGIN { print (b == "" || a + 0 < b + 0) ? a : b }')
done

ratio=$(awk -v f="$best_f" -v c="$best_cp" 'BEGIN { printf "%.2f", (c > 0 ? f / c : 0) }')
printf '\n%-8s %10s %10s %8s\n' MB 'cp s' 'fillpack s' 'time x'
printf '%-8s %10s %10s %8s\n' "$megabytes" "$best_cp" "$best_f" "$ratio"
if [[ ${BENCH_KEEP:-1} == 0 ]]; then rm -rf "$part" "$stamp"; fi
awk -v r="$ratio" 'BEGIN { exit !(r + 0 <= 1.2) }' || { echo "$name: Copy to Folder is more than 1.2 times as slow as cp" >&2; exit 1; }
