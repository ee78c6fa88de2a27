#!/usr/bin/env bash
# Times vok-bench against the bare walk (vok-bench floor) and the standard tools on the same
# tree, all in one run, alternately:
#   floor DIR [--threads N]       the walk no search can beat: getdents64 and one fstatat each,
#                                 on one thread, and on N threads taking whole directories
#   search DIR '*.*'              vs the floors,  find DIR -xdev ... -printf '%s\t%p\n' | sort -rn
#                                 and  fdfind -S +0b (a size asked for every file)
#   tree DIR                      vs the floors,  du -x DIR  and  gdu -npxH DIR
#   search DIR '*.txt'            vs  find DIR -xdev ... -iname '*.txt' -printf ... | sort -rn
#   search and tree               vs themselves on one thread (VOK_WALK_THREADS=1)
# For each it prints the median wall-clock and CPU times (user + system, pipelines included)
# over the rounds and the ratios (below 1: the first is faster). On a busy machine the CPU
# figures are the steadier ones. Warm: the cache is filled once before. --cold (root): the page,
# dentry and inode caches are dropped before every single command.
# Usage: bench/compare.sh [--cold] DIR [ROUNDS] [VOK_BENCH]
set -euo pipefail
cold=0
if [ "${1:-}" = --cold ]; then
  cold=1
  shift
  [ "$(id -u)" -eq 0 ] || { echo "compare.sh: --cold needs root (drop_caches)" >&2; exit 1; }
fi
dir=${1:?usage: compare.sh [--cold] DIR [ROUNDS] [VOK_BENCH]}
rounds=${2:-3}
here=$(cd "$(dirname "$0")" && pwd)
bench=${3:-$here/../build/bench/vok-bench}
[ -x "$bench" ] || { echo "compare.sh: no $bench; build the vok-bench target first" >&2; exit 1; }
for tool in fdfind gdu; do
  command -v $tool >/dev/null || { echo "compare.sh: no $tool; run scripts/setup.sh" >&2; exit 1; }
done
# As many threads as Vok's walk starts with.
threads=$(nproc)
threads=$(( threads < 2 ? 2 : threads > 4 ? 4 : threads ))

TIMEFORMAT='%R %U %S'
# Runs the command given as a string; prints "wall cpu" in seconds.
measure() {
  local t
  if [ "$cold" = 1 ]; then sync; echo 3 >/proc/sys/vm/drop_caches; fi
  t=$( { time eval "$1" >/dev/null 2>&1; } 2>&1 )
  awk '{ printf "%.3f %.3f", $1, $2 + $3 }' <<<"$t"
}
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

q=$(printf '%q' "$dir")
b=$(printf '%q' "$bench")
# The files the search visits: hidden directories are not entered, one file system.
prune="\\( -type d -name '.*' ! -path $q -prune \\)"
names=("floor" "floor $threads threads" "search *.*" "find|sort -rn" "fdfind -S" "tree" "du -x"
       "gdu" "search *.txt" "find -iname|sort -rn" "search 1 thread" "tree 1 thread")
cmds=("$b floor $q"
      "$b floor $q --threads $threads"
      "$b search $q '*.*'"
      "find $q -xdev $prune -o ! -type d -printf '%s\t%p\n' | sort -rn"
      "fdfind -I --one-file-system -S +0b '' $q"
      "$b tree $q"
      "du -x $q"
      "gdu -npxH $q"
      "$b search $q '*.txt'"
      "find $q -xdev $prune -o ! -type d -iname '*.txt' -printf '%s\t%p\n' | sort -rn"
      "VOK_WALK_THREADS=1 $b search $q '*.*'"
      "VOK_WALK_THREADS=1 $b tree $q")
count=${#cmds[@]}

# warm the cache once for everyone
[ "$cold" = 1 ] || find "$dir" -xdev >/dev/null 2>&1 || true

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
for pair in "2 0" "2 1" "2 3" "2 4" "2 10" "5 0" "5 1" "5 6" "5 7" "5 11" "8 9"; do
  read -r v o <<<"$pair"
  printf '%-13s wall %7.3f s vs %-21s %7.3f s: ratio %s | cpu %7.3f s vs %7.3f s: ratio %s\n' \
    "${names[$v]}" "${mw[$v]}" "${names[$o]}" "${mw[$o]}" "$(ratio "${mw[$v]}" "${mw[$o]}")" \
    "${mc[$v]}" "${mc[$o]}" "$(ratio "${mc[$v]}" "${mc[$o]}")"
done
printf 'search peak memory     %s bytes per file found\n' "$(awk '/peak bytes\/file/ {print $3}' <<<"$out")"
printf 'search max gap         %s ms between input checks\n' "$(awk '/^max gap/ {print $4}' <<<"$out")"
