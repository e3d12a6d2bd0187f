#!/usr/bin/python3
"""Draws every picture of the portal as an SVG file in resources/svg/.

Run from anywhere:  /usr/bin/python3 tools/make-pictures.py
The output is deterministic; re-running rewrites resources/svg/*.svg.

Pictures are plain SVG (no bitmaps, no external fonts) that QtSvg renders:
presentation attributes only, text placed by baseline, one font list
"DejaVu Sans, Liberation Sans, sans-serif".

resources/keyboards.json: the on-screen keyboards
-------------------------------------------------
One object.  Each member is a screen class (TRegistro, TPassword,
TInformacionGeneral, THijos, TSolicitarVacaciones); its value is the list of
flat, caption-less buttons that the screen lays over its background picture,
in keyboard order.  Every entry is an object:

  name   control name of the button, exactly as the screen names it
         ("btn1", "btnEe", "BtnSs", "btnEne", "btnMayusculas", "btnUno" ...)
  x, y   top-left corner in pixels, relative to the background picture
         (the window client area, or the picture control that covers it)
  w, h   width and height in pixels
  face   text drawn on the key face: the digit, the upper-case letter,
         the symbol, or the caption of a special key ("Borrar", "Espacio")
  kind   what the key does:
           digit      appends its digit ("face")
           letter     appends its letter, upper or lower case by the lock
           symbol     appends "face" as is
           backspace  removes the last character of the active edit
           space      appends a blank
           upper      switches the upper-case lock on
           lower      switches the upper-case lock off
           left       left arrow (no action)
           right      right arrow (no action)
           delete     numeric keypad: removes the last character of the buffer
           button     a flat screen button whose face is painted on the
                      background (accept, print, send, exit); the screen wires
                      it itself, it is not a keyboard key
  shift  (digit keys of TInformacionGeneral only) character typed instead of
         the digit while the upper-case lock is on
  icon   (button only) name of the button picture drawn on its face

Which pictures draw which table is fixed in KEYBOARD_PICTURES below.  Each
keyboard picture marks every key face with a group id "key-<name>".
"""

import json
import os

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, 'resources', 'svg')
KEYBOARDS = os.path.join(ROOT, 'resources', 'keyboards.json')

FONT = 'DejaVu Sans, Liberation Sans, sans-serif'

NAVY = '#1f3a5f'
NAVY_DARK = '#152a46'
TEAL = '#129e96'
TEAL_DARK = '#0d7f79'
TEAL_LIGHT = '#dff3f1'
PAGE = '#eef2f6'
CARD = '#ffffff'
LINE = '#c8d2de'
GREY = '#8a96a8'
INK = '#27364a'
GREEN = '#2e9e5b'
RED = '#c0392b'
AMBER = '#f0a92a'
KEY_SHADE = '#b7c3d2'


# ---------------------------------------------------------------- SVG basics

def esc(text):
    return (text.replace('&', '&amp;').replace('<', '&lt;')
            .replace('>', '&gt;').replace('"', '&quot;'))


def num(v):
    return ('%.2f' % v).rstrip('0').rstrip('.') if isinstance(v, float) else str(v)


def svg_doc(w, h, body, extra=''):
    return ('<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            'width="%d" height="%d" viewBox="0 0 %d %d"%s>\n%s</svg>\n'
            % (w, h, w, h, extra, body))


def rect(x, y, w, h, fill, rx=0, stroke=None, sw=1, opacity=None):
    s = '<rect x="%s" y="%s" width="%s" height="%s"' % (num(x), num(y), num(w), num(h))
    if rx:
        s += ' rx="%s"' % num(rx)
    s += ' fill="%s"' % fill
    if stroke:
        s += ' stroke="%s" stroke-width="%s"' % (stroke, num(sw))
    if opacity is not None:
        s += ' fill-opacity="%s"' % num(opacity)
    return s + '/>\n'


def text_width(text, size, bold=False):
    return len(text) * size * (0.66 if bold else 0.6)


def text(x, y, s, size, fill=INK, anchor='middle', bold=False, max_width=None):
    """Text whose vertical centre is y (baseline is derived)."""
    if max_width:
        while size > 7 and text_width(s, size, bold) > max_width:
            size -= 0.5
    base = y + size * 0.36
    return ('<text x="%s" y="%s" font-family="%s" font-size="%s"%s fill="%s" text-anchor="%s">%s</text>\n'
            % (num(x), num(float(base)), FONT, num(float(size)), ' font-weight="bold"' if bold else '',
               fill, anchor, esc(s)))


def wrap(s, size, width, bold=False):
    lines, cur = [], ''
    for word in s.split():
        probe = (cur + ' ' + word).strip()
        if cur and text_width(probe, size, bold) > width:
            lines.append(cur)
            cur = word
        else:
            cur = probe
    if cur:
        lines.append(cur)
    return lines


def text_block(cx, cy, s, size, width, fill=INK, bold=False, anchor='middle', x=None):
    """Centred (vertically) multi-line text wrapped to width."""
    lines = wrap(s, size, width, bold)
    while size > 8 and any(text_width(l, size, bold) > width for l in lines):
        size -= 0.5
        lines = wrap(s, size, width, bold)
    step = size * 1.2
    top = cy - step * (len(lines) - 1) / 2
    px = cx if x is None else x
    return ''.join(text(px, top + i * step, l, size, fill, anchor, bold) for i, l in enumerate(lines))


def group(content, ident=None, transform=None):
    attrs = ''
    if ident:
        attrs += ' id="%s"' % ident
    if transform:
        attrs += ' transform="%s"' % transform
    return '<g%s>\n%s</g>\n' % (attrs, content)


def place(icon_name, x, y, size, **kw):
    """An icon of the 48 x 48 set drawn in the square (x, y, size)."""
    return group(ICONS[icon_name](**kw), transform='translate(%s,%s) scale(%s)' % (
        num(float(x)), num(float(y)), num(size / 48.0)))


# ---------------------------------------------------------------- icons (48 x 48)

def stroke_path(d, color, width, cap='round'):
    return ('<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="%s" '
            'stroke-linejoin="round"/>\n' % (d, color, num(width), cap))


def fill_path(d, color):
    return '<path d="%s" fill="%s"/>\n' % (d, color)


