#!/usr/bin/env bash
# Times the walk with media tags on (describe_bench: every MP3 and JPEG of the
# tree described from its tags) against `exiftool -fast2` reading the same
# tags from the same files in one process, side by side, warm page cache.
# The tree (10,000 MP3 files and 1,000 JPEG photos by default) is made once by
# bench/make_media.py.
# usage: bench/tags_vs_exiftool.sh BUILD_DIR [TREE_DIR] [ROUNDS]
set -euo pipefail
build=${1:?build dir}
tree=${2:-/tmp/rackmere-bench/media}
rounds=${3:-3}
here="$(cd "$(dirname "$0")" && pwd)"
bench="$build/bench/describe_bench"
/usr/bin/python3 "$here/make_media.py" "$tree"
export RACKMERE_MEDIA_TREE="$tree"
secs() { local s e; s=$(date +%s.%N); "$@" >/dev/null; e=$(date +%s.%N); awk -v s="$s" -v e="$e" 'BEGIN{printf "%.3f", e-s}'; }
exif=(exiftool -fast2 -q -q -T -r -Artist -Title -Album -Year -Duration -DateTimeOriginal -Model -ImageSize "$tree")
ours=("$bench" --benchmark_filter='BM_ScanWithTags/tags:1' --benchmark_min_time=0 --benchmark_repetitions=1)
echo "files: $(find "$tree" -type f \( -name '*.mp3' -o -name '*.JPG' \) | wc -l)"
echo "described by the walk: $("${ours[@]}" 2>/dev/null | awk '/described=/{sub(/.*described=/,""); print $1}')"
"${exif[@]}" >/dev/null   # warm the cache
best_exif=999; best_ours=999
for r in $(seq "$rounds"); do
  e=$(secs "${exif[@]}")
  o=$(secs "${ours[@]}")
  echo "round $r: exiftool -fast2 ${e} s, walk with tags ${o} s"
  best_exif=$(awk -v a="$best_exif" -v b="$e" 'BEGIN{print (b<a)?b:a}')
  best_ours=$(awk -v a="$best_ours" -v b="$o" 'BEGIN{print (b<a)?b:a}')
done
awk -v e="$best_exif" -v o="$best_ours" 'BEGIN{printf "best: exiftool %.3f s, walk with tags %.3f s, ratio %.2f\n", e, o, o/e}'
