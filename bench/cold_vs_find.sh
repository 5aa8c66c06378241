#!/usr/bin/env bash
# Times `rackmere-cli add` of the synthetic tree against `find -printf` over the
# same tree, side by side, each with a cold page cache: the caches are dropped
# (echo 3 > /proc/sys/vm/drop_caches, as root) before every single run. With
# THREADS, `rackmere-cli add --threads N` takes its turn too for each N, to
# show how many requests in flight the disk rewards when it has to be read.
# With REV=<revision> in the environment, the `rackmere-cli add` of that
# revision takes its turn too (built once by bench/ref_build.sh).
# Dropping the caches slows whatever else runs on the machine: run it on a
# quiet one, a few rounds, not in a loop.
# usage: bench/cold_vs_find.sh BUILD_DIR [TREE_DIR] [ROUNDS] [THREADS...]
set -euo pipefail
build=${1:?build dir}
tree=${2:-/tmp/rackmere-bench/tree}
rounds=${3:-2}
shift $(( $# < 3 ? $# : 3 ))
threads=("$@")
cli="$build/rackmere-cli"
here="$(cd "$(dirname "$0")" && pwd)"
rev=${REV:-}
refcli=""
if [ -n "$rev" ]; then
  refcli="$(bash "$here/ref_build.sh" "$build" "$rev")/rackmere-cli"
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "cold_vs_find.sh: dropping the page cache needs root" >&2
  exit 1
fi
if [ ! -d "$tree" ]; then
  python3 "$here/make_tree.py" "$tree"
fi
prog="$(mktemp -d)"
trap 'rm -rf "$prog"' EXIT
cold() { sync; echo 3 > /proc/sys/vm/drop_caches; }
secs() { local s e; s=$(date +%s.%N); "$@" >/dev/null; e=$(date +%s.%N); awk -v s="$s" -v e="$e" 'BEGIN{printf "%.3f", e-s}'; }
echo "tree $tree; load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
declare -A best
labels=("find -printf" "add")
[ -n "$rev" ] && labels+=("$rev's add")
for n in "${threads[@]}"; do labels+=("add --threads $n"); done
for r in $(seq "$rounds"); do
  line="round $r:"
  for label in "${labels[@]}"; do
    cold
    case "$label" in
      "find -printf") t=$(secs find "$tree" -printf '%p %s %T@\n') ;;
      "add") t=$(secs "$cli" --dir "$prog" add "$tree" --name Bench) ;;
      "$rev's add") t=$(secs "$refcli" --dir "$prog" add "$tree" --name Bench) ;;
      *) t=$(secs "$cli" --dir "$prog" add "$tree" --name Bench --threads "${label##* }") ;;
    esac
    rm -f "$prog"/*.rkm
    line="$line $label ${t} s,"
    best[$label]=$(awk -v a="${best[$label]:-999999}" -v b="$t" 'BEGIN{print (b<a)?b:a}')
  done
  echo "${line%,}"
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
f=${best["find -printf"]}
for label in "${labels[@]}"; do
  awk -v l="$label" -v t="${best[$label]}" -v f="$f" 'BEGIN{printf "best: %s %.3f s (%.2f of cold find)\n", l, t, t/f}'
done