def circle(cx, cy, r, fill, stroke=None, sw=1):
    s = '<circle cx="%s" cy="%s" r="%s" fill="%s"' % (num(cx), num(cy), num(r), fill)
    if stroke:
        s += ' stroke="%s" stroke-width="%s"' % (stroke, num(sw))
    return s + '/>\n'


def icon_door(arrow=TEAL, leaf=NAVY, frame=NAVY, light=False):
    f = '#ffffff' if light else frame
    lf = '#ffffff' if light else leaf
    a = '#ffffff' if light else arrow
    return (rect(8, 5, 22, 38, 'none', 1.5, f, 3)
            + fill_path('M8 5 L22 9 L22 46 L8 43 Z', lf)
            + circle(18.5, 27, 1.8, NAVY if light else '#ffffff')
            + stroke_path('M27 25 H43', a, 4.5)
            + stroke_path('M37 18 L44 25 L37 32', a, 4.5))


def icon_salir():
    return (circle(24, 24, 22, RED)
            + rect(12, 11, 15, 26, 'none', 1, '#ffffff', 2.5)
            + fill_path('M12 11 L21 14 L21 40 L12 37 Z', '#ffffff')
            + stroke_path('M26 24 H38', '#ffffff', 4)
            + stroke_path('M33 18.5 L38.5 24 L33 29.5', '#ffffff', 4))


def icon_check():
    return circle(24, 24, 21, GREEN) + stroke_path('M13.5 24.5 L21 32 L35 16.5', '#ffffff', 5.5)


def icon_magnifier(body=NAVY, lens='#ffffff'):
    return (circle(20, 20, 12, lens, body, 5)
            + stroke_path('M29 29 L42 42', body, 7.5)
            + '<path d="M14 17 A7 7 0 0 1 19 13" fill="none" stroke="%s" stroke-width="2.5" '
              'stroke-linecap="round"/>\n' % TEAL)


def icon_magnifier_list():
    return (rect(4, 4, 28, 36, '#ffffff', 3, NAVY, 2.5)
            + stroke_path('M10 13 H26 M10 20 H24 M10 27 H18', GREY, 2.5)
            + circle(30, 29, 9, TEAL_LIGHT, TEAL, 4.5)
            + stroke_path('M36.5 35.5 L44 43', TEAL, 6))


def icon_printer():
    return (rect(13, 4, 22, 14, '#ffffff', 1.5, GREY, 2)
            + rect(4, 16, 40, 19, NAVY, 5)
            + rect(12, 28, 24, 16, '#ffffff', 1.5, GREY, 2)
            + stroke_path('M16 34 H32 M16 39 H28', GREY, 2)
            + circle(37, 22, 2.2, '#5fe0a0'))


def icon_envelope(badge=True):
    s = (rect(3, 11, 38, 27, '#ffffff', 3, NAVY, 3)
         + stroke_path('M4.5 13 L22 27 L39.5 13', NAVY, 3))
    if badge:
        s += circle(38, 36, 9, TEAL) + stroke_path('M33.5 36 H42 M38.5 32 L42.5 36 L38.5 40', '#ffffff', 2.6)
    return s


def person(color, cx=20, scale=1.0):
    hr = 8 * scale
    return (circle(cx, 15 * scale + 2, hr, color)
            + fill_path('M%s %s C%s %s %s %s %s %s Z' % (
                num(cx - 15 * scale), num(44.0), num(cx - 15 * scale), num(27 * scale + 2),
                num(cx + 15 * scale), num(27 * scale + 2), num(cx + 15 * scale), num(44.0)), color))


def badge(sign, color):
    s = circle(36, 34, 10, color, '#ffffff', 2)
    s += stroke_path('M31 34 H41', '#ffffff', 3.5)
    if sign == '+':
        s += stroke_path('M36 29 V39', '#ffffff', 3.5)
    return s


def icon_person(extra=None):
    s = person(NAVY)
    if extra == '+':
        s += badge('+', GREEN)
    elif extra == '-':
        s += badge('-', RED)
    elif extra == 'save':
        s += (rect(26, 24, 20, 20, TEAL, 2.5, '#ffffff', 2) + rect(30, 26, 11, 6, '#ffffff', 1)
              + rect(31, 36, 10, 6, '#ffffff', 1))
    return s


def icon_people():
    return person(GREY, 30, 0.85) + person(NAVY, 18)


def icon_user_more():
    return (circle(22, 22, 20, TEAL_LIGHT)
            + circle(22, 17, 7, TEAL) + fill_path('M9 36 C9 24 35 24 35 36 Z', TEAL)
            + circle(37, 36, 9.5, AMBER, '#ffffff', 2)
            + stroke_path('M32.5 36 H41.5 M37 31.5 V40.5', '#ffffff', 3.2))


def icon_arrow(direction):
    paths = {
        'up': 'M24 9 L39 25 H30 V40 H18 V25 H9 Z',
        'down': 'M24 39 L39 23 H30 V8 H18 V23 H9 Z',
    }
    return circle(24, 24, 22, TEAL_LIGHT) + fill_path(paths[direction], TEAL)


def icon_back():
    return (circle(24, 24, 22, TEAL_LIGHT)
            + stroke_path('M17 17 H29 A9 9 0 0 1 29 35 H18', TEAL, 5)
            + fill_path('M9 17 L19 8 V26 Z', TEAL))


def icon_angle_previous():
    return circle(24, 24, 22, TEAL_LIGHT) + stroke_path('M28 12 L16 24 L28 36', TEAL, 6.5)


def icon_tick_box():
    return (rect(5, 5, 38, 38, '#ffffff', 6, TEAL, 3)
            + stroke_path('M13 24.5 L21 32.5 L36 15', GREEN, 6))


def icon_cross(boxed=False):
    s = ''
    if boxed:
        s += rect(5, 5, 38, 38, '#ffffff', 6, GREY, 3)
        return s + stroke_path('M15 15 L33 33 M33 15 L15 33', RED, 5.5)
    return stroke_path('M10 10 L38 38 M38 10 L10 38', RED, 8)


