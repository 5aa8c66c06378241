#!/usr/bin/env bash
# This build against an earlier revision, in one run, taking turns: `add` of
# the million-file tree (warm), loading the ten-million-entry catalogue
# (`list`), the search that matches nothing (`find`) and the desktop
# program's start to a usable window. Best of ROUNDS for each; prints the
# ratio now / before (the target is at most 1.03).
#
# usage: bench/side_by_side.sh BUILD_DIR REV [WORK_DIR] [ROUNDS]
# The build needs -DRACKMERE_BUILD_BENCH=ON; the reference is built once by
# bench/ref_build.sh.
set -euo pipefail
build=$(realpath "${1:?build dir}")
rev=${2:?revision}
work=${3:-/tmp/rackmere-bench}
rounds=${4:-5}
here="$(dirname "$0")"
ref=$(bash "$here/ref_build.sh" "$build" "$rev")
cmake --build "$ref" -j"$(nproc)" --target rackmere-cli gui_startup_bench catalog_bench >&2
tree="$work/tree1m"
cat10m="$work/catalog10m"
mkdir -p "$work"
[ -d "$tree" ] || python3 "$here/make_tree.py" "$tree" 1000000 50000
[ -d "$cat10m" ] || "$build/bench/catalog_bench" --write-catalog "$cat10m" --listings 200
export XDG_CONFIG_HOME="$work/config"
echo "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"

seconds() { # command... : wall seconds
  local t0 t1
  t0=$(date +%s.%N)
  "$@" >/dev/null 2>&1
  t1=$(date +%s.%N)
  awk -v a="$t0" -v b="$t1" 'BEGIN{printf "%.4f", b-a}'
}
min() { awk -v a="$1" -v b="$2" 'BEGIN{print (b<a)?b:a}'; }

add_once() { # cli
  local dir="$work/add-catalog"
  rm -rf "$dir"
  mkdir -p "$dir"
  seconds "$1" --dir "$dir" add "$tree" --name Tree
}
start_once() { # build
  QT_QPA_PLATFORM=offscreen RACKMERE_BENCH_CATALOG="$cat10m" "$1/bench/gui_startup_bench" \
    --benchmark_filter='BM_StartToUsableWindow' --benchmark_format=csv 2>/dev/null |
    awk -F, '/BM_StartToUsableWindow/{printf "%.4f", $3/1000}'
}

# Warm both caches first.
"$build/rackmere-cli" --dir "$cat10m" list >/dev/null
add_once "$build/rackmere-cli" >/dev/null
declare -A best
for what in add list find start; do best[$what-now]=999; best[$what-before]=999; done
for round in $(seq "$rounds"); do
  for side in before now; do
    b=$build
    [ "$side" = before ] && b=$ref
    best[add-$side]=$(min "${best[add-$side]}" "$(add_once "$b/rackmere-cli")")
    best[list-$side]=$(min "${best[list-$side]}" "$(seconds "$b/rackmere-cli" --dir "$cat10m" list)")
    best[find-$side]=$(min "${best[find-$side]}" \
      "$(seconds "$b/rackmere-cli" --dir "$cat10m" find zzzqqq-nothing)")
    best[start-$side]=$(min "${best[start-$side]}" "$(start_once "$b")")
  done
  echo "round $round done"
done
printf '%-34s %10s %10s %8s\n' "" "before" "now" "ratio"
for what in add list find start; do
  case $what in
    add) label="add, 1,000,000 files (s)" ;;
    list) label="list, 10,000,000 entries (s)" ;;
    find) label="find nothing, 10,000,000 (s)" ;;
    start) label="desktop start, 10,000,000 (s)" ;;
  esac
  awk -v l="$label" -v a="${best[$what-before]}" -v b="${best[$what-now]}" \
    'BEGIN{printf "%-34s %10.3f %10.3f %8.3f\n", l, a, b, b/a}'
done
echo "machine after: load average $(cut -d' ' -f1-3 /proc/loadavg)"
