#!/usr/bin/env bash
# Batch benchmark: times Fillpack's batch search, which gathers a tree and writes one
# list file a disc, against fpart writing one part file a disc, on the tree of sparse
# files that bench/gather.sh uses:
#
#   fillpack --headless /limit 702 /recurse DIR /batch 1 OUT/cd.txt   (OUT/cd 001.txt, ...)
#   fpart -s 736100352 -o OUT2/part DIR                                (OUT2/part.0, ...)
#
# and checks what they wrote: every file of the tree no larger than a disc is in exactly
# one of Fillpack's lists and every larger file in none, each list is within the limit
# and ends with its total; every file is in exactly one of fpart's parts.
#
#   bench/batch.sh                     one tree of 50000 files
#   bench/batch.sh 20000               another count; several trees are measured in turn
#   bench/batch.sh 200000 video:200000 a tree of video-sized files (150-520 MiB) too
#   FILLPACK_BEFORE=old/fillpack bench/batch.sh 200000
#                                      also times another build of the program on each
#                                      tree and compares its lists with cmp, file by file
#
# Environment: FILLPACK, BENCH_DIR, BENCH_KEEP, BENCH_REPEAT, BENCH_SEED; see
# bench/common.sh. FILLPACK_BEFORE: the other build.
set -euo pipefail

