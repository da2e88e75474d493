"""Small raster toolkit: an RGBA canvas, anti-aliased shapes given by signed
distance, and writers for BMP, ICO and PNG. Standard library only."""

import math
import struct
import zlib


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def rgb(hex_or_tuple, a=1.0):
    """Colour as a 0..1 RGBA tuple from (r, g, b) bytes."""
    r, g, b = hex_or_tuple[:3]
    return (r / 255.0, g / 255.0, b / 255.0, a)


def mix(c0, c1, t):
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


# ---------------------------------------------------------------- shapes
# Every shape answers dist(x, y): negative inside, in pixels, and carries a
# bounding box (x0, y0, x1, y1) so painting only visits pixels it can touch.
# Edges on whole pixel coordinates come out perfectly sharp.

class Shape:
    bbox = (0, 0, 0, 0)

    def dist(self, x, y):
        raise NotImplementedError


class Rect(Shape):
    def __init__(self, x0, y0, x1, y1, r=0.0):
        self.x0, self.y0, self.x1, self.y1, self.r = x0, y0, x1, y1, r
        self.cx, self.cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
        self.hx, self.hy = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r
        self.bbox = (x0 - 1, y0 - 1, x1 + 1, y1 + 1)

    def dist(self, x, y):
        qx = abs(x - self.cx) - self.hx
        qy = abs(y - self.cy) - self.hy
        ox, oy = max(qx, 0.0), max(qy, 0.0)
        return math.hypot(ox, oy) + min(max(qx, qy), 0.0) - self.r


class Circle(Shape):
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r
        self.bbox = (cx - r - 1, cy - r - 1, cx + r + 1, cy + r + 1)

    def dist(self, x, y):
        return math.hypot(x - self.cx, y - self.cy) - self.r


class Ellipse(Shape):
    """Approximate distance; good enough for anti-aliased edges."""

    def __init__(self, cx, cy, rx, ry):
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, ry
        self.bbox = (cx - rx - 1, cy - ry - 1, cx + rx + 1, cy + ry + 1)

    def dist(self, x, y):
        dx, dy = (x - self.cx) / self.rx, (y - self.cy) / self.ry
        k0 = math.hypot(dx, dy)
        if k0 == 0:
            return -min(self.rx, self.ry)
        k1 = math.hypot(dx / self.rx, dy / self.ry)
        return k0 * (k0 - 1.0) / k1


def _seg_dist(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy
    t = 0.0 if ll == 0 else clamp(((px - ax) * dx + (py - ay) * dy) / ll)
    return math.hypot(px - ax - dx * t, py - ay - dy * t)


class Strokes(Shape):
    """Round-capped strokes of one width along polylines."""

    def __init__(self, polylines, width):
        self.segs = []
        xs, ys = [], []
        for line in polylines:
            pts = list(line)
            if len(pts) == 1:
                pts = pts * 2
            for a, b in zip(pts, pts[1:]):
                self.segs.append((a[0], a[1], b[0], b[1]))
            xs += [p[0] for p in pts]
            ys += [p[1] for p in pts]
        self.hw = width / 2.0
        m = self.hw + 1
        self.bbox = (min(xs) - m, min(ys) - m, max(xs) + m, max(ys) + m)

    def dist(self, x, y):
        best = 1e9
        for ax, ay, bx, by in self.segs:
            d = _seg_dist(x, y, ax, ay, bx, by)
            if d < best:
                best = d
        return best - self.hw


class Polygon(Shape):
    def __init__(self, pts):
        self.pts = list(pts)
        xs = [p[0] for p in self.pts]
        ys = [p[1] for p in self.pts]
        self.bbox = (min(xs) - 1, min(ys) - 1, max(xs) + 1, max(ys) + 1)

    def dist(self, x, y):
        pts = self.pts
        n = len(pts)
        best = 1e9
        inside = False
        j = n - 1
        for i in range(n):
            xi, yi = pts[i]
            xj, yj = pts[j]
            d = _seg_dist(x, y, xj, yj, xi, yi)
            if d < best:
                best = d
            if (yi > y) != (yj > y):
                if x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                    inside = not inside
            j = i
        return -best if inside else best


class Union(Shape):
    def __init__(self, *shapes):
        self.shapes = shapes
        bs = [s.bbox for s in shapes]
        self.bbox = (min(b[0] for b in bs), min(b[1] for b in bs),
                     max(b[2] for b in bs), max(b[3] for b in bs))

    def dist(self, x, y):
        return min(s.dist(x, y) for s in self.shapes)


class Cut(Shape):
    """shape minus the others."""

    def __init__(self, shape, *holes):
        self.shape, self.holes = shape, holes
        self.bbox = shape.bbox

    def dist(self, x, y):
        d = self.shape.dist(x, y)
        for h in self.holes:
            d = max(d, -h.dist(x, y))
        return d


class Clip(Shape):
    """shape inside the window shape only."""

    def __init__(self, shape, window):
        self.shape, self.window = shape, window
        a, b = shape.bbox, window.bbox
        self.bbox = (max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3]))

    def dist(self, x, y):
        return max(self.shape.dist(x, y), self.window.dist(x, y))


