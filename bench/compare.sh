#!/usr/bin/env bash
# Times vok-bench against the standard tools on the same tree, alternately, with a warm cache:
#   vok-bench search DIR '*.*'  vs  find DIR -type f -printf '%s %p\n' | sort -rn
#   vok-bench tree DIR          vs  du -x DIR
# For each it prints the best wall-clock time and the best CPU time (user + system, pipelines
# included) over the rounds, and their ratios (below 1: Vok is faster). On a busy machine the
# CPU figures are the steadier ones.
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
best() { printf '%s\n' "$@" | sort -g | head -1; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

q=$(printf '%q' "$dir")
b=$(printf '%q' "$bench")
cmds=("$b search $q '*.*'" "find $q -type f -printf '%s %p\n' | sort -rn" "$b tree $q" "du -x $q")
names=("search" "find|sort -rn" "tree" "du -x")

# warm the cache once for everyone
find "$dir" -xdev >/dev/null 2>&1 || true

declare -a wall0 wall1 wall2 wall3 cpu0 cpu1 cpu2 cpu3
for ((i = 1; i <= rounds; i++)); do
  line="round $i:"
  for k in 0 1 2 3; do
    read -r w c <<<"$(measure "${cmds[$k]}")"
    eval "wall$k+=(\"$w\"); cpu$k+=(\"$c\")"
    line+=" ${names[$k]} ${w}s (cpu ${c}s);"
  done
  echo "$line"
done
out=$("$bench" search "$dir" '*.*')
printf 'files found by search  %s\n' "$(awk '/^files / {print $2}' <<<"$out")"
for pair in "0 1" "2 3"; do
  read -r v o <<<"$pair"
  eval "vw=\$(best \"\${wall$v[@]}\"); ow=\$(best \"\${wall$o[@]}\")"
  eval "vc=\$(best \"\${cpu$v[@]}\"); oc=\$(best \"\${cpu$o[@]}\")"
  printf '%-6s wall %7.3f s vs %-13s %7.3f s: ratio %s | cpu %7.3f s vs %7.3f s: ratio %s\n' \
    "${names[$v]}" "$vw" "${names[$o]}" "$ow" "$(ratio "$vw" "$ow")" "$vc" "$oc" "$(ratio "$vc" "$oc")"
done
printf 'search peak memory     %s bytes per file found\n' "$(awk '/peak bytes\/file/ {print $3}' <<<"$out")"
