#!/usr/bin/env python3
"""Writes curve files byte by byte, independently of the program's writer.

default.wvr   the four channels' default points, counts 4 (header of 20 characters)
handmade.wvr  counts 5, 12, 4, 30 with points by the formula below; reserved bytes not zero
header21.wvr  the default points behind a 21-character header (one byte after the end mark)
"""
import os
import struct
import sys

DEFAULTS = [
    [(5, 20), (15, 10), (30, 45), (70, 30)],
    [(15, 20), (35, 40), (60, 40), (85, 20)],
    [(20, 40), (50, 90), (100, 40), (180, 40)],
    [(10, 50), (30, 50), (31, 80), (70, 80)],
]
HANDMADE_COUNTS = [5, 12, 4, 30]


def handmade_point(chan, index):
    """Channel and index count from 1; values with fractions that doubles hold exactly."""
    return (chan * 100 + index * 1.5 + 0.125, chan - index * 2.75)


def header(counts, tail=b""):
    text = b"CurveSynth" + b"".join(b"|%d" % n for n in counts) + b"@\x1a" + tail
    return struct.pack("<B", len(text)) + text


def record(x, y, reserved=b"\0" * 12):
    return struct.pack("<dd", x, y) + reserved


def main(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    default = header([4, 4, 4, 4]) + b"".join(
        record(x, y) for chan in DEFAULTS for (x, y) in chan)
    handmade = header(HANDMADE_COUNTS) + b"".join(
        record(*handmade_point(c, i), reserved=bytes(range(0xA0, 0xAC)))
        for c in range(1, 5) for i in range(1, HANDMADE_COUNTS[c - 1] + 1))
    header21 = header([4, 4, 4, 4], tail=b" ") + default[21:]
    assert len(default) == 469
    for name, data in (("default.wvr", default), ("handmade.wvr", handmade),
                       ("header21.wvr", header21)):
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main(sys.argv[1])
