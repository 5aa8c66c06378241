#!/usr/bin/python3
"""Times `rackmere-cli add` against `find -printf` on a volume where every call waits.

    bench/latency_fs.py BUILD_DIR [--delay-ms 1] [--files 20000] [--folders 1000]
                        [--tree DIR] [--rounds 1] [--threads N ...] [--server python|c]

Mounts a copy-free FUSE mirror of a synthetic tree (tests/support/passthrough_fs.py,
multi-threaded, every request waiting --delay-ms first, entries listed without a
type as many network file systems do) and times, side by side on that mount,
`find MOUNT -printf '%p %s %T@\\n'` and `rackmere-cli add MOUNT` (the walk picks its
threads from the volume: a FUSE mount counts as a network volume), and with
--threads also `rackmere-cli add --threads N` for each N. Every run gets a fresh
mount, so that neither finds the kernel's caches of the other.

The Python server spends about 0.2 ms of processor time on every request, so
on a machine of two cores it answers at most about 10,000 requests a second
however many arrive at once; a walk that keeps many requests in flight ends up
measuring the server. `--server c` mounts bench/latency_passthrough.c instead
(the same mirror in C over libfuse3, built into BUILD_DIR/bench/), which costs
next to nothing per request, so that what is measured is the waiting.

The tree is made by bench/make_tree.py (FILES files in FOLDERS folders) below
/tmp/rackmere-bench/ unless --tree names one. Needs /dev/fuse, fusermount and
Debian's python3-fusepy (tools/deps.sh installs it).
"""

import argparse
import os
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
PASSTHROUGH = os.path.join(HERE, "..", "tests", "support", "passthrough_fs.py")


def mounted(point):
    with open("/proc/self/mountinfo") as f:
        return any(line.split()[4] == point for line in f)


class Mount:
    """The tree mirrored at a fresh mount point, with a delay on every call."""

    def __init__(self, server, source, delay_ms):
        self.point = tempfile.mkdtemp(prefix="rackmere-latency-")
        self.server = subprocess.Popen(server + [source, self.point,
                                                 "--delay-ms", str(delay_ms), "--fsname", "rackmere-latency"],
                                       stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        deadline = time.time() + 30
        while not mounted(self.point):
            if self.server.poll() is not None:
                raise SystemExit(f"latency_fs: the pass-through ended: {self.server.stderr.read().decode()}")
            if time.time() > deadline:
                self.close()
                raise SystemExit("latency_fs: the pass-through did not mount within 30 s")
            time.sleep(0.05)

    def close(self):
        if mounted(self.point):
            subprocess.run(["fusermount3", "-u", self.point], check=False)
        try:
            self.server.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.server.terminate()
            self.server.wait()
        os.rmdir(self.point)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()


def timed(args):
    start = time.perf_counter()
    subprocess.run(args, check=True, stdout=subprocess.DEVNULL)
    return time.perf_counter() - start


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("build")
    parser.add_argument("--delay-ms", type=float, default=1.0)
    parser.add_argument("--files", type=int, default=20000)
    parser.add_argument("--folders", type=int, default=1000)
    parser.add_argument("--tree")
    parser.add_argument("--rounds", type=int, default=1)
    parser.add_argument("--threads", type=int, nargs="*", default=[])
    parser.add_argument("--server", choices=["python", "c"], default="python")
    args = parser.parse_args()
    server = ["/usr/bin/python3", PASSTHROUGH]
    if args.server == "c":
        server = [os.path.join(args.build, "bench", "latency_passthrough")]
        if not os.access(server[0], os.X_OK):
            raise SystemExit(f"latency_fs: {server[0]} is missing (libfuse3-dev, a build with RACKMERE_BUILD_BENCH=ON)")

    cli = os.path.join(args.build, "rackmere-cli")
    tree = args.tree or f"/tmp/rackmere-bench/latency-{args.files}-{args.folders}"
    if not os.path.isdir(tree):
        subprocess.run([sys.executable, os.path.join(HERE, "make_tree.py"), tree, str(args.files),
                        str(args.folders)], check=True)
    entries = sum(len(dirs) + len(files) for _, dirs, files in os.walk(tree))
    subprocess.run(["find", tree, "-printf", ""], check=True)  # the tree itself warm

    with open("/proc/loadavg") as f:
        load = " ".join(f.read().split()[:3])
    print(f"tree {tree}: {entries} entries; {args.delay_ms} ms per call; {args.server} server; "
          f"load average before: {load}")
    prog = tempfile.mkdtemp(prefix="rackmere-latency-prog-")
    runs = [("find -printf", lambda m: ["find", m, "-printf", "%p %s %T@\\n"]),
            ("rackmere-cli add", lambda m: [cli, "--dir", prog, "add", m, "--name", "Bench"])]
    for n in args.threads:
        runs.append((f"add --threads {n}", lambda m, n=n: [cli, "--dir", prog, "add", m, "--name", "Bench",
                                                           "--threads", str(n)]))
    best = {}
    try:
        for r in range(args.rounds):
            line = []
            for label, command in runs:
                with Mount(server, tree, args.delay_ms) as m:
                    t = timed(command(m.point))
                for f in os.listdir(prog):
                    os.remove(os.path.join(prog, f))
                best[label] = min(best.get(label, t), t)
                line.append(f"{label} {t:.2f} s")
            print(f"round {r + 1}: " + ", ".join(line))
    finally:
        for f in os.listdir(prog):
            os.remove(os.path.join(prog, f))
        os.rmdir(prog)
    find = best["find -printf"]
    print("best: " + ", ".join(f"{label} {t:.2f} s ({t / find:.3f} of find)" for label, t in best.items()))


if __name__ == "__main__":
    main()
