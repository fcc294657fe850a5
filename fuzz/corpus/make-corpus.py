#!/usr/bin/env python3
"""Writes the fuzz targets' starting corpora: box texts and tiny pictures of
every kind Qt reads, drawn here byte by byte. Run again only to change them."""

import pathlib
import struct
import zlib

HERE = pathlib.Path(__file__).resolve().parent

TEXTS = [
    "", "0", "00", "0.4", "2.5", "3.5", "-1", "-0.4", "+5", ".5", "5.",
    "32767", "32767.4", "32767.5", "32768", "99999999999999999999",
    "1e3", "abc", "１２００", "－１", "．５", " 250 ", "\t7\u3000",
    "250ms", "&H10", "1.2.3", "0" * 40 + "7",
]


def le(fmt, *values):
    return struct.pack("<" + fmt, *values)


def bmp(width, height, bits, pixels, palette=b"", compression=0, info=40):
    """palette holds the colour table, or the three masks of a bit-field BMP."""
    offset = 14 + info + len(palette)
    if info == 12:  # the old OS/2 header
        header = le("IHHHH", 12, width, height, 1, bits)
    else:
        header = le("IiiHHIIiiII", info, width, height, 1, bits, compression,
                    len(pixels), 2835, 2835, len(palette) // 4 if bits <= 8 else 0, 0)
        header += bytes(info - 40)  # a newer header's masks and colour space, left empty
    return b"BM" + le("IHHI", offset + len(pixels), 0, 0, offset) + header + palette + pixels


def png(width, height, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    raw = b"".join(b"\0" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


PICTURES = {
    "bmp24": bmp(2, 2, 24, b"\0\0\xff\0\xff\0\0\0" + b"\xff\0\0\xff\xff\xff\0\0"),
    "bmp8-palette": bmp(3, 2, 8, b"\0\1\2\0" + b"\2\1\0\0",
                        palette=b"\0\0\xff\0" + b"\0\xff\0\0" + b"\xff\0\0\0"),
    "bmp8-rle": bmp(4, 2, 8, b"\x04\x01" + b"\0\0" + b"\x02\x00\x02\x01" + b"\0\1",
                    palette=b"\0\0\0\0" + b"\xff\xff\xff\0", compression=1),
    "bmp4-rle": bmp(4, 1, 4, b"\x04\x12" + b"\0\1", palette=b"\0\0\0\0" + b"\xff\xff\xff\0" * 2,
                    compression=2),
    "bmp1": bmp(8, 1, 1, b"\xa5\0\0\0", palette=b"\0\0\0\0" + b"\xff\xff\xff\0"),
    "bmp32-bitfields": bmp(1, 1, 32, b"\x10\x20\x30\x40", palette=le("III", 0xFF0000, 0xFF00, 0xFF),
                           compression=3),
    "bmp-os2": bmp(1, 1, 24, b"\x10\x20\x30\0", info=12),
    "bmp4": bmp(3, 1, 4, b"\x01\x20\0\0", palette=b"\0\0\0\0" + b"\xff\xff\xff\0" + b"\0\0\xff\0"),
    "bmp16": bmp(2, 1, 16, b"\x1f\x00\xe0\x7f"),
    "bmp32": bmp(1, 2, 32, b"\x10\x20\x30\0" + b"\x40\x50\x60\0"),
    "bmp24-v5-top-down": bmp(1, -2, 24, b"\x10\x20\x30\0" + b"\x40\x50\x60\0", info=124),
    "png": png(2, 1, [b"\xff\0\0\0\xff\0"]),
    "gif": b"GIF89a" + le("HHBBB", 1, 1, 0x80, 0, 0) + b"\0\0\0\xff\xff\xff" +
    b"," + le("HHHHB", 0, 0, 1, 1, 0) + b"\x02\x02\x44\x01\0;",
    "ppm": b"P6\n2 1\n255\n\xff\0\0\0\xff\0",
    "pgm-plain": b"P2\n2 2\n15\n0 5\n10 15\n",
    "xbm": b"#define a_width 8\n#define a_height 1\nstatic char a_bits[] = { 0x5a };\n",
    "xpm": b'/* XPM */\nstatic char *a[] = {\n"2 1 2 1",\n"a c #ff0000",\n"b c #0000ff",\n"ab"};\n',
}


def main():
    texts = HERE / "fuzz_box_number"
    texts.mkdir(exist_ok=True)
    for i, text in enumerate(TEXTS):
        (texts / f"text{i:02}").write_bytes(text.encode("utf-16-le"))
    pictures = HERE / "fuzz_picture_file"
    pictures.mkdir(exist_ok=True)
    for name, data in PICTURES.items():
        (pictures / name).write_bytes(data)
        if name.startswith("bmp"):  # cut short: one byte of pixels or run-length data missing
            (pictures / f"{name}-cut").write_bytes(data[:-1])


if __name__ == "__main__":
    main()
