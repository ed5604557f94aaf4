#!/usr/bin/env python3
"""Draws the product pictures of the demo vendor site.

Reads the products of the demo catalogue (the `tp` picture name, category,
brand and model of every row of zov_access_b) and writes one 190 x 190
picture per product into the picture folder of the demo site: a light
background tinted by category, a simple drawing of the kind of component
(board, processor, graphics card, drive, memory stick, case, power supply,
monitor, keyboard and mouse, cooler, speakers), colours and details varied per
brand and product, and the model's key figures ("RTX 4060", "850W", "27\"")
in a small pixel font.

The files are PNG images under the catalogue's names (which end in ".jpg"):
picture labels and browsers recognise an image by its content, and PNG can be
written with zlib alone. The output is deterministic.

  scripts/generate_demo_pictures.py [--sql FILE] [--out FOLDER]
      (defaults: demo/catalogue.sql and demo/site/tp)
"""

import argparse
import math
import os
import random
import re
import struct
import sys
import zlib

SIZE = 190
REPOSITORY = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PICTURE_SUFFIXES = (".jpg", ".jpeg", ".png", ".gif", ".bmp")

# ---------------------------------------------------------------------------
# Reading the catalogue


def sql_values(text, start):
    """Parses the tuples of an INSERT ... VALUES list beginning at start;
    returns the list of tuples (strings, ints or None)."""
    rows, row, i = [], None, start
    while i < len(text):
        ch = text[i]
        if ch == ";" and row is None:
            break
        if ch == "(":
            row = []
        elif ch == ")":
            rows.append(row)
            row = None
        elif ch == "'":
            value, i = sql_string(text, i)
            row.append(value)
            continue
        elif row is not None and (ch.isalnum() or ch in "-."):
            match = re.compile(r"[-.\w]+").match(text, i)
            token = match.group(0)
            row.append(None if token.upper() == "NULL" else
                       int(token) if re.fullmatch(r"-?\d+", token) else token)
            i = match.end()
            continue
        i += 1
    return rows


def sql_string(text, i):
    """The quoted string at text[i] with '' and backslash escapes undone;
    returns it with the index after its closing quote."""
    out, i = [], i + 1
    while i < len(text):
        ch = text[i]
        if ch == "\\" and i + 1 < len(text):
            out.append({"n": "\n", "t": "\t", "0": "\0"}.get(text[i + 1], text[i + 1]))
            i += 2
        elif ch == "'" and text[i + 1:i + 2] == "'":
            out.append("'")
            i += 2
        elif ch == "'":
            return "".join(out), i + 1
        else:
            out.append(ch)
            i += 1
    raise ValueError("unterminated string in the SQL file")


def read_products(sql_path):
    with open(sql_path, "r", encoding="utf-8") as f:
        text = f.read()
    products = []
    pattern = re.compile(r"INSERT\s+INTO\s+zov_access_b\s*\(([^)]*)\)\s*VALUES", re.I)
    for match in pattern.finditer(text):
        columns = [c.strip().strip("`").lower() for c in match.group(1).split(",")]
        for values in sql_values(text, match.end()):
            products.append(dict(zip(columns, values)))
    return products


# ---------------------------------------------------------------------------
# Colours


def mix(a, b, t):
    """The colour t of the way from a to b."""
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def lighter(c, t):
    return mix(c, (255, 255, 255), t)


def darker(c, t):
    return mix(c, (0, 0, 0), t)


def hue(h, s=0.65, v=0.85):
    """An RGB colour from hue (0..1), saturation and value."""
    i = int(h * 6) % 6
    f = h * 6 - int(h * 6)
    p, q, t = v * (1 - s), v * (1 - s * f), v * (1 - s * (1 - f))
    r, g, b = [(v, t, p), (q, v, p), (p, v, t), (p, q, v), (t, p, v), (v, p, q)][i]
    return (int(r * 255), int(g * 255), int(b * 255))


def vertical(top, bottom, y0, y1):
    """A fill whose colour runs from top at row y0 to bottom at row y1."""
    span = max(1.0, y1 - y0)
    return lambda y: mix(top, bottom, min(1.0, max(0.0, (y - y0) / span)))


GOLD = (214, 170, 60)
SILVER = (196, 200, 206)
STEEL = (120, 126, 134)
BLACK = (28, 30, 34)
CHARCOAL = (48, 51, 57)
WHITE = (246, 247, 249)

# ---------------------------------------------------------------------------
# A 5 x 7 pixel font for the model figures (rows top to bottom, 5 bits each)

