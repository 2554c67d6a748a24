#!/usr/bin/env python3
"""A lower bound on the discs for a set of sizes where every disc holds one file over half a disc
and few small files, stronger there than the volume bound: it counts files, not bytes.

Usage: counting_bound.py SIZES_FILE [CAPACITY_BYTES]   (default capacity: 702 MiB)

It holds only when the smallest file is so large that (checked below):
  a disc with a large file takes at most two small ones, and two only where its gap has room
  for twice the smallest; a disc of small files holds at most four; a "wide" small file (one
  that cannot share a large file's disc, leaves room for at most two more small files, and
  cannot share a disc with another wide file and a third file) ends up alone in a large
  file's disc, with at most two others, or with one other wide file.
It tries every count p of large-file discs holding two small files (the p smallest such gaps,
which leaves the most room for wide files), every number of wide files in large-file discs,
and every split of the remaining wide files into discs of one and two.
"""
import math
import sys


def matching(gaps, items):
    """Most items placed one per gap, item <= gap (smallest item to smallest gap that fits)."""
    gaps = sorted(gaps)
    i = count = 0
    for item in sorted(items):
        while i < len(gaps) and gaps[i] < item:
            i += 1
        if i < len(gaps):
            count += 1
            i += 1
    return count


def counting_bound(sizes, capacity):
    large = sorted(s for s in sizes if 2 * s > capacity)
    small = sorted(s for s in sizes if 2 * s <= capacity)
    if not large or not small:
        return None
    least = small[0]
    gaps = sorted(capacity - s for s in large)
    if 3 * least <= gaps[-1] or 5 * least <= capacity:
        return None
    wide = [s for s in small if s + least > gaps[-1] and s + 3 * least > capacity and 2 * s + least > capacity]
    narrow = len(small) - len(wide)
    pairable = [g for g in gaps if g >= 2 * least]
    others = gaps[: len(gaps) - len(pairable)]
    best = None
    for p in range(min(len(pairable), narrow // 2) + 1):
        reach = matching(others + pairable[p:], wide)
        for placed in range(reach + 1):
            left_wide = len(wide) - placed
            singles = len(large) - p - placed
            left_narrow = max(0, narrow - 2 * p - singles)
            for alone in range(left_wide % 2, left_wide + 1, 2):
                discs = alone + (left_wide - alone) // 2 + math.ceil(max(0, left_narrow - 2 * alone) / 4)
                best = discs if best is None else min(best, discs)
    return len(large) + best


if __name__ == "__main__":
    capacity = int(sys.argv[2]) if len(sys.argv) > 2 else 702 * 1048576
    with open(sys.argv[1]) as f:
        sizes = [int(line) for line in f if line.strip()]
    print(counting_bound(sizes, capacity), "discs at least;", math.ceil(sum(sizes) / capacity), "by volume")
