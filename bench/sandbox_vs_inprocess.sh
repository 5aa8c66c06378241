#!/usr/bin/env bash
# Tags and archives read by worker processes (rackmere-reader) against the
# same reads in the program's own process (REV, the revision before the
# workers, built once by bench/ref_build.sh), side by side, warm page cache:
#  - `add --tags --no-descriptions` of 10,000 MP3 files (bench/make_media.py);
#  - `add --archives --no-descriptions` of 1,000 zip files of 100 entries
#    (made as bench/archives_vs_bsdtar.sh makes them);
#  - `add --no-descriptions` of both trees: every choice off, no worker.
# usage: bench/sandbox_vs_inprocess.sh BUILD_DIR REV [ROUNDS] [MEDIA_DIR] [ZIP_DIR]
set -euo pipefail
build=${1:?build dir}
rev=${2:?revision}
rounds=${3:-3}
media=${4:-/tmp/rackmere-bench/media}
zips=${5:-/tmp/rackmere-bench/zips-1000}
here="$(cd "$(dirname "$0")" && pwd)"
ref="${RACKMERE_REF_BUILD:-$("$here/ref_build.sh" "$build" "$rev")}"
py=/usr/bin/python3
"$py" "$here/make_media.py" "$media" >/dev/null
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
cat="$(mktemp -d)"
trap 'rm -rf "$cat"' EXIT
n=0
add() { # cli, args...
  local cli=$1 s e
  shift
  n=$((n + 1))
  s=$(date +%s.%N)
  RACKMERE_DIR="$cat" "$cli" add "$@" --name "run$n" >/dev/null
  e=$(date +%s.%N)
  awk -v s="$s" -v e="$e" 'BEGIN{printf "%.3f", e-s}'
}
min() { awk -v a="$1" -v b="$2" 'BEGIN{print (b<a)?b:a}'; }
echo "load: $(uptime)"
echo "mp3 files: $(find "$media/music" -name '*.mp3' | wc -l), zip files: $(find "$zips" -name '*.zip' | wc -l)"
cases=("tags|$media/music --tags --no-descriptions" "archives|$zips --archives --no-descriptions"
       "off (media)|$media --no-descriptions" "off (zips)|$zips --no-descriptions")
for c in "${cases[@]}"; do
  label=${c%%|*}
  read -r -a args <<<"${c#*|}"
  add "$ref/rackmere-cli" "${args[@]}" >/dev/null   # warm the cache
  best_ref=999; best_new=999
  for r in $(seq "$rounds"); do
    a=$(add "$ref/rackmere-cli" "${args[@]}")
    b=$(add "$build/rackmere-cli" "${args[@]}")
    best_ref=$(min "$best_ref" "$a"); best_new=$(min "$best_new" "$b")
    rm -f "$cat"/*.rkm
  done
  awk -v l="$label" -v a="$best_ref" -v b="$best_new" \
    'BEGIN{printf "%-12s in-process %.3f s, workers %.3f s, ratio %.2f\n", l, a, b, b/a}'
done
