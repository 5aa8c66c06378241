#!/usr/bin/env bash
# The search index against plocate over the ten-million-entry catalogue (200
# listings of 50,000 entries): the time to build the index against the time
# to write the listings, the index's size against plocate's database of the
# same paths, and a search from a fresh process for a word that matches
# nothing and one that matches 0.1 % of the names (best of 5 each, side by
# side, output to /dev/null). Prints the machine's load first and last.
#
# usage: bench/index_vs_plocate.sh BUILD_DIR [WORK_DIR]   (default /tmp/rackmere-bench)
# The build needs -DRACKMERE_BUILD_BENCH=ON; plocate-build comes with plocate.
# The searcher is `rackmere-cli find` when it answers from the index (its
# lean start), else bench/index_bench, which does only that.
set -euo pipefail
build=${1:?build dir}
work=${2:-/tmp/rackmere-bench}
cat10m="$work/catalog10m"
ib="$build/bench/index_bench"
export XDG_CACHE_HOME="$work/index-cache"
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$work"
echo "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
now() { date +%s.%N; }
secs() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.3f", b-a}'; }

# Writing the listings, into a folder of its own (then removed): what
# `rackmere-cli add` writes, ten million entries of it.
rm -rf "$work/write-timing"
t0=$(now)
"$build/bench/catalog_bench" --write-catalog "$work/write-timing" --listings 200
t1=$(now)
write_s=$(secs "$t0" "$t1")
rm -rf "$work/write-timing"
"$build/bench/catalog_bench" --write-catalog "$cat10m" --listings 200
sync

# Building the index from nothing (the listings read again, as after a
# load could not vouch for them), then a refresh with nothing to do.
rm -rf "$XDG_CACHE_HOME"
cat "$cat10m"/*.rkm >/dev/null # the listings in the page cache, as after writing them
t0=$(now)
"$ib" --refresh "$cat10m" >/dev/null
t1=$(now)
build_s=$(secs "$t0" "$t1")
t0=$(now)
"$ib" --refresh "$cat10m" >/dev/null
t1=$(now)
echo "writing the 200 listings: ${write_s} s; building their index: ${build_s} s" \
  "($(awk -v a="$build_s" -v b="$write_s" 'BEGIN{printf "%.2f", a/b}') x, target at most 1.5);" \
  "a refresh with nothing to do: $(secs "$t0" "$t1") s"

# plocate's database of the same paths, as a search prints them.
"$ib" --paths "$cat10m" >"$work/paths.txt"
# -l no: the paths are no files of this machine, whose access could be checked.
plocate-build -l no -p "$work/paths.txt" "$work/plocate.db"
index_bytes=$(du -sb "$XDG_CACHE_HOME" | cut -f1)
plocate_bytes=$(stat -c %s "$work/plocate.db")
echo "paths: $(wc -l <"$work/paths.txt"); index $index_bytes bytes, plocate $plocate_bytes bytes:" \
  "$(awk -v a="$index_bytes" -v b="$plocate_bytes" 'BEGIN{printf "%.2f", a/b}') x (target at most 2)"

searcher=("$ib" --find "$cat10m")
# A miss exits 1: only a status above 1 (a usage error) says there is no
# such search.
status=0
"$build/rackmere-cli" --dir "$cat10m" find --count qqzzyx >/dev/null 2>&1 </dev/null || status=$?
if [ "$status" -le 1 ]; then
  searcher=("$build/rackmere-cli" --dir "$cat10m" find)
fi
best_of_5() {
  local best=999999 t0 t1 ms
  for _ in 1 2 3 4 5; do
    t0=$(now)
    "$@" >/dev/null 2>&1 || true
    t1=$(now)
    ms=$(awk -v a="$t0" -v b="$t1" 'BEGIN{printf "%.2f", (b-a)*1000}')
    best=$(awk -v a="$best" -v b="$ms" 'BEGIN{print (b<a)?b:a}')
  done
  echo "$best"
}
echo "searcher: ${searcher[*]}"
for word in qqzzyx _123; do
  hits=$( ("${searcher[@]}" "$word" 2>/dev/null || true) | wc -l)
  phits=$( (plocate -i -d "$work/plocate.db" "$word" || true) | wc -l)
  ours=$(best_of_5 "${searcher[@]}" "$word")
  theirs=$(best_of_5 plocate -i -d "$work/plocate.db" "$word")
  echo "  '$word': index ${ours} ms ($hits hits), plocate -i ${theirs} ms ($phits hits):" \
    "$(awk -v a="$ours" -v b="$theirs" 'BEGIN{printf "%.2f", a/b}') x (target at most 3)"
done
echo "machine after: load average $(cut -d' ' -f1-3 /proc/loadavg)"
