#!/usr/bin/env bash
# Times `rackmere-cli add` of the synthetic tree (listing file written) against
# `find -printf` over the same tree, side by side, warm page cache. With REV,
# the `rackmere-cli add` of that earlier revision takes turns with them too
# (built once by bench/ref_build.sh), to show what a change of the walk costs.
# usage: bench/scan_vs_find.sh BUILD_DIR [TREE_DIR] [ROUNDS] [REV]
set -euo pipefail
build=${1:?build dir}
tree=${2:-/tmp/rackmere-bench/tree}
rounds=${3:-3}
rev=${4:-}
cli="$build/rackmere-cli"
here="$(cd "$(dirname "$0")" && pwd)"
refcli=""
if [ -n "$rev" ]; then
  refcli="$(bash "$here/ref_build.sh" "$build" "$rev")/rackmere-cli"
fi
if [ ! -d "$tree" ]; then
  python3 "$here/make_tree.py" "$tree"
fi
prog="$(mktemp -d)"
trap 'rm -rf "$prog"' EXIT
secs() { local s e; s=$(date +%s.%N); "$@" >/dev/null; e=$(date +%s.%N); awk -v s="$s" -v e="$e" 'BEGIN{printf "%.3f", e-s}'; }
find "$tree" -printf '%p %s %T@\n' >/dev/null   # warm the cache
"$cli" --dir "$prog" add "$tree" --name warm >/dev/null; rm -f "$prog"/*.rkm
best_find=999; best_add=999; best_ref=999
for r in $(seq "$rounds"); do
  f=$(secs find "$tree" -printf '%p %s %T@\n')
  a=$(secs "$cli" --dir "$prog" add "$tree" --name Bench)
  rm -f "$prog"/*.rkm
  line="round $r: find -printf ${f} s, rackmere-cli add ${a} s"
  if [ -n "$refcli" ]; then
    o=$(secs "$refcli" --dir "$prog" add "$tree" --name Bench)
    rm -f "$prog"/*.rkm
    line="$line, $rev's add ${o} s"
    best_ref=$(awk -v a="$best_ref" -v b="$o" 'BEGIN{print (b<a)?b:a}')
  fi
  echo "$line"
  best_find=$(awk -v a="$best_find" -v b="$f" 'BEGIN{print (b<a)?b:a}')
  best_add=$(awk -v a="$best_add" -v b="$a" 'BEGIN{print (b<a)?b:a}')
done
awk -v f="$best_find" -v a="$best_add" 'BEGIN{printf "best: find %.3f s, add %.3f s, ratio %.2f\n", f, a, a/f}'
if [ -n "$refcli" ]; then
  awk -v o="$best_ref" -v a="$best_add" -v rev="$rev" \
    'BEGIN{printf "best: %s add %.3f s, this add %.3f s, ratio %.3f\n", rev, o, a, a/o}'
fi