def icon_building():
    s = rect(8, 10, 22, 34, NAVY, 2) + rect(30, 20, 12, 24, TEAL, 2)
    for row in range(4):
        for col in range(2):
            s += rect(12 + col * 9, 14 + row * 7, 5, 4, '#ffffff')
    s += rect(33, 25, 6, 4, '#ffffff') + rect(33, 32, 6, 4, '#ffffff')
    return s + rect(15, 38, 8, 6, '#ffffff')


def icon_gear():
    teeth = ''.join(rect(20.5, 1.5, 7, 10, NAVY, 1.5).replace(
        '/>', ' transform="rotate(%d 24 24)"/>' % a) for a in range(0, 360, 45))
    return teeth + circle(24, 24, 15, NAVY) + circle(24, 24, 6.5, '#ffffff')


def icon_pencil(paper=False):
    s = ''
    if paper:
        s += rect(4, 6, 28, 36, '#ffffff', 3, NAVY, 2.5) + stroke_path('M10 15 H24 M10 22 H22 M10 29 H16', GREY, 2.5)
    s += fill_path('M20 40 L22 31 L38 15 L45 22 L29 38 Z', AMBER)
    s += fill_path('M38 15 L41 12 A3 3 0 0 1 45 12 L48 15 A3 3 0 0 1 48 19 L45 22 Z', RED)
    s += fill_path('M20 40 L22 31 L29 38 Z', '#f6dcaa') + fill_path('M20 40 L21 36 L24 39 Z', INK)
    return s


def icon_bars():
    return (stroke_path('M6 6 V42 H44', NAVY, 3)
            + rect(11, 26, 7, 14, TEAL) + rect(21, 16, 7, 24, NAVY) + rect(31, 21, 7, 19, AMBER))


def icon_pie():
    return (circle(22, 26, 17, NAVY)
            + fill_path('M22 26 L22 9 A17 17 0 0 1 38.2 20.8 Z', TEAL)
            + fill_path('M26 21 L26 4 A17 17 0 0 1 42.2 15.8 Z', AMBER))


def icon_floppy():
    return (fill_path('M6 6 H36 L42 12 V42 H6 Z', NAVY)
            + rect(13, 6, 18, 12, '#ffffff', 1) + rect(25, 8, 4, 8, NAVY)
            + rect(12, 26, 24, 16, '#ffffff', 1.5) + stroke_path('M16 32 H32 M16 37 H28', GREY, 2))


def icon_round_sign(sign, color):
    s = circle(24, 24, 20, color) + stroke_path('M13 24 H35', '#ffffff', 6)
    if sign == '+':
        s += stroke_path('M24 13 V35', '#ffffff', 6)
    return s


def icon_backup():
    body = ('<ellipse cx="20" cy="12" rx="14" ry="5.5" fill="%s"/>\n' % TEAL
            + rect(6, 12, 28, 26, NAVY)
            + '<ellipse cx="20" cy="38" rx="14" ry="5.5" fill="%s"/>\n' % NAVY
            + '<path d="M6 21 A14 5.5 0 0 0 34 21 M6 30 A14 5.5 0 0 0 34 30" fill="none" '
              'stroke="#ffffff" stroke-width="1.8"/>\n')
    return body + circle(36, 34, 10, GREEN, '#ffffff', 2) + stroke_path('M36 39 V29.5 M31.5 33.5 L36 29 L40.5 33.5', '#ffffff', 3)


ICONS = {
    'door': icon_door,
    'salir': icon_salir,
    'check': icon_check,
    'magnifier': icon_magnifier,
    'magnifier_list': icon_magnifier_list,
    'printer': icon_printer,
    'envelope': icon_envelope,
    'person': icon_person,
    'people': icon_people,
    'user_more': icon_user_more,
    'arrow': icon_arrow,
    'back': icon_back,
    'angle_previous': icon_angle_previous,
    'tick_box': icon_tick_box,
    'cross': icon_cross,
    'building': icon_building,
    'gear': icon_gear,
    'pencil': icon_pencil,
    'bars': icon_bars,
    'pie': icon_pie,
    'floppy': icon_floppy,
    'round_sign': icon_round_sign,
    'backup': icon_backup,
}

# Button pictures: resource name -> (icon, arguments); 48 x 48 each.
BUTTON_PICTURES = {
    'angulo2': ('tick_box', {}),
    'anguloanterior': ('angle_previous', {}),
    'buscar': ('magnifier', {}),
    'buscar2': ('magnifier_list', {}),
    'centro': ('building', {}),
    'config': ('gear', {}),
    'correcto': ('check', {}),
    'editar': ('pencil', {}),
    'editar2': ('pencil', {'paper': True}),
    'envia': ('envelope', {}),
    'fechaabajo': ('arrow', {'direction': 'down'}),
    'fechaarriba': ('arrow', {'direction': 'up'}),
    'graficas2': ('bars', {}),
    'graficas22': ('pie', {}),
    'guardar': ('floppy', {}),
    'masflujo': ('round_sign', {'sign': '+', 'color': GREEN}),
    'menosflujo': ('round_sign', {'sign': '-', 'color': RED}),
    'perfil': ('person', {}),
    'perfiles2': ('people', {}),
    'perfilguarda': ('person', {'extra': 'save'}),
    'perfilmas': ('person', {'extra': '+'}),
    'perfilmenos': ('person', {'extra': '-'}),
    'printer1': ('printer', {}),
    'puertasalida': ('door', {}),
    'regresa': ('back', {}),
    'respaldar': ('backup', {}),
    'salir': ('salir', {}),
    'tacha3': ('cross', {}),
    'tacha33': ('cross', {'boxed': True}),
    'usuariomas': ('user_more', {}),
}

# Status images of the request progress grid: plain colour squares, 20 x 20.
SWATCHES = {
    'amarillo': '#f2c200',
    'darkgreen': '#1e7b3c',
    'darkred': '#9b1c1c',
    'lightyellow': '#fff3a6',
}


def button_picture(icon, args):
    return svg_doc(48, 48, place(icon, 0, 0, 48, **args))


def swatch_picture(color):
    return svg_doc(20, 20, rect(1, 1, 18, 18, color, 3, '#5b6577', 1))


def transparent_picture():
    return svg_doc(20, 20, rect(0, 0, 20, 20, 'none'))


# ---------------------------------------------------------------- page pieces

def page(w, h):
    return rect(0, 0, w, h, PAGE)


