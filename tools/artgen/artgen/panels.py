"""Table surfaces, bars, window backgrounds and the larger panels."""

import math

from PIL import Image

from .style import (BLUE_FELT, CREAM, DARK_BLUE, DARK_FELT, DARK_GOLD, DARK_JADE, DARK_WOOD,
                    DEEP_RED, GOLD, INK, JADE, LIGHT_FELT, LIGHT_GOLD, LIGHT_WOOD, PAPER, WOOD,
                    Canvas, darker, lighter, mix)


def table(w, h, blue=False):
    """The felt: lit in the middle, darker towards the rim, with a gold-lined playing oval."""
    centre, rim = (lighter(BLUE_FELT, .15), DARK_BLUE) if blue else (LIGHT_FELT, DARK_FELT)
    small = Image.new("RGB", (64, 48))
    px = small.load()
    for y in range(48):
        for x in range(64):
            d = math.hypot((x - 31.5) / 32, (y - 23.5) / 24) / math.sqrt(2)
            px[x, y] = mix(centre, rim, min(1, d * 1.25) ** 1.4)
    img = small.resize((w, h), Image.Resampling.BICUBIC).convert("RGBA")
    c = Canvas(w, h, scale=1)
    c.img = img
    from PIL import ImageDraw
    c.draw = ImageDraw.Draw(img)
    k = w / 1024
    base = mix(centre, rim, .35)
    c.ellipse((150 * k, 170 * k, w - 150 * k, h - 200 * k), outline=lighter(base, .12),
              width=max(2, round(3 * k)))
    c.ellipse((160 * k, 180 * k, w - 160 * k, h - 210 * k), outline=darker(base, .15),
              width=max(1, round(2 * k)))
    c.text((w / 2, h / 2 - 20 * k), "Quorvale", 64 * k, lighter(centre, .07))
    return c.img


def bar(w, h, top_edge):
    """A carved dark wood bar with a gold trim on the side that meets the table: the players'
    names on it are written in bright colours."""
    c = Canvas(w, h, scale=1)
    deep = darker(DARK_WOOD, .4)
    c.gradient((0, 0, w, h), deep if top_edge else DARK_WOOD, DARK_WOOD if top_edge else deep)
    for i in range(0, w, 64):
        c.line([(i, 6), (i + 32, h / 2), (i, h - 6)], fill=lighter(DARK_WOOD, .08), width=1)
    y = h - 4 if top_edge else 1
    c.rect((0, y, w, y + 3), fill=GOLD)
    c.rect((0, y + (-2 if top_edge else 3), w, y + (-1 if top_edge else 4)), fill=DARK_GOLD)
    return c.image()


def skin():
    """The window frame bitmap: left border, title tile, right border and the bottom edge."""
    c = Canvas(46, 220, scale=1)
    c.gradient((0, 0, 46, 20), LIGHT_WOOD, DARK_WOOD)
    c.rect((0, 19, 46, 20), fill=GOLD)
    c.gradient((0, 20, 8, 212), LIGHT_WOOD, WOOD, horizontal=True)
    c.gradient((38, 20, 46, 212), WOOD, DARK_WOOD, horizontal=True)
    c.rect((8, 20, 38, 212), fill=WOOD)
    c.gradient((0, 212, 46, 220), WOOD, DARK_WOOD)
    c.rect((7, 20, 8, 212), fill=DARK_GOLD)
    c.rect((38, 20, 39, 212), fill=DARK_GOLD)
    return c.image()


def frame_window(w, h, title="", inner=PAPER, band=22):
    """A window background: wood frame, a title band and a light inner panel."""
    c = Canvas(w, h, scale=2)
    c.rrect((0, 0, w, h), 8, fill=DARK_WOOD)
    c.gradient((2, 2, w - 2, band + 2), LIGHT_WOOD, WOOD, r=6)
    c.rect((6, band + 4, w - 6, h - 6), fill=inner)
    c.rect((6, band + 4, w - 6, h - 6), outline=DARK_GOLD, width=1)
    c.rrect((1, 1, w - 1, h - 1), 7, outline=GOLD, width=1)
    if title:
        c.text((w / 2, band / 2 + 2), title, min(15, band * .7), LIGHT_GOLD, stroke=1,
               stroke_fill=DARK_WOOD)
    return c