# shellcheck source=bench/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# The trees: "COUNT" (mixed sizes) or "video:COUNT". Sets `shapes` beside `counts`.
trees=("$@")
((${#trees[@]} > 0)) || read -r -a trees <<<"${FILLPACK_BENCH_COUNTS:-50000}"
shapes=()
plain_counts=()
for tree in "${trees[@]}"; do
  if [[ $tree == video:* ]]; then shapes+=(video) plain_counts+=("${tree#video:}"); else shapes+=(mixed) plain_counts+=("$tree"); fi
done
bench_counts "${plain_counts[@]}"
bench_program
before=${FILLPACK_BEFORE:-}
[[ -z $before || -x $before ]] || bench_fail "no program at $before"

# The batch search names its lists by putting the number before every "." of the path,
# and the command line is split at blanks, so the output folders must have neither.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/fillpack-batch-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
[[ $scratch != *[.[:space:]]* ]] || bench_fail "the scratch folder $scratch holds a dot or a blank; set TMPDIR"
lists="$scratch/lists"
parts="$scratch/parts"
before_lists="$scratch/before"

# Makes FOLDER anew, empty.
fresh() {
  rm -rf "$1"
  mkdir "$1"
}

timed_fpart() {
  fresh "$parts"
  measure /dev/null "$scratch/fpart.err" fpart -s "$partition_size" -o "$parts/part" "$tree"
}

# Times PROGRAM (default: the one measured) writing its lists into FOLDER (default: lists).
timed_fillpack() {
  local program=${1:-$fillpack} folder=${2:-$lists}
  fresh "$folder"
  measure /dev/null "$scratch/fillpack.err" \
    "$program" --headless /limit 702 /recurse "$tree" /batch 1 "$folder/cd.txt"
}

# The fastest of BENCH_REPEAT runs of the other build, whose lists are left in before_lists.
timed_before() {
  local run t m best=''
  for ((run = 1; run <= repeat; run++)); do
    echo "$bench_name: timed run $run of $repeat of $before" >&2
    IFS=$'\t' read -r t m <<<"$(timed_fillpack "$before" "$before_lists")"
    best=$(smaller "$t" "$best")
  done
  echo "$best"
}

# "same" when both folders hold the same file names, each with the same bytes, else "DIFFER".
same_lists() {
  local a=$1 b=$2 file
  [[ $(cd "$a" && ls) == $(cd "$b" && ls) ]] || { echo DIFFER; return; }
  for file in "$a"/*; do
    cmp -s "$file" "$b/${file##*/}" || { echo DIFFER; return; }
  done
  echo same
}

# Checks the files of FOLDER against the sizes of the tree ("SIZE<TAB>PATH" lines) and
# prints one line a fault, the first few of each kind. KIND is "lists": every file no
# larger than the limit is in exactly one list and a larger one in none, and each list
# is within the limit and ends with a rule and its total; or "parts": every file is in
# exactly one part.
check_output() {
  local kind=$1 folder=$2 sizes=$3
  local outputs=("$folder"/*)
  [[ -e ${outputs[0]} ]] || { echo "$kind: $folder is empty"; return; }
  # A million files make tens of thousands of parts, too many to name on a command line:
  # awk reads their names from a file (printf is a builtin, so it has no such limit).
  local names="$scratch/$kind.names"
  printf '%s\n' "${outputs[@]}" >"$names"
  awk -v kind="$kind" -v limit="$partition_size" -v sizes="$sizes" -v names="$names" '
    function fault(what, text) { if (faults[what]++ < 5) print kind ": " text }
    BEGIN {
      while ((getline name < names) > 0) ARGV[ARGC++] = name
      while ((getline line < sizes) > 0) {
        tab = index(line, "\t")
        size[substr(line, tab + 1)] = substr(line, 1, tab - 1) + 0
      }
    }
    FNR == 1 { n = 0; files[++nfiles] = FILENAME }
    { sub(/\r$/, "") }
    /^\// {
      if (!($0 in size)) fault("stranger", FILENAME ": not a file of the tree: " $0)
      seen[$0]++
      entries[FILENAME]++
      total[FILENAME] += size[$0]
    }
    $0 != "" { tail2[FILENAME] = tail1[FILENAME]; tail1[FILENAME] = $0 }
    END {
      for (path in size) {
        want = kind == "parts" || size[path] <= limit ? 1 : 0
        if (seen[path] + 0 != want)
          fault("cover", path " (" size[path] " bytes) is in " seen[path] + 0 " files, not " want)
      }
      for (i = 1; i <= nfiles; i++) {
        f = files[i]
        if (entries[f] + 0 == 0) fault("empty", f ": no files")
        if (kind != "lists") continue
        if (total[f] > limit) fault("over", f ": " total[f] " bytes, more than " limit)
        if (tail2[f] != "____________________" || tail1[f] !~ /^Total Size: [0-9.]+\/702 megabytes \([0-9.]+% CD utilization\)$/)
          fault("ending", f ": does not end with the rule and its total")
      }
    }'
}

# How many files FOLDER holds, all of them named PREFIX NUMBER SUFFIX with the numbers
# counting up from FIRST (zero-padded to WIDTH); prints nothing when they are not.
numbered_count() {
  local folder=$1 prefix=$2 suffix=$3 first=$4 width=$5
  local total number
  total=$(find "$folder" -mindepth 1 | wc -l)
  for ((number = first; number < first + total; number++)); do
    [[ -f $folder/$(printf '%s%0*d%s' "$prefix" "$width" "$number" "$suffix") ]] || return 0
  done
  echo "$total"
}

results=()
comparisons=()
failed=0
for index in "${!counts[@]}"; do
  count=${counts[index]} shape=${shapes[index]}
  bench_tree "$count" "$shape"

  echo "$bench_name: warm-up, $count files" >&2
  timed_fpart >/dev/null
  timed_fillpack >/dev/null
  bench_race "$count"

  # The check, of what the last timed runs wrote.
  echo "$bench_name: checking the lists and parts, $count files" >&2
  find "$tree" -type f -printf '%s\t%p\n' >"$scratch/sizes"
  check=ok
  fillpack_parts=$(numbered_count "$lists" 'cd ' .txt 1 3)
  # fpart numbers its parts from 0, but from 1 on some trees (the video one).
  fpart_parts=$(numbered_count "$parts" part. '' 0 1)
  [[ -n $fpart_parts ]] || fpart_parts=$(numbered_count "$parts" part. '' 1 1)
  if [[ -z $fillpack_parts ]]; then
    echo "$bench_name: fillpack's lists are not numbered cd 001.txt, cd 002.txt, ...:" >&2
    find "$lists" -mindepth 1 -printf '  %f\n' | sort | head -5 >&2 || true
    fillpack_parts=0 check=FAIL
  fi
  if [[ -z $fpart_parts ]]; then
    echo "$bench_name: fpart's parts are not numbered part.0, part.1, ...:" >&2
    find "$parts" -mindepth 1 -printf '  %f\n' | sort | head -5 >&2 || true
    fpart_parts=0 check=FAIL
  fi
  faults=$( (check_output lists "$lists" "$scratch/sizes"; check_output parts "$parts" "$scratch/sizes") 2>&1)
  if [[ -n $faults ]]; then
    while IFS= read -r line; do echo "$bench_name: $line" >&2; done <<<"$faults"
    check=FAIL
  fi
  if [[ -s $scratch/fillpack.err ]]; then
    echo "$bench_name: fillpack said on stderr:" >&2
    head -5 "$scratch/fillpack.err" >&2
  fi
  [[ $check == ok ]] || failed=1

  results+=("$shape"$'\t'"$(bench_row "$count" "$fillpack_parts" "$fpart_parts" "$check")")
  if [[ -n $before ]]; then
    before_time=$(timed_before)
    lists_same=$(same_lists "$lists" "$before_lists")
    [[ $lists_same == same ]] || failed=1
    comparisons+=("$(printf '%-6s %9d %9.2f %9.2f %9s %6s' "$shape" "$count" "$before_time" "$best_f" \
      "$(awk -v a="$before_time" -v b="$best_f" 'BEGIN { printf (b > 0 ? "%.1f" : "-"), a / b }')" "$lists_same")")
  fi
  bench_drop_tree
done

for shape in mixed video; do
  rows=()
  for line in "${results[@]}"; do [[ ${line%%$'\t'*} == "$shape" ]] && rows+=("${line#*$'\t'}"); done
  ((${#rows[@]} > 0)) || continue
  echo
  [[ $shape == mixed ]] && echo "mixed sizes:" || echo "video sizes (150-520 MiB):"
  bench_table 'fillpack parts' 'fpart parts' "${rows[@]}"
done
echo "(parts: lists written by fillpack's batch search, part files of fpart; fpart also places the files larger than a disc, which fillpack leaves out)"
if ((${#comparisons[@]} > 0)); then
  printf '\n%-6s %9s %9s %9s %9s %6s\n' sizes files 'before s' 'after s' 'faster x' lists
  printf '%s\n' "${comparisons[@]}"
  echo "(before: $before, after: $fillpack; lists: every list file the same, compared with cmp)"
fi
exit "$failed"
