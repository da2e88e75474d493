"""Icons and small bitmaps. One palette, one motif: a white page (a PDF file,
marked by its red band) and a gold padlock. Coordinates are laid out on a
fixed grid and rounded to whole pixels at each size, so edges stay sharp."""

import math

from canvas import (Canvas, Circle, Clip, Cut, Outline, Polygon, Rect,
                    Strokes, Union, Grow, clamp, mix, rgb)

# the palette shared by every picture
NAVY = rgb((22, 45, 84))
BLUE_D = rgb((27, 78, 150))
BLUE = rgb((38, 104, 188))
BLUE_L = rgb((92, 158, 228))
SKY = rgb((186, 214, 242))
PAPER = rgb((255, 255, 255))
PAPER_2 = rgb((232, 238, 246))
EDGE = rgb((92, 108, 134))
RULE = rgb((170, 184, 204))
GOLD = rgb((240, 176, 40))
GOLD_L = rgb((255, 218, 112))
GOLD_D = rgb((160, 102, 12))
STEEL = rgb((120, 132, 152))
STEEL_D = rgb((70, 80, 98))
RED = rgb((214, 50, 46))
RED_D = rgb((160, 28, 26))
GREEN = rgb((36, 150, 84))
INK = rgb((34, 42, 56))
MENU_BG = (240 / 255.0, 240 / 255.0, 240 / 255.0)


def vgrad(y0, y1, c0, c1):
    def paint(x, y):
        return mix(c0, c1, clamp((y - y0) / float(max(1e-6, y1 - y0))))
    return paint


class Grid:
    """Maps design units to pixels: g(v) rounds to whole pixels, g.f(v) does not."""

    def __init__(self, size, units):
        self.k = size / float(units)

    def __call__(self, v):
        return float(round(v * self.k))

    def f(self, v):
        return v * self.k


# ---------------------------------------------------------------- motifs

def page(c, g, x0, y0, x1, y1, fold, band=None, lines=(), line_x=None):
    """A sheet with a folded top-right corner; band = (top, bottom) of the
    red PDF band; lines = y positions of grey text lines."""
    X0, Y0, X1, Y1, F = g(x0), g(y0), g(x1), g(y1), max(2.0, g(fold))
    e = max(1.0, round(g.k * 0.5))          # edge width grows with large sizes
    outer = Polygon([(X0, Y0), (X1 - F, Y0), (X1, Y0 + F), (X1, Y1), (X0, Y1)])
    c.fill(outer, EDGE)
    c.fill(Grow(outer, -e), vgrad(Y0, Y1, PAPER, PAPER_2))
    if band:
        c.fill(Clip(Rect(X0 + e, g(band[0]), X1 - e, g(band[1])), Grow(outer, -e)),
               vgrad(g(band[0]), g(band[1]), RED, RED_D))
    lx0, lx1 = line_x or (x0 + 3, x1 - 3)
    for ly in lines:
        t = max(1.0, g(0.9))
        c.fill(Rect(g(lx0), g(ly), g(lx1), g(ly) + t), RULE)
    fold_tri = Polygon([(X1 - F, Y0), (X1 - F, Y0 + F), (X1, Y0 + F)])
    c.fill(fold_tri, SKY)
    h = e / 2.0
    c.fill(Strokes([[(X1 - F + h, Y0 + h), (X1 - F + h, Y0 + F - h), (X1 - h, Y0 + F - h)]], e), EDGE)