def rows_window(w, h, title, labels, tops, label_x, inner=PAPER, label_size=13):
    c = frame_window(w, h, title, inner=inner)
    for label, top in zip(labels, tops):
        c.text((label_x, top), label, label_size, INK, anchor="lt")
    return c.image()


def goods_window(w, h, title, details):
    """The goods window: the frame, and a dark box at `details` behind the light description."""
    c = frame_window(w, h, title)
    c.rrect(details, 6, fill=DARK_WOOD, outline=DARK_GOLD, width=1)
    return c.image()


def grid_window(w, h, title, title_at, columns, rows, head=None, ink=DARK_WOOD):
    """A sheet: wood frame, cells between the `columns` and `rows` edges (the first row the head
    row, in `head`), laid out as the window's controls are, and the title where the head row has
    room."""
    c = Canvas(w, h, scale=2)
    c.rrect((0, 0, w, h), 8, fill=DARK_WOOD)
    c.rrect((1, 1, w - 1, h - 1), 7, outline=GOLD, width=1)
    x0, x1, y0, y1 = columns[0], columns[-1], rows[0], rows[-1]
    c.rect((x0, y0, x1, y1), fill=CREAM, outline=DARK_WOOD, width=1.5)
    c.rect((x0 + 1, y0 + 1, x1 - 1, rows[1]), fill=head or mix(CREAM, GOLD, .25))
    for y in rows[1:-1]:
        c.line([(x0, y), (x1, y)], fill=DARK_WOOD, width=1)
    for x in columns[1:-1]:
        c.line([(x, y0), (x, y1)], fill=DARK_WOOD, width=1)
    c.text(title_at, title, 14, ink)
    return c.image()


def panel(w, h, title="", boxes=(), colour=DARK_WOOD, fill=None):
    """A dark panel with a title tab and framed boxes for the words drawn over it."""
    c = Canvas(w, h, scale=2 if w * h < 300000 else 1)
    c.rrect((0, 0, w, h), 10, fill=darker(colour, .3))
    c.gradient((3, 3, w - 3, h - 3), lighter(colour, .12), colour, r=8)
    c.rrect((6, 6, w - 6, h - 6), 6, outline=DARK_GOLD, width=1)
    if title:
        tw = c.text_width(title, 16) + 40
        c.rrect((14, 8, 14 + tw, 36), 6, fill=DEEP_RED, outline=GOLD, width=1)
        c.text((14 + tw / 2, 22), title, 16, LIGHT_GOLD)
    for box in boxes:
        c.rrect(box, 5, fill=fill or darker(colour, .35), outline=GOLD, width=1)
    return c.image()


def strip(w, h, colour=DARK_WOOD):
    c = Canvas(w, h, scale=2)
    c.gradient((0, 0, w, h), lighter(colour, .2), darker(colour, .2))
    c.rect((0, 0, w, h), outline=DARK_GOLD, width=1)
    return c.image()


def clock(w, h):
    c = Canvas(w, h)
    c.rrect((0, 0, w, h), h / 2, fill=DARK_WOOD)
    c.gradient((1.5, 1.5, w - 1.5, h - 1.5), LIGHT_WOOD, DARK_WOOD, r=h / 2 - 1.5)
    r = h / 2 - 4
    cx, cy = 4 + r, h / 2
    c.ellipse((cx - r, cy - r, cx + r, cy + r), fill=CREAM, outline=GOLD, width=1.5)
    c.line([(cx, cy), (cx, cy - r * .7)], fill=INK, width=1.6)
    c.line([(cx, cy), (cx + r * .5, cy + r * .2)], fill=DEEP_RED, width=1.4)
    c.rrect((44, 5, w - 6, h - 5), 5, fill=darker(DARK_WOOD, .3))
    return c.image()