FONT = {
    "0": (14, 17, 19, 21, 25, 17, 14), "1": (4, 12, 4, 4, 4, 4, 14),
    "2": (14, 17, 1, 2, 4, 8, 31), "3": (31, 2, 4, 2, 1, 17, 14),
    "4": (2, 6, 10, 18, 31, 2, 2), "5": (31, 16, 30, 1, 1, 17, 14),
    "6": (6, 8, 16, 30, 17, 17, 14), "7": (31, 1, 2, 4, 8, 8, 8),
    "8": (14, 17, 17, 14, 17, 17, 14), "9": (14, 17, 17, 15, 1, 2, 12),
    "A": (14, 17, 17, 17, 31, 17, 17), "B": (30, 17, 17, 30, 17, 17, 30),
    "C": (14, 17, 16, 16, 16, 17, 14), "D": (28, 18, 17, 17, 17, 18, 28),
    "E": (31, 16, 16, 30, 16, 16, 31), "F": (31, 16, 16, 30, 16, 16, 16),
    "G": (14, 17, 16, 23, 17, 17, 15), "H": (17, 17, 17, 31, 17, 17, 17),
    "I": (14, 4, 4, 4, 4, 4, 14), "J": (7, 2, 2, 2, 2, 18, 12),
    "K": (17, 18, 20, 24, 20, 18, 17), "L": (16, 16, 16, 16, 16, 16, 31),
    "M": (17, 27, 21, 21, 17, 17, 17), "N": (17, 17, 25, 21, 19, 17, 17),
    "O": (14, 17, 17, 17, 17, 17, 14), "P": (30, 17, 17, 30, 16, 16, 16),
    "Q": (14, 17, 17, 17, 21, 18, 13), "R": (30, 17, 17, 30, 20, 18, 17),
    "S": (15, 16, 16, 14, 1, 1, 30), "T": (31, 4, 4, 4, 4, 4, 4),
    "U": (17, 17, 17, 17, 17, 17, 14), "V": (17, 17, 17, 17, 17, 10, 4),
    "W": (17, 17, 17, 21, 21, 21, 10), "X": (17, 17, 10, 4, 10, 17, 17),
    "Y": (17, 17, 17, 10, 4, 4, 4), "Z": (31, 1, 2, 4, 8, 16, 31),
    "-": (0, 0, 0, 31, 0, 0, 0), ".": (0, 0, 0, 0, 0, 12, 12),
    "+": (0, 4, 4, 31, 4, 4, 0), "/": (0, 1, 2, 4, 8, 16, 0),
    "\"": (10, 10, 0, 0, 0, 0, 0), " ": (0, 0, 0, 0, 0, 0, 0),
}


def text_width(text, scale):
    return max(0, len(text) * 6 * scale - scale)


# ---------------------------------------------------------------------------
# The canvas: rows of RGB bytes, filled span by span. Span ends are blended
# by coverage, which smooths the outlines of round shapes at little cost.


class Canvas:
    def __init__(self, top, bottom):
        self.w = self.h = SIZE
        self.background = [mix(top, bottom, y / (SIZE - 1)) for y in range(SIZE)]
        self.rows = [bytearray(bytes(c) * SIZE) for c in self.background]

    def _blend(self, row, x, colour, coverage):
        if coverage > 0.02 and 0 <= x < self.w:
            i = 3 * x
            t = min(1.0, coverage)
            row[i:i + 3] = bytes(int(old + (new - old) * t)
                                 for old, new in zip(row[i:i + 3], colour))

    def span(self, y, xa, xb, fill):
        if not 0 <= y < self.h:
            return
        xa, xb = max(0.0, xa), min(float(self.w), xb)
        if xb <= xa:
            return
        colour = fill(y) if callable(fill) else fill
        row = self.rows[y]
        i0, i1 = math.ceil(xa), math.floor(xb)
        if i0 > i1:  # both ends inside one pixel
            self._blend(row, i1, colour, xb - xa)
            return
        if i1 > i0:
            row[3 * i0:3 * i1] = bytes(colour) * (i1 - i0)
        if i0 - xa > 0.02:
            self._blend(row, i0 - 1, colour, i0 - xa)
        if xb - i1 > 0.02:
            self._blend(row, i1, colour, xb - i1)

    def rect(self, x0, y0, x1, y1, fill):
        for y in range(int(round(y0)), int(round(y1))):
            self.span(y, x0, x1, fill)

    def round_rect(self, x0, y0, x1, y1, r, fill):
        r = min(r, (x1 - x0) / 2, (y1 - y0) / 2)
        for y in range(int(round(y0)), int(round(y1))):
            yc = y + 0.5
            d = max(y0 + r - yc, yc - (y1 - r), 0.0)
            inset = r - math.sqrt(max(0.0, r * r - d * d)) if d > 0 else 0.0
            self.span(y, x0 + inset, x1 - inset, fill)

    def ellipse(self, cx, cy, rx, ry, fill):
        for y in range(int(math.floor(cy - ry)), int(math.ceil(cy + ry))):
            t = (y + 0.5 - cy) / ry
            if abs(t) < 1:
                half = rx * math.sqrt(1 - t * t)
                self.span(y, cx - half, cx + half, fill)

    def circle(self, cx, cy, r, fill):
        self.ellipse(cx, cy, r, r, fill)

    def ring(self, cx, cy, outer, inner, fill):
        """The band between two concentric circles."""
        for y in range(int(math.floor(cy - outer)), int(math.ceil(cy + outer))):
            d = y + 0.5 - cy
            if abs(d) >= outer:
                continue
            ho = math.sqrt(outer * outer - d * d)
            hi = math.sqrt(inner * inner - d * d) if abs(d) < inner else 0.0
            if hi > 0:
                self.span(y, cx - ho, cx - hi, fill)
                self.span(y, cx + hi, cx + ho, fill)
            else:
                self.span(y, cx - ho, cx + ho, fill)

    def polygon(self, points, fill):
        """Fills a polygon (even-odd rule) row by row."""
        ys = [p[1] for p in points]
        edges = list(zip(points, points[1:] + points[:1]))
        for y in range(int(math.floor(min(ys))), int(math.ceil(max(ys)))):
            yc = y + 0.5
            xs = sorted(ax + (yc - ay) * (bx - ax) / (by - ay)
                        for (ax, ay), (bx, by) in edges
                        if (ay <= yc < by) or (by <= yc < ay))
            for xa, xb in zip(xs[0::2], xs[1::2]):
                self.span(y, xa, xb, fill)

    def shadow(self, cx, cy, rx, ry, strength=0.22):
        """A soft floor shadow: nested ellipses darkening the background."""
        for step in range(4):
            t = 1 - step / 4
            alpha = strength * (step + 1) / 4
            self.ellipse(cx, cy, rx * t, ry * t,
                         lambda y, a=alpha: mix(self.background[y], (60, 64, 72), a))

    def text(self, x, y, text, scale, colour):
        for ch in text.upper():
            for row, bits in enumerate(FONT.get(ch, FONT[" "])):
                col = 0
                while col < 5:  # one rectangle per run of set pixels
                    if bits & (16 >> col):
                        end = col
                        while end < 5 and bits & (16 >> end):
                            end += 1
                        self.rect(x + col * scale, y + row * scale,
                                  x + end * scale, y + (row + 1) * scale, colour)
                        col = end
                    else:
                        col += 1
            x += 6 * scale

    def centred_text(self, cx, y, text, scale, colour, max_width=SIZE - 8):
        while text and text_width(text, scale) > max_width:
            if scale > 1:
                scale -= 1
            else:
                text = text[:-1]
        self.text(cx - text_width(text, scale) / 2, y, text, scale, colour)

    def png(self):
        raw = b"".join(b"\x00" + bytes(row) for row in self.rows)

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        header = struct.pack(">IIBBBBB", self.w, self.h, 8, 2, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                + chunk(b"IDAT", zlib.compress(raw, 6)) + chunk(b"IEND", b""))


