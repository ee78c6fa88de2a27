#!/usr/bin/env bash
# Builds a deterministic synthetic tree for vok-bench: about a million files (sparse, so the
# apparent sizes are large but the disk holds almost nothing), nested directories, hidden
# entries, odd names (blanks, newlines, bytes that are not UTF-8) and symbolic link loops.
# Usage: bench/make-tree.sh DIR [FILES]   (DIR must not exist yet; FILES defaults to 1000000)
set -euo pipefail
dir=${1:?usage: make-tree.sh DIR [FILES]}
files=${2:-1000000}
if [ -e "$dir" ]; then
  echo "make-tree.sh: $dir exists; give a new directory" >&2
  exit 1
fi
mkdir -p "$dir"
# perl-base is part of every Debian system; the tree does not depend on the locale.
LC_ALL=C exec perl -e '
use strict; use warnings;
my ($root, $want) = @ARGV;
my $seed = 12345;
sub rnd { $seed = ($seed * 1103515245 + 12345) % 2147483648; return $seed % $_[0]; }
my @odd = ("with blank", " leading blank", "trailing blank ", "new\nline", "bad\xffbyte",
           "l\xe4tin1", "UPPER.TXT", "upper.txt", "no_extension", "dots.in.the.name.tar.gz",
           "\xc3\xa9t\xc3\xa9.txt", ".hidden");
my @ext = (".txt", ".log", ".dat", ".c", ".h", ".bin", ".jpg", "");
my $made = 0;
sub file {
    my ($path) = @_;
    sysopen(my $fh, $path, 0101) or die "$path: $!"; # O_WRONLY|O_CREAT
    my $r = rnd(100);
    my $size = $r < 40 ? rnd(4096) : $r < 90 ? rnd(1 << 20) : $r < 99 ? rnd(1 << 30) : rnd(1 << 20) * 8192;
    truncate($fh, $size) or die "$path: $!";
    close($fh);
    $made++;
}
# 100 top directories of 10 subdirectories each; files spread unevenly among them.
my $perLeaf = int($want / 1100);
for my $t (0 .. 99) {
    my $top = sprintf("%s/top%02d", $root, $t);
    mkdir $top or die $!;
    for my $s (0 .. 9) {
        my $sub = "$top/" . ($s == 3 ? "Sub Dir $s" : "sub$s");
        mkdir $sub or die $!;
        my $n = $perLeaf + rnd(int($perLeaf / 2) + 1) - int($perLeaf / 4);
        for my $i (0 .. $n - 1) {
            last if $made >= $want;
            file(sprintf("%s/f%06d%s", $sub, $i, $ext[rnd(scalar @ext)]));
        }
        if ($s == 9) { file("$sub/$_") for @odd; }
    }
    # the top directory holds a few files of its own, before and after its subdirectories
    file(sprintf("%s/top%02d.%s", $top, $t, "idx")) for 1;
}
# a deep branch: 300 levels, a file on each
my $deep = "$root/deep";
mkdir $deep or die "$deep: $!";
for my $d (1 .. 300) { $deep .= "/d$d"; mkdir $deep or die "$deep: $!"; file("$deep/leaf$d.txt"); }
# hidden directory: never entered by the walk, counted by find and du
mkdir "$root/.cache" or die $!;
file("$root/.cache/c$_.tmp") for 1 .. 500;
# symbolic link loops and a dangling link
symlink("..", "$root/top00/loop") or die $!;
symlink("loop2", "$root/top00/loop2") or die $!;
symlink("/nonexistent/target", "$root/top00/dangling") or die $!;
# the rest of the files go into one wide directory
mkdir "$root/wide" or die $!;
my $i = 0;
while ($made < $want) { file(sprintf("%s/wide/w%07d.dat", $root, $i++)); }
print "made $made files under $root\n";
' "$dir" "$files"
