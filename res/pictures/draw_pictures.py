#!/usr/bin/env python3
"""Draws every picture the program's resources use and writes them beside
this script. Standard library only; the output is the same on every run.

    python3 res/pictures/draw_pictures.py
"""

import os
import sys

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import backgrounds as B  # noqa: E402
import icons as I  # noqa: E402
from canvas import bmp_bytes, bmp4_bytes, ico_bytes  # noqa: E402


def icon_set(draw, normal, hover):
    """Normal, disabled and hover images of one button."""
    return ((draw, normal, 'normal'), (draw, normal, 'disabled'), (draw, hover, 'hover'))


# The scales the pictures are drawn for: 100, 150 and 200 %. An icon file holds its picture
# at each; the program takes the one that suits the window's DPI.
SCALES = (1.0, 1.5, 2.0)


def scaled(size):
    return [int(size * k + 0.5) for k in SCALES]


# (file, resource number, what it shows) -> bytes
def pictures():
    out = []

    def ico(name, number, images):
        out.append(('ico_%s_%d.ico' % (name, number), lambda: ico_bytes(images())))

    def every_scale(draw, size, state):
        return lambda: [draw(s, state) for s in scaled(size)]

    # 16 to 64 are the window's icons and the banner's logo at every scale
    ico('app', 128, lambda: [I.app_icon(s) for s in (16, 24, 32, 48, 64, 256)])
    ico('row', 247, every_scale(I.row_icon, 28, 'normal'))
    buttons = (
        ('protect', (141, 155, 144), I.protect_pdf, 28, 30),
        ('open', (266, 267, 268), I.open_pdf, 20, 22),
        ('clear', (170, 171, 172), I.clear_list, 20, 22),
        ('settings', (202, 203, 204), I.settings, 20, 22),
        ('browse', (255, 256, 257), I.browse, 14, 16),
        ('save', (200, 253, 254), I.save, 22, 24),
        ('close', (250, 251, 252), I.close, 20, 22),
    )
    for name, numbers, draw, normal, hover in buttons:
        for number, state in zip(numbers, ('normal', 'disabled', 'hover')):
            size = hover if state == 'hover' else normal
            ico('%s_%s' % (name, state), number, every_scale(draw, size, state))

    # the classic sort indicator is a 16-colour bitmap (the loader maps its greys to the
    # user's colours), one file per scale: 131/132 at 100 %, 133/134 at 150 %, 135/136 at 200 %
    for k, n in enumerate(scaled(14)):
        for name, number, down in (('sort_down', 131, True), ('sort_up', 132, False)):
            out.append(('bmp_%s_%d.bmp' % (name, number + 2 * k),
                        lambda d=down, n=n: bmp4_bytes(I.sort_arrow(d, n), n, n, I.VGA16)))
    for name, number in (('copy', 158), ('cross', 173), ('folder', 264), ('pdf', 265)):
        ico('menu_%s' % name, number, lambda n=name: [I.menu_badge(n, s) for s in scaled(13)])
    out.append(('bg_offer_270.bmp', lambda: bmp_bytes(B.offer(), 24)))
    return out


def main(argv):
    only = set(argv[1:])
    for name, make in pictures():
        if only and not any(o in name for o in only):
            continue
        with open(os.path.join(HERE, name), 'wb') as f:
            f.write(make())
        print(name)


if __name__ == '__main__':
    main(sys.argv)