def header(w, height, title, subtitle=None, icon=None):
    """Navy title band across the top of a screen."""
    s = rect(0, 0, w, height, NAVY) + rect(0, height, w, 4, TEAL)
    x = 20
    if icon and height >= 44:
        size = min(height - 16, 52)
        s += circle(x + size / 2, height / 2, size / 2 + 2, '#ffffff', None)
        s += place(icon, x + size * 0.15, height / 2 - size * 0.35, size * 0.7)
        x += size + 16
    if subtitle and height >= 56:
        s += text(x, height / 2 - 9, title, min(26, height * 0.36), '#ffffff', 'start', True)
        s += text(x, height / 2 + 16, subtitle, 13, '#c9d8ea', 'start')
    else:
        s += text(x, height / 2, title, min(24, height * 0.52), '#ffffff', 'start', True)
    return s


def card(x, y, w, h, fill=CARD, rx=10):
    return rect(x + 1, y + 3, w, h, '#d5dde7', rx) + rect(x, y, w, h, fill, rx, LINE, 1)


def field_frame(x, y, w, h):
    """Frame drawn around the place of an edit control."""
    return rect(x - 3, y - 3, w + 6, h + 6, '#ffffff', 5, TEAL, 1.5)


def caption(x, y, s, size=15, anchor='end', fill=NAVY, bold=True):
    return text(x, y, s, size, fill, anchor, bold)


def face_button(x, y, w, h, label, icon, style='light', ident=None, icon_args=None):
    """Face of a flat, caption-less screen button painted on a background."""
    if style == 'exit':
        fill, fg, stroke = RED, '#ffffff', None
    elif style == 'accept':
        fill, fg, stroke = GREEN, '#ffffff', None
    else:
        fill, fg, stroke = CARD, NAVY, LINE
    s = rect(x + 1, y + 3, w, h, '#c3ccd8', 9)
    s += rect(x, y, w, h, fill, 9, stroke, 1.2 if stroke else 1)
    args = dict(icon_args or {})
    if style in ('exit', 'accept') and icon == 'door':
        args['light'] = True
    label_size = max(10.0, min(15.0, h * 0.2, w * 0.16))
    lines = len(wrap(label, label_size, w - 10, True))
    label_h = label_size * 1.2 * lines
    icon_size = min(w - 16, h - label_h - 14, 64)
    if style == 'accept' and icon == 'check':
        s += circle(x + w / 2, y + 6 + icon_size / 2, icon_size / 2, '#ffffff', None)
        s += stroke_path('M%s %s L%s %s L%s %s' % (
            num(x + w / 2 - icon_size * 0.24), num(y + 6 + icon_size * 0.52),
            num(x + w / 2 - icon_size * 0.06), num(y + 6 + icon_size * 0.7),
            num(x + w / 2 + icon_size * 0.26), num(y + 6 + icon_size * 0.32)), GREEN, icon_size * 0.12)
    else:
        s += place(icon, x + (w - icon_size) / 2, y + 6, icon_size, **args)
    s += text_block(x + w / 2, y + 6 + icon_size + (h - 6 - icon_size) / 2, label, label_size, w - 10, fg, True)
    return group(s, ident)


# Icons and labels of the faces that screens paint for their flat buttons.
FACE_ICONS = {'correcto': 'check', 'puertasalida': 'door', 'printer1': 'printer', 'envia': 'envelope'}


def exit_face(x, y, w, h, ident=None):
    return face_button(x, y, w, h, 'Salir', 'door', 'exit', ident)


# ---------------------------------------------------------------- keyboards

KEYBOARD_PICTURES = [
    # picture, screen table, width, height, letter case, title, subtitle
    ('imagenloginmayusculasnumeros', 'TRegistro', 1017, 698, 'upper'),
    ('imagenloginminusculonumeros', 'TRegistro', 1017, 698, 'lower'),
    ('imagenlogin', 'TRegistro', 1017, 698, 'both'),
    ('imagennuevopassword', 'TPassword', 1006, 686, 'upper'),
    ('tecladoediciondatos', 'TInformacionGeneral', 1005, 687, 'upper'),
    ('datospersonales', 'TInformacionGeneral', 1005, 687, 'lower'),
    ('teclado', 'THijos', 1010, 694, 'upper'),
    ('solicitarvacacionesnuevo', 'TSolicitarVacaciones', 1014, 698, 'upper'),
    ('solicitarvac', 'TSolicitarVacaciones', 1014, 698, 'upper'),
    ('tecladonumerico', 'TSolicitarVacaciones', 1014, 698, 'upper'),
]

TYPING_KINDS = ('digit', 'letter', 'symbol', 'left', 'right')


def key_rows(keys):
    """Groups the typing keys into rows by the centre of their rectangles."""
    rows = []
    for k in keys:
        cy = k['y'] + k['h'] / 2.0
        for row in rows:
            if abs(row['cy'] - cy) <= 14:
                row['keys'].append(k)
                break
        else:
            rows.append({'cy': cy, 'keys': [k]})
    return rows


