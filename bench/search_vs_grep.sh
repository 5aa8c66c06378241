#!/bin/sh
# Times a search that matches nothing over the synthetic catalogue of a
# million file entries against grep -ci for the same text over a file of all
# entry paths, in one run, and prints them side by side.
#
# usage: bench/search_vs_grep.sh [BUILD_DIR]   (default: build-search)
# The build needs -DRACKMERE_BUILD_BENCH=ON.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-search}
bin=$build/bench/search_bench
[ -x "$bin" ] || { echo "no $bin: build with -DRACKMERE_BUILD_BENCH=ON" >&2; exit 2; }
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$bin" --benchmark_filter='BM_FindNothingCase|BM_GrepCi' --benchmark_repetitions=5 \
       --benchmark_report_aggregates_only=true --benchmark_format=json >"$out"
python3 - "$out" <<'PY'
import json, sys
runs = {b["run_name"]: b["real_time"] for b in json.load(open(sys.argv[1]))["benchmarks"]
        if b.get("aggregate_name") == "median"}
grep = runs["BM_GrepCi/real_time"]
ci = runs["BM_FindNothingCaseInsensitive/real_time"]
cs = runs["BM_FindNothingCaseSensitive/real_time"]
print(f"grep -ci over all entry paths      {grep:8.1f} ms")
print(f"search, letter case ignored         {ci:8.1f} ms   {ci / grep:5.2f} x grep   (at most 0.50)")
print(f"search, case-sensitive              {cs:8.1f} ms                    (at most 30 ms)")
ok = ci <= grep / 2 and cs <= 30
print("within targets" if ok else "OUTSIDE TARGETS")
sys.exit(0 if ok else 1)
PY
