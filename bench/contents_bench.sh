#!/usr/bin/env bash
# Fingerprints, side by side in one run, warm page cache:
#  1. `rackmere-cli add --fingerprints` of FILES files of 1 MB against
#     `xxhsum -H2` over the same files plus `rackmere-cli add` without the
#     choice (the target: at most 1.1 times that);
#  2. with REV (built once by bench/ref_build.sh, or the path of a
#     rackmere-cli built already): `rackmere-cli add` with every choice off
#     against REV's over TREE (default the FILES files), to show that the walk
#     costs what it did (the target: within 3 %).
# The files are random bytes, made once in DIR (10,000 files take 10 GB of
# page cache; give fewer on a machine that has less to spare).
# usage: bench/contents_bench.sh BUILD_DIR [FILES] [REV] [ROUNDS] [DIR] [TREE]
set -euo pipefail
build=${1:?build dir}
files=${2:-10000}
rev=${3:-}
rounds=${4:-3}
dir=${5:-/tmp/rackmere-bench/contents-$files}
tree=${6:-$dir}
cli="$build/rackmere-cli"
here="$(cd "$(dirname "$0")" && pwd)"
prog="$(mktemp -d)"
trap 'rm -rf "$prog"' EXIT
export RACKMERE_DIR="$prog"
secs() { local s e; s=$(date +%s.%N); "$@" >/dev/null; e=$(date +%s.%N); awk -v s="$s" -v e="$e" 'BEGIN{printf "%.3f", e-s}'; }
min() { awk -v a="$1" -v b="$2" 'BEGIN{print (b<a)?b:a}'; }
echo "load: $(uptime)"

if [ ! -f "$dir/.complete" ]; then
  mkdir -p "$dir"
  for ((i = 0; i < files; i++)); do
    sub="$dir/f$((i / 1000))"
    mkdir -p "$sub"
    head -c 1000000 /dev/urandom >"$sub/file$i.bin"
  done
  touch "$dir/.complete"
fi
hash_all() { find "$dir" -name '*.bin' -print0 | xargs -0 xxhsum -H2 2>/dev/null; }
add() { "$cli" add "$dir" --name Bench --no-descriptions "$@"; rm -f "$prog"/*.rkm; }
hash_all >/dev/null # warm the cache
add --fingerprints >/dev/null

best_x=999; best_plain=999; best_fp=999
for r in $(seq "$rounds"); do
  x=$(secs hash_all)
  p=$(secs add)
  f=$(secs add --fingerprints)
  echo "round $r: xxhsum -H2 ${x} s, add ${p} s, add --fingerprints ${f} s"
  best_x=$(min "$best_x" "$x"); best_plain=$(min "$best_plain" "$p"); best_fp=$(min "$best_fp" "$f")
done
awk -v x="$best_x" -v p="$best_plain" -v f="$best_fp" -v n="$files" \
  'BEGIN{printf "best of %d files: xxhsum -H2 %.3f s + add %.3f s = %.3f s; add --fingerprints %.3f s; ratio %.3f (target <= 1.1)\n", n, x, p, x+p, f, f/(x+p)}'

if [ -n "$rev" ]; then
  if [ -x "$rev" ] && [ -f "$rev" ]; then refcli="$rev"; else refcli="$(bash "$here/ref_build.sh" "$build" "$rev")/rackmere-cli"; fi
  find "$tree" -printf '%p %s\n' >/dev/null # warm the cache
  best_ref=999; best_off=999
  for r in $(seq "$rounds"); do
    o=$(secs "$refcli" add "$tree" --name Bench --no-descriptions); rm -f "$prog"/*.rkm
    a=$(secs "$cli" add "$tree" --name Bench --no-descriptions); rm -f "$prog"/*.rkm
    echo "round $r: $rev's add ${o} s, this add (choices off) ${a} s"
    best_ref=$(min "$best_ref" "$o"); best_off=$(min "$best_off" "$a")
  done
  awk -v o="$best_ref" -v a="$best_off" -v rev="$rev" \
    'BEGIN{printf "best: %s add %.3f s, this add %.3f s, ratio %.3f (target <= 1.03)\n", rev, o, a, a/o}'
fi
