#!/usr/bin/env bash
# Archive contents, side by side in one run, warm page cache:
#  1. every reading choice off: `rackmere-cli add --no-descriptions` of the
#     synthetic tree against REV's `rackmere-cli add` (built once by
#     bench/ref_build.sh), to show that the walk costs what it did;
#  2. archives listed: `rackmere-cli add --archives --no-descriptions` of a
#     tree of 1,000 zip files of 100 entries each, against `bsdtar -tvf` over
#     the same files one after another.
# Without REV only the second is timed.
# usage: bench/archives_vs_bsdtar.sh BUILD_DIR [REV] [ROUNDS] [TREE_DIR] [ZIP_DIR]
set -euo pipefail
build=${1:?build dir}
rev=${2:-}
rounds=${3:-3}
tree=${4:-/tmp/rackmere-bench/tree-200k}
zips=${5:-/tmp/rackmere-bench/zips-1000}
cli="$build/rackmere-cli"
here="$(cd "$(dirname "$0")" && pwd)"
py=/usr/bin/python3
prog="$(mktemp -d)"
trap 'rm -rf "$prog"' EXIT
secs() { local s e; s=$(date +%s.%N); "$@" >/dev/null; e=$(date +%s.%N); awk -v s="$s" -v e="$e" 'BEGIN{printf "%.3f", e-s}'; }
min() { awk -v a="$1" -v b="$2" 'BEGIN{print (b<a)?b:a}'; }
echo "load: $(uptime)"

if [ ! -d "$zips" ]; then
  "$py" - "$zips" <<'PY'
import os, sys, zipfile
root = sys.argv[1]
for k in range(1000):
    d = os.path.join(root, f"set{k // 100:02d}")
    os.makedirs(d, exist_ok=True)
    with zipfile.ZipFile(os.path.join(d, f"pack{k:04d}.zip"), "w", zipfile.ZIP_DEFLATED) as z:
        for e in range(100):
            z.writestr(f"part{e // 25}/file{e:03d}.txt", f"entry {e} of archive {k}\n" * 4)
PY
fi
list_bsdtar() { find "$zips" -name '*.zip' -print0 | sort -z | xargs -0 -n1 bsdtar -tvf; }

if [ -n "$rev" ]; then
  refcli="$(bash "$here/ref_build.sh" "$build" "$rev")/rackmere-cli"
  [ -d "$tree" ] || "$py" "$here/make_tree.py" "$tree" 200000 10000
  find "$tree" -printf '%p %s\n' >/dev/null   # warm the cache
  best_ref=999; best_off=999
  for r in $(seq "$rounds"); do
    o=$(secs "$refcli" --dir "$prog" add "$tree" --name Bench); rm -f "$prog"/*.rkm
    a=$(secs "$cli" --dir "$prog" add "$tree" --name Bench --no-descriptions); rm -f "$prog"/*.rkm
    echo "round $r: $rev's add ${o} s, this add (options off) ${a} s"
    best_ref=$(min "$best_ref" "$o"); best_off=$(min "$best_off" "$a")
  done
  awk -v o="$best_ref" -v a="$best_off" -v rev="$rev" \
    'BEGIN{printf "best: %s add %.3f s, this add %.3f s, ratio %.3f\n", rev, o, a, a/o}'
fi

list_bsdtar >/dev/null   # warm the cache
best_tar=999; best_arch=999
for r in $(seq "$rounds"); do
  t=$(secs list_bsdtar)
  a=$(secs "$cli" --dir "$prog" add "$zips" --name Zips --archives --no-descriptions); rm -f "$prog"/*.rkm
  echo "round $r: bsdtar -tvf one after another ${t} s, rackmere-cli add --archives ${a} s"
  best_tar=$(min "$best_tar" "$t"); best_arch=$(min "$best_arch" "$a")
done
awk -v t="$best_tar" -v a="$best_arch" \
  'BEGIN{printf "best: bsdtar -tvf %.3f s, add --archives %.3f s, ratio %.2f\n", t, a, a/t}'
