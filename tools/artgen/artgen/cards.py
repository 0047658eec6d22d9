"""Card faces, jokers, the card back and the fans of face-down hands."""

import math

from PIL import Image

from .style import (BLACK, CREAM, DARK_GOLD, DARK_GREY, DEEP_RED, GOLD, GREY, INK, LIGHT_GOLD,
                    NAVY, RED, SKY, WHITE, Canvas, darker, lighter, mix)

SUITS = ("diamond", "club", "heart", "spade")
RANKS = {3: "3", 4: "4", 5: "5", 6: "6", 7: "7", 8: "8", 9: "9", 10: "10", 11: "J", 12: "Q",
         13: "K", 14: "A", 15: "2"}
FACE_WHITE = (255, 253, 247)
EDGE = (110, 110, 110)
SKIN = (250, 218, 180)

PIPS = {
    2: [(.5, 0), (.5, 1)],
    3: [(.5, 0), (.5, .5), (.5, 1)],
    4: [(0, 0), (1, 0), (0, 1), (1, 1)],
    5: [(0, 0), (1, 0), (.5, .5), (0, 1), (1, 1)],
    6: [(0, 0), (1, 0), (0, .5), (1, .5), (0, 1), (1, 1)],
    7: [(0, 0), (1, 0), (.5, .25), (0, .5), (1, .5), (0, 1), (1, 1)],
    8: [(0, 0), (1, 0), (.5, .25), (0, .5), (1, .5), (.5, .75), (0, 1), (1, 1)],
    9: [(0, 0), (1, 0), (0, 1 / 3), (1, 1 / 3), (.5, .5), (0, 2 / 3), (1, 2 / 3), (0, 1), (1, 1)],
    10: [(0, 0), (1, 0), (.5, 1 / 6), (0, 1 / 3), (1, 1 / 3), (0, 2 / 3), (1, 2 / 3), (.5, 5 / 6),
         (0, 1), (1, 1)],
}


def suit_colour(suit):
    return RED if suit in ("diamond", "heart") else BLACK


def draw_suit(c, suit, cx, cy, s, colour, flip=False):
    """A suit sign `s` pixels high centred on (cx, cy); `flip` turns it upside down."""
    f = -1 if flip else 1

    def p(dx, dy):
        return (cx + dx * s, cy + f * dy * s)

    def circle(dx, dy, r):
        x, y = p(dx, dy)
        c.ellipse((x - r * s, y - r * s, x + r * s, y + r * s), fill=colour)

    if suit == "diamond":
        c.polygon([p(0, -.5), p(.37, 0), p(0, .5), p(-.37, 0)], fill=colour)
    elif suit == "heart":
        r = .27
        circle(-r, -.2, r)
        circle(r, -.2, r)
        c.polygon([p(-2 * r * .97, -.13), p(2 * r * .97, -.13), p(0, .5)], fill=colour)
    elif suit == "spade":
        r = .25
        circle(-r, .1, r)
        circle(r, .1, r)
        c.polygon([p(-2 * r * .98, .04), p(2 * r * .98, .04), p(0, -.5)], fill=colour)
        c.polygon([p(0, .05), p(-.17, .5), p(.17, .5)], fill=colour)
    else:
        r = .21
        circle(0, -.27, r)
        circle(-.24, .06, r)
        circle(.24, .06, r)
        circle(0, -.02, .12)
        c.polygon([p(0, -.05), p(-.17, .5), p(.17, .5)], fill=colour)


def _blank(w, h):
    c = Canvas(w, h)
    k = w / 80
    c.rrect((0, 0, w, h), 5.5 * k, fill=FACE_WHITE, outline=EDGE, width=1)
    return c, k


# A card in the player's hand shows only a strip of its left edge under the next one: at the
# smaller screen 12 of the 63 pixels it is drawn in, 15 of the 80 the card is drawn for. The index
# stays inside that strip; a rank too wide for it ("10") is drawn narrower, not smaller.
INDEX_CENTRE = 7.5
INDEX_WIDTH = 11