def padlock(c, g, x0, y0, x1, y1, shackle_top, body=None, metal=None):
    """Padlock whose body spans (x0, y0)-(x1, y1); the shackle rises to
    shackle_top. Gold body, steel shackle, dark keyhole."""
    body = body or (GOLD_L, GOLD, GOLD_D)
    metal = metal or (STEEL, STEEL_D)
    X0, Y0, X1, Y1 = g(x0), g(y0), g(x1), g(y1)
    w = X1 - X0
    sw = max(1.6, g.f(2.2))
    inset = max(1.0, round(w * 0.2))
    sx0, sx1 = X0 + inset + sw / 2, X1 - inset - sw / 2
    top = g(shackle_top) + sw / 2
    r = (sx1 - sx0) / 2
    loop = Clip(Outline(Rect(sx0, top, sx1, Y0 + r + 2, r), sw),
                Rect(X0 - 2, top - sw - 1, X1 + 2, Y0 + 0.5))
    c.fill(Grow(loop, 0.6), rgb((0, 0, 0), 0.25))
    c.fill(loop, vgrad(top, Y0, metal[0], metal[1]))
    rad = max(1.0, g.f(2.0))
    e = max(1.0, round(g.k * 0.5))
    c.fill(Rect(X0, Y0, X1, Y1, rad), body[2])
    c.fill(Rect(X0 + e, Y0 + e, X1 - e, Y1 - e, max(0.5, rad - e)),
           vgrad(Y0, Y1, body[0], body[1]))
    # keyhole
    kx = (X0 + X1) / 2.0
    kh = Y1 - Y0
    if kh >= 9:
        kr = max(1.1, kh * 0.13)
        ky = Y0 + kh * 0.42
        c.fill(Union(Circle(kx, ky, kr),
                     Polygon([(kx - kr * 0.55, ky), (kx + kr * 0.55, ky),
                              (kx + kr * 0.8, ky + kh * 0.32), (kx - kr * 0.8, ky + kh * 0.32)])),
               NAVY)
    else:
        c.fill(Rect(round(kx) - 1, round(Y0 + kh * 0.3), round(kx), round(Y0 + kh * 0.75)), NAVY)


def badge(c, cx, cy, r, colour=None):
    """Round blue badge with a soft top light."""
    top, bottom = colour or (BLUE_L, BLUE_D)
    c.fill(Circle(cx, cy, r), vgrad(cy - r, cy + r, top, bottom))


def folder(c, g, x0, y0, x1, y1, tab_w):
    X0, Y0, X1, Y1 = g(x0), g(y0), g(x1), g(y1)
    T = g(tab_w)
    th = max(2.0, g(2))
    back = Union(Rect(X0, Y0, X0 + T, Y0 + th + 2, 1), Rect(X0, Y0 + th, X1, Y1, 1))
    c.fill(back, GOLD_D)
    c.fill(Grow(back, -1), vgrad(Y0, Y1, GOLD, GOLD_D))
    c.fill(Rect(X0 + 1, Y0 + th + 1, X1 - 1, Y0 + th + 2), GOLD_L)
    front = Rect(X0, Y0 + th + 2, X1, Y1, 1)
    c.fill(front, GOLD_D)
    c.fill(Grow(front, -1), vgrad(Y0 + th, Y1, GOLD_L, GOLD))


# ---------------------------------------------------------------- states

def disabled(c):
    """Washed-out grey of the same drawing."""
    def grey(p):
        r, g, b, a = p
        lum = 0.3 * r + 0.59 * g + 0.11 * b
        v = 0.5 + 0.42 * lum
        return (v, v, v * 1.02 if v < 0.98 else v, a * 0.85)
    c.map(grey)
    return c


def brighter(c, t=0.10):
    def lift(p):
        r, g, b, a = p
        return (r + (1 - r) * t, g + (1 - g) * t, b + (1 - b) * t, a)
    c.map(lift)
    return c


def stateful(draw):
    """draw(size) -> Canvas, plus the three looks a shaded button needs."""
    def make(size, state='normal'):
        c = draw(size)
        if state == 'disabled':
            return disabled(c)
        if state == 'hover':
            return brighter(c)
        return c
    return make


# ---------------------------------------------------------------- icons

@stateful
def protect_pdf(s):
    """Protect: the PDF page with the padlock closed in front of it."""
    c, g = Canvas(s, s), Grid(s, 28)
    page(c, g, 2, 1, 19, 26, 6, band=(7, 11), lines=(14, 17, 20), line_x=(5, 12))
    padlock(c, g, 12, 15, 27, 27, 7.5)
    return c


@stateful
def row_icon(s):
    """A list row's file: the PDF page with a small padlock."""
    c, g = Canvas(s, s), Grid(s, 28)
    page(c, g, 4, 1, 22, 27, 6, band=(7, 11), lines=(14, 17, 20, 23), line_x=(7, 14))
    padlock(c, g, 14, 17, 26, 27, 10.5)
    return c


@stateful
def open_pdf(s):
    """Open: the PDF page with a blue arrow leaving it."""
    c, g = Canvas(s, s), Grid(s, 20)
    page(c, g, 1, 1, 14, 19, 4, band=(5, 8), lines=(11, 14), line_x=(3, 8))
    badge(c, g.f(14.5), g.f(14.5), g.f(5.5))
    a = [(g.f(12.0), g.f(17.0)), (g.f(16.8), g.f(12.2))]
    head = [(g.f(13.6), g.f(12.0)), (g.f(17.0), g.f(12.0)), (g.f(17.0), g.f(15.4))]
    c.fill(Strokes([a, head], max(1.4, g.f(1.7))), PAPER)
    return c


