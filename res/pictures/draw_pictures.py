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


# (file, resource number, what it shows) -> bytes
def pictures():
    out = []

    def ico(name, number, images):
        out.append(('ico_%s_%d.ico' % (name, number), lambda: ico_bytes(images())))

    def one(draw, size, state):
        return lambda: [draw(size, state)]

    ico('app', 128, lambda: [I.app_icon(s) for s in (16, 32, 48, 256)])
    ico('row', 247, one(I.row_icon, 28, 'normal'))
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
            ico('%s_%s' % (name, state), number, one(draw, size, state))

    for name, number, down in (('sort_down', 131, True), ('sort_up', 132, False)):
        out.append(('bmp_%s_%d.bmp' % (name, number),
                    lambda d=down: bmp4_bytes(I.sort_arrow(d), 14, 14, I.VGA16)))
    for name, number in (('copy', 158), ('cross', 173), ('folder', 264), ('pdf', 265)):
        out.append(('bmp_menu_%s_%d.bmp' % (name, number),
                    lambda n=name: bmp_bytes(I.menu_badge(n), 24, I.MENU_BG)))
    out.append(('bg_main_260.bmp', lambda: bmp_bytes(B.main_window(), 32)))
    out.append(('bg_settings_261.bmp', lambda: bmp_bytes(B.settings_dialog(), 32)))
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