def _index(w, h, k, rank, suit):
    """The corner index on its own layer, so the opposite corner can be a turned copy."""
    layer = Canvas(w, h)
    colour = suit_colour(suit)
    glyph = Canvas(w, h)
    glyph.text((w / 2, 13 * k), rank, 19 * k, colour, stroke=0.35 * k, stroke_fill=colour,
               anchor="mm")
    box = glyph.img.getbbox()
    ink = glyph.img.crop(box)
    widest = round(INDEX_WIDTH * k * layer.s)
    if ink.width > widest:
        ink = ink.resize((widest, ink.height), Image.Resampling.LANCZOS)
    layer.img.alpha_composite(ink, (round(INDEX_CENTRE * k * layer.s - ink.width / 2), box[1]))
    draw_suit(layer, suit, INDEX_CENTRE * k, 31 * k, 10.5 * k, colour)
    return layer


def _with_corners(c, layer):
    c.img.alpha_composite(layer.img)
    c.img.alpha_composite(layer.img.rotate(180))


def _court(c, k, w, h, face, suit):
    colour = suit_colour(suit)
    x0, y0, x1, y1 = 21 * k, 15 * k, w - 21 * k, h - 15 * k
    c.rect((x0, y0, x1, y1), fill=(255, 243, 210), outline=colour, width=1)
    half_h = (y1 - y0) / 2
    top = Canvas(round(x1 - x0), round(half_h) + 1)
    fw = top.w
    cx = fw / 2
    robe = colour if colour == RED else NAVY
    top.polygon([(cx - 15 * k, half_h + 1), (cx - 11 * k, 23 * k), (cx + 11 * k, 23 * k),
                 (cx + 15 * k, half_h + 1)], fill=robe)
    top.polygon([(cx - 4 * k, 23 * k), (cx + 4 * k, 23 * k), (cx, half_h)], fill=GOLD)
    top.line([(cx - 11 * k, 26 * k), (cx + 11 * k, 26 * k)], fill=GOLD, width=1.2 * k)
    hx, hy, hr = cx, 16 * k, 6.5 * k
    if face == 12:
        top.ellipse((hx - hr - 2.5 * k, hy - hr, hx + hr + 2.5 * k, hy + hr + 7 * k), fill=INK)
    top.ellipse((hx - hr, hy - hr, hx + hr, hy + hr), fill=SKIN, outline=darker(SKIN, .3),
                width=.6)
    top.ellipse((hx - 3 * k, hy - 1.2 * k, hx - 1.4 * k, hy + .4 * k), fill=INK)
    top.ellipse((hx + 1.4 * k, hy - 1.2 * k, hx + 3 * k, hy + .4 * k), fill=INK)
    top.arc((hx - 2.5 * k, hy, hx + 2.5 * k, hy + 3.5 * k), 20, 160, fill=DEEP_RED, width=.8 * k)
    if face == 13:
        top.polygon([(hx - 7 * k, hy - 5 * k), (hx - 7 * k, hy - 12 * k), (hx - 3.5 * k, hy - 8 * k),
                     (hx, hy - 13 * k), (hx + 3.5 * k, hy - 8 * k), (hx + 7 * k, hy - 12 * k),
                     (hx + 7 * k, hy - 5 * k)], fill=GOLD, outline=DARK_GOLD)
        top.polygon([(hx - 5 * k, hy + 3 * k), (hx + 5 * k, hy + 3 * k), (hx, hy + 9 * k)],
                    fill=mix(INK, GREY, .3))
    elif face == 12:
        top.polygon([(hx - 6 * k, hy - 5 * k), (hx - 3 * k, hy - 9 * k), (hx, hy - 6.5 * k),
                     (hx + 3 * k, hy - 9 * k), (hx + 6 * k, hy - 5 * k)], fill=GOLD,
                    outline=DARK_GOLD)
        top.ellipse((hx - 1.2 * k, hy - 9.5 * k, hx + 1.2 * k, hy - 7 * k), fill=RED)
    else:
        top.pieslice((hx - 8 * k, hy - 11 * k, hx + 8 * k, hy - 1 * k), 180, 360, fill=robe)
        top.rect((hx - 8 * k, hy - 6.2 * k, hx + 8 * k, hy - 4.6 * k), fill=GOLD)
        top.line([(hx + 5 * k, hy - 8 * k), (hx + 11 * k, hy - 14 * k)], fill=GOLD, width=1.4 * k)
    draw_suit(top, suit, 6 * k, 7 * k, 8 * k, colour)
    img = top.image()
    full = Image.new("RGBA", (img.width, img.height * 2 - 1))
    full.alpha_composite(img, (0, 0))
    full.alpha_composite(img.rotate(180), (0, img.height - 1))
    c.paste(full, (x0, y0 + 0.5))


