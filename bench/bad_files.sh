#!/usr/bin/env bash
# Times `rackmere-cli list` over a catalogue that holds, beside one small
# listing, three files named like listings that are none: a 4 GB file of
# zeros (sparse, so it costs no disk), a FIFO and a link to /dev/zero. Side
# by side: `cat` of the zeros file, which is what reading that file whole
# costs, and `list` without the bad files.
# usage: bench/bad_files.sh BUILD_DIR [WORK_DIR]
set -euo pipefail
build=${1:?build dir}
work=${2:-/tmp/rackmere-bench-bad}
cli="$build/rackmere-cli"
rm -rf "$work"
mkdir -p "$work/good" "$work/disk"
echo hello >"$work/disk/a.txt"
"$cli" --dir "$work/good" add "$work/disk" --name Good >/dev/null
cp -r "$work/good" "$work/bad"
truncate -s 4G "$work/bad/9.rkm"
mkfifo "$work/bad/8.rkm"
ln -s /dev/zero "$work/bad/7.rkm"

run() { /usr/bin/time -f "%e s, peak RSS %M KB" "$@" >/dev/null 2>"$work/time.txt" || true; tail -n1 "$work/time.txt"; }
echo "cat of the 4 GB file:           $(run cat "$work/bad/9.rkm")"
echo "list, good catalogue:           $(run "$cli" --dir "$work/good" list)"
echo "list, with the three bad files: $(run timeout 120 "$cli" --dir "$work/bad" list)"
"$cli" --dir "$work/bad" list 2>&1 >/dev/null | sed 's/^/  /' || true
rm -rf "$work"
