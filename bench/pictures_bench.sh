#!/usr/bin/env bash
# Times the pictures of COUNT photos of 12 megapixels (4000 x 3000 JPEG, about
# 1.5 MB each, made once by ffmpeg from a test pattern with grain) side by
# side, warm page cache, each using both cores:
#   vipsthumbnail --size 256 and ImageMagick's convert -thumbnail (told the
#   size it needs, so it too decodes the JPEG at a fraction), both through
#   xargs -P2;
#   the workers making them for a walk (pictures_bench: SandboxPictures over
#   the folder), and `rackmere-cli add --pictures` when the program has it.
# usage: bench/pictures_bench.sh BUILD_DIR [PHOTO_DIR] [COUNT] [ROUNDS]
set -euo pipefail
build=${1:?build dir}
tree=${2:-/tmp/rackmere-bench/photos}
count=${3:-1000}
rounds=${4:-3}
bench="$build/bench/pictures_bench"
cli="$build/rackmere-cli"
have=0; [ -d "$tree" ] && have=$(find "$tree" -maxdepth 1 -name "*.jpg" | wc -l)
if [ "$have" -ne "$count" ]; then
  # 50 different photos (each takes a second or two to make), copied to
  # COUNT files: each is still read and decoded on its own.
  rm -rf "$tree"; mkdir -p "$tree"
  ffmpeg -loglevel error -f lavfi -i "testsrc2=size=4000x3000:rate=25" -vf "noise=alls=6:allf=t" \
    -frames:v 50 -q:v 3 "$tree/made%02d.jpg"
  for i in $(seq "$count"); do cp "$tree/made$(printf %02d $(( (i - 1) % 50 + 1 ))).jpg" "$tree/photo$(printf %04d "$i").jpg"; done
  rm -f "$tree"/made*.jpg
fi
out=$(mktemp -d); cat=$(mktemp -d)
trap 'rm -rf "$out" "$cat"' EXIT
secs() { local s e; s=$(date +%s.%N); "$@" >/dev/null 2>&1; e=$(date +%s.%N); awk -v s="$s" -v e="$e" 'BEGIN{printf "%.3f", e-s}'; }
vips_all() { find "$tree" -name '*.jpg' -print0 | xargs -0 -P2 -n 50 vipsthumbnail --size 256 -o "$out/%s.jpg[Q=80]"; }
convert_all() {
  find "$tree" -name '*.jpg' -print0 | xargs -0 -P2 -n 50 sh -c \
    'for f; do /usr/bin/convert -define jpeg:size=512x512 "$f" -thumbnail 256x256 -quality 80 "$0/${f##*/}"; done' "$out"
}
ours() { RACKMERE_PICTURE_TREE="$tree" "$bench" --benchmark_min_time=0 --benchmark_repetitions=1; }
add=0
if "$cli" add --help 2>&1 | grep -q -- --pictures; then add=1; fi
add_all() { rm -rf "${cat:?}"/*; RACKMERE_DIR="$cat" "$cli" add "$tree" --pictures --name Photos; }
echo "photos: $(find "$tree" -name '*.jpg' | wc -l), $(du -sh "$tree" | cut -f1); pictures made by the workers: $(ours 2>/dev/null | awk '/pictures=/{sub(/.*pictures=/,""); print $1}')"
cat "$tree"/*.jpg >/dev/null # warm the cache
best_v=999; best_c=999; best_o=999; best_a=999
for r in $(seq "$rounds"); do
  v=$(secs vips_all); c=$(secs convert_all); o=$(secs ours)
  line="round $r: vipsthumbnail ${v} s, convert -thumbnail ${c} s, workers ${o} s"
  if [ "$add" = 1 ]; then a=$(secs add_all); line="$line, rackmere-cli add --pictures ${a} s"; best_a=$(awk -v a="$best_a" -v b="$a" 'BEGIN{print (b<a)?b:a}'); fi
  echo "$line"
  best_v=$(awk -v a="$best_v" -v b="$v" 'BEGIN{print (b<a)?b:a}')
  best_c=$(awk -v a="$best_c" -v b="$c" 'BEGIN{print (b<a)?b:a}')
  best_o=$(awk -v a="$best_o" -v b="$o" 'BEGIN{print (b<a)?b:a}')
done
awk -v v="$best_v" -v c="$best_c" -v o="$best_o" -v a="$best_a" -v add="$add" 'BEGIN{
  f = (v < c) ? v : c
  printf "best: vipsthumbnail %.3f s, convert %.3f s, workers %.3f s, ratio to the faster %.2f\n", v, c, o, o/f
  if (add == 1) printf "best: rackmere-cli add --pictures %.3f s, ratio to the faster %.2f\n", a, a/f }'
