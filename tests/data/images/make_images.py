#!/usr/bin/python3
"""Writes the image fixtures of this folder: PNGs by hand with zlib, JPEG and TIFF with
ImageMagick's convert (/usr/bin/convert), and the damaged and oversized ones from them."""
import pathlib
import struct
import subprocess
import zlib

HERE = pathlib.Path(__file__).resolve().parent
CONVERT = "/usr/bin/convert"

# 3 by 2, RGBA, rows from the top; alpha 255, 128, 0, 255, 64, 255.
TINY = [
    [(255, 0, 0, 255), (0, 255, 0, 128), (0, 0, 255, 0)],
    [(10, 20, 30, 255), (200, 100, 50, 64), (255, 255, 255, 255)],
]
# 2 by 2, four opaque colours, for the palette TIFF.
PALETTE = [[(255, 0, 0), (0, 128, 0)], [(0, 0, 255), (255, 255, 0)]]


def chunk(kind, body, crc=None):
    crc = zlib.crc32(kind + body) if crc is None else crc
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", crc)


def png(width, height, raw, idat_crc=None):
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw), idat_crc) + chunk(b"IEND", b""))


def rgba_rows(rows):
    return b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in rows)


def ppm(rows):
    height, width = len(rows), len(rows[0])
    return b"P6 %d %d 255\n" % (width, height) + bytes(v for row in rows for p in row for v in p)


def convert(source, *arguments):
    return subprocess.run([CONVERT, *arguments], input=source, check=True,
                          capture_output=True).stdout


def patched_jpeg_size(jpeg, width, height):
    """The JPEG with the size in its baseline frame header replaced."""
    at = jpeg.index(b"\xff\xc0")
    return jpeg[:at + 5] + struct.pack(">HH", height, width) + jpeg[at + 9:]


def tiff_header_only(width, height):
    """A little-endian greyscale TIFF whose one strip holds a single byte."""
    entries = [(256, 4, width), (257, 4, height), (258, 3, 8), (259, 3, 1), (262, 3, 1),
               (273, 4, 8), (277, 3, 1), (278, 4, height), (279, 4, 1)]
    ifd = struct.pack("<H", len(entries))
    for tag, kind, value in entries:
        packed = struct.pack("<I", value) if kind == 4 else struct.pack("<HH", value, 0)
        ifd += struct.pack("<HHI", tag, kind, 1) + packed
    ifd += struct.pack("<I", 0)
    return b"II*\0" + struct.pack("<I", 10) + b"\0\0" + ifd


def main():
    tiny_png = png(3, 2, rgba_rows(TINY))
    (HERE / "tiny.png").write_bytes(tiny_png)
    (HERE / "broken-crc.png").write_bytes(png(3, 2, rgba_rows(TINY), idat_crc=0))
    (HERE / "tiny.tif").write_bytes(convert(tiny_png, "png:-", "-strip", "-compress", "lzw",
                                            "tif:-"))
    (HERE / "tiny-bigendian.tif").write_bytes(
        convert(tiny_png, "png:-", "-strip", "-define", "tiff:endian=msb", "-compress", "none", "tif:-"))
    (HERE / "tiny-associated.tif").write_bytes(
        convert(tiny_png, "png:-", "-strip", "-define", "tiff:alpha=associated",
                "-compress", "none", "tif:-"))
    (HERE / "tiny-palette.tif").write_bytes(
        convert(ppm(PALETTE), "ppm:-", "-strip", "-type", "Palette", "-compress", "none",
                "tif:-"))
    # 16 by 8: a red and a blue 8-by-8 block, so that each block is flat.
    halves = [[(255, 0, 0)] * 8 + [(0, 0, 255)] * 8 for _ in range(8)]
    tiny_jpeg = convert(ppm(halves), "ppm:-", "-strip", "-quality", "100",
                        "-sampling-factor", "1x1", "jpg:-")
    (HERE / "tiny.jpg").write_bytes(tiny_jpeg)
    # Just over 100 megapixels, and, for the TIFF, a size whose pixel count wraps to 0 in
    # 32 bits.
    (HERE / "huge.png").write_bytes(png(10001, 10000, b"\0" * 16))
    (HERE / "huge.jpg").write_bytes(patched_jpeg_size(tiny_jpeg, 10001, 10000))
    (HERE / "huge.tif").write_bytes(tiff_header_only(65536, 65536))


if __name__ == "__main__":
    main()