def face(w, h, face_value, suit):
    """A card of the four suits: `face_value` 3..15 (14 the ace, 15 the 2)."""
    c, k = _blank(w, h)
    rank = RANKS[face_value]
    colour = suit_colour(suit)
    if face_value in (11, 12, 13):
        _court(c, k, w, h, face_value, suit)
    elif face_value == 14:
        draw_suit(c, suit, w / 2, h / 2, 36 * k, colour)
        if suit == "spade":
            draw_suit(c, suit, w / 2, h / 2, 12 * k, GOLD)
    else:
        n = 2 if face_value == 15 else face_value
        px0, px1 = 28 * k, w - 28 * k
        py0, py1 = 20 * k, h - 20 * k
        pip = 14 * k if n <= 8 else 13 * k
        for fx, fy in PIPS[n]:
            x = px0 + fx * (px1 - px0)
            y = py0 + fy * (py1 - py0)
            draw_suit(c, suit, x, y, pip, colour, flip=fy > .5)
    _with_corners(c, _index(w, h, k, rank, suit))
    return c.image()


def joker(w, h, big):
    c, k = _blank(w, h)
    ink = RED if big else BLACK
    layer = Canvas(w, h)
    for i, ch in enumerate("JOKER"):
        layer.text((INDEX_CENTRE * k, (11 + i * 10.5) * k), ch, 11 * k, ink, stroke=.5 * k,
                   stroke_fill=ink)
    _with_corners(c, layer)
    cx, cy = w / 2, h / 2 + 2 * k
    hat = (RED, GOLD, SKY) if big else (DARK_GREY, BLACK, GREY)
    face_col = SKIN if big else (236, 236, 236)
    c.polygon([(cx - 16 * k, cy + 24 * k), (cx - 10 * k, cy + 6 * k), (cx + 10 * k, cy + 6 * k),
               (cx + 16 * k, cy + 24 * k)], fill=hat[2])
    for i, dx in enumerate((-7, 0, 7)):
        c.ellipse((cx + (dx - 3.2) * k, cy + 6 * k, cx + (dx + 3.2) * k, cy + 12 * k),
                  fill=WHITE, outline=hat[1], width=.6)
    c.polygon([(cx - 12 * k, cy - 8 * k), (cx - 22 * k, cy - 26 * k), (cx - 4 * k, cy - 12 * k),
               (cx, cy - 30 * k), (cx + 4 * k, cy - 12 * k), (cx + 22 * k, cy - 26 * k),
               (cx + 12 * k, cy - 8 * k)], fill=hat[0])
    for bx, by in ((-22, -26), (0, -30), (22, -26)):
        c.ellipse((cx + (bx - 2.6) * k, cy + (by - 2.6) * k, cx + (bx + 2.6) * k,
                   cy + (by + 2.6) * k), fill=hat[1])
    c.ellipse((cx - 10 * k, cy - 12 * k, cx + 10 * k, cy + 7 * k), fill=face_col,
              outline=darker(face_col, .4), width=.7)
    c.ellipse((cx - 5.5 * k, cy - 5 * k, cx - 2.5 * k, cy - 2 * k), fill=INK)
    c.ellipse((cx + 2.5 * k, cy - 5 * k, cx + 5.5 * k, cy - 2 * k), fill=INK)
    c.ellipse((cx - 1.6 * k, cy - 2 * k, cx + 1.6 * k, cy + 1.2 * k), fill=RED if big else BLACK)
    c.arc((cx - 6 * k, cy - 3 * k, cx + 6 * k, cy + 5 * k), 15, 165, fill=INK, width=1.1 * k)
    c.text((cx, h - 11 * k), "大王" if big else "小王", 9 * k, ink)
    return c.image()