def dealer_mark(w, h, word, d):
    """A disc of diameter `d` at the top of its picture: the banker's mark stands that far above
    the player's bar, and the smaller screen brings the bar's buttons closer to it."""
    c = Canvas(w, h)
    x0 = (w - d) / 2
    c.ellipse((x0, 0, x0 + d, d), fill=DARK_GOLD)
    c.ellipse((x0 + 2, 2, x0 + d - 2, d - 2), fill=DEEP_RED)
    c.ellipse((x0 + 4.5, 4.5, x0 + d - 4.5, d - 4.5), outline=GOLD, width=1.5)
    c.text((w / 2, d / 2 + 1), word, d * .5, LIGHT_GOLD, stroke=1, stroke_fill=DARK_WOOD)
    return c.image()


def called_frame(w, h):
    """The frame of the called card: a gold title over a slot for a half-size card."""
    c = Canvas(w, h)
    c.rrect((0, 0, w, h), 8, fill=DARK_WOOD)
    c.gradient((2, 2, w - 2, h - 2), WOOD, DARK_WOOD, r=6)
    c.text((w / 2, 27), "叫牌", 20, LIGHT_GOLD, stroke=1.2, stroke_fill=DEEP_RED)
    c.rect((13, 53, 13 + 49, 53 + 64), fill=darker(DARK_WOOD, .3), outline=GOLD, width=1)
    return c.image()


def web_frame(w, h):
    c = Canvas(w, h)
    c.rrect((0, 0, w, h), 6, fill=DARK_GOLD)
    c.rrect((1, 1, w - 1, h - 1), 5, fill=WOOD)
    c.rect((2, 2, w - 2, h - 2), fill=(0, 0, 0, 0))
    return c.image()


def video_frame(w, h):
    c = Canvas(w, h, scale=2)
    c.rrect((0, 0, w, h), 8, fill=DARK_WOOD)
    c.gradient((2, 2, w - 2, h - 2), LIGHT_WOOD, DARK_WOOD, r=7)
    c.rect((8, 8, w - 8, h - 8), fill=(20, 20, 24), outline=GOLD, width=1)
    return c.image()


def goods_frame(w, h):
    c = Canvas(w, h)
    c.rrect((0, 0, w, h), 5, outline=GOLD, width=2.5)
    c.rrect((3, 3, w - 3, h - 3), 3, outline=LIGHT_GOLD, width=1)
    return c.image()


def emoticon_window(w, h):
    c = frame_window(w, h, "", inner=mix(PAPER, WOOD, .15), band=30)
    c.text((w / 2, 17), "每使用一次动画表情扣除50金币", 12, LIGHT_GOLD, stroke=.8,
           stroke_fill=DARK_WOOD)
    for x in (18, 98, 178, 258):
        for y in (43, 127):
            c.rect((x, y, x + 73, y + 73), fill=CREAM, outline=DARK_GOLD, width=1.2)
    return c.image()


