#!/usr/bin/env python3
"""Draws the twelve 16x16 tree icons and writes them as Windows BMP files into a C++ header.

usage: make_icons.py OUT_HEADER [PREVIEW_DIR]
Ten icons are 4 bits per pixel (246 bytes), the two folders 24 bits per pixel (822 bytes).
PREVIEW_DIR, when given, receives each .bmp for looking at.
"""
import struct
import sys

# The standard 16-colour palette; one letter each in the drawings below.
PALETTE = [
    ("k", (0, 0, 0)), ("m", (128, 0, 0)), ("g", (0, 128, 0)), ("o", (128, 128, 0)),
    ("n", (0, 0, 128)), ("p", (128, 0, 128)), ("t", (0, 128, 128)), ("s", (192, 192, 192)),
    ("d", (128, 128, 128)), ("R", (255, 0, 0)), ("G", (0, 255, 0)), ("Y", (255, 255, 0)),
    ("B", (0, 0, 255)), ("F", (255, 0, 255)), ("C", (0, 255, 255)), (".", (255, 255, 255)),
]
# Extra colours for the 24-bit folders.
RGB24 = dict(PALETTE)
RGB24.update({"f": (240, 200, 80), "h": (255, 232, 150), "b": (160, 110, 20), "w": (255, 250, 225)})
INDEX = {c: i for i, (c, _) in enumerate(PALETTE)}

CHECK = [  # 9 x 8, placed bottom right on the combined icons
    "        g",
    "       gg",
    "      gGg",
    "g    gGg ",
    "gg  gGg  ",
    "gGggGg   ",
    " gGGg    ",
    "  gg     ",
]
BIG_CHECK = [
    "                ",
    "                ",
    "             gg ",
    "            gGg ",
    "           gGg  ",
    "          gGg   ",
    "         gGg    ",
    " gg     gGg     ",
    " gGg   gGg      ",
    "  gGg gGg       ",
    "   gGgGg        ",
    "    gGg         ",
    "     g          ",
    "                ",
    "                ",
    "                ",
]
CROSS = [
    "                ",
    "                ",
    "  mm        mm  ",
    "  mmm      mmm  ",
    "   mmm    mmm   ",
    "    mmm  mmm    ",
    "     mmmmmm     ",
    "      mmmm      ",
    "      mmmm      ",
    "     mmmmmm     ",
    "    mmm  mmm    ",
    "   mmm    mmm   ",
    "  mmm      mmm  ",
    "  mm        mm  ",
    "                ",
    "                ",
]
CLIP = [  # 6 x 14
    "  kk  ",
    " k  k ",
    "k    k",
    "k kk k",
    "k k  k",
    "k k  k",
    "k k  k",
    "k k  k",
    "k k  k",
    "k k  k",
    "k    k",
    "k    k",
    " k  k ",
    "  kk  ",
]
BIN = [  # 10 x 13
    "   kkkk   ",
    "kkkkkkkkkk",
    "kssssssssk",
    "kkkkkkkkkk",
    " ksdsdsdk ",
    " ksdsdsdk ",
    " ksdsdsdk ",
    " ksdsdsdk ",
    " ksdsdsdk ",
    " ksdsdsdk ",
    " ksdsdsdk ",
    " ksdsdsdk ",
    "  kkkkkk  ",
]
PLANE = [
    "       n        ",
    "      nBn       ",
    "      nBn       ",
    "      nBn       ",
    "      nBn       ",
    " nnnnnnBnnnnnn  ",
    "nBBBBBBBBBBBBBn ",
    " nnnnnnBnnnnnn  ",
    "      nBn       ",
    "      nBn       ",
    "      nBn       ",
    "      nBn       ",
    "    nnnBnnn     ",
    "    nBBBBBn     ",
    "     nnnnn      ",
    "                ",
]
FOLDER_CLOSED = [
    "                ",
    " bbbbb          ",
    "bhhhhhb         ",
    "bhhhhhhbbbbbbbb ",
    "bffffffffffffffb",
    "bffffffffffffffb",
    "bffffffffffffffb",
    "bffffffffffffffb",
    "bffffffffffffffb",
    "bffffffffffffffb",
    "bffffffffffffffb",
    "bffffffffffffffb",
    "bffffffffffffffb",
    "bffffffffffffffb",
    " bbbbbbbbbbbbbb ",
    "                ",
]
SMALL_PLANE = [  # 9 x 8, on the closed folder
    "    n    ",
    "    B    ",
    "   nBn   ",
    "nnnnBnnnn",
    "BBBBBBBBB",
    "    B    ",
    "   nBn   ",
    "  BBBBB  ",
]
FOLDER_OPEN = [
    "                ",
    " bbbbb          ",
    "bhhhhhb         ",
    "bhhhhhhbbbbbbb  ",
    "bhwwwwwwwwwwwhb ",
    "bhwbbbbbbbbbbbbb",
    "bhbffffffffffffb",
    "bhbffffffffffffb",
    "bbffffffffffffb ",
    "bbffffffffffffb ",
    "bffffffffffffb  ",
    "bffffffffffffb  ",
    "bfffffffffffb   ",
    "bbbbbbbbbbbbb   ",
    "                ",
    "                ",
]


