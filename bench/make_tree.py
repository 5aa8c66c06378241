#!/usr/bin/env python3
"""Makes the synthetic tree of the benchmarks: FILES files in FOLDERS folders.

usage: make_tree.py DIR [FILES] [FOLDERS]   (defaults 1000000 and 50000)

Fifty top folders hold the other folders; every folder below them holds the
same number of files. Sizes are sparse (no disk space used) and spread from 0
bytes to a few megabytes; dates are spread over three years.
"""
import os
import random
import sys

root = sys.argv[1]
files = int(sys.argv[2]) if len(sys.argv) > 2 else 1_000_000
folders = int(sys.argv[3]) if len(sys.argv) > 3 else 50_000
tops = 50
per_top = max(1, (folders - tops) // tops)
leaves = tops * per_top
per_leaf = max(1, files // leaves)
rng = random.Random(42)
now = 1_700_000_000
exts = [".txt", ".jpg", ".mp3", ".pdf", ".doc", ".zip", ".c", ".h", ".png", ".avi"]
made = 0
for t in range(tops):
    top = os.path.join(root, f"volume{t:02d}")
    for s in range(per_top):
        d = os.path.join(top, f"folder{s:04d}")
        os.makedirs(d, exist_ok=True)
        for f in range(per_leaf):
            p = os.path.join(d, f"file{f:03d}_{rng.randrange(100000):05d}{rng.choice(exts)}")
            with open(p, "wb") as fh:
                fh.truncate(rng.choice((0, 17, 512, 1024, 1025, 40_000, 700_000, 3_000_000)))
            when = now - rng.randrange(3 * 365 * 86400)
            os.utime(p, (when, when))
            made += 1
print(f"{made} files in {leaves + tops} folders below {root}")