@stateful
def clear_list(s):
    """Clear the list: a sheet of rows with a red cross."""
    c, g = Canvas(s, s), Grid(s, 20)
    X0, Y0, X1, Y1 = g(1), g(2), g(15), g(18)
    c.fill(Rect(X0, Y0, X1, Y1, 1), EDGE)
    c.fill(Rect(X0 + 1, Y0 + 1, X1 - 1, Y1 - 1, 0.5), vgrad(Y0, Y1, PAPER, PAPER_2))
    c.fill(Rect(X0 + 1, Y0 + 1, X1 - 1, g(5)), vgrad(Y0, g(5), BLUE_L, BLUE))
    for y in (7, 10, 13):
        c.fill(Rect(g(3), g(y), g(5), g(y) + 1), RED if y == 7 else BLUE_L)
        c.fill(Rect(g(6), g(y), g(12.5), g(y) + 1), RULE)
    badge(c, g.f(14.5), g.f(14.5), g.f(5.3), (rgb((236, 88, 80)), RED_D))
    d = g.f(2.3)
    cx, cy = g.f(14.5), g.f(14.5)
    c.fill(Strokes([[(cx - d, cy - d), (cx + d, cy + d)], [(cx + d, cy - d), (cx - d, cy + d)]],
                   max(1.3, g.f(1.6))), PAPER)
    return c


def _gear(cx, cy, ro, ri, teeth, tw):
    parts = [Circle(cx, cy, ri)]
    for i in range(teeth):
        a = 2 * math.pi * i / teeth
        ux, uy = math.cos(a), math.sin(a)
        vx, vy = -uy, ux
        pts = []
        for du, dv in ((ri - 1, -tw / 2), (ro, -tw / 2 * 0.75), (ro, tw / 2 * 0.75), (ri - 1, tw / 2)):
            pts.append((cx + ux * du + vx * dv, cy + uy * du + vy * dv))
        parts.append(Polygon(pts))
    return Union(*parts)


@stateful
def settings(s):
    """Settings: a steel-blue gear around a gold hub."""
    c, g = Canvas(s, s), Grid(s, 20)
    cx = cy = s / 2.0
    gear = _gear(cx, cy, g.f(9.4), g.f(6.6), 8, g.f(3.6))
    c.fill(gear, NAVY)
    c.fill(Grow(gear, -1.0), vgrad(0, s, BLUE_L, BLUE_D))
    c.fill(Circle(cx, cy, g.f(3.6)), NAVY)
    c.fill(Circle(cx, cy, g.f(3.6) - 1.0), vgrad(cy - 3, cy + 3, GOLD_L, GOLD))
    c.fill(Circle(cx, cy, g.f(1.5)), NAVY)
    return c


@stateful
def browse(s):
    """Browse: an open folder."""
    c, g = Canvas(s, s), Grid(s, 14)
    folder(c, g, 0, 2, 14, 12, 5)
    return c


@stateful
def save(s):
    """Save the settings: a blue disk with a white label."""
    c, g = Canvas(s, s), Grid(s, 22)
    X0, Y0, X1, Y1 = g(2), g(2), g(20), g(20)
    body = Polygon([(X0, Y0), (X1 - g(3), Y0), (X1, Y0 + g(3)), (X1, Y1), (X0, Y1)])
    c.fill(body, NAVY)
    c.fill(Grow(body, -1), vgrad(Y0, Y1, BLUE_L, BLUE_D))
    # shutter
    c.fill(Rect(g(6), Y0 + 1, g(15), g(8), 0.5), vgrad(Y0, g(8), rgb((236, 240, 246)), rgb((176, 188, 206))))
    c.fill(Rect(g(12), g(3), g(14), g(7)), NAVY)
    # label
    c.fill(Rect(g(5), g(11), g(17), Y1 - 1, 0.5), PAPER)
    for y in (13.5, 16):
        c.fill(Rect(g(7), g(y), g(15), g(y) + 1), RULE)
    return c