# ---------------------------------------------------------------------------
# Shared parts


def fan(c, cx, cy, r, frame, blade, hub, blades=7, turn=0.0, ring=None):
    """A case fan seen from the front: frame, blades and hub."""
    c.circle(cx, cy, r, frame)
    if ring:
        c.circle(cx, cy, r * 0.94, ring)
    c.circle(cx, cy, r * 0.86, darker(frame, 0.35))
    for k in range(blades):
        a = turn + 2 * math.pi * k / blades
        w = math.pi / blades * 0.9
        inner, outer = r * 0.3, r * 0.82
        c.polygon([(cx + inner * math.cos(a - w * 0.5), cy + inner * math.sin(a - w * 0.5)),
                   (cx + outer * math.cos(a - w * 0.2), cy + outer * math.sin(a - w * 0.2)),
                   (cx + outer * math.cos(a + w * 0.9), cy + outer * math.sin(a + w * 0.9)),
                   (cx + inner * math.cos(a + w * 0.5), cy + inner * math.sin(a + w * 0.5))],
                  blade)
    c.circle(cx, cy, r * 0.32, hub)
    c.circle(cx, cy, r * 0.14, lighter(hub, 0.25))


def gold_fingers(c, x0, x1, y0, y1, pitch=3):
    c.rect(x0, y0, x1, y1, darker(GOLD, 0.45))
    x = x0 + 1
    while x + pitch - 1 <= x1:
        c.rect(x, y0, x + pitch - 1, y1, GOLD)
        x += pitch


def ascii_words(model):
    return re.findall(r"[A-Za-z0-9](?:[A-Za-z0-9.+\-]*[A-Za-z0-9+])?", model)


def first(pattern, text, default=""):
    match = re.search(pattern, text)
    return match.group(0) if match else default


# ---------------------------------------------------------------------------
# One drawing per category. Each takes the canvas, the product, a generator
# of random numbers seeded by the picture name and the brand's colour.


def draw_motherboard(c, p, rng, accent):
    model = p["model"]
    micro = bool(re.search(r"[A-Z]\d{3}E?M\b|\dM[- ]", model)) or "ITX" in model
    x0, x1, y0 = 28, 162, 22
    y1 = 150 if micro else 166
    c.shadow(95, y1 + 6, 78, 9)
    pcb = rng.choice([BLACK, (34, 40, 48), (40, 44, 40), (24, 52, 44)])
    c.rect(x0, y0, x1, y1, vertical(lighter(pcb, 0.08), pcb, y0, y1))
    metal = vertical(lighter(accent, 0.35), darker(accent, 0.25), y0, y1)
    c.rect(x0 + 4, y0 + 4, x0 + 30, y0 + 58, metal)  # I/O cover
    c.rect(x0 + 34, y0 + 4, x0 + 82, y0 + 14, metal)  # VRM heatsinks
    c.rect(x0 + 4, y0 + 60, x0 + 14, y0 + 74, metal)
    c.rect(x0 + 40, y0 + 20, x0 + 80, y0 + 60, SILVER)  # socket
    c.rect(x0 + 46, y0 + 26, x0 + 74, y0 + 54, (150, 154, 160))
    c.rect(x0 + 50, y0 + 30, x0 + 70, y0 + 50, (176, 162, 110))
    slots = 4 if rng.random() < 0.7 or not micro else 2
    for k in range(slots):
        x = x0 + 92 + k * 9
        c.rect(x, y0 + 8, x + 5, y0 + 74, (210, 212, 216) if k % 2 else (90, 94, 100))
    c.rect(x1 - 10, y0 + 20, x1 - 4, y0 + 44, (230, 230, 230))  # power connector
    pcie = [y0 + 86, y0 + 108] if micro else [y0 + 86, y0 + 112, y0 + 132]
    for k, y in enumerate(pcie):
        c.rect(x0 + 8, y, x0 + 100, y + 6, SILVER if k == 0 else (70, 74, 80))
    c.rect(x0 + 20, y0 + 95, x0 + 96, y0 + 104, metal)  # M.2 cover
    c.round_rect(x1 - 40, y1 - 44, x1 - 6, y1 - 10, 4, metal)  # chipset cover
    for hx, hy in [(x0 + 5, y0 + 5), (x1 - 5, y0 + 5), (x0 + 5, y1 - 5), (x1 - 5, y1 - 5)]:
        c.circle(hx, hy, 2.5, SILVER)
    chipset = first(r"[ABHXZ]\d{3}E?", model, "")
    if chipset:
        c.centred_text(x1 - 23, y1 - 31, chipset, 1, WHITE)
    c.centred_text(95, 172 if not micro else 160, " ".join(ascii_words(model)[:3]), 2,
                   darker(accent, 0.4))


