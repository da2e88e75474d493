#!/usr/bin/env python3
"""Checks the drawn pictures: each file parses as what the resource script
expects (BMP bit depth and size, icon images with their sizes, 32-bit
colour and AND masks) and the drawing script reproduces them byte for byte.

    python3 res/pictures/check_pictures.py        # exit code 0 when all hold
"""

import os
import struct
import subprocess
import sys
import tempfile
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))

# file -> (kind, sizes, bits per pixel)
EXPECTED = {
    'ico_app_128.ico': ('ico', [16, 24, 32, 48, 64, 256], 32),
    'ico_row_247.ico': ('ico', [28, 42, 56], 32),
    'ico_protect_normal_141.ico': ('ico', [28, 42, 56], 32),
    'ico_protect_disabled_155.ico': ('ico', [28, 42, 56], 32),
    'ico_protect_hover_144.ico': ('ico', [30, 45, 60], 32),
    'ico_open_normal_266.ico': ('ico', [20, 30, 40], 32),
    'ico_open_disabled_267.ico': ('ico', [20, 30, 40], 32),
    'ico_open_hover_268.ico': ('ico', [22, 33, 44], 32),
    'ico_clear_normal_170.ico': ('ico', [20, 30, 40], 32),
    'ico_clear_disabled_171.ico': ('ico', [20, 30, 40], 32),
    'ico_clear_hover_172.ico': ('ico', [22, 33, 44], 32),
    'ico_settings_normal_202.ico': ('ico', [20, 30, 40], 32),
    'ico_settings_disabled_203.ico': ('ico', [20, 30, 40], 32),
    'ico_settings_hover_204.ico': ('ico', [22, 33, 44], 32),
    'ico_browse_normal_255.ico': ('ico', [14, 21, 28], 32),
    'ico_browse_disabled_256.ico': ('ico', [14, 21, 28], 32),
    'ico_browse_hover_257.ico': ('ico', [16, 24, 32], 32),
    'ico_save_normal_200.ico': ('ico', [22, 33, 44], 32),
    'ico_save_disabled_253.ico': ('ico', [22, 33, 44], 32),
    'ico_save_hover_254.ico': ('ico', [24, 36, 48], 32),
    'ico_close_normal_250.ico': ('ico', [20, 30, 40], 32),
    'ico_close_disabled_251.ico': ('ico', [20, 30, 40], 32),
    'ico_close_hover_252.ico': ('ico', [22, 33, 44], 32),
    'bmp_sort_down_131.bmp': ('bmp', (14, 14), 4),
    'bmp_sort_up_132.bmp': ('bmp', (14, 14), 4),
    'bmp_sort_down_133.bmp': ('bmp', (21, 21), 4),
    'bmp_sort_up_134.bmp': ('bmp', (21, 21), 4),
    'bmp_sort_down_135.bmp': ('bmp', (28, 28), 4),
    'bmp_sort_up_136.bmp': ('bmp', (28, 28), 4),
    'ico_menu_copy_158.ico': ('ico', [13, 20, 26], 32),
    'ico_menu_cross_173.ico': ('ico', [13, 20, 26], 32),
    'ico_menu_folder_264.ico': ('ico', [13, 20, 26], 32),
    'ico_menu_pdf_265.ico': ('ico', [13, 20, 26], 32),
    'bg_offer_270.bmp': ('bmp', (600, 400), 24),
}


def check_bmp(data, size, bpp):
    assert data[:2] == b'BM', 'no BM signature'
    fsize, _, _, off = struct.unpack_from('<IHHI', data, 2)
    assert fsize == len(data), 'file size field %d != %d' % (fsize, len(data))
    hs, w, h, planes, bits, comp, isize = struct.unpack_from('<IiiHHII', data, 14)
    assert hs == 40 and planes == 1 and comp == 0, 'not a plain BITMAPINFOHEADER DIB'
    assert (w, h) == size, 'size %dx%d' % (w, h)
    assert bits == bpp, '%d bits per pixel' % bits
    stride = (w * bits + 31) // 32 * 4
    colours = struct.unpack_from('<I', data, 46)[0] if bits <= 8 else 0
    assert colours == (1 << bits if bits <= 8 else 0), 'palette of %d colours' % colours
    assert off == 14 + 40 + 4 * colours, 'pixel offset'
    assert len(data) - off == stride * h == isize, 'pixel data length'


def check_ico(data, sizes):
    reserved, kind, count = struct.unpack_from('<HHH', data, 0)
    assert (reserved, kind) == (0, 1), 'not an icon file'
    assert count == len(sizes), '%d images' % count
    for i, s in enumerate(sizes):
        w, h, ncol, _, planes, bits, length, off = struct.unpack_from('<BBBBHHII', data, 6 + 16 * i)
        assert (w or 256, h or 256) == (s, s), 'image %d is %dx%d' % (i, w, h)
        assert planes == 1 and bits == 32 and ncol == 0, 'image %d not 32-bit' % i
        img = data[off:off + length]
        assert len(img) == length, 'image %d truncated' % i
        if img[:8] == b'\x89PNG\r\n\x1a\n':
            pw, ph, depth, ctype = struct.unpack_from('>IIBB', img, 16)
            assert (pw, ph, depth, ctype) == (s, s, 8, 6), 'PNG image %d not %d RGBA' % (i, s)
            continue
        hs, dw, dh, dplanes, dbits, comp = struct.unpack_from('<IiiHHI', img, 0)
        assert hs == 40 and (dw, dh) == (s, 2 * s) and dbits == 32 and comp == 0, \
            'image %d DIB header' % i
        mask_stride = (s + 31) // 32 * 4
        assert length == 40 + s * s * 4 + mask_stride * s, 'image %d: colour + mask length' % i
        alphas = img[40 + 3:40 + s * s * 4:4]
        assert any(a > 200 for a in alphas) and any(a == 0 for a in alphas), \
            'image %d: alpha channel lacks solid or transparent pixels' % i


def main():
    failures = 0
    for name, (kind, size, bpp) in sorted(EXPECTED.items()):
        path = os.path.join(HERE, name)
        try:
            with open(path, 'rb') as f:
                data = f.read()
            check_ico(data, size) if kind == 'ico' else check_bmp(data, size, bpp)
        except (AssertionError, OSError, struct.error) as e:
            failures += 1
            print('FAIL %s: %s' % (name, e))
    # the committed files are exactly what the script draws
    tmp = tempfile.mkdtemp()
    try:
        for f in os.listdir(HERE):
            if f.endswith('.py'):
                shutil.copy(os.path.join(HERE, f), tmp)
        subprocess.run([sys.executable, os.path.join(tmp, 'draw_pictures.py')],
                       check=True, stdout=subprocess.DEVNULL)
        drawn = sorted(f for f in os.listdir(tmp) if f.endswith(('.bmp', '.ico')))
        if drawn != sorted(EXPECTED):
            failures += 1
            print('FAIL the script draws %s' % ', '.join(sorted(set(drawn) ^ set(EXPECTED))))
        for f in drawn:
            with open(os.path.join(tmp, f), 'rb') as a, open(os.path.join(HERE, f), 'rb') as b:
                if a.read() != b.read():
                    failures += 1
                    print('FAIL %s differs from a fresh drawing; rerun draw_pictures.py' % f)
    finally:
        shutil.rmtree(tmp)
    print('%d pictures checked, %d failures' % (len(EXPECTED), failures))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
