#!/usr/bin/env bash
# Fails when a control of a window is named by a string anywhere in the program's sources:
# controls are addressed by the typed ids declared with FILLPACK_CONTROL, so that a
# misspelt name does not compile and no text typed at run time reaches a control.
set -euo pipefail

src=${1:-"$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/src"}
names=$(grep -rhoE 'FILLPACK_CONTROL\([A-Za-z0-9_]+\)' "$src" | sed -E 's/FILLPACK_CONTROL\((.*)\)/\1/' | sort -u)
[ -n "$names" ] || { echo "no control ids declared under $src" >&2; exit 1; }
pattern="\"($(echo "$names" | paste -sd'|'))\""
if found=$(grep -rnE "$pattern" "$src" --include='*.cpp' --include='*.h' --include='*.in'); then
  echo "Control names written as strings (use the ids of the window's table instead):" >&2
  echo "$found" >&2
  exit 1
fi
echo "No control name is written as a string in $(echo "$names" | wc -l) declared ids."