def draw_cpu(c, p, rng, accent):
    model, brand = p["model"], p.get("brand") or ""
    amd = "AMD" in brand or "锐龙" in model
    boxed = "盒装" in model or "盒装" in brand
    if amd:
        line1 = "AMD"
        tier = first(r"锐龙\s*\d", model)
        line2 = "RYZEN " + tier[-1:] if tier else "RYZEN"
        line3 = first(r"\d{4}[A-Z0-9]*", model)
        box_colour, substrate = (36, 36, 40), (30, 96, 62)
    else:
        line1 = "INTEL"
        ultra = first(r"Ultra\s*\d", model)
        line2 = ("ULTRA " + ultra[-1]) if ultra else ("CORE " + first(r"i\d", model).upper())
        line3 = first(r"\d{3,5}[A-Z]*", model.split("-")[-1] if "-" in model else model)
        box_colour, substrate = (0, 104, 181), (28, 84, 52)
    cx, cy, half = (124, 118, 46) if boxed else (95, 92, 62)
    if boxed:  # the retail box behind the processor
        c.shadow(90, 168, 74, 8)
        c.polygon([(16, 34), (36, 18), (150, 18), (130, 34)], lighter(box_colour, 0.3))
        c.polygon([(130, 34), (150, 18), (150, 146), (130, 162)], darker(box_colour, 0.3))
        c.rect(16, 34, 130, 162, vertical(lighter(box_colour, 0.15), darker(box_colour, 0.1), 34, 162))
        c.rect(16, 62, 130, 68, (232, 92, 32) if amd else lighter(box_colour, 0.45))
        c.text(24, 42, line1, 2, WHITE)
    else:
        c.shadow(cx, cy + half + 10, half + 10, 8)
    c.round_rect(cx - half, cy - half, cx + half, cy + half, 4, substrate)
    for k in range(8):  # capacitors along the edge
        c.rect(cx - half + 8 + k * (2 * half - 16) / 8, cy + half - 7,
               cx - half + 11 + k * (2 * half - 16) / 8, cy + half - 3, GOLD)
    inset = half * 0.16
    ihs = vertical((226, 228, 232), (168, 172, 180), cy - half, cy + half)
    c.round_rect(cx - half + inset, cy - half + inset, cx + half - inset, cy + half - inset, 5, ihs)
    if amd:  # the notches of the heat spreader
        for sx in (-1, 1):
            c.rect(cx + sx * (half - inset) - (6 if sx > 0 else 0), cy - 14,
                   cx + sx * (half - inset) + (6 if sx < 0 else 0), cy + 14, substrate)
    ink = (70, 74, 82)
    width = 2 * (half - inset) - 8
    c.centred_text(cx, cy - 26, line1, 2, ink, width)
    c.centred_text(cx, cy - 7, line2, 2, ink, width)
    c.centred_text(cx, cy + 12, line3, 2, darker(accent, 0.3) if not amd else (200, 70, 20),
                   width)


def draw_graphics_card(c, p, rng, accent):
    model = p["model"]
    words = model.upper()
    fans = 3 if re.search(r"3X|SUPRIM|STRIX|ULTRA|ADVANCED|4080|7900|TI SUPER", words) else 2
    if re.search(r"GT 1030|SLIM", words):
        fans = 1 if "1030" in words else 2
    white = bool(re.search(r"\bW\b|白|雪鹰", model))
    shroud = WHITE if white else rng.choice([CHARCOAL, (38, 40, 46), (58, 60, 66)])
    x0, x1 = 14, 178 if fans == 3 else 166
    if fans == 1:
        x1 = 120
    y0, y1 = 58, 136
    c.shadow((x0 + x1) / 2, y1 + 16, (x1 - x0) / 2, 8)
    c.rect(x0 - 6, y0 - 4, x0 + 2, y1 + 14, vertical(SILVER, STEEL, y0, y1))  # bracket
    gold_fingers(c, x0 + 24, x0 + 24 + min(80, x1 - x0 - 40), y1, y1 + 9)
    c.rect(x0 + 2, y1 - 4, x1, y1 + 2, (24, 70, 40))  # board edge
    c.round_rect(x0 + 2, y0, x1, y1, 8, vertical(lighter(shroud, 0.12), shroud, y0, y1))
    stripe = accent if not white else lighter(accent, 0.2)
    c.rect(x0 + 2, y0 + 6, x1 - 4, y0 + 9, stripe)
    blade = (88, 92, 100) if not white else (214, 216, 222)
    r = min(28.0, ((x1 - x0) - 16) / (2 * fans) - 1)
    for k in range(fans):
        fx = x0 + 10 + r + k * ((x1 - x0 - 18 - 2 * r) / max(1, fans - 1) if fans > 1 else 0)
        if fans == 1:
            fx = (x0 + x1) / 2
        fan(c, fx, (y0 + y1) / 2 + 2, r, darker(shroud, 0.15) if not white else (200, 202, 208),
            blade, darker(shroud, 0.3) if not white else (230, 232, 236), 9, rng.random(),
            ring=stripe if rng.random() < 0.5 else None)
    chip = first(r"(RTX|RX|GT|GTX|ARC)\s*\d{3,4}(\s*(Ti|XT|GRE|SUPER))*", model.replace("Ti SUPER", "TI S"))
    c.centred_text(95, 22, chip or " ".join(ascii_words(model)[:2]), 2, darker(accent, 0.35))
    memory = first(r"\d+G\b", model)
    if memory:
        kind = "GDDR5" if "1030" in words else "GDDR6X" if re.search(r"RTX 40[78]0", words) \
            else "GDDR6"
        c.centred_text(95, 164, memory + "B " + kind, 1, (90, 94, 100))