class Outline(Shape):
    """A band of the given width centred on the shape's edge."""

    def __init__(self, shape, width):
        self.shape, self.hw = shape, width / 2.0
        b = shape.bbox
        m = self.hw + 1
        self.bbox = (b[0] - m, b[1] - m, b[2] + m, b[3] + m)

    def dist(self, x, y):
        return abs(self.shape.dist(x, y)) - self.hw


class Grow(Shape):
    def __init__(self, shape, by):
        self.shape, self.by = shape, by
        b = shape.bbox
        self.bbox = (b[0] - by, b[1] - by, b[2] + by, b[3] + by)

    def dist(self, x, y):
        return self.shape.dist(x, y) - self.by


# ---------------------------------------------------------------- canvas

class Canvas:
    def __init__(self, w, h, fill=(0.0, 0.0, 0.0, 0.0)):
        self.w, self.h = w, h
        self.px = list(fill) * (w * h)

    def get(self, x, y):
        i = (y * self.w + x) * 4
        return tuple(self.px[i:i + 4])

    def put(self, x, y, c):
        i = (y * self.w + x) * 4
        self.px[i:i + 4] = c

    def blend(self, x, y, c, cover=1.0):
        """Source-over with straight alpha."""
        sa = c[3] * cover
        if sa <= 0.0:
            return
        px = self.px
        i = (y * self.w + x) * 4
        da = px[i + 3]
        oa = sa + da * (1.0 - sa)
        if oa <= 0.0:
            return
        k = da * (1.0 - sa)
        px[i] = (c[0] * sa + px[i] * k) / oa
        px[i + 1] = (c[1] * sa + px[i + 1] * k) / oa
        px[i + 2] = (c[2] * sa + px[i + 2] * k) / oa
        px[i + 3] = oa

    def fill(self, shape, paint, soft=1.0):
        """Paint a shape; paint is an RGBA tuple or a function (x, y) -> RGBA.
        soft widens the anti-aliased edge (1.0 = one pixel)."""
        x0, y0, x1, y1 = shape.bbox
        x0 = max(0, int(math.floor(x0)))
        y0 = max(0, int(math.floor(y0)))
        x1 = min(self.w, int(math.ceil(x1)) + 1)
        y1 = min(self.h, int(math.ceil(y1)) + 1)
        fn = paint if callable(paint) else None
        for y in range(y0, y1):
            cy = y + 0.5
            for x in range(x0, x1):
                cx = x + 0.5
                d = shape.dist(cx, cy)
                cov = clamp(0.5 - d / soft)
                if cov > 0.0:
                    self.blend(x, y, fn(cx, cy) if fn else paint, cov)

    def shade(self, fn, box=None):
        """Blend fn(x, y) -> RGBA (or None) over every pixel of a box."""
        x0, y0, x1, y1 = box or (0, 0, self.w, self.h)
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                c = fn(x + 0.5, y + 0.5)
                if c is not None:
                    self.blend(x, y, c)

    def draw(self, other, ox, oy):
        for y in range(other.h):
            for x in range(other.w):
                c = other.get(x, y)
                if c[3] > 0 and 0 <= x + ox < self.w and 0 <= y + oy < self.h:
                    self.blend(x + ox, y + oy, c)

    def map(self, fn):
        px = self.px
        for i in range(0, len(px), 4):
            px[i:i + 4] = fn(tuple(px[i:i + 4]))

    def rows_bytes(self, order, bg=None):
        """Bottom-up or top-down rows of 8-bit channels, flattened onto bg
        when given (for formats without alpha)."""
        out = []
        for y in range(self.h):
            row = bytearray()
            for x in range(self.w):
                r, g, b, a = self.get(x, y)
                if bg is not None:
                    r = r * a + bg[0] * (1 - a)
                    g = g * a + bg[1] * (1 - a)
                    b = b * a + bg[2] * (1 - a)
                    a = 1.0
                ch = {'r': r, 'g': g, 'b': b, 'a': a}
                row += bytes(int(round(clamp(ch[k]) * 255)) for k in order)
            out.append(bytes(row))
        return out


