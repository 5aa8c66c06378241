#!/usr/bin/env bash
# Desktop Add new and Update of the synthetic tree (bench/gui_add_bench.cpp)
# by this build and by an earlier revision, side by side in one run: the two
# programs take turns, ROUNDS times, warm page cache; the best of each is
# compared. The target: the responsive scan (walk off the window's thread,
# progress window, Cancel) costs at most 5 % over the earlier Add new.
# usage: bench/gui_add_compare.sh BUILD_DIR [REV] [TREE_DIR] [ROUNDS]
#   REV defaults to f1e593a, the program before the scan left the window's
#   thread (built once by bench/ref_build.sh into BUILD_DIR-ref).
set -euo pipefail
build=${1:?build dir}
rev=${2:-f1e593a}
tree=${3:-/tmp/rackmere-bench/tree}
rounds=${4:-3}
here="$(cd "$(dirname "$0")" && pwd)"
[ -d "$tree" ] || /usr/bin/python3 "$here/make_tree.py" "$tree"
ref="$(bash "$here/ref_build.sh" "$build" "$rev")"
export QT_QPA_PLATFORM=offscreen
declare -A best_add best_update
for r in $(seq "$rounds"); do
  for which in ref new; do
    dir=$([ "$which" = ref ] && echo "$ref" || echo "$build")
    out="$("$dir/bench/gui_add_bench" "$tree" --benchmark_filter=Desktop 2>/dev/null)"
    add=$(awk '/^BM_DesktopAdd/ {print $2}' <<<"$out")
    update=$(awk '/^BM_DesktopUpdate/ {print $2}' <<<"$out")
    echo "round $r, $which: Add new $add ms, Update $update ms"
    best_add[$which]=$(awk -v a="${best_add[$which]:-1e18}" -v b="$add" 'BEGIN{print (b<a)?b:a}')
    best_update[$which]=$(awk -v a="${best_update[$which]:-1e18}" -v b="$update" 'BEGIN{print (b<a)?b:a}')
  done
done
awk -v ra="${best_add[ref]}" -v na="${best_add[new]}" -v ru="${best_update[ref]}" -v nu="${best_update[new]}" \
  'BEGIN{printf "best: Add new %s ms before, %s ms now (%.3f); Update %s ms before, %s ms now (%.3f); target at most 1.05\n",
         ra, na, na/ra, ru, nu, nu/ru}'