def draw_hard_disk(c, p, rng, accent):
    model = p["model"]
    capacity = first(r"\d+(TB|G)\b", model)
    label = capacity.replace("G", "GB") if capacity.endswith("G") else capacity
    if "NVMe" in model or "PCIe" in model:
        c.shadow(95, 122, 80, 7)
        pcb = rng.choice([BLACK, (30, 60, 40), (20, 40, 80)])
        c.rect(14, 78, 176, 108, pcb)
        gold_fingers(c, 14, 30, 80, 106, 3)
        c.rect(24, 90, 30, 96, c.background[93])  # key notch
        c.circle(172, 93, 4, c.background[93])
        heatsink = "PRO" in model or "9000" in model or "T700" in model or "KC3000" in model
        if heatsink:
            c.round_rect(34, 70, 166, 116, 4, vertical(lighter(accent, 0.3), darker(accent, 0.3), 70, 116))
            for k in range(9):
                c.rect(44 + k * 13, 74, 48 + k * 13, 112, darker(accent, 0.4))
        else:
            c.rect(36, 82, 160, 104, vertical(lighter(accent, 0.15), darker(accent, 0.15), 82, 104))
            c.rect(40, 86, 90, 100, WHITE)
            c.text(44, 89, "NVME", 1, (60, 60, 60))
        c.centred_text(95, 40, label, 3, darker(accent, 0.35))
        c.centred_text(95, 140, "M.2 NVME SSD", 2, (110, 114, 120))
    elif "SATA" in model or "移动" in model:
        portable = "移动" in model
        x0, x1, y0, y1 = (50, 140, 40, 150) if not portable else (58, 132, 52, 142)
        c.shadow(95, y1 + 8, 52, 7)
        body = vertical(lighter(accent, 0.2), darker(accent, 0.35), y0, y1) if portable \
            else vertical((72, 76, 84), (36, 38, 44), y0, y1)
        c.round_rect(x0, y0, x1, y1, 10 if portable else 4, body)
        if not portable:
            c.round_rect(x0 + 8, y0 + 16, x1 - 8, y1 - 30, 3, vertical(lighter(accent, 0.25), accent, y0, y1))
        c.centred_text(95, y0 + 36, "SSD", 3, WHITE)
        c.centred_text(95, y0 + 66, label, 2, WHITE)
        if not portable:
            c.rect(x0 + 14, y1 - 18, x1 - 14, y1 - 12, (110, 114, 120))
    else:
        c.shadow(95, 170, 62, 7)
        x0, x1, y0, y1 = 40, 150, 18, 164
        c.round_rect(x0, y0, x1, y1, 5, vertical((214, 218, 224), (160, 166, 174), y0, y1))
        c.circle(95, 78, 46, (190, 194, 200))
        c.circle(95, 78, 40, (204, 208, 214))
        c.circle(95, 78, 10, (168, 172, 180))
        for hx, hy in [(x0 + 8, y0 + 8), (x1 - 8, y0 + 8), (x0 + 8, y1 - 8), (x1 - 8, y1 - 8)]:
            c.circle(hx, hy, 3, STEEL)
        c.rect(x0 + 10, 126, x1 - 10, 156, accent)
        c.centred_text(95, 134, label, 2, WHITE)


def draw_memory(c, p, rng, accent):
    model = p["model"]
    kit = "×2" in model or "x2" in model
    laptop = "笔记本" in model
    ddr = first(r"DDR\d", model) or "DDR"
    size = first(r"\d+G", model)
    if laptop:
        c.shadow(95, 132, 60, 7)
        c.rect(40, 74, 150, 120, (24, 88, 52))
        gold_fingers(c, 44, 146, 112, 120, 3)
        c.rect(92, 110, 96, 120, c.background[115])
        for k in range(4):
            c.rect(48 + k * 25, 82, 68 + k * 25, 102, BLACK)
        c.centred_text(95, 40, ddr + " " + size, 2, darker(accent, 0.35))
        return
    sticks = [(0, 0), (14, -18)] if kit else [(0, 0)]
    c.shadow(98, 150, 82, 7)
    spreader = rng.choice([BLACK, CHARCOAL, (200, 204, 210), darker(accent, 0.2)])
    rgb = "焰光" in model or "RGB" in model or rng.random() < 0.3
    for dx, dy in reversed(sticks):
        x0, x1, y0, y1 = 12 + dx, 168 + dx, 70 + dy, 132 + dy
        c.rect(x0 + 2, y1 - 12, x1 - 2, y1, (24, 88, 52))
        gold_fingers(c, x0 + 4, x1 - 4, y1 - 6, y1, 3)
        c.rect(x0 + 70, y1 - 6, x0 + 74, y1, c.background[min(SIZE - 1, int(y1) - 3)])
        c.polygon([(x0, y0 + 8), (x0 + 40, y0), (x1, y0), (x1, y1 - 12), (x0, y1 - 12)],
                  vertical(lighter(spreader, 0.25), darker(spreader, 0.1), y0, y1))
        if rgb:
            c.rect(x0 + 40, y0 - 8, x1, y0, vertical((255, 120, 200), (90, 180, 255), y0 - 8, y0))
        c.rect(x0 + 8, y0 + 18, x1 - 8, y0 + 20, accent)
        ink = WHITE if sum(spreader) < 400 else (40, 44, 50)
        c.text(x0 + 12, y0 + 26, ddr, 2, ink)
        c.text(x1 - 12 - text_width(size, 2), y0 + 26, size, 2, ink)
    speed = first(r"\b\d{4}\b", model)
    c.centred_text(95, 164, (speed + " MHZ") if speed else ddr, 2, darker(accent, 0.35))


