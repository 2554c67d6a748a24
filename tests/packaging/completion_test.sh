#!/usr/bin/env bash
# Sources the bash completion of fillpack and checks what it offers for a few command lines.
# Usage: completion_test.sh COMPLETION_SCRIPT
set -euo pipefail

# shellcheck source=packaging/fillpack.bash-completion
source "$1"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir "$tree/my music" "$tree/lists"
touch "$tree/list.txt"

failures=0
# check OFFERS WORD...: completing the last WORD after "fillpack" offers OFFERS, joined by
# "|" in compgen's order.
check() {
  local expected=$1
  shift
  COMP_WORDS=(fillpack "$@")
  COMP_CWORD=$#
  COMPREPLY=()
  _fillpack
  local actual
  actual=$(IFS='|' && echo "${COMPREPLY[*]}")
  [[ $actual == "$expected" ]] && return
  echo "FAIL: fillpack $*: offered '$actual', expected '$expected'" >&2
  failures=$((failures + 1))
}

check '/recurse' /re
check '/disc|/dumb' /D
check '/\?' '/?'
check '--headless|--help|--version' --
check '--help|-h|--version' --headless -
check '' /limit 702 -
check "$tree/my music" /path "$tree/m"
check "$tree/lists|$tree/my music" '\RECURSE' "$tree/"
check '' /path --h
check '0|1|2' /batch ''
check "$tree/list.txt|$tree/lists" /batch 2 "$tree/li"
check '/together' /batch 2 x /t
check '' /include ''
((failures == 0)) || exit 1
echo "bash completion: all cases passed"
