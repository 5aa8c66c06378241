#!/usr/bin/env bash
# Times the whole-catalogue commands against the standard tools that do the
# nearest job, side by side in one run (best of ROUNDS each, warm page cache):
#
#   rackmere-cli diff of two 500,000-entry listings   vs  diff of their path lists
#   rackmere-cli verify of the synthetic tree          vs  rackmere-cli add of it, find -printf
#   rackmere-cli duplicates over the tree's listing    vs  find -printf | sort | uniq -di
#
# and the extra memory duplicates takes (peak RSS against `list` of the same
# catalogue), per file entry.
#
# usage: bench/queries_vs_peers.sh BUILD_DIR [TREE_DIR] [ROUNDS] [WORK_DIR]
# TREE_DIR defaults to /tmp/rackmere-bench/tree, made with bench/make_tree.py
# when missing. The build needs -DRACKMERE_BUILD_BENCH=ON.
set -euo pipefail
build=${1:?build dir}
tree=${2:-/tmp/rackmere-bench/tree}
rounds=${3:-3}
work=${4:-$(mktemp -d)}
cli="$build/rackmere-cli"
here="$(cd "$(dirname "$0")" && pwd)"
[ -d "$tree" ] || /usr/bin/python3 "$here/make_tree.py" "$tree"
mkdir -p "$work"
trap 'rm -rf "$work/pair" "$work/prog" "$work"/*.txt' EXIT

# "WALL CPU" of one run (CPU: user + system seconds, which tell more than
# the wall clock on a loaded machine), and the best of ROUNDS runs of each.
secs() {
  /usr/bin/time -f "%e %U %S" "$@" >/dev/null 2>"$work/secs.txt" || true
  tail -n1 "$work/secs.txt" | awk '{printf "%.3f %.3f\n", $1, $2 + $3}'
}
best() {
  local bw=999 bc=999 w c
  for _ in $(seq "$rounds"); do
    read -r w c < <(secs "$@")
    bw=$(awk -v a="$bw" -v b="$w" 'BEGIN{print (b<a)?b:a}')
    bc=$(awk -v a="$bc" -v b="$c" 'BEGIN{print (b<a)?b:a}')
  done
  echo "$bw $bc"
}
peak_kb() { /usr/bin/time -f "%M" "$@" >/dev/null 2>"$work/time.txt" || true; tail -n1 "$work/time.txt"; }

echo "load: $(cut -d' ' -f1-3 /proc/loadavg) ($(nproc) cores)"

# diff of two listings of 500,000 entries (1 % removed, 1 % added, 1 % changed)
"$build/bench/query_bench" --write-diff-pair "$work/pair"
read -r d_cli d_cli_cpu < <(best "$cli" --dir "$work/pair" diff 1.rkm 2.rkm)
read -r d_peer d_peer_cpu < <(best diff "$work/a.txt" "$work/b.txt")
printf 'diff, 2 x 500,000 entries:   rackmere-cli diff %6.3f s (CPU %6.3f s)   GNU diff of path lists %6.3f s (CPU %6.3f s)   (target under 1 s)\n' \
  "$d_cli" "$d_cli_cpu" "$d_peer" "$d_peer_cpu"

# verify against add of the same tree
mkdir -p "$work/prog"
find "$tree" -printf '%p %s %T@\n' >/dev/null
"$cli" --dir "$work/prog" add "$tree" --name warm >/dev/null
rm -f "$work/prog"/*.rkm
add=999 add_cpu=999
for _ in $(seq "$rounds"); do
  rm -f "$work/prog"/*.rkm
  read -r w c < <(secs "$cli" --dir "$work/prog" add "$tree" --name Bench)
  add=$(awk -v a="$add" -v b="$w" 'BEGIN{print (b<a)?b:a}')
  add_cpu=$(awk -v a="$add_cpu" -v b="$c" 'BEGIN{print (b<a)?b:a}')
done
read -r verify verify_cpu < <(best "$cli" --dir "$work/prog" verify Bench)
read -r findp findp_cpu < <(best find "$tree" -printf '%p %s %T@\n')
printf 'verify of the tree:          rackmere-cli verify %6.3f s (CPU %6.3f s)   add %6.3f s (CPU %6.3f s)   ratio %.2f, CPU %.2f (target at most 1.10)   find -printf %6.3f s (CPU %6.3f s)\n' \
  "$verify" "$verify_cpu" "$add" "$add_cpu" "$(awk -v v="$verify" -v a="$add" 'BEGIN{print v/a}')" \
  "$(awk -v v="$verify_cpu" -v a="$add_cpu" 'BEGIN{print v/a}')" "$findp" "$findp_cpu"

# duplicates over the tree's listing, against the shell's way
entries=$("$cli" --dir "$work/prog" list | awk -F'\t' '{n += $7} END {print n}')
read -r u_cli u_cli_cpu < <(best "$cli" --dir "$work/prog" duplicates --min-size 0)
read -r u_peer u_peer_cpu < <(best sh -c "find '$tree' -type f -printf '%f %s\n' | sort -f | uniq -di")
list_kb=$(peak_kb "$cli" --dir "$work/prog" list)
dup_kb=$(peak_kb "$cli" --dir "$work/prog" duplicates --min-size 0)
printf 'duplicates, %s entries: rackmere-cli duplicates %6.3f s (CPU %6.3f s, loading included)   find | sort | uniq -di %6.3f s (CPU %6.3f s)   (target under 1 s)\n' \
  "${entries:-?}" "$u_cli" "$u_cli_cpu" "$u_peer" "$u_peer_cpu"
if [ -n "${entries:-}" ]; then
  awk -v l="$list_kb" -v d="$dup_kb" -v n="$entries" \
    'BEGIN{printf "duplicates memory:           %.1f extra bytes per entry over list (%d KB against %d KB; target at most 50)\n", (d-l)*1024/n, d, l}'
fi