def draw_optical_drive(c, p, rng, accent):
    model = p["model"]
    blu_ray = "蓝光" in model
    disc_colour = (170, 190, 230) if blu_ray else (206, 210, 218)
    if "外置" in model:
        c.shadow(95, 150, 66, 8)
        c.round_rect(30, 40, 160, 144, 14, vertical((70, 74, 82), BLACK, 40, 144))
        c.circle(95, 88, 38, darker(disc_colour, 0.5))
        c.circle(95, 88, 34, vertical(lighter(disc_colour, 0.3), disc_colour, 54, 122))
        c.circle(95, 88, 9, (60, 62, 68))
        c.rect(130, 128, 150, 132, accent)
    else:
        c.circle(110, 74, 52, vertical(lighter(disc_colour, 0.4), disc_colour, 22, 126))
        c.circle(110, 74, 12, c.background[74])
        c.circle(110, 74, 6, (150, 154, 160))
        c.shadow(95, 142, 80, 7)
        c.rect(14, 100, 176, 134, vertical((64, 68, 76), BLACK, 100, 134))
        c.rect(24, 112, 150, 115, (20, 20, 22))
        c.round_rect(154, 120, 168, 127, 2, (96, 100, 108))
        c.circle(160, 108, 2, accent)
    c.centred_text(95, 160, "BLU-RAY" if blu_ray else "DVD-RW", 2, darker(accent, 0.35))
    c.centred_text(95, 14, " ".join(ascii_words(model)[:1]), 2, (110, 114, 120))


def draw_case(c, p, rng, accent):
    model = p["model"]
    small = bool(re.search(r"mini|ITX|mATX|Q300L|Z20|C6", model, re.I))
    wide = "O11" in model or "NV" in model
    white = rng.random() < 0.3
    x0, x1 = (56, 134) if small else (44, 150) if wide else (50, 140)
    y0, y1 = (46, 168) if small else (14, 172)
    c.shadow((x0 + x1) / 2, y1 + 4, (x1 - x0) / 2 + 10, 6)
    shell = vertical((244, 246, 248), (206, 210, 216), y0, y1) if white \
        else vertical((66, 70, 78), (26, 28, 32), y0, y1)
    c.round_rect(x0, y0, x1, y1, 6, shell)
    glass = (x0 + 6, y0 + 6, x1 - 6, y1 - 30)
    c.round_rect(*glass, 3, vertical((40, 46, 58), (20, 22, 28), glass[1], glass[3]))
    glow = hue(rng.random(), 0.6, 0.95)
    fans = 2 if small else 3
    r = min(17.0, (glass[3] - glass[1] - 20) / (2 * fans))
    for k in range(fans):
        fy = glass[1] + 8 + r + k * (2 * r + 6)
        fan(c, glass[2] - r - 6, fy, r, (30, 32, 36), (70, 74, 82), (40, 42, 48), 7,
            rng.random(), ring=glow)
    gpu_y = glass[1] + (glass[3] - glass[1]) * 0.62
    c.rect(glass[0] + 4, gpu_y, glass[2] - 2 * r - 14, gpu_y + 10, (60, 64, 72))
    c.rect(glass[0] + 8, glass[1] + 14, glass[0] + 26, glass[1] + 32, (90, 94, 100))  # cooler
    c.rect(glass[0] + 4, glass[3] - 8, glass[2] - 4, glass[3] - 6, glow)
    front = darker(shell(y1), 0.1) if not white else (196, 200, 206)
    c.rect(x0 + 6, y1 - 24, x1 - 6, y1 - 6, front)
    for k in range(6):
        c.rect(x0 + 10 + k * (x1 - x0 - 20) / 6, y1 - 20, x0 + 14 + k * (x1 - x0 - 20) / 6,
               y1 - 10, darker(front, 0.25))
    name = " ".join(ascii_words(model)[-2:])
    if name:
        c.centred_text(95, 180, name, 1, darker(accent, 0.4))


def draw_power_supply(c, p, rng, accent):
    model = p["model"]
    # "850W" as written, else the first three- or four-digit number ("GX-750").
    watts = first(r"\d{3,4}W", model) or (first(r"\d{3,4}", model) + "W").lstrip("W")
    rating = ("TITANIUM", (150, 160, 170)) if "钛金" in model else \
        ("PLATINUM", (210, 214, 222)) if "白金" in model else \
        ("GOLD", GOLD) if "金" in model else ("BRONZE", (176, 120, 70))
    modular = "全模组" in model
    c.shadow(95, 160, 76, 8)
    body = vertical((70, 74, 82), (22, 24, 28), 34, 154)
    c.round_rect(20, 34, 170, 154, 8, body)
    fan(c, 84, 94, 50, (34, 36, 40), (62, 66, 74), (44, 46, 52), 9, rng.random())
    grille = (110, 114, 122)
    for k in range(1, 5):
        c.ring(84, 94, 50 * k / 5 + 0.8, 50 * k / 5 - 0.8, grille)
    c.rect(84 - 50, 93, 84 + 50, 95, grille)
    c.rect(83, 44, 85, 144, grille)
    c.rect(140, 44, 164, 144, vertical(lighter(accent, 0.2), darker(accent, 0.3), 44, 144))
    c.round_rect(142, 50, 162, 78, 3, rating[1])
    c.centred_text(152, 60, "80+", 1, (40, 40, 40))
    if modular:
        for k in range(3):
            c.rect(145, 90 + k * 14, 159, 98 + k * 14, (20, 20, 22))
    c.centred_text(95, 12, watts, 3, darker(accent, 0.35))
    c.centred_text(95, 166, "80 PLUS " + rating[0], 2, darker(rating[1], 0.35))


