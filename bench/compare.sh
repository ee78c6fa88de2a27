#!/usr/bin/env bash
# Times vok-bench against the standard tools on the same tree, alternately, with a warm cache:
#   vok-bench search DIR '*.*'  vs  find DIR -type f -printf '%s %p\n' | sort -rn
#   vok-bench tree DIR          vs  du -x DIR
# and prints the best time of each over the rounds and the ratios (below 1: Vok is faster).
# Usage: bench/compare.sh DIR [ROUNDS] [VOK_BENCH]
set -euo pipefail
dir=${1:?usage: compare.sh DIR [ROUNDS] [VOK_BENCH]}
rounds=${2:-3}
here=$(cd "$(dirname "$0")" && pwd)
bench=${3:-$here/../build/bench/vok-bench}
[ -x "$bench" ] || { echo "compare.sh: no $bench; build the vok-bench target first" >&2; exit 1; }

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
best() { printf '%s\n' "$@" | sort -g | head -1; }

# warm the cache once for everyone
find "$dir" -xdev >/dev/null 2>&1 || true
du -x -s "$dir" >/dev/null 2>&1 || true

vs=(); fs=(); vt=(); dt=(); peak=""
for ((i = 1; i <= rounds; i++)); do
  t0=$(now); out=$("$bench" search "$dir" '*.*'); t1=$(now)
  vs+=("$(elapsed "$t0" "$t1")")
  peak=$(awk '/peak bytes\/file/ {print $3}' <<<"$out")
  files=$(awk '/^files / {print $2}' <<<"$out")
  t0=$(now); find "$dir" -type f -printf '%s %p\n' | sort -rn >/dev/null; t1=$(now)
  fs+=("$(elapsed "$t0" "$t1")")
  t0=$(now); "$bench" tree "$dir" >/dev/null; t1=$(now)
  vt+=("$(elapsed "$t0" "$t1")")
  t0=$(now); du -x "$dir" >/dev/null; t1=$(now)
  dt+=("$(elapsed "$t0" "$t1")")
  echo "round $i: search ${vs[-1]} s, find|sort ${fs[-1]} s, tree ${vt[-1]} s, du -x ${dt[-1]} s"
done
bvs=$(best "${vs[@]}"); bfs=$(best "${fs[@]}"); bvt=$(best "${vt[@]}"); bdt=$(best "${dt[@]}")
printf 'files found by search         %s\n' "$files"
printf 'search   %8.3f s  find|sort -rn %8.3f s  ratio %s\n' "$bvs" "$bfs" "$(ratio "$bvs" "$bfs")"
printf 'tree     %8.3f s  du -x         %8.3f s  ratio %s\n' "$bvt" "$bdt" "$(ratio "$bvt" "$bdt")"
printf 'search peak memory            %s bytes per file found\n' "$peak"