# ---------------------------------------------------------------- writers

def _pad4(b):
    return b + b'\0' * (-len(b) % 4)


def _bmp_file(w, h, bpp, palette, rows_bottom_up):
    data = b''.join(_pad4(r) for r in rows_bottom_up)
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, bpp, 0, len(data),
                       3780, 3780, len(palette), 0)
    off = 14 + len(info) + len(pal)
    head = struct.pack('<2sIHHI', b'BM', off + len(data), 0, 0, off)
    return head + info + pal + data


def bmp_bytes(canvas, bpp, bg=(1.0, 1.0, 1.0)):
    """24- or 32-bit uncompressed BMP; the alpha byte of 32-bit files is 255."""
    order = 'bgr' if bpp == 24 else 'bgra'
    rows = canvas.rows_bytes(order, bg)
    return _bmp_file(canvas.w, canvas.h, bpp, [], rows[::-1])


def bmp4_bytes(indices, w, h, palette):
    """4-bit BMP from rows of palette indices (top row first)."""
    rows = []
    for row in indices[::-1]:
        r = bytearray()
        for x in range(0, w, 2):
            hi = row[x]
            lo = row[x + 1] if x + 1 < w else 0
            r.append((hi << 4) | lo)
        rows.append(bytes(r))
    return _bmp_file(w, h, 4, palette, rows)


def png_bytes(canvas):
    raw = b''.join(b'\0' + r for r in canvas.rows_bytes('rgba'))

    def chunk(kind, data):
        c = kind + data
        return struct.pack('>I', len(data)) + c + struct.pack('>I', zlib.crc32(c) & 0xffffffff)

    ihdr = struct.pack('>IIBBBBB', canvas.w, canvas.h, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', ihdr) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def _ico_dib(canvas):
    w, h = canvas.w, canvas.h
    color = canvas.rows_bytes('bgra')[::-1]
    mask = []
    for y in range(h - 1, -1, -1):
        bits = bytearray((w + 31) // 32 * 4)
        for x in range(w):
            if canvas.get(x, y)[3] < 0.5:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask.append(bytes(bits))
    data = b''.join(color) + b''.join(mask)
    info = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 32, 0,
                       len(data), 0, 0, 0, 0)
    return info + data


def ico_bytes(canvases):
    """Icon file with one 32-bit image per canvas; 256-pixel images are
    stored as PNG, the others as DIBs with an AND mask."""
    images = [png_bytes(c) if c.w >= 256 else _ico_dib(c) for c in canvases]
    out = struct.pack('<HHH', 0, 1, len(canvases))
    off = 6 + 16 * len(canvases)
    for c, img in zip(canvases, images):
        out += struct.pack('<BBBBHHII', c.w % 256, c.h % 256, 0, 0, 1, 32,
                           len(img), off)
        off += len(img)
    return out + b''.join(images)