def draw_monitor(c, p, rng, accent):
    model = p["model"]
    inches = first(r"\d+(\.\d)?(?=英寸)", model)
    size = float(inches) if inches else 24.0
    half = 66 + (size - 24) * 3.2
    x0, x1 = 95 - half, 95 + half
    y0, y1 = 22, 22 + 2 * half * 0.6
    c.shadow(95, y1 + 44, 46, 6)
    c.polygon([(86, y1 - 4), (104, y1 - 4), (108, y1 + 36), (82, y1 + 36)], (60, 64, 72))
    c.ellipse(95, y1 + 40, 40, 6, (50, 54, 60))
    c.round_rect(x0, y0, x1, y1, 4, (26, 28, 32))
    sx0, sy0, sx1, sy1 = x0 + 4, y0 + 4, x1 - 4, y1 - 8
    sky = hue(rng.random(), 0.55, 0.9)
    c.rect(sx0, sy0, sx1, sy1, vertical(lighter(sky, 0.2), darker(hue((rng.random()), 0.7, 0.6), 0.2), sy0, sy1))
    w = sx1 - sx0
    hills = [(sx0, sy1), (sx0, sy1 - 30)]
    for k in range(1, 7):
        hills.append((sx0 + w * k / 6, sy1 - 20 - 22 * rng.random()))
    hills.append((sx1, sy1))
    c.polygon(hills, darker(accent, 0.35))
    resolution = first(r"\b[24]K\b", model)
    c.centred_text(95, sy0 + 10, (inches or "24") + "\"", 3, WHITE)
    if resolution:
        c.centred_text(95, sy0 + 38, resolution, 2, WHITE)
    rate = first(r"\d+Hz", model)
    c.centred_text(95, 176, rate.upper().replace("HZ", " HZ") if rate else "IPS", 1,
                   darker(accent, 0.4))