@stateful
def close(s):
    """Close without saving: a red disk with a white cross."""
    c, g = Canvas(s, s), Grid(s, 20)
    cx = cy = s / 2.0
    r = g.f(9.3)
    c.fill(Circle(cx, cy, r), RED_D)
    c.fill(Circle(cx, cy, r - 1.0), vgrad(cy - r, cy + r, rgb((240, 104, 96)), RED))
    d = g.f(3.6)
    c.fill(Strokes([[(cx - d, cy - d), (cx + d, cy + d)], [(cx + d, cy - d), (cx - d, cy + d)]],
                   max(1.6, g.f(2.4))), PAPER)
    return c


def app_icon(s):
    """The application: the PDF page with the gold padlock."""
    c = Canvas(s, s)
    if s <= 16:
        # placed pixel by pixel: at this size shapes would blur together
        g = Grid(s, 16)
        page(c, g, 1, 0, 12, 15, 4, band=(5, 7), lines=(9, 11), line_x=(3, 6))
        for r in (Rect(8, 4, 9, 9), Rect(13, 4, 14, 9), Rect(9, 3, 13, 4)):
            c.fill(r, STEEL_D)
        c.fill(Rect(7, 8, 16, 16), GOLD_D)
        c.fill(Rect(8, 9, 15, 15), vgrad(9, 15, GOLD_L, GOLD))
        c.fill(Rect(11, 10, 12, 13), NAVY)
        return c
    g = Grid(s, 48)
    page(c, g, 4, 2, 34, 45, 10, band=(11, 18),
         lines=(22, 26, 30, 34, 38) if s >= 48 else (23, 28, 33), line_x=(9, 21))
    if s >= 48:
        from glyphs import draw_text
        draw_text(c, 'PDF', g.f(8.8), g.f(16.6), g.f(4.6), max(1.2, g.f(1.3)), PAPER)
    padlock(c, g, 20, 24, 46, 46, 10)
    return c


# ---------------------------------------------------------------- bitmaps

def menu_badge(kind, s=13):
    """s x s menu picture (13 at 100 %): white glyph on a blue badge."""
    c, k = Canvas(s, s), s / 13.0
    badge(c, 6.5 * k, 6.5 * k, 6.5 * k)
    W = PAPER

    def r(x0, y0, x1, y1):
        return Rect(x0 * k, y0 * k, x1 * k, y1 * k)
    if kind == 'pdf':
        c.fill(Polygon([(4 * k, 2 * k), (8 * k, 2 * k), (10 * k, 4 * k), (10 * k, 11 * k),
                        (4 * k, 11 * k)]), W)
        c.fill(r(4, 5, 10, 7), RED)
    elif kind == 'folder':
        c.fill(Union(r(2, 4, 6, 6), r(2, 5, 11, 10)), W)
        c.fill(r(3, 6, 10, 7), BLUE_L)
    elif kind == 'cross':
        c.fill(Strokes([[(4.3 * k, 4.3 * k), (8.7 * k, 8.7 * k)],
                        [(8.7 * k, 4.3 * k), (4.3 * k, 8.7 * k)]], 1.7 * k), W)
    elif kind == 'copy':
        c.fill(Outline(r(3.5, 2.5, 8.5, 8.5), 1.0 * k), W)
        c.fill(r(5, 5, 11, 11), BLUE_D)
        c.fill(r(6, 6, 10, 10), W)
    return c


VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def sort_arrow(down, n=14):
    """n x n (14 at 100 %) engraved triangle in the classic 3-D greys (indices
    of VGA16): dark grey on the lit side, white on the shaded side, light grey
    around, which the loader maps to the user's button colours."""
    FACE, DARK, WHITE = 7, 8, 15
    rows = [[FACE] * n for _ in range(n)]
    # triangle 2h - 1 wide, h high, centred (9 x 5 at 100 %)
    h = round(5 * n / 14.0)
    top, left = (n - h) // 2, (n - (2 * h - 1)) // 2
    for i in range(h):
        y = top + i if down else top + h - 1 - i
        a, b = left + i, left + 2 * h - 2 - i      # edge columns of this row
        if down:
            if i == 0:
                for x in range(a, b + 1):
                    rows[y][x] = DARK
            else:
                rows[y][a] = DARK
                rows[y][b] = WHITE
        else:
            if i == 0:
                for x in range(a, b + 1):
                    rows[y][x] = WHITE
            else:
                rows[y][a] = DARK
                rows[y][b] = WHITE
    return rows
