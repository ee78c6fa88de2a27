#!/usr/bin/env bash
# Checks the directory tree screen against find(1) and the all-disks screen against df(1) on
# this machine, through vok-bench (which runs the screens themselves).
#   tree: every node's figure is the rounded sum (halves to even) of the sizes of the files
#         directly in its directory, as find -xdev sums them with hidden directories not
#         entered; every such directory has a node; the status panel's totals are the sums.
#   disks: one pie per drive of the table that df gives a size above 0, with df -B1's figures
#         in its hint and percentage (between two df readings, as free space moves).
# Usage: bench/live-check.sh [DIR] [VOK_BENCH]    (DIR defaults to /usr/share)
set -euo pipefail
dir=${1:-/usr/share}
here=$(cd "$(dirname "$0")" && pwd)
bench=${2:-$here/../build/bench/vok-bench}
[ -x "$bench" ] || { echo "live-check.sh: no $bench; build the vok-bench target first" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

"$bench" tree "$dir" --print "$tmp/nodes" >"$tmp/tree.out"
find "$dir" -xdev \( -type d -name '.*' ! -path "$dir" -prune \) -o ! -type d -printf '%s %h\0' \
  >"$tmp/find"
status=$(sed -n 's/^status  *\( Total\)/\1/p' "$tmp/tree.out")

LC_ALL=C perl -e '
use strict; use warnings;
my ($nodesFile, $findFile, $status) = @ARGV;
sub even { my $x = $_[0] / 1048576; my $f = int($x); my $d = $x - $f;
           $f++ if $d > 0.5 || ($d == 0.5 && $f % 2); return $f; }
local $/ = "\0";
my (%bytes, $files, $total);
open(my $fh, "<", $findFile) or die;
while (my $r = <$fh>) { chomp $r; $r =~ /^(\d+) (.*)$/s or die "odd find record";
  my $d = $2; $d .= "/" unless $d =~ m{/$}; $bytes{$d} += $1; $files++; $total += $1; }
open(my $nh, "<", $nodesFile) or die;
my ($top, %seen); my ($bad, $nodes) = (0, 0);
while (my $r = <$nh>) { chomp $r;
  if (!defined $top) { $top = $r; next; }
  $r =~ /^( *\d+) Mb (\/.*)$/s or die "odd node $r";
  my ($fig, $path) = ($1 + 0, $2); $nodes++; $seen{$path} = 1;
  my $want = exists $bytes{$path} ? even($bytes{$path}) : "no files";
  if ("$want" ne "$fig") { $bad++; print "MISMATCH node $path: $fig Mb, find: $want\n"; } }
for my $d (sort keys %bytes) { next if $seen{$d}; $bad++; print "MISSING node for $d\n"; }
$files //= 0; $total //= 0;
my $wantStatus = sprintf(" Total space %d Mb, Number of Files = %d", even($total), $files);
if ($status ne $wantStatus) { $bad++; print "MISMATCH status \"$status\", find: \"$wantStatus\"\n"; }
printf "tree: %d nodes, %d directories with files, %d files, %.0f bytes: %s\n",
       $nodes, scalar(keys %bytes), $files, $total, $bad ? "$bad differences" : "all equal";
exit($bad ? 1 : 0);
' "$tmp/nodes" "$tmp/find" "$status" || treeBad=1

# Free space moves while other programs write, so df is read just before and just after the
# screen: the screen's figures must lie between the two readings (equal them on a quiet disk).
dfAll() { df -B1 --output=target,avail,size 2>/dev/null | tail -n +2; }
dfAll >"$tmp/df-before"
"$bench" disks >"$tmp/disks" 2>/dev/null
dfAll >"$tmp/df-after"
disksBad=0
shown=0
while IFS=$'\t' read -r letter mount; do
  before=$(awk -v m="$mount" '$1 == m { print $2, $3 }' "$tmp/df-before" | tail -1)
  after=$(awk -v m="$mount" '$1 == m { print $2, $3 }' "$tmp/df-after" | tail -1)
  read -r avail1 size <<<"$before"
  read -r avail2 _ <<<"$after"
  pie=$(awk -F'\t' -v l="$letter" '$1 == l && NF == 4' "$tmp/disks")
  if [ "${size:-0}" -le 0 ]; then
    [ -z "$pie" ] || { echo "PIE for $letter ($mount) whose size is 0"; disksBad=1; }
    continue
  fi
  [ -n "$pie" ] || { echo "NO PIE for $letter ($mount)"; disksBad=1; continue; }
  shown=$((shown + 1))
  got=$(cut -f2,3 <<<"$pie" | sed 's/ Type is .*//')
  verdict=$(awk -F'\t' -v g="$got" -v a1="$avail1" -v a2="$avail2" -v s="$size" '
    function even(x,  f, d) { f = int(x); d = x - f; if (d > 0.5 || (d == 0.5 && f % 2)) f++; return f }
    BEGIN { lo = a1 < a2 ? a1 : a2; hi = a1 < a2 ? a2 : a1
            split(g, p, "\t"); pct = p[1]; split(p[2], w, " "); free = w[1]; total = w[5]
            ok = pct >= even(lo / s * 100) && pct <= even(hi / s * 100) &&
                 free >= even(lo / 1048576) && free <= even(hi / 1048576) && total == int(s / 1048576)
            print ok ? "equal" : "differs" }')
  if [ "$verdict" = equal ]; then
    echo "disk $letter $mount: $got (df -B1: $avail1..$avail2 of $size bytes)"
  else
    echo "DIFFERS disk $letter $mount: screen \"$got\", df -B1 $avail1..$avail2 of $size bytes"
    disksBad=1
  fi
done < <(awk -F'\t' '$1 == "table" { print $2 "\t" $3 }' "$tmp/disks")
echo "disks: $shown pies; $(grep '^caption' "$tmp/disks" | cut -f2)"
[ "${treeBad:-0}" = 0 ] && [ "$disksBad" = 0 ]