def phrase_window(w, h):
    c = frame_window(w, h, "", inner=CREAM, band=18)
    for y in range(24, h - 6, 8):
        for x in range(8 + (y // 8 % 2) * 4, w - 6, 8):
            c.ellipse((x - .8, y - .8, x + .8, y + .8), fill=mix(CREAM, GOLD, .35))
    return c.image()


def speech_box(w, h, tail):
    """A white bubble on a one-colour surround that the window cuts away as its shape."""
    c = Canvas(w, h, scale=2)
    m = 12
    box = (m, m, w - m, h - m)
    pts = {"bottom-left": [(m + 18, h - m - 4), (m + 2, h - 1), (m + 34, h - m - 2)],
           "left": [(m + 4, h / 2 - 8), (1, h / 2 + 6), (m + 4, h / 2 + 8)],
           "top-left": [(m + 18, m + 4), (m + 2, 1), (m + 34, m + 2)],
           "right": [(w - m - 4, h / 2 - 8), (w - 1, h / 2 + 6), (w - m - 4, h / 2 + 8)]}[tail]
    c.polygon(pts, fill=DARK_WOOD)
    c.rrect((box[0] - 1.5, box[1] - 1.5, box[2] + 1.5, box[3] + 1.5), 14, fill=DARK_WOOD)
    inner = [(x + (w / 2 - x) * .06, y + (h / 2 - y) * .06) for x, y in pts]
    c.polygon(inner, fill=(255, 255, 255))
    c.rrect(box, 13, fill=(255, 255, 255))
    return c.image()


def vip_window(w, h, level):
    from .marks import vip_badge
    colours = [None, (196, 128, 72), (150, 160, 172), GOLD, JADE, (60, 130, 200), (120, 48, 120)]
    c = frame_window(w, h, "VIP会员", inner=mix(PAPER, colours[level], .12), band=26)
    badge = vip_badge(41, 35, level, 0).resize((123, 105), Image.Resampling.LANCZOS)
    c.paste(badge, ((w - 123) / 2, 40))
    c.text((w / 2, 165), f"VIP{level} 会员", 22, darker(colours[level], .3), stroke=1,
           stroke_fill=LIGHT_GOLD)
    for i in range(level):
        x = w / 2 - (level - 1) * 12 + i * 24
        c.polygon([(x, 190), (x + 4, 199), (x + 10, 199), (x + 5, 205), (x + 7, 214), (x, 209),
                   (x - 7, 214), (x - 5, 205), (x - 10, 199), (x - 4, 199)], fill=GOLD)
    c.rect((30, 228, w - 30, 229), fill=DARK_GOLD)
    return c.image()


def champion_box(w, h):
    """The finished-run box laid over a list row: the row's name band at the top, then the
    fixed words of the four lines whose values stand from x 96 on (own place, own prize, the
    champion, the champion's prize)."""
    c = Canvas(w, h, scale=2)
    c.rrect((0, 0, w, h), 10, fill=DARK_GOLD)
    c.gradient((2, 2, w - 2, h - 2), LIGHT_WOOD, DARK_WOOD, r=9)
    c.gradient((6, 4, w - 6, 52), mix(DEEP_RED, GOLD, .25), DEEP_RED, r=7)
    c.polygon([(286, 46), (282, 16), (296, 30), (304, 10), (312, 30), (318, 16), (314, 46)],
              fill=GOLD, outline=DARK_GOLD)
    c.line([(12, 56), (w - 12, 56)], fill=GOLD, width=1)
    for i, words in enumerate(("我的名次", "我的奖励", "冠　　军", "冠军奖励")):
        y = 60 + 27 * i + 10
        c.rrect((12, y - 10, 88, y + 10), 4, fill=darker(DARK_WOOD, .3), outline=DARK_GOLD)
        c.text((50, y), words, 13, LIGHT_GOLD)
    return c.image()


def ranking_panel(w, h, colour):
    """The ranking panel: its title tab, the list frame, the box whose fixed words stand
    beside the own place, score and gap (values from x 486), and the rules box."""
    c = Canvas(w, h, scale=1)
    c.paste(panel(w, h, "比赛排名", [(17, 59, 331, 388), (349, 55, 601, 211),
                                    (349, 239, 601, 342)], colour), (0, 0))
    for y, words in ((90, "我的名次："), (140, "我的积分："), (195, "距第一名：")):
        c.text((476, y), words, 16, LIGHT_GOLD, anchor="rm")
    return c.image()


def countdown_digit(w, h, d):
    """A golden digit for the start countdown, on a transparent background."""
    c = Canvas(w, h, scale=2)
    c.text((w / 2 + 3, h / 2 + 4), str(d), h * .95, darker(DARK_WOOD, .3))
    c.text((w / 2, h / 2), str(d), h * .95, GOLD, stroke=5, stroke_fill=DEEP_RED)
    c.text((w / 2, h / 2), str(d), h * .95, LIGHT_GOLD)
    return c.image()


def notice_panel(w, h, words):
    c = Canvas(w, h, matte=DARK_WOOD)
    c.rrect((0, 0, w, h), 8, fill=DARK_GOLD)
    c.gradient((2, 2, w - 2, h - 2), LIGHT_WOOD, DARK_WOOD, r=7)
    c.text((w - 12, 10), "×", 12, LIGHT_GOLD)
    c.text((w / 2, h / 2 + 2), words, c.fit_text(words, 20, w - 24), GOLD, stroke=1,
           stroke_fill=DARK_WOOD)
    return c.image()


def hand_cursor():
    """A pointing hand, hot spot at the finger tip (12, 4)."""
    c = Canvas(32, 32)
    outline, fill = (0, 0, 0), (255, 255, 255)
    finger = [(10, 2), (14, 2), (14, 13), (25, 15), (26, 24), (22, 30), (12, 30), (5, 21),
              (7, 17), (10, 19)]
    c.polygon(finger, fill=outline)
    inner = [(11, 3.5), (13, 3.5), (13, 14), (24, 16), (24.8, 23.5), (21.3, 28.8), (12.6, 28.8),
             (6.6, 21), (7.6, 19), (11, 21.5)]
    c.polygon(inner, fill=fill)
    for x in (16.5, 19.5, 22.5):
        c.line([(x, 17), (x, 22)], fill=outline, width=.8)
    return c.image()


def icon():
    c = Canvas(32, 32)
    c.rrect((0, 0, 32, 32), 7, fill=DEEP_RED)
    c.rrect((2, 2, 30, 30), 6, outline=GOLD, width=1.5)
    c.rrect((7, 5, 21, 24), 2, fill=CREAM, outline=DARK_WOOD, width=1)
    c.rrect((12, 9, 26, 28), 2, fill=CREAM, outline=DARK_WOOD, width=1)
    c.text((19, 18.5), "Q", 11, DEEP_RED)
    return c.image()


def scene(w, h, variant):
    """A quiet landscape in the palette: hills, water and a sun (the six stored photographs)."""
    c = Canvas(w, h, scale=1)
    sky = [((250, 222, 170), (226, 140, 90)), ((200, 226, 240), (120, 170, 210)),
           ((240, 236, 220), (200, 210, 190))][variant % 3]
    c.gradient((0, 0, w, h), sky[0], sky[1])
    k = w / 434
    sx = w * (.25 + .5 * (variant % 2))
    c.ellipse((sx - 26 * k, h * .25 - 26 * k, sx + 26 * k, h * .25 + 26 * k),
              fill=(255, 244, 214) if variant % 3 else (250, 110, 70))
    hills = [DARK_JADE, JADE, mix(JADE, DARK_WOOD, .4)]
    for i, col in enumerate(hills):
        base = h * (.5 + .1 * i)
        pts = [(0, h)]
        for j in range(9):
            x = j * w / 8
            y = base - (math.sin(j * 1.3 + i * 2 + variant) + 1) * h * .09
            pts.append((x, y))
        pts.append((w, h))
        c.polygon(pts, fill=mix(col, sky[1], .5 - i * .2))
    c.gradient((0, h * .8, w, h), mix(sky[1], DARK_FELT, .3), mix(sky[1], DARK_FELT, .6))
    return c.image()


def paging_bar(w, h, lit):
    c = Canvas(w, h)
    c.rrect((0, 0, w, h), 8, fill=DARK_WOOD)
    c.gradient((2, 2, w - 2, h - 2), LIGHT_WOOD, DARK_WOOD, r=7)
    for side, x in (("left", 26), ("right", w - 26)):
        col = LIGHT_GOLD if lit == side else darker(GOLD, .3)
        d = -1 if side == "left" else 1
        c.ellipse((x - 15, h / 2 - 15, x + 15, h / 2 + 15), fill=darker(DARK_WOOD, .2),
                  outline=col, width=1.5)
        c.polygon([(x + d * 8, h / 2), (x - d * 5, h / 2 - 8), (x - d * 5, h / 2 + 8)], fill=col)
    c.rect((52, h / 2 - 1, w - 52, h / 2 + 1), fill=darker(GOLD, .4))
    return c.image()


def chest(w, h, hover):
    """The item-store button: a small treasure chest."""
    c = Canvas(w, h, matte=DARK_WOOD)
    c.rrect((0, 0, w, h), 6, fill=GOLD if hover else DARK_GOLD)
    c.gradient((1, 1, w - 1, h - 1), lighter(WOOD, .3 if hover else .1), DARK_WOOD, r=5)
    x0, y0 = w / 2 - 12, 6
    c.rrect((x0, y0, x0 + 24, y0 + 8), 4, fill=DEEP_RED, outline=GOLD, width=1)
    c.rect((x0, y0 + 7, x0 + 24, y0 + 19), fill=DEEP_RED, outline=GOLD, width=1)
    c.rect((x0 + 10, y0 + 6, x0 + 14, y0 + 11), fill=LIGHT_GOLD if hover else GOLD)
    return c.image()


