"""The large pictures: the main window's and the settings dialog's
backgrounds, and the offer picture. Labels stand on them in the system's
black text, transparently, so wherever a label or field sits the picture is
a flat, light surface; colour and the product's name live in the header and
footer bands, away from the controls."""

from canvas import Canvas, Circle, Clip, Outline, Polygon, Rect, Grow, Strokes, clamp, mix, rgb
from glyphs import draw_text, measure
import icons as I

SURFACE = rgb((241, 243, 247))   # close to the button face, so boxes blend in
BASE_T = rgb((230, 235, 242))
BASE_B = rgb((216, 224, 235))
CARD_EDGE = rgb((200, 210, 224))
MUTED = rgb((98, 112, 134))
WHITE = I.PAPER


def base(w, h):
    c = Canvas(w, h)
    c.shade(lambda x, y: mix(BASE_T, BASE_B, y / h))
    return c


def header(c, h, title_size, subtitle=None, tagline=None, logo=36):
    """Navy band with the logo and the product's name, a gold rule under it."""
    w = c.w
    c.shade(lambda x, y: mix(mix(I.NAVY, I.BLUE_D, x / w), I.NAVY, (y / h) * 0.35),
            (0, 0, w, h))
    # a quiet seal motif on the right: a few thin rings
    for k, r in enumerate((70, 110, 150, 190)):
        ring = Clip(Outline(Circle(w - 60, h * 0.5, r), 1.2), Rect(0, 0, w, h))
        c.fill(ring, rgb((140, 190, 240), 0.10 - k * 0.015))
    c.fill(Rect(0, h, w, h + 2), I.GOLD)
    c.fill(Rect(0, h + 2, w, h + 3), rgb((0, 0, 0), 0.10))
    icon = I.app_icon(logo)
    iy = (h - logo) // 2
    c.draw(icon, 14, iy)
    x = 14 + logo + 12
    base_y = round(h / 2 + title_size / 2) - (3 if subtitle is None else 0)
    if subtitle is None:
        x = draw_text(c, 'Veltrane', x, base_y, title_size, max(1.4, title_size / 12.0), I.SKY)
        x += measure('Veltrane', title_size, max(1.4, title_size / 12.0)) + title_size * 0.45
        draw_text(c, 'Sealwick', x, base_y, title_size, title_size / 6.5, WHITE)
    else:
        base_y = round(h / 2) + 3
        draw_text(c, subtitle, x, base_y, title_size, title_size / 6.5, WHITE)
        draw_text(c, 'Veltrane Sealwick', x + 1, base_y + 16, 9, 1.25, I.SKY)
    if tagline:
        draw_text(c, tagline, w - 22, round(h / 2 + 5), 10, 1.3, I.SKY, align='right')


def card(c, x0, y0, x1, y1):
    """A raised light panel where the controls stand."""
    c.fill(Rect(x0 - 1, y0 + 1, x1 + 1, y1 + 3, 7), rgb((30, 50, 90), 0.06), soft=3.0)
    c.fill(Rect(x0, y0, x1, y1, 6), CARD_EDGE)
    c.fill(Rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 5), SURFACE)


def rule(c, x0, x1, y):
    c.fill(Rect(x0, y, x1, y + 1), rgb((210, 218, 230)))
    c.fill(Rect(x0, y + 1, x1, y + 2), rgb((255, 255, 255), 0.8))


def main_window():
    """942 x 710: dialog units x 1.5 and y 1.625 (MS Shell Dlg 8)."""
    w, h = 942, 710
    c = base(w, h)
    header(c, 46, 20, tagline='Password protection for PDF files')
    # labels from y 107 to 307 px, fields to 878 px, the Protect button or
    # the progress bar at 327-369 px; the list covers 390-632 px
    card(c, 26, 88, 916, 381)
    rule(c, 52, 890, 127)
    rule(c, 52, 890, 242)
    # footer under the list, left of the three buttons (562-930 px)
    small = I.app_icon(16)
    c.draw(small, 16, 662)
    x = draw_text(c, 'Veltrane Sealwick', 40, 675, 10, 1.5, I.NAVY)
    x += measure('Veltrane Sealwick', 10, 1.5) + 10
    draw_text(c, '\u00b7  Lock, restrict and share PDF files with confidence', x, 675, 8, 1.1, MUTED)
    draw_text(c, '\u00a9 Veltrane Software', 40, 694, 7, 1.0, MUTED)
    return c


def settings_dialog():
    """607 x 453."""
    w, h = 607, 453
    c = base(w, h)
    header(c, 62, 18, subtitle='Settings', logo=40)
    # options from 117 to 323 px, the separator at 355 px, buttons 386-421 px
    card(c, 24, 100, 583, 337)
    return c


def offer():
    """600 x 400: the maker's other tool, Veltrane Foliomerge."""
    w, h = 600, 400
    c = Canvas(w, h)
    c.shade(lambda x, y: mix(mix(I.NAVY, I.BLUE_D, x / w), rgb((12, 28, 58)), y / h))
    for k, r in enumerate((120, 190, 260, 330)):
        c.fill(Outline(Circle(470, 210, r), 1.4), rgb((140, 190, 240), 0.12 - k * 0.02))
    # three pages gathering into one
    g = I.Grid(1, 1)
    for k, (px, py) in enumerate(((360, 70), (380, 110), (400, 150))):
        c.fill(Rect(px + 4, py + 6, px + 124, py + 166, 4), rgb((0, 0, 0), 0.25), soft=6.0)
        I.page(c, g, px, py, px + 120, py + 160, 26, band=(py + 22, py + 40),
               lines=[py + 56 + 14 * i for i in range(7)], line_x=(px + 14, px + 90))
    # gold merge badge
    c.fill(Circle(520, 306, 34), rgb((0, 0, 0), 0.25), soft=6.0)
    c.fill(Circle(518, 302, 32), I.GOLD_D)
    c.fill(Circle(518, 302, 30), I.vgrad(272, 332, I.GOLD_L, I.GOLD))
    c.fill(Strokes([[(504, 292), (518, 306), (532, 292)], [(518, 282), (518, 306)],
                    [(502, 316), (534, 316)]], 5), I.NAVY)
    draw_text(c, 'ALSO FROM VELTRANE', 40, 62, 10, 1.4, I.GOLD, track=1.5)
    draw_text(c, 'Foliomerge', 38, 120, 38, 5.2, WHITE)
    draw_text(c, 'Combine PDF files into one,', 40, 160, 14, 1.8, I.SKY)
    draw_text(c, 'in the order you choose.', 40, 184, 14, 1.8, I.SKY)
    for i, line in enumerate(('Merge whole files or chosen pages',
                              'Reorder by dragging, preview each page',
                              'Keeps bookmarks and links intact')):
        y = 228 + i * 26
        c.fill(Circle(46, y - 5, 4), I.GOLD)
        draw_text(c, line, 60, y, 10, 1.4, WHITE)
    # call to action
    c.fill(Rect(40, 320, 236, 360, 20), I.vgrad(320, 360, I.GOLD_L, I.GOLD))
    draw_text(c, 'Learn more', 138, 346, 12, 2.0, I.NAVY, align='center')
    return c
