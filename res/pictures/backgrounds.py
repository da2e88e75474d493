"""The large picture: the offer shown when the program closes. The main
window's and the settings dialog's backgrounds are painted by the program
itself at the window's real size and scale."""

from canvas import Canvas, Circle, Outline, Rect, Strokes, mix, rgb
from glyphs import draw_text
import icons as I

WHITE = I.PAPER


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
