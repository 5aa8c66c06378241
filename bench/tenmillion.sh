#!/usr/bin/env bash
# The catalogue of ten million file entries (200 listings of 50,000 entries in
# 2,500 folders each): loading it with `rackmere-cli list` (wall time, best of
# 3, and peak resident memory against an empty catalogue), the search that
# matches nothing, the desktop program's start to a usable window and its
# Exit with nothing modified. Prints the machine's load first: rerun on a
# quiet machine for figures to compare.
#
# usage: bench/tenmillion.sh BUILD_DIR [WORK_DIR]   (default /tmp/rackmere-bench)
# The build needs -DRACKMERE_BUILD_BENCH=ON.
set -euo pipefail
build=${1:?build dir}
work=${2:-/tmp/rackmere-bench}
cli="$build/rackmere-cli"
cat10m="$work/catalog10m"
mkdir -p "$work/empty"
"$build/bench/catalog_bench" --write-catalog "$cat10m" --listings 200
entries=10000000
echo "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"

# Load and memory. The config folder is empty, so no setting is read.
export XDG_CONFIG_HOME="$work/config"
run() { /usr/bin/time -f "%M %e %U %S" "$cli" --dir "$1" list >/dev/null 2>"$work/time.txt"; tail -n1 "$work/time.txt"; }
run "$cat10m" >/dev/null # warm the page cache
read -r empty_kb _ < <(run "$work/empty")
best=999 full_kb=0
for _ in 1 2 3; do
  read -r kb s u sy < <(run "$cat10m")
  echo "  list: ${s} s wall, ${u} s user, ${sy} s system, ${kb} KB peak"
  best=$(awk -v a="$best" -v b="$s" 'BEGIN{print (b<a)?b:a}')
  full_kb=$kb
done
echo "rackmere-cli list over $entries entries: best of 3 ${best} s (target under 1.5 s)"
awk -v e="$empty_kb" -v f="$full_kb" -v n="$entries" \
  'BEGIN{printf "peak RSS: empty %d KB, full %d KB: %.1f bytes per file entry (target at most 70)\n", e, f, (f-e)*1024/n}'

# The search alone, over the loaded catalogue (median of 5).
RACKMERE_BENCH_CATALOG="$cat10m" "$build/bench/search_bench" \
  --benchmark_filter='BM_FindNothingCase' --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  | grep -E 'median|^Benchmark|^---'
echo "(target: letter case ignored, under 150 ms)"

# The desktop program: start to a usable window (splash left out), and Exit.
QT_QPA_PLATFORM=offscreen RACKMERE_BENCH_CATALOG="$cat10m" "$build/bench/gui_startup_bench" \
  --benchmark_filter='BM_StartToUsableWindow|BM_ExitWithNothingModified' | grep -E '^BM_|^Benchmark|^---'
echo "(targets: usable window under 2000 ms; exit, catalogue left to the system (/1), under 300 ms)"
echo "machine after: load average $(cut -d' ' -f1-3 /proc/loadavg)"
