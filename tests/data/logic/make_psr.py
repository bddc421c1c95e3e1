#!/usr/bin/env python3
"""Writes the logic data files the tests compare with, byte by byte from the file layout:
a length byte and the header text, 32 names as length byte and characters, the sample bytes.

  default.psr   what a display with every default saves (4000 zero bytes, names "Chan n")
  handmade.psr  16-bit samples, a negative trigger, a small time base, odd names

Run it in this folder after changing it; the files are kept in the repository.
"""


def counted(data: bytes) -> bytes:
    assert len(data) < 256
    return bytes([len(data)]) + data


def psr(time_base: str, trigger: int, size: int, buffer_size: int, names, samples: bytes) -> bytes:
    header = b"Pulsaric|%s|%d|%d|%d@\x1a" % (time_base.encode(), trigger, size, buffer_size)
    assert len(names) == 32
    return counted(header) + b"".join(counted(n) for n in names) + samples


def main():
    default = psr("1E-5", 4, 2, 4000, [b"Chan %d" % i for i in range(32)], bytes(4000))
    assert len(default) == 4271
    with open("default.psr", "wb") as f:
        f.write(default)

    names = [b"CLK", b"DATA", b"", "Z\u00e4hler".encode("cp1252"), b"n" * 255]
    names += [b"Chan %d" % i for i in range(5, 32)]
    samples = bytes((i * 7) & 0xFF for i in range(200))
    with open("handmade.psr", "wb") as f:
        f.write(psr("2.5E-7", -3, 1, 200, names, samples))


if __name__ == "__main__":
    main()
