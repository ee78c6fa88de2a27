#!/usr/bin/env bash
# Times vok-bench against the bare walk (vok-bench floor) and the standard tools on the same
# tree, all in one run, alternately, with a warm cache:
#   floor DIR                     the walk no search can beat: getdents64 and one fstatat each
#   search DIR '*.*'              vs floor and  find DIR -xdev ... -printf '%s\t%p\n' | sort -rn
#   tree DIR                      vs floor and  du -x DIR
#   search DIR '*.txt'            vs  find DIR -xdev ... -iname '*.txt' -printf ... | sort -rn
# For each it prints the median wall-clock and CPU times (user + system, pipelines included)
# over the rounds and the ratios (below 1: the first is faster). On a busy machine the CPU
# figures are the steadier ones.
# Usage: bench/compare.sh DIR [ROUNDS] [VOK_BENCH]
set -euo pipefail
dir=${1:?usage: compare.sh DIR [ROUNDS] [VOK_BENCH]}
rounds=${2:-3}
here=$(cd "$(dirname "$0")" && pwd)
bench=${3:-$here/../build/bench/vok-bench}
[ -x "$bench" ] || { echo "compare.sh: no $bench; build the vok-bench target first" >&2; exit 1; }

TIMEFORMAT='%R %U %S'
# Runs the command given as a string; prints "wall cpu" in seconds.
measure() {
  local t
  t=$( { time eval "$1" >/dev/null 2>&1; } 2>&1 )
  awk '{ printf "%.3f %.3f", $1, $2 + $3 }' <<<"$t"
}
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

q=$(printf '%q' "$dir")
b=$(printf '%q' "$bench")
# The files the search visits: hidden directories are not entered, one file system.
prune="\\( -type d -name '.*' ! -path $q -prune \\)"
names=("floor" "search *.*" "find|sort -rn" "tree" "du -x" "search *.txt" "find -iname|sort -rn")
cmds=("$b floor $q"
      "$b search $q '*.*'"
      "find $q -xdev $prune -o ! -type d -printf '%s\t%p\n' | sort -rn"
      "$b tree $q"
      "du -x $q"
      "$b search $q '*.txt'"
      "find $q -xdev $prune -o ! -type d -iname '*.txt' -printf '%s\t%p\n' | sort -rn")
count=${#cmds[@]}

# warm the cache once for everyone
find "$dir" -xdev >/dev/null 2>&1 || true

declare -A wall cpu
for ((i = 1; i <= rounds; i++)); do
  line="round $i:"
  for ((k = 0; k < count; k++)); do
    read -r w c <<<"$(measure "${cmds[$k]}")"
    wall[$k]+="$w "
    cpu[$k]+="$c "
    line+=" ${names[$k]} ${w}s (cpu ${c}s);"
  done
  echo "$line"
done
declare -a mw mc
for ((k = 0; k < count; k++)); do
  # shellcheck disable=SC2086
  mw[$k]=$(median ${wall[$k]})
  # shellcheck disable=SC2086
  mc[$k]=$(median ${cpu[$k]})
done
out=$("$bench" search "$dir" '*.*' 2>/dev/null)
printf 'files found by search  %s\n' "$(awk '/^files / {print $2}' <<<"$out")"
for pair in "1 0" "3 0" "1 2" "3 4" "5 6"; do
  read -r v o <<<"$pair"
  printf '%-13s wall %7.3f s vs %-21s %7.3f s: ratio %s | cpu %7.3f s vs %7.3f s: ratio %s\n' \
    "${names[$v]}" "${mw[$v]}" "${names[$o]}" "${mw[$o]}" "$(ratio "${mw[$v]}" "${mw[$o]}")" \
    "${mc[$v]}" "${mc[$o]}" "$(ratio "${mc[$v]}" "${mc[$o]}")"
done
printf 'search peak memory     %s bytes per file found\n' "$(awk '/peak bytes\/file/ {print $3}' <<<"$out")"
printf 'search max gap         %s ms between input checks\n' "$(awk '/^max gap/ {print $4}' <<<"$out")"