def face_boxes(keys):
    """Face of each key: the same size for the ordinary keys of a row,
    centred in the key's rectangle, so that the drawn rows look even while
    every face stays inside the button that receives the touch."""
    boxes = {}
    typing = [k for k in keys if k['kind'] != 'button']
    for row in key_rows(typing):
        normal = [k for k in row['keys'] if k['w'] < 100]
        fw = min(k['w'] for k in normal) - 6 if normal else None
        fh = min(k['h'] for k in row['keys']) - 6
        centres = sorted(k['y'] + k['h'] / 2.0 for k in row['keys'])
        cy = centres[len(centres) // 2]
        for k in row['keys']:
            w = fw if k['w'] < 100 else k['w'] - 6
            h = min(fh, k['h'] - 4)
            top = min(max(cy - h / 2.0, k['y'] + 1), k['y'] + k['h'] - h - 1)
            boxes[k['name']] = (k['x'] + (k['w'] - w) / 2.0, top, w, h)
    return boxes


def arrow_glyph(cx, cy, direction, color, size=14):
    d = -1 if direction == 'left' else 1
    return (stroke_path('M%s %s H%s' % (num(cx - d * size / 2), num(cy), num(cx + d * size / 2)), color, 3)
            + stroke_path('M%s %s L%s %s L%s %s' % (
                num(cx + d * (size / 2 - 6)), num(cy - 6), num(cx + d * size / 2), num(cy),
                num(cx + d * (size / 2 - 6)), num(cy + 6)), color, 3))


def key_face(key, box, case):
    x, y, w, h = box
    kind = key['kind']
    special = kind in ('backspace', 'space', 'upper', 'lower', 'left', 'right', 'delete')
    fill = TEAL_LIGHT if special else '#ffffff'
    fg = TEAL_DARK if special else NAVY
    s = rect(x, y + 3, w, h, KEY_SHADE, 7) + rect(x, y, w, h, fill, 7, '#aebccd', 1)
    cx, cy = x + w / 2.0, y + h / 2.0
    size = min(h * 0.52, 22)
    face = key['face']
    if kind == 'letter':
        if case == 'lower':
            s += text(cx, cy - 1, face.lower(), size, fg, bold=True)
        elif case == 'both':
            s += text(cx - 4, cy - 1, face, size, fg, bold=True)
            s += text(x + w - 9, y + h - 8, face.lower(), 10, GREY, bold=True)
        else:
            s += text(cx, cy, face, size, fg, bold=True)
    elif kind == 'digit' and key.get('shift'):
        big, small = (key['shift'], face) if case == 'upper' else (face, key['shift'])
        s += text(cx + 3, cy + 2, big, size, fg, bold=True)
        s += text(x + 10, y + 9, small, 11, GREY, bold=True)
    elif kind in ('digit', 'symbol'):
        s += text(cx, cy, face, min(h * 0.5, 26), fg, bold=True)
    elif kind in ('left', 'right'):
        s += arrow_glyph(cx, cy, kind, fg, 22)
    elif kind in ('backspace', 'delete'):
        if w > 90:
            s += erase_glyph(x + 14, cy, fg)
            s += text(x + 54, cy, face, 16, fg, 'start', True)
        else:
            s += erase_glyph(cx - 15, cy - 7, fg)
            s += text(cx, cy + 15, face, 12, fg, bold=True)
    elif kind == 'space':
        s += stroke_path('M%s %s V%s H%s V%s' % (num(cx - 110), num(cy - 5), num(cy + 4), num(cx - 70), num(cy - 5)), fg, 2.5)
        s += text(cx, cy, face, 16, fg, bold=True)
        s += stroke_path('M%s %s V%s H%s V%s' % (num(cx + 70), num(cy - 5), num(cy + 4), num(cx + 110), num(cy - 5)), fg, 2.5)
    elif kind in ('upper', 'lower'):
        s += shift_arrow(x + 17, cy, kind == 'upper', fg)
        s += text(x + 32, cy, face, 14, fg, 'start', True, max_width=w - 38)
    return group(s, 'key-' + key['name'])


def erase_glyph(tip, cy, color):
    """Backspace sign: a tag pointing left with a cross, 30 px wide."""
    return (fill_path('M%s %s L%s %s H%s V%s H%s Z' % (
                num(tip), num(cy), num(tip + 10), num(cy - 9), num(tip + 30), num(cy + 9), num(tip + 10)), color)
            + stroke_path('M%s %s L%s %s M%s %s L%s %s' % (
                num(tip + 15), num(cy - 4), num(tip + 23), num(cy + 4),
                num(tip + 23), num(cy - 4), num(tip + 15), num(cy + 4)), '#ffffff', 2.2))


def shift_arrow(ax, cy, up, color):
    """Outlined block arrow of the case keys, up for upper case."""
    d = -1 if up else 1
    pts = [(ax, cy + d * 10), (ax + 10, cy), (ax + 4.5, cy), (ax + 4.5, cy - d * 9),
           (ax - 4.5, cy - d * 9), (ax - 4.5, cy), (ax - 10, cy)]
    return fill_path('M' + ' L'.join('%s %s' % (num(float(px)), num(float(py))) for px, py in pts) + ' Z', color)


def keyboard_tray(keys, w, h):
    """Panel under the keys, kept 2 px inside the picture."""
    typing = [k for k in keys if k['kind'] != 'button']
    x0 = max(min(k['x'] for k in typing) - 14, 2)
    y0 = max(min(k['y'] for k in typing) - 14, 2)
    x1 = min(max(k['x'] + k['w'] for k in typing) + 14, w - 2)
    y1 = min(max(k['y'] + k['h'] for k in typing) + 14, h - 6)
    return rect(x0, y0 + 3, x1 - x0, y1 - y0, '#c9d3df', 14) + rect(x0, y0, x1 - x0, y1 - y0, '#dfe6ee', 14, '#c3cedb', 1)


def keyboard_faces(keys, case):
    boxes = face_boxes(keys)
    s = ''
    for k in keys:
        if k['kind'] == 'button':
            icon = FACE_ICONS[k['icon']]
            style = 'exit' if icon == 'door' else ('accept' if icon == 'check' else 'light')
            s += face_button(k['x'], k['y'], k['w'], k['h'], k['face'], icon, style, 'key-' + k['name'])
        else:
            s += key_face(k, boxes[k['name']], case)
    return s


def login_screen(keys, w, h, case):
    s = page(w, h)
    s += header(w, 88, 'Portal del Empleado', 'Bienvenido. Identifíquese para entrar.', 'person')
    s += card(150, 98, 706, 218)
    s += caption(368, 208, 'No. de empleado')
    s += caption(368, 280, 'Contraseña')
    s += field_frame(380, 188, 210, 40) + field_frame(380, 260, 210, 40)
    s += keyboard_tray(keys, w, h)
    return s + keyboard_faces(keys, case)


def password_screen(keys, w, h, case):
    s = page(w, h)
    s += header(w, 76, 'Cambiar Contraseña', 'Escriba su nueva contraseña dos veces.', 'person')
    s += card(92, 88, 794, 218)
    # The two password edits sit in the panel at (248, 104) and (248, 152).
    s += field_frame(340, 192, 246, 34) + field_frame(340, 240, 246, 34)
    s += keyboard_tray(keys, w, h)
    return s + keyboard_faces(keys, case)


GENERAL_EDITS = [
    (84, 82, 330, 28), (84, 118, 330, 28), (84, 154, 282, 28), (84, 191, 282, 28), (84, 227, 282, 28),
    (84, 264, 90, 28), (252, 264, 162, 28), (84, 300, 330, 28), (480, 60, 186, 28), (480, 95, 414, 28),
    (480, 129, 310, 70), (480, 206, 414, 28), (480, 240, 414, 28),
]


def general_screen(keys, w, h, case):
    s = page(w, h) + rect(0, 0, w, 6, NAVY)
    s += text(24, 30, 'Datos Personales', 22, NAVY, 'start', True)
    s += card(20, 46, 410, 296) + card(424, 46, 484, 296)
    s += ''.join(field_frame(*r) for r in GENERAL_EDITS)
    s += keyboard_tray(keys, w, h)
    return s + keyboard_faces(keys, case)


def children_screen(keys, w, h, case):
    s = page(w, h) + rect(0, 0, w, 6, NAVY)
    s += text(20, 44, 'Hijos', 26, NAVY, 'start', True)
    s += text(100, 46, 'Agregue, corrija o elimine a sus hijos', 14, GREY, 'start')
    s += card(2, 78, 946, 256)
    # Name edit and birth date of the group box at (8, 260).
    s += field_frame(68, 280, 426, 24) + field_frame(612, 283, 90, 20)
    s += keyboard_tray(keys, w, h)
    return s + keyboard_faces(keys, case)


def vacation_request_screen(keys, w, h, case, variant):
    s = page(w, h)
    title = {'solicitarvacacionesnuevo': 'Solicitar Vacaciones',
             'solicitarvac': 'Solicitud de Vacaciones',
             'tecladonumerico': 'Solicitar Vacaciones'}[variant]
    s += header(w, 70, title, 'Indique los días y la fecha de inicio con el teclado.', 'user_more')
    # Balance strip: the balance panels put white labels here.
    s += rect(12, 80, 966, 98, NAVY, 12) + rect(12, 80, 8, 98, TEAL, 0)
    s += card(120, 196, 488, 160)
    s += caption(472, 239, 'Días a solicitar', 17)
    s += caption(254, 303, 'A partir del', 17)
    s += text(311, 341, 'Día', 12, GREY, bold=True) + text(421, 341, 'Mes', 12, GREY, bold=True)
    s += text(531, 341, 'Año', 12, GREY, bold=True)
    for r in [(488, 216, 82, 46), (268, 280, 86, 46), (380, 280, 82, 46), (488, 280, 86, 42)]:
        s += field_frame(*r)
    pad = [k for k in keys if k['kind'] in ('digit', 'delete')]
    x0 = min(k['x'] for k in pad) - 10
    y0 = min(k['y'] for k in pad) - 8
    x1 = max(k['x'] + k['w'] for k in pad) + 10
    y1 = max(k['y'] + k['h'] for k in pad) + 10
    s += rect(x0, y0 + 3, x1 - x0, y1 - y0, '#c9d3df', 14) + rect(x0, y0, x1 - x0, y1 - y0, '#dfe6ee', 14, '#c3cedb', 1)
    s += rect(424, 506, 240, 30, CARD, 6, LINE, 1)
    boxes = keypad_boxes(pad)
    for k in keys:
        if k['kind'] == 'button':
            icon = FACE_ICONS[k['icon']]
            style = 'exit' if icon == 'door' else 'light'
            s += face_button(k['x'], k['y'], k['w'], k['h'], k['face'], icon, style, 'key-' + k['name'])
        else:
            s += key_face(k, boxes[k['name']], case)
    return s


def median(values):
    values = sorted(values)
    return values[len(values) // 2]


def clusters(keys, centre):
    groups = []
    for k in keys:
        c = centre(k)
        for g in groups:
            if abs(g[0] - c) <= 14:
                g[1].append(k)
                break
        else:
            groups.append((c, [k]))
    return [g[1] for g in groups]


def keypad_boxes(pad):
    """Keypad faces of one size, aligned on the rows and columns of the pad."""
    fw = min(k['w'] for k in pad) - 6
    fh = min(k['h'] for k in pad) - 6
    cx, cy = {}, {}
    for col in clusters(pad, lambda k: k['x'] + k['w'] / 2.0):
        m = median(k['x'] + k['w'] / 2.0 for k in col)
        for k in col:
            cx[k['name']] = m
    for row in clusters(pad, lambda k: k['y'] + k['h'] / 2.0):
        m = median(k['y'] + k['h'] / 2.0 for k in row)
        for k in row:
            cy[k['name']] = m
    boxes = {}
    for k in pad:
        left = min(max(cx[k['name']] - fw / 2.0, k['x'] + 1), k['x'] + k['w'] - fw - 1)
        top = min(max(cy[k['name']] - fh / 2.0, k['y'] + 1), k['y'] + k['h'] - fh - 1)
        boxes[k['name']] = (left, top, fw, fh)
    return boxes


def keyboard_picture(name, keys, w, h, case):
    if name.startswith('imagenlogin'):
        body = login_screen(keys, w, h, case)
    elif name == 'imagennuevopassword':
        body = password_screen(keys, w, h, case)
    elif name in ('tecladoediciondatos', 'datospersonales'):
        body = general_screen(keys, w, h, case)
    elif name == 'teclado':
        body = children_screen(keys, w, h, case)
    else:
        body = vacation_request_screen(keys, w, h, case, name)
    return body


# ---------------------------------------------------------------- other backgrounds

def main_menu():
    w, h = 1006, 694
    s = page(w, h)
    s += rect(0, 0, w, 6, NAVY)
    s += place('building', 24, 22, 44)
    s += text(80, 36, 'Portal del Empleado', 26, NAVY, 'start', True)
    s += text(82, 62, 'Seleccione una opción', 13, GREY, 'start')
    s += caption(114, 112, 'Empleado:', 14, 'end', GREY)
    s += caption(144, 148, 'Nombre:', 14, 'end', GREY)
    big = [
        (36, 176, 190, 162, 'Vacaciones', 'menu_vacation'),
        (272, 176, 198, 170, 'Ausentismos', 'menu_absence'),
        (524, 172, 198, 170, 'Recibos de Nómina', 'menu_receipts'),
        (776, 176, 190, 170, 'Reportes', 'menu_reports'),
        (44, 392, 194, 166, 'Tiempo Extra', 'menu_overtime'),
        (280, 392, 186, 162, 'Información General', 'menu_general'),
        (520, 384, 198, 174, 'Datos de Nómina', 'menu_payroll'),
        (776, 384, 194, 174, 'Solicitudes', 'menu_requests'),
    ]
    small = [
        (548, 40, 114, 118, 'Autorizaciones', 'menu_authorize'),
        (676, 36, 98, 118, 'Políticas', 'menu_policies'),
        (788, 44, 106, 98, 'Código de Conducta', 'menu_conduct'),
        (904, 40, 90, 98, 'Cambiar Contraseña', 'menu_password'),
    ]
    s += rect(0, 616, w, h - 616, NAVY) + rect(0, 612, w, 4, TEAL)
    s += text(24, 650, 'Portal del Empleado', 16, '#ffffff', 'start', True)
    for x, y, bw, bh, label, icon in big + small:
        s += menu_tile(x, y, bw, bh, label, icon)
    s += exit_face(920, 596, 78, 74)
    return svg_doc(w, h, s)


MENU_COLORS = {
    'menu_vacation': '#f0a92a', 'menu_absence': '#c0392b', 'menu_receipts': '#129e96',
    'menu_reports': '#3d6fb6', 'menu_overtime': '#7b5ea7', 'menu_general': '#1f3a5f',
    'menu_payroll': '#2e9e5b', 'menu_requests': '#d35f8d', 'menu_authorize': '#2e9e5b',
    'menu_policies': '#3d6fb6', 'menu_conduct': '#7b5ea7', 'menu_password': '#f0a92a',
}


def menu_tile(x, y, w, h, label, icon):
    color = MENU_COLORS[icon]
    s = rect(x + 2, y + 4, w, h, '#cfd8e3', 16) + rect(x, y, w, h, CARD, 16, LINE, 1)
    s += rect(x + 18, y, w - 36, 5, color, 2.5)
    label_size = 17 if w > 150 else 11.5
    lines = len(wrap(label, label_size, w - 16, True))
    label_h = label_size * 1.2 * lines + 10
    r = min((h - label_h - 20) / 2.0, w / 2.0 - 12, 46)
    cy = y + 12 + r
    s += circle(x + w / 2.0, cy, r, color)
    s += place_menu(icon, x + w / 2.0 - r * 0.68, cy - r * 0.68, r * 1.36)
    s += text_block(x + w / 2.0, y + h - label_h / 2.0 - 2, label, label_size, w - 16, NAVY, True)
    return s


def place_menu(icon, x, y, size):
    return group(MENU_ICONS[icon](), transform='translate(%s,%s) scale(%s)' % (
        num(float(x)), num(float(y)), num(size / 48.0)))


W = '#ffffff'


def menu_vacation():
    # beach umbrella and sun
    return (circle(40, 7, 5, W)
            + fill_path('M4 26 A20 16 0 0 1 44 26 Z', W)
            + stroke_path('M24 24 V42', W, 3) + stroke_path('M24 42 Q24 46 20 45', W, 3)
            + stroke_path('M4 44 H44', W, 3))


def menu_absence():
    return (rect(6, 9, 36, 33, W, 4) + rect(13, 4, 4, 10, W, 2) + rect(31, 4, 4, 10, W, 2)
            + stroke_path('M16 22 L32 36 M32 22 L16 36', RED, 4))


def menu_receipts():
    return (fill_path('M10 4 H38 V44 L33 40 L28 44 L24 40 L20 44 L15 40 L10 44 Z', W)
            + text(24, 19, '$', 16, TEAL, bold=True)
            + stroke_path('M16 30 H32 M16 36 H28', TEAL, 2.5))


def menu_reports():
    return (fill_path('M9 4 H30 L39 13 V44 H9 Z', W) + fill_path('M30 4 V13 H39 Z', '#c9d6ea')
            + rect(15, 30, 5, 9, '#3d6fb6') + rect(22, 24, 5, 15, '#3d6fb6') + rect(29, 19, 5, 20, '#3d6fb6'))


def menu_overtime():
    return (circle(22, 26, 18, W) + stroke_path('M22 15 V26 L30 31', '#7b5ea7', 3.5)
            + circle(38, 10, 8, '#f0a92a') + stroke_path('M34 10 H42 M38 6 V14', W, 2.5))


def menu_general():
    return (rect(3, 9, 42, 30, W, 4) + circle(15, 22, 5, NAVY) + fill_path('M7 34 C7 26 23 26 23 34 Z', NAVY)
            + stroke_path('M28 19 H40 M28 25 H38 M28 31 H36', NAVY, 2.5))


def menu_payroll():
    return (rect(3, 12, 42, 26, W, 4) + circle(24, 25, 7, '#2e9e5b')
            + text(24, 25, '$', 10, W, bold=True)
            + circle(10, 25, 2.5, '#2e9e5b') + circle(38, 25, 2.5, '#2e9e5b'))


def menu_requests():
    return (rect(9, 7, 30, 38, W, 4) + rect(17, 3, 14, 8, '#f4d6e2', 2)
            + stroke_path('M15 22 L19 26 L26 18', '#d35f8d', 3) + stroke_path('M15 35 H33', '#d35f8d', 2.5))


def menu_authorize():
    return (fill_path('M24 3 L42 10 V22 C42 34 33 42 24 45 C15 42 6 34 6 22 V10 Z', W)
            + stroke_path('M15 24 L22 31 L34 17', '#2e9e5b', 4.5))


def menu_policies():
    return (fill_path('M5 9 C13 6 19 7 23 11 V43 C19 39 13 38 5 41 Z', W)
            + fill_path('M43 9 C35 6 29 7 25 11 V43 C29 39 35 38 43 41 Z', W))


def menu_conduct():
    return (fill_path('M9 4 H30 L39 13 V44 H9 Z', W)
            + stroke_path('M15 20 H32 M15 26 H32 M15 32 H26', '#7b5ea7', 2.5)
            + circle(33, 37, 7, '#f0a92a') + stroke_path('M30 37 L32.5 39.5 L36.5 34.5', W, 2))


def menu_password():
    return (circle(15, 24, 10, 'none', W, 5) + stroke_path('M24 24 H44 M38 24 V32 M44 24 V30', W, 5, 'butt'))


MENU_ICONS = {
    'menu_vacation': menu_vacation, 'menu_absence': menu_absence, 'menu_receipts': menu_receipts,
    'menu_reports': menu_reports, 'menu_overtime': menu_overtime, 'menu_general': menu_general,
    'menu_payroll': menu_payroll, 'menu_requests': menu_requests, 'menu_authorize': menu_authorize,
    'menu_policies': menu_policies, 'menu_conduct': menu_conduct, 'menu_password': menu_password,
}


def footer(h):
    return place('building', 14, h - 27, 18) + text(38, h - 18, 'Portal del Empleado', 12, GREY, 'start', True)


def screen(w, h, band, title, subtitle, icon, parts=''):
    return svg_doc(w, h, page(w, h) + header(w, band, title, subtitle, icon) + footer(h) + parts)


def backgrounds():
    """Backgrounds of the screens without a keyboard: name -> SVG text."""
    pics = {}
    pics['portaldelempleado_menufinal'] = main_menu()
    pics['recibos'] = screen(862, 562, 30, 'Recibos de Nómina', None, None,
                             card(12, 68, 346, 54) + card(360, 38, 478, 84) + card(12, 126, 830, 328)
                             + card(6, 462, 742, 68) + exit_face(764, 460, 62, 74))
    pics['vacaciones'] = screen(866, 558, 80, 'Vacaciones', 'Historial de días de vacaciones por aniversario',
                                'user_more', card(12, 90, 834, 46) + rect(12, 140, 834, 314, NAVY, 6)
                                + exit_face(752, 456, 82, 82))
    pics['ausentismos'] = screen(851, 548, 48, 'Ausentismos', None, 'cross',
                                 card(16, 56, 822, 110) + card(16, 176, 830, 274) + exit_face(748, 456, 90, 82))
    pics['tiempoextra'] = screen(866, 570, 52, 'Tiempo Extra', None, 'gear',
                                 card(4, 60, 838, 78) + card(4, 142, 842, 300) + exit_face(760, 464, 70, 82))
    # The balance panels frame themselves: their place differs by the company's layout.
    pics['solicitudes'] = screen(862, 554, 56, 'Solicitudes', 'Siga el avance de sus solicitudes', 'user_more',
                                 card(8, 64, 442, 58) + card(8, 128, 442, 182)
                                 + face_button(388, 232, 58, 42, 'Imprimir', 'printer', 'light', 'face-btnImprimir')
                                 + exit_face(764, 460, 66, 74))
    pics['autorizacion'] = screen(862, 558, 60, 'Autorizaciones de Solicitudes', 'Autorice o rechace las solicitudes pendientes',
                                  'check', card(12, 68, 830, 58) + card(12, 132, 830, 318)
                                  + exit_face(756, 452, 74, 78))
    pics['datosnomina'] = screen(1003, 687, 84, 'Información de Nómina', 'Sus datos en el sistema de nómina (solo consulta)',
                                 'building', payroll_sides() + card(238, 92, 502, 492) + exit_face(896, 596, 62, 74))
    report_parts = (card(32, 72, 794, 274)
                    + face_button(276, 348, 122, 118, 'Ver e imprimir', 'printer', 'light', 'face-btnGenerar')
                    + face_button(452, 352, 122, 118, 'Enviar por correo', 'envelope', 'light', 'face-btnEnviaMail')
                    + exit_face(748, 460, 90, 74))
    pics['imprimirv2'] = screen(870, 566, 64, 'Reportes', 'Elija un documento y véalo o recíbalo por correo', 'printer',
                                report_parts)
    pics['imprimir'] = screen(870, 566, 64, 'Imprimir', 'Elija un documento y véalo o recíbalo por correo', 'printer',
                              report_parts)
    pics['politicas'] = screen(862, 558, 90, 'Políticas de la Empresa', 'Consulte o reciba por correo las políticas',
                               'magnifier_list',
                               card(164, 100, 554, 234)
                               + face_button(272, 344, 118, 122, 'Abrir o imprimir', 'printer', 'light', 'face-btnImprimir')
                               + face_button(456, 344, 118, 122, 'Enviar por correo', 'envelope', 'light', 'face-btnEnviaMail')
                               + exit_face(752, 452, 82, 86))
    pics['administrador'] = screen(962, 622, 70, 'Administrador', 'Configuración del Portal del Empleado', 'gear',
                                   card(16, 76, 906, 30) + card(16, 110, 906, 396) + exit_face(844, 516, 90, 86))
    return pics


def payroll_sides():
    s = card(20, 120, 200, 300, TEAL_LIGHT)
    s += place('person', 70, 150, 100)
    s += text_block(120, 300, 'Consulte sus datos de nómina, puesto, sueldo y cuenta bancaria.', 14, 170, NAVY, True)
    s += card(760, 120, 220, 300, TEAL_LIGHT)
    s += place('building', 820, 150, 100)
    s += text_block(870, 300, 'Si algún dato no es correcto acuda a Recursos Humanos.', 14, 180, NAVY, True)
    return s


# ---------------------------------------------------------------- output

def load_keyboards():
    with open(KEYBOARDS, encoding='utf-8') as f:
        return json.load(f)


def all_pictures():
    pics = {}
    for name, (icon, args) in BUTTON_PICTURES.items():
        pics[name] = button_picture(icon, args)
    for name, color in SWATCHES.items():
        pics[name] = swatch_picture(color)
    pics['transparente'] = transparent_picture()
    pics.update(backgrounds())
    tables = load_keyboards()
    for name, table, w, h, case in KEYBOARD_PICTURES:
        body = keyboard_picture(name, tables[table], w, h, case)
        pics[name] = svg_doc(w, h, body, ' id="keyboard-%s"' % table)
    return pics


def main():
    os.makedirs(OUT, exist_ok=True)
    pics = all_pictures()
    for old in os.listdir(OUT):
        if old.endswith('.svg') and old[:-4] not in pics:
            os.remove(os.path.join(OUT, old))
    for name, content in sorted(pics.items()):
        with open(os.path.join(OUT, name + '.svg'), 'w', encoding='utf-8') as f:
            f.write(content)
    print('%d pictures written to %s' % (len(pics), OUT))


if __name__ == '__main__':
    main()
