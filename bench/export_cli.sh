#!/usr/bin/env bash
# Times `rackmere-cli export` of the synthetic catalogue of a million file
# entries in each format, side by side in one run with two references:
# `rackmere-cli list` (loading the catalogue alone) and `cp` of the CSV
# export (writing as many bytes). Best of RUNS runs each; the export includes
# loading the catalogue and writing the file through a temporary file.
#
# usage: bench/export_cli.sh BUILD_DIR [WORK_DIR] [RUNS]
set -euo pipefail
build=${1:?build dir}
work=${2:-/tmp/rackmere-bench}
runs=${3:-5}
cli="$build/rackmere-cli"
[ -x "$cli" ] || { echo "no $cli" >&2; exit 2; }
"$build/bench/catalog_bench" --write-catalog "$work/catalog"
out="$work/export"
mkdir -p "$out"

best() { # best wall time in seconds of running "$@" $runs times
  local b=-1 t0 t1
  for _ in $(seq "$runs"); do
    t0=$(date +%s%N)
    "$@" >/dev/null
    t1=$(date +%s%N)
    if (( b < 0 || t1 - t0 < b )); then b=$(( t1 - t0 )); fi
  done
  awk -v ns="$b" 'BEGIN{printf "%.3f", ns / 1e9}'
}

list=$(best "$cli" --dir "$work/catalog" list)
csv=$(best "$cli" --dir "$work/catalog" export --format csv -o "$out/catalogue.csv")
json=$(best "$cli" --dir "$work/catalog" export --format json -o "$out/catalogue.json")
html=$(best "$cli" --dir "$work/catalog" export --format html -o "$out/catalogue.html")
copy=$(best cp "$out/catalogue.csv" "$out/copy.csv")
size() { awk -v b="$(stat -c %s "$1")" 'BEGIN{printf "%.0f MB", b / 1e6}'; }

echo "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-44s %8s s\n' "rackmere-cli list (load only)" "$list"
printf '%-44s %8s s\n' "cp of the CSV export ($(size "$out/catalogue.csv"))" "$copy"
printf '%-44s %8s s   (under 3 s)\n' "export --format csv  ($(size "$out/catalogue.csv"))" "$csv"
printf '%-44s %8s s   (under 3 s)\n' "export --format json ($(size "$out/catalogue.json"))" "$json"
printf '%-44s %8s s   (under 6 s)\n' "export --format html ($(size "$out/catalogue.html"))" "$html"
rows=$(($(wc -l <"$out/catalogue.csv") - 1))
echo "CSV rows: $rows"
awk -v c="$csv" -v j="$json" -v h="$html" 'BEGIN{ok = c < 3 && j < 3 && h < 6; print ok ? "within targets" : "OUTSIDE TARGETS"; exit !ok}'