def back_layer(w, h, scale=None):
    """The card back as a canvas (used alone and in fans, decks and piles)."""
    c = Canvas(w, h) if scale is None else Canvas(w, h, scale=scale)
    k = w / 90
    c.rrect((0, 0, w, h), 5.5 * k, fill=CREAM, outline=EDGE, width=1)
    m = 4 * k
    c.rrect((m, m, w - m, h - m), 3.5 * k, fill=DEEP_RED)
    step = 8 * k
    lattice = lighter(DEEP_RED, .22)
    n = int((w + h) / step) + 2
    for i in range(-n, n):
        x = m + i * step
        c.line([(x, m), (x + (h - 2 * m), h - m)], fill=lattice, width=.8 * k)
        c.line([(x, h - m), (x + (h - 2 * m), m)], fill=lattice, width=.8 * k)
    # the lattice is drawn across the rim too; paint the rim again over it
    c.rrect((0, 0, w, m + .6 * k), 0, fill=CREAM)
    c.rect((0, 0, w, m), fill=CREAM)
    c.rect((0, h - m, w, h), fill=CREAM)
    c.rect((0, 0, m, h), fill=CREAM)
    c.rect((w - m, 0, w, h), fill=CREAM)
    c.rrect((0, 0, w, h), 5.5 * k, outline=EDGE, width=1)
    c.rrect((m, m, w - m, h - m), 3.5 * k, outline=GOLD, width=1.2 * k)
    c.rrect((m + 3 * k, m + 3 * k, w - m - 3 * k, h - m - 3 * k), 2 * k, outline=DARK_GOLD,
            width=.7 * k)
    cx, cy, r = w / 2, h / 2, 17 * k
    c.ellipse((cx - r, cy - r, cx + r, cy + r), fill=GOLD, outline=LIGHT_GOLD, width=1.2 * k)
    c.ellipse((cx - r + 4 * k, cy - r + 4 * k, cx + r - 4 * k, cy + r - 4 * k),
              outline=DARK_GOLD, width=.8 * k)
    q = 5 * k
    c.rect((cx - q, cy - q, cx + q, cy + q), fill=DEEP_RED, outline=DARK_GOLD, width=.8 * k)
    for a in range(4):
        ang = math.radians(45 + 90 * a)
        x, y = cx + math.cos(ang) * 10.5 * k, cy + math.sin(ang) * 10.5 * k
        c.ellipse((x - 1.6 * k, y - 1.6 * k, x + 1.6 * k, y + 1.6 * k), fill=DEEP_RED)
    return c


def back(w, h):
    return back_layer(w, h).image()


def fan(w, h, cards, seat):
    """Face-down hand of another seat: `seat` 1 left, 2 top, 3 right; fitted into w x h."""
    card = back_layer(60, 82, scale=3).image()
    spread = min(120, 16 + cards * 5)
    big = 520
    sheet = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    pivot = (big / 2, big / 2)
    for i in range(cards):
        t = 0 if cards == 1 else i / (cards - 1)
        ang = -spread / 2 + t * spread
        ang += {1: 90, 2: 180, 3: -90}[seat]
        tile = Image.new("RGBA", (big, big), (0, 0, 0, 0))
        # the pivot lies a little below the cards' lower edge, as in a held hand
        tile.alpha_composite(card, (round(pivot[0] - card.width / 2), round(pivot[1] - 100)))
        sheet.alpha_composite(tile.rotate(-ang, resample=Image.Resampling.BICUBIC,
                                          center=pivot))
    box = sheet.getbbox()
    sheet = sheet.crop(box)
    f = min(w / sheet.width, h / sheet.height)
    sheet = sheet.resize((max(1, round(sheet.width * f)), max(1, round(sheet.height * f))),
                         Image.Resampling.LANCZOS)
    out = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    x = {1: 0, 2: (w - sheet.width) // 2, 3: w - sheet.width}[seat]
    out.alpha_composite(sheet, (x, (h - sheet.height) // 2))
    return out


def pile(w, h, count):
    """A squared stack of backs, each a little above and beside the one below."""
    out = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    cw, ch = w - count + 1, h - count + 1
    card = back_layer(cw, ch).image()
    for i in range(count):
        out.alpha_composite(card, (count - 1 - i, count - 1 - i))
    return out
