#!/usr/bin/env bash
# Window benchmark: gathers a tree of sparse files with `fillpack /recurse DIR` in the
# window, on a private virtual display (Xvfb, the X server the window meets on a desktop,
# so the same painting, fonts and icons are at work), and measures the CPU seconds and
# the peak memory until the window is idle, beside the headless run of the same tree.
# Then fillpack_bench_window times a sort, a Search and Select All on the largest count
# of rows in the window.
#
#   bench/window.sh                  trees of 50000 and 1000000 files
#   bench/window.sh 200000           one tree of 200000 files
#
# Fails (exit 1) when, with a million rows or more, the window costs more than 1.3 times the
# headless CPU time or holds more than 200 MiB (a smaller tree shows the cost of starting
# Qt), or when an action takes a second or more.
# Environment: FILLPACK, BENCH_DIR, BENCH_KEEP, BENCH_REPEAT, BENCH_SEED; see
# bench/common.sh.
set -euo pipefail

# shellcheck source=bench/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

FILLPACK_BENCH_COUNTS=${FILLPACK_BENCH_COUNTS:-50000 1000000}
bench_counts "$@"
bench_program
fillpack_install_missing xvfb xdotool
fillpack_configure "$root" "$root/build-bench" -DCMAKE_BUILD_TYPE=Release -DFILLPACK_BENCH=ON >/dev/null
cmake --build "$root/build-bench" --target fillpack_bench_window -j "$(nproc)" >/dev/null
driver="$root/build-bench/fillpack_bench_window"

scratch=$(mktemp -d)
display=''
trap '{ [[ -z $display ]] || kill "$display"; } 2>/dev/null; rm -rf "$scratch"' EXIT

# A display of our own, and a home of our own: no settings of the user's are read or written.
for n in $(seq 90 140); do [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || break; done
Xvfb ":$n" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
display=$!
export DISPLAY=":$n" HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$n ]] && break; sleep 0.1; done

# The headless run: "CPU_SECONDS<TAB>PEAK_KB".
headless_run() {
  /usr/bin/time -f '%U %S %M' -o "$scratch/time" "$fillpack" --headless /recurse "$tree" >/dev/null 2>"$scratch/err" ||
    { cat "$scratch/err" >&2; bench_fail "the headless run failed"; }
  awk '{ printf "%.2f\t%d\n", $1 + $2, $3 }' "$scratch/time"
}

# The window run until it is idle (shown, and its CPU time grew by at most 20 ms in each
# of five looks 0.2 s apart), then closed as a stop signal closes it:
# "CPU_SECONDS<TAB>PEAK_KB", the CPU time and the peak memory read from /proc at the idle
# moment. The command line runs before the window shows, so a pause in it is no idleness.
window_run() {
  "$fillpack" /recurse "$tree" >/dev/null 2>"$scratch/err" &
  local pid=$! tick cpu last=-1 still=0 shown=0 peak stat
  tick=$(getconf CLK_TCK)
  while kill -0 "$pid" 2>/dev/null; do
    read -r -a stat <"/proc/$pid/stat" || break
    cpu=$((stat[13] + stat[14]))
    ((shown)) || ! xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1 || shown=1
    if ((shown && cpu - last <= tick / 50)); then still=$((still + 1)); else still=0; fi
    last=$cpu
    ((still >= 5)) && break
    sleep 0.2
  done
  peak=$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status" 2>/dev/null || echo 0)
  kill -TERM "$pid" 2>/dev/null || bench_fail "the window ended before it was idle"
  wait "$pid" || true
  awk -v c="$last" -v t="$tick" -v m="$peak" 'BEGIN { printf "%.2f\t%d\n", c / t, m }'
}

rows=()
failed=0
for count in "${counts[@]}"; do
  bench_tree "$count"
  best_h='' best_w='' rss_h=0 rss_w=0
  for ((run = 1; run <= repeat; run++)); do
    echo "$bench_name: run $run of $repeat, $count files" >&2
    IFS=$'\t' read -r t m <<<"$(headless_run)"
    best_h=$(smaller "$t" "$best_h") rss_h=$((m > rss_h ? m : rss_h))
    IFS=$'\t' read -r t m <<<"$(window_run)"
    best_w=$(smaller "$t" "$best_w") rss_w=$((m > rss_w ? m : rss_w))
  done
  rows+=("$count $best_h $rss_h $best_w $rss_w")
  bench_drop_tree
done

printf '\n%-9s %11s %11s %11s %11s %8s\n' files 'headless s' 'headless MB' 'window s' 'window MB' 'window x'
for row in "${rows[@]}"; do
  read -r count th rh tw rw <<<"$row"
  awk -v n="$count" -v th="$th" -v rh="$rh" -v tw="$tw" -v rw="$rw" 'BEGIN {
    printf "%-9d %11.2f %11.1f %11.2f %11.1f %8.2f\n", n, th, rh / 1024, tw, rw / 1024, (th > 0 ? tw / th : 0)
    exit n >= 1000000 && ((th > 0 && tw / th > 1.3) || rw / 1024 > 200) }' || failed=1
done
echo "(CPU seconds, user and system, until the window is idle: fewest of $repeat runs; MB: peak resident set size)"

largest=${counts[0]}
for count in "${counts[@]}"; do ((count > largest)) && largest=$count; done
echo
out=$("$driver" "$largest" 2>"$scratch/err") || { cat "$scratch/err" >&2; bench_fail "the window driver failed"; }
echo "$out"
if awk 'NR > 1 && $NF + 0 >= 1000 { slow = 1 } END { exit !slow }' <<<"$out"; then
  echo "$bench_name: an action took a second or more" >&2
  failed=1
fi
exit "$failed"