def draw_keyboard_mouse(c, p, rng, accent):
    model = p["model"]
    mouse_only = "鼠标" in model and "键" not in model.replace("键鼠", "")
    keyboard_only = "键盘" in model and "套装" not in model
    mechanical = "机械" in model
    key_colour = rng.choice([(52, 55, 62), (236, 238, 242), (40, 42, 48)])
    light = hue(rng.random(), 0.7, 1.0) if mechanical else None

    def keyboard(x0, y0, x1, y1):
        c.shadow((x0 + x1) / 2, y1 + 6, (x1 - x0) / 2 + 4, 5)
        c.round_rect(x0, y0, x1, y1, 5, vertical((70, 74, 82), (30, 32, 36), y0, y1)
                     if sum(key_colour) < 400 else vertical((220, 222, 228), (188, 192, 198), y0, y1))
        rows, pitch = 5, (y1 - y0 - 8) / 5
        cols = int((x1 - x0 - 8) // pitch)
        key = pitch - 2
        for r in range(rows):
            y = y0 + 4 + r * pitch
            x = x0 + 4 + (r % 2) * pitch * 0.3
            count = cols if r < rows - 1 else 3
            for k in range(count):
                if x + key > x1 - 4:
                    break
                c.round_rect(x, y, x + key, y + key, 1.5,
                             lighter(light, 0.3) if light and (r + k) % 5 == 0 else key_colour)
                x += pitch
            if r == rows - 1:
                c.round_rect(x, y, x + pitch * 6 - 2, y + key, 1.5, key_colour)

    def mouse(cx, cy, rx, ry):
        c.shadow(cx, cy + ry + 3, rx + 2, 4)
        c.ellipse(cx, cy, rx, ry, vertical(lighter(key_colour, 0.2), darker(key_colour, 0.2),
                                           cy - ry, cy + ry))
        c.rect(cx - 0.8, cy - ry + 2, cx + 0.8, cy - ry * 0.3, darker(key_colour, 0.5))
        c.round_rect(cx - 2, cy - ry * 0.7, cx + 2, cy - ry * 0.4, 2, light or accent)

    if mouse_only:
        mouse(95, 92, 36, 56)
    elif keyboard_only:
        keyboard(12, 64, 178, 132)
    else:
        keyboard(10, 70, 140, 124)
        mouse(162, 100, 16, 26)
    name = " ".join(w for w in ascii_words(model)[:2])
    c.centred_text(95, 22, name, 2, darker(accent, 0.35))
    if light:
        c.rect(40, 160, 150, 163, vertical(light, hue(rng.random(), 0.7, 1.0), 160, 163))


def draw_cooler(c, p, rng, accent):
    model = p["model"]
    liquid = "水冷" in model
    top_down = "下压" in model
    towers = 2 if ("双塔" in model or "D15" in model or "PA120" in model) else 1
    fan_frame = rng.choice([(34, 36, 40), (220, 222, 228), darker(accent, 0.3)])
    blade = lighter(accent, 0.2) if rng.random() < 0.5 else (90, 94, 102)
    if liquid:
        size = first(r"(240|280|360|420)(?!\d)", model) or "360"
        n = 3 if size == "360" else 2
        x0, x1 = 14, 14 + 54 * n + 6
        c.shadow(95, 96, (x1 - x0) / 2, 6)
        c.round_rect(x0, 30, x1, 88, 4, (40, 42, 46))
        for k in range(n):
            fan(c, x0 + 30 + 54 * k, 59, 25, fan_frame, blade, (50, 52, 58), 7, rng.random())
        for dx in (0, 14):  # tubes
            c.polygon([(x1 - 40 + dx, 88), (x1 - 32 + dx, 88), (112 + dx, 136), (104 + dx, 136)],
                      (30, 30, 32))
        c.circle(108, 146, 24, (30, 32, 36))
        c.circle(108, 146, 19, vertical(lighter(accent, 0.4), darker(accent, 0.2), 127, 165))
        c.centred_text(40, 140, size, 2, darker(accent, 0.35))
        return
    if top_down:
        c.shadow(95, 152, 70, 6)
        for k in range(12):
            c.rect(28, 112 + k * 3, 162, 113 + k * 3, (176, 180, 188))
        c.rect(80, 144, 110, 150, (184, 116, 72))  # copper base
        c.round_rect(30, 48, 160, 110, 6, darker(fan_frame, 0.1))
        fan(c, 95, 79, 30, fan_frame, blade, (50, 52, 58), 9, rng.random())
    else:
        width = 64
        total = towers * width + (towers - 1) * 10
        x = 95 - total / 2 + (10 if towers == 1 else 0)
        c.shadow(95, 170, total / 2 + 20, 6)
        for t in range(towers):
            tx = x + t * (width + 10)
            c.rect(tx, 22, tx + width, 160, (150, 154, 162))
            for k in range(34):
                c.rect(tx, 24 + k * 4, tx + width, 26 + k * 4, (206, 210, 216))
            c.rect(tx + 6, 14, tx + 12, 22, (196, 124, 80))
            c.rect(tx + width - 12, 14, tx + width - 6, 22, (196, 124, 80))
        fx = x - 14 if towers == 1 else 95
        fan(c, fx + (width / 2 if towers == 1 else 0), 91, 32, fan_frame, blade,
            (50, 52, 58), 7, rng.random())
        c.rect(x + 4, 160, x + total - 4, 168, (184, 116, 72))
    name = " ".join(ascii_words(model)[:2])
    c.centred_text(95, 176, name, 1, darker(accent, 0.4))


def draw_speakers(c, p, rng, accent):
    model = p["model"]
    sub = "2.1" in model or "低音炮" in model
    mini = "迷你" in model or "mini" in model.lower()
    wood = rng.choice([(120, 78, 48), (40, 42, 46), (150, 104, 66), (228, 230, 234)])
    cone = (30, 32, 36)

    def speaker(x0, y0, x1, y1, tweeter=True):
        c.round_rect(x0, y0, x1, y1, 4, vertical(lighter(wood, 0.15), darker(wood, 0.15), y0, y1))
        w = x1 - x0
        c.round_rect(x0 + 3, y0 + 3, x1 - 3, y1 - 3, 3, (58, 60, 66) if sum(wood) < 500 else (190, 192, 198))
        r = w * 0.36
        cy = y1 - r - w * 0.18
        c.circle((x0 + x1) / 2, cy, r, cone)
        c.circle((x0 + x1) / 2, cy, r * 0.8, (56, 58, 64))
        c.circle((x0 + x1) / 2, cy, r * 0.3, lighter(accent, 0.1))
        if tweeter and y1 - y0 > 1.6 * w:
            c.circle((x0 + x1) / 2, y0 + w * 0.35, w * 0.16, cone)
            c.circle((x0 + x1) / 2, y0 + w * 0.35, w * 0.08, SILVER)

    if mini:
        c.shadow(95, 140, 60, 6)
        speaker(40, 80, 80, 136, False)
        speaker(110, 80, 150, 136, False)
    elif sub:
        c.shadow(95, 160, 82, 7)
        speaker(62, 78, 128, 156, False)
        speaker(14, 54, 54, 150)
        speaker(136, 54, 176, 150)
    else:
        c.shadow(95, 160, 76, 7)
        speaker(22, 40, 82, 154)
        speaker(108, 40, 168, 154)
    c.centred_text(95, 14, "2.1" if sub else "2.0" if not mini else "USB", 2,
                   darker(accent, 0.35))
    name = " ".join(ascii_words(model)[:1])
    c.centred_text(95, 172, name, 1, darker(accent, 0.4))


# Category code -> (drawing, background tint).
CATEGORIES = {
    "zb": (draw_motherboard, (210, 236, 218)),
    "cpu": (draw_cpu, (212, 226, 244)),
    "xk": (draw_graphics_card, (240, 218, 214)),
    "yp": (draw_hard_disk, (212, 236, 236)),
    "nc": (draw_memory, (230, 220, 242)),
    "gq": (draw_optical_drive, (226, 228, 232)),
    "jx": (draw_case, (216, 226, 238)),
    "dy": (draw_power_supply, (244, 228, 208)),
    "xsq": (draw_monitor, (214, 232, 246)),
    "js": (draw_keyboard_mouse, (222, 222, 244)),
    "srq": (draw_cooler, (210, 238, 242)),
    "yx": (draw_speakers, (244, 234, 210)),
}


def brand_colour(brand):
    """A saturated colour fixed per brand (same brand, same colour)."""
    value = zlib.crc32((brand or "").encode("utf-8"))
    return hue((value % 360) / 360.0, 0.62, 0.78)


def draw_product(product):
    sort = (product.get("sort") or "").lower()
    drawing, tint = CATEGORIES.get(sort, (None, (232, 232, 236)))
    rng = random.Random(product["tp"])
    canvas = Canvas((252, 252, 253), tint)
    accent = mix(brand_colour(product.get("brand")), hue(rng.random(), 0.6, 0.8), 0.25)
    if drawing:
        product = dict(product, model=product.get("model") or "")
        drawing(canvas, product, rng, accent)
    return canvas.png()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--sql", default=os.path.join(REPOSITORY, "demo", "catalogue.sql"))
    parser.add_argument("--out", default=os.path.join(REPOSITORY, "demo", "site", "tp"))
    args = parser.parse_args()

    products = read_products(args.sql)
    os.makedirs(args.out, exist_ok=True)
    written = set()
    for product in products:
        name = product.get("tp") or ""
        # A picture name is a plain file name of the folder; anything else
        # (empty, a path) has no file of its own to draw.
        if not name or name != os.path.basename(name) or name in (".", ".."):
            continue
        if name in written:
            continue
        with open(os.path.join(args.out, name), "wb") as f:
            f.write(draw_product(product))
        written.add(name)
    for stale in os.listdir(args.out):  # pictures of products no longer listed
        if stale.lower().endswith(PICTURE_SUFFIXES) and stale not in written:
            os.remove(os.path.join(args.out, stale))
    print("%d pictures in %s" % (len(written), args.out))
    return 0


if __name__ == "__main__":
    sys.exit(main())
