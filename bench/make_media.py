#!/usr/bin/python3
"""Makes a tree of tagged media files for the tag benchmark: MP3 files with an
ID3v2.4 tag (artist, title, album, year) before one second of silent MPEG
frames, and small JPEG photos with an Exif block (camera model, date taken)
and a frame header giving their size. 100 files to a folder.

usage: bench/make_media.py DIR [MP3_COUNT] [JPEG_COUNT]"""
import os
import struct
import sys


def mp3(i):
    frames = {
        b"TPE1": f"Artist {i % 97}",
        b"TIT2": f"Title number {i}",
        b"TALB": f"Album {i // 12}",
        b"TDRC": str(1960 + i % 60),
    }
    body = b""
    for fid, text in frames.items():
        content = b"\x03" + text.encode()
        body += fid + struct.pack(">I", len(content)) + b"\0\0" + content
    size = len(body)
    syncsafe = bytes((size >> s) & 0x7F for s in (21, 14, 7, 0))
    frame = b"\xFF\xFB\x90\x00" + bytes(413)
    return b"ID3\x04\0\0" + syncsafe + body + frame * 39


def jpeg(i):
    model = b"Camera %d\0" % (i % 7)
    taken = b"20%02d:%02d:%02d 10:%02d:00\0" % (i % 25, i % 12 + 1, i % 28 + 1, i % 60)
    ifd0, exif_ifd = 8, 8 + 2 + 24 + 4
    data = exif_ifd + 2 + 12 + 4
    tiff = b"II*\0" + struct.pack("<I", ifd0)
    tiff += struct.pack("<H", 2)
    tiff += struct.pack("<HHII", 0x0110, 2, len(model), data)
    tiff += struct.pack("<HHII", 0x8769, 4, 1, exif_ifd)
    tiff += struct.pack("<I", 0)
    tiff += struct.pack("<H", 1)
    tiff += struct.pack("<HHII", 0x9003, 2, len(taken), data + len(model))
    tiff += struct.pack("<I", 0)
    tiff += model + taken
    exif = b"Exif\0\0" + tiff
    out = b"\xFF\xD8\xFF\xE1" + struct.pack(">H", len(exif) + 2) + exif
    out += b"\xFF\xC0" + struct.pack(">HBHH", 17, 8, 3000 + i % 100, 4000) + b"\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01"
    # Some picture data, as a photo has after its headers.
    out += b"\xFF\xDA" + struct.pack(">H", 12) + b"\x03\x01\x00\x02\x11\x03\x11\x00\x3F\x00" + bytes(20000)
    return out + b"\xFF\xD9"


def main():
    root = sys.argv[1]
    mp3s = int(sys.argv[2]) if len(sys.argv) > 2 else 10000
    jpegs = int(sys.argv[3]) if len(sys.argv) > 3 else 1000
    stamp = os.path.join(root, ".made")
    want = f"{mp3s} {jpegs}\n"
    if os.path.exists(stamp) and open(stamp).read() == want:
        return
    for i in range(mp3s):
        d = os.path.join(root, "music", f"album{i // 100:03d}")
        os.makedirs(d, exist_ok=True)
        with open(os.path.join(d, f"track{i:05d}.mp3"), "wb") as f:
            f.write(mp3(i))
    for i in range(jpegs):
        d = os.path.join(root, "photos", f"roll{i // 100:03d}")
        os.makedirs(d, exist_ok=True)
        with open(os.path.join(d, f"IMG_{i:05d}.JPG"), "wb") as f:
            f.write(jpeg(i))
    with open(stamp, "w") as f:
        f.write(want)


main()
