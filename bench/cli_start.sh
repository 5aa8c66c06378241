#!/usr/bin/env bash
# The start of rackmere-cli from a fresh process: `--version` of the lean
# front and of the whole program behind it, and a `find` that matches nothing
# (and one that matches a few names) answered from the search index, against
# plocate over a database of the same names. Best of ROUNDS runs each, in
# milliseconds of wall time, with the libraries each program loads. Prints
# the machine's load first: rerun on a quiet machine for figures to compare.
#
# usage: bench/cli_start.sh BUILD_DIR [CATALOGUE_DIR] [ROUNDS]
# CATALOGUE_DIR defaults to a small catalogue of the build's own sources; for
# the ten-million-entry figure give the folder `catalog_bench --write-catalog
# DIR --listings 200` made.
set -euo pipefail
build=${1:?build dir}
rounds=${3:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cli="$build/rackmere-cli"
export XDG_CACHE_HOME="$work/cache" XDG_CONFIG_HOME="$work/config"
catalogue=${2:-}
if [ -z "$catalogue" ]; then
  catalogue="$work/catalogue"
  "$cli" --dir "$catalogue" add "$(cd "$(dirname "$0")/.." && pwd)" --name Sources >/dev/null
fi
echo "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"

# The first search loads the listings and builds the index; later ones use it.
"$cli" --dir "$catalogue" find zzqqxxnothing >/dev/null 2>&1 || true

best() { # best wall time in ms of ROUNDS runs of a command line
  /usr/bin/python3 - "$rounds" "$@" <<'PY'
import os, subprocess, sys, time
rounds, cmd = int(sys.argv[1]), sys.argv[2:]
best = min(
    (lambda t0: (subprocess.run(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL), time.perf_counter() - t0)[1])(time.perf_counter())
    for _ in range(rounds))
print(f"{best * 1000:.2f}")
PY
}

printf '%-46s %8s\n' "command" "best ms"
printf '%-46s %8s\n' "rackmere-cli --version" "$(best "$cli" --version)"
printf '%-46s %8s\n' "rackmere-cli-all --version" "$(best "$build/rackmere-cli-all" --version)"
printf '%-46s %8s\n' "rackmere-cli find (a miss, from the index)" "$(best "$cli" --dir "$catalogue" find zzqqxxnothing)"
printf '%-46s %8s\n' "rackmere-cli find --limit 20 (a common word)" "$(best "$cli" --dir "$catalogue" find e --limit 20)"
if command -v plocate >/dev/null && command -v plocate-build >/dev/null; then
  "$cli" --dir "$catalogue" find "" >"$work/names.txt" 2>/dev/null || true
  plocate-build -p "$work/names.txt" "$work/plocate.db"
  printf '%-46s %8s\n' "plocate (a miss)" "$(best plocate -d "$work/plocate.db" zzqqxxnothing)"
fi
echo "libraries the front loads:"
ldd "$cli" | awk '{print "  " $1}'