def canvas():
    return [["." for _ in range(16)] for _ in range(16)]


def put(img, sprite, x, y):
    for r, row in enumerate(sprite):
        for c, ch in enumerate(row):
            if ch != " ":
                img[y + r][x + c] = ch
    return img


def white_halo(img, sprite, x, y):
    # Clears a one-pixel ring around a sprite so overlapping pictures stay apart.
    h, w = len(sprite), len(sprite[0])
    for r in range(y - 1, y + h + 1):
        for c in range(x - 1, x + w + 1):
            if 0 <= r < 16 and 0 <= c < 16:
                rr, cc = r - y, c - x
                inside = 0 <= rr < h and 0 <= cc < w and sprite[rr][cc] != " "
                near = any(
                    0 <= rr + dr < h and 0 <= cc + dc < w and sprite[rr + dr][cc + dc] != " "
                    for dr in (-1, 0, 1) for dc in (-1, 0, 1))
                if near and not inside:
                    img[r][c] = "."
    return img


def layered(*layers):
    img = canvas()
    for sprite, x, y in layers:
        white_halo(img, sprite, x, y)
        put(img, sprite, x, y)
    return img


ICONS = [  # file, picture, bits per pixel
    ("Ok.bmp", put(canvas(), BIG_CHECK, 0, 0), 4),
    ("Leer.bmp", canvas(), 4),
    ("NichtOk.bmp", put(canvas(), CROSS, 0, 0), 4),
    ("Klammer.bmp", layered((CLIP, 5, 1)), 4),
    ("MuellEimer.bmp", layered((BIN, 3, 2)), 4),
    ("Modell.bmp", put(canvas(), PLANE, 0, 0), 4),
    ("KlammerUndMuell.bmp", layered((BIN, 0, 3), (CLIP, 10, 0)), 4),
    ("KlammerOk.bmp", layered((CLIP, 2, 1), (CHECK, 7, 8)), 4),
    ("MuellEimerOk.bmp", layered((BIN, 0, 1), (CHECK, 7, 8)), 4),
    ("KlammerUndMuellOk.bmp", layered((BIN, 0, 3), (CLIP, 10, 0), (CHECK, 7, 8)), 4),
    ("OrdnerModell.bmp", put([list(r) for r in FOLDER_CLOSED], SMALL_PLANE, 4, 5), 24),
    ("OrdnerOffen.bmp", [list(r) for r in FOLDER_OPEN], 24),
]


def bmp(img, bpp):
    rows = []
    for row in reversed(img):  # bottom-up
        if bpp == 4:
            idx = [INDEX.get(ch if ch != " " else ".", 15) for ch in row]
            rows.append(bytes((idx[i] << 4) | idx[i + 1] for i in range(0, 16, 2)))
        else:
            px = b""
            for ch in row:
                r, g, b = RGB24[ch if ch != " " else "."]
                px += bytes((b, g, r))
            rows.append(px)
    pixels = b"".join(rows)
    palette = b"".join(bytes((b, g, r, 0)) for _, (r, g, b) in PALETTE) if bpp == 4 else b""
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, 16, 16, 1, bpp, 0, len(pixels), 2835, 2835,
                       16 if bpp == 4 else 0, 0)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    data = head + info + palette + pixels
    assert len(data) == (246 if bpp == 4 else 822), (len(data), bpp)
    return data


def ident(name):
    return "k" + name[:-4] + "Bmp"


def main():
    out = sys.argv[1]
    preview = sys.argv[2] if len(sys.argv) > 2 else None
    lines = [
        "// Generated by tools/icons/make_icons.py; do not edit by hand.",
        "#pragma once",
        "",
        "#include <array>",
        "#include <cstdint>",
        "",
        "namespace core::icon_bitmaps {",
        "",
    ]
    for name, img, bpp in ICONS:
        data = bmp(img, bpp)
        if preview:
            with open(f"{preview}/{name}", "wb") as f:
                f.write(data)
        lines.append(f"// {name}")
        lines.append(f"inline constexpr std::array<std::uint8_t, {len(data)}> {ident(name)} = {{")
        for i in range(0, len(data), 16):
            lines.append("    " + ", ".join(f"0x{b:02X}" for b in data[i:i + 16]) + ",")
        lines.append("};")
        lines.append("")
    lines.append("}  // namespace core::icon_bitmaps")
    with open(out, "w") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
