#!/usr/bin/env bash
# Times `rackmere-cli list` over the synthetic catalogue of a million file
# entries and compares its peak resident memory with an empty catalogue.
# usage: bench/load_memory.sh BUILD_DIR [WORK_DIR]
set -euo pipefail
build=${1:?build dir}
work=${2:-/tmp/rackmere-bench}
cli="$build/rackmere-cli"
mkdir -p "$work/empty"
"$build/bench/catalog_bench" --write-catalog "$work/catalog"
peak() { /usr/bin/time -f "%M %e" "$cli" --dir "$1" list >/dev/null 2>"$work/time.txt"; tail -n1 "$work/time.txt"; }
read -r empty_kb empty_s < <(peak "$work/empty")
best=999
for run in 1 2 3; do
  read -r full_kb full_s < <(peak "$work/catalog")
  best=$(awk -v a="$best" -v b="$full_s" 'BEGIN{print (b<a)?b:a}')
done
entries=1000000
echo "list over $entries entries: best of 3 runs ${best} s"
echo "peak RSS: empty catalogue ${empty_kb} KB, full catalogue ${full_kb} KB"
awk -v e="$empty_kb" -v f="$full_kb" -v n="$entries" 'BEGIN{printf "growth: %.1f bytes per file entry\n", (f-e)*1024/n}'
