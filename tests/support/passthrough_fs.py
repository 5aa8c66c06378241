#!/usr/bin/python3
"""Mirrors a folder read-only through FUSE, for tests and benchmarks.

    passthrough_fs.py SOURCE MOUNTPOINT [--delay-ms N] [--fsname NAME] [--subtype TYPE]

Runs in the foreground, serving requests on several threads, until the mount
point is unmounted (umount, or fusermount -u) or the process gets SIGTERM or
SIGINT, which unmount it too. Listing a folder yields names only, as some
network and FUSE file systems do, so readdir reports every entry with the type
DT_UNKNOWN and a reader has to stat each one. --delay-ms makes every request
wait that long first, like a volume across a slow network.

Exits with 77 when FUSE cannot be used here (no fusepy, no /dev/fuse, mounting
not permitted), with 1 on any other failure.
"""

import argparse
import errno
import os
import sys
import time

try:
    from fusepy import FUSE, FuseOSError, Operations
except ImportError as e:  # Debian's python3-fusepy is not installed
    print(f"passthrough_fs: {e}", file=sys.stderr)
    sys.exit(77)

# Names travel as Latin-1 so that any byte string, UTF-8 or not, passes
# through unchanged.
ENCODING = "latin-1"


class Passthrough(Operations):
    use_ns = True

    def __init__(self, source, delay):
        self.source = os.fsencode(os.path.realpath(source))
        self.delay = delay

    def __call__(self, op, *args):
        if self.delay:
            time.sleep(self.delay)
        return super().__call__(op, *args)  # an OSError becomes its errno

    def _real(self, path):
        return self.source + path.encode(ENCODING)

    def getattr(self, path, fh=None):
        st = os.lstat(self._real(path))
        attrs = {k: getattr(st, k) for k in ("st_mode", "st_nlink", "st_size", "st_uid", "st_gid", "st_ino")}
        attrs.update(st_atime=st.st_atime_ns, st_mtime=st.st_mtime_ns, st_ctime=st.st_ctime_ns)
        return attrs

    def readdir(self, path, fh):
        # Names only: no attributes, so the kernel knows no entry types.
        return [".", ".."] + [n.decode(ENCODING) for n in os.listdir(self._real(path))]

    def readlink(self, path):
        return os.readlink(self._real(path)).decode(ENCODING)

    def access(self, path, amode):
        if amode & os.W_OK:
            raise FuseOSError(errno.EROFS)
        if not os.access(self._real(path), amode):
            raise FuseOSError(errno.EACCES)

    def open(self, path, flags):
        if flags & (os.O_WRONLY | os.O_RDWR | os.O_TRUNC | os.O_APPEND):
            raise FuseOSError(errno.EROFS)
        return os.open(self._real(path), os.O_RDONLY)

    def read(self, path, size, offset, fh):
        return os.pread(fh, size, offset)

    def release(self, path, fh):
        os.close(fh)

    def statfs(self, path):
        sv = os.statvfs(self._real(path))
        return {k: getattr(sv, k) for k in ("f_bsize", "f_frsize", "f_blocks", "f_bfree", "f_bavail", "f_files",
                                            "f_ffree", "f_favail", "f_flag", "f_namemax")}


def main():
    parser = argparse.ArgumentParser(description="Mirror a folder read-only through FUSE.")
    parser.add_argument("source")
    parser.add_argument("mountpoint")
    parser.add_argument("--delay-ms", type=float, default=0.0, help="wait this long before each request")
    parser.add_argument("--fsname", default="passthrough", help="the source column of the mount table")
    parser.add_argument("--subtype", default="passthrough", help="the type shows as fuse.SUBTYPE")
    args = parser.parse_args()
    if not os.path.isdir(args.source):
        parser.error(f"{args.source} is not a folder")
    if not os.access("/dev/fuse", os.R_OK | os.W_OK):
        print("passthrough_fs: /dev/fuse cannot be opened", file=sys.stderr)
        return 77
    try:
        FUSE(Passthrough(args.source, args.delay_ms / 1000.0), args.mountpoint, encoding=ENCODING, foreground=True,
             nothreads=False, ro=True, fsname=args.fsname, subtype=args.subtype)
    except RuntimeError as e:  # fuse_main failed: the mount was refused
        print(f"passthrough_fs: cannot mount {args.mountpoint}: {e}", file=sys.stderr)
        return 77
    return 0


if __name__ == "__main__":
    sys.exit(main())
