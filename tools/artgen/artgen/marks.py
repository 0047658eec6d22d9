"""Marks, badges, bubbles, stamps and digits shown over the table."""

from .style import (BRONZE, DARK_GOLD, DARK_WOOD, DEEP_RED, GOLD, JADE, LIGHT_GOLD, PLUM, RED,
                    SILVER, SKY, WHITE, Canvas, darker, lighter)

METALS = {"bronze": BRONZE, "silver": SILVER, "gold": GOLD}


def ribbon(w, h, caption, metal, ink=DARK_WOOD):
    """A plate with notched ends: ready marks and finishing places."""
    c = Canvas(w, h)
    base = METALS[metal]
    notch = h * .3
    pts = [(0, 0), (w, 0), (w - notch, h / 2), (w, h), (0, h), (notch, h / 2)]
    c.polygon(pts, fill=darker(base, .45))
    inner = [(1.5, 1.5), (w - 3, 1.5), (w - notch - 1.5, h / 2), (w - 3, h - 1.5), (1.5, h - 1.5),
             (notch + 1.5, h / 2)]
    c.polygon(inner, fill=base)
    c.gradient((notch, 2, w - notch, h / 2), lighter(base, .5), base)
    c.text((w / 2, h / 2 + .5), caption, c.fit_text(caption, h * .6, w - 2 * notch - 4), ink,
           stroke=.8, stroke_fill=lighter(base, .6))
    return c.image()


def bubble(w, h, word, seat, colour=WHITE, ink=DEEP_RED):
    """A round speech bubble whose tail points at the seat: 1 left, 2 top, 3 right, 0 below."""
    c = Canvas(w, h)
    m = w * .14
    box = (m, m, w - m, h - m)
    cx, cy = w / 2, h / 2
    tails = {1: [(m + 4, cy - 8), (1, cy + 6), (m + 8, cy + 8)],
             2: [(cx - 8, m + 4), (cx - 14, 1), (cx + 6, m + 2)],
             3: [(w - m - 4, cy - 8), (w - 1, cy + 6), (w - m - 8, cy + 8)],
             0: [(cx - 8, h - m - 4), (cx - 14, h - 1), (cx + 6, h - m - 2)]}
    outline = darker(colour, .5) if colour != WHITE else DARK_WOOD
    c.polygon(tails[seat], fill=outline)
    c.ellipse((box[0] - 1.5, box[1] - 1.5, box[2] + 1.5, box[3] + 1.5), fill=outline)
    grow = [(x + (cx - x) * .12, y + (cy - y) * .12) for x, y in tails[seat]]
    c.polygon(grow, fill=colour)
    c.ellipse(box, fill=colour)
    c.ellipse((box[0] + 6, box[1] + 4, box[2] - 14, box[1] + 16), fill=lighter(colour, .6))
    if word:
        size = c.fit_text(word, (h - 2 * m) * .62 / max(1, len(word) * .62), w - 2 * m - 8)
        c.text((cx, cy + 1), word, size, ink, stroke=1.4, stroke_fill=LIGHT_GOLD)
    return c.image()


def vip_badge(w, h, level, frame):
    """A crowned shield with the level; the four frames move a glint across it."""
    c = Canvas(w, h)
    colours = [None, BRONZE, SILVER, GOLD, JADE, SKY, PLUM]
    base = colours[level]
    cx = w / 2
    shield = [(cx - 15, 9), (cx + 15, 9), (cx + 14, 24), (cx, h - 1), (cx - 14, 24)]
    c.polygon(shield, fill=darker(base, .5))
    inner = [(cx - 13, 11), (cx + 13, 11), (cx + 12, 23), (cx, h - 4), (cx - 12, 23)]
    c.polygon(inner, fill=base)
    crown = [(cx - 11, 10), (cx - 12, 1), (cx - 6, 5), (cx, 0), (cx + 6, 5), (cx + 12, 1),
             (cx + 11, 10)]
    c.polygon(crown, fill=GOLD, outline=DARK_GOLD)
    c.text((cx, 19.5), f"V{level}", 12, WHITE, stroke=1.2, stroke_fill=darker(base, .6))
    gx = [cx - 10, cx - 2, cx + 6, cx + 12][frame]
    for i, r in enumerate((3.2, 1.6)):
        c.line([(gx - r * 1.6, 15 + i * 0), (gx + r * 1.6, 15)], fill=WHITE, width=.8)
        c.line([(gx, 15 - r * 1.6), (gx, 15 + r * 1.6)], fill=WHITE, width=.8)
    c.ellipse((gx - 1.3, 13.7, gx + 1.3, 16.3), fill=WHITE)
    return c.image()


def stamp(w, h, word, colour):
    """An inked seal with a double frame, slightly turned."""
    c = Canvas(w, h)
    c.rrect((2, 2, w - 2, h - 2), 5, outline=colour, width=2)
    c.rrect((5, 5, w - 5, h - 5), 3, outline=colour, width=1)
    c.text((w / 2, h / 2 + 1), word, c.fit_text(word, h * .5, w - 14), colour, stroke=.5,
           stroke_fill=colour)
    return c.image().rotate(-6, resample=3, expand=False)


def plate(w, h, caption, colour=DARK_WOOD, ink=LIGHT_GOLD, radius=6, size=None):
    """A framed plate carrying a title or nothing."""
    c = Canvas(w, h)
    c.rrect((0, 0, w, h), radius, fill=darker(colour, .4))
    c.gradient((1.5, 1.5, w - 1.5, h - 1.5), lighter(colour, .25), colour, r=max(0, radius - 1))
    c.rrect((3, 3, w - 3, h - 3), max(0, radius - 2), outline=GOLD, width=.8)
    if caption:
        s = size or c.fit_text(caption, h * .5, w - 12)
        c.text((w / 2, h / 2 + .5), caption, s, ink, stroke=.8, stroke_fill=darker(colour, .5))
    return c.image()


def digit(w, h, d, top, bottom, outline):
    """One digit in a metal gradient: the glyph cut out of a gradient fill."""
    from PIL import ImageChops
    c = Canvas(w, h)
    c.text((w / 2, h / 2 + h * .02), str(d), h * .9, outline, stroke=h * .1,
           stroke_fill=outline)
    fill = Canvas(w, h)
    fill.gradient((0, 0, w, h), top, bottom)
    mask = Canvas(w, h)
    mask.text((w / 2, h / 2 + h * .02), str(d), h * .9, WHITE, stroke=h * .04, stroke_fill=WHITE)
    alpha = ImageChops.multiply(mask.img.getchannel("A"), fill.img.getchannel("A"))
    glyph = fill.img.copy()
    glyph.putalpha(alpha)
    c.img.alpha_composite(glyph)
    return c.image()


def seat_icon(w, h, kind, hover):
    """The little video-strip icons: block, zoom, photo, hide, friend, album and spares."""
    c = Canvas(w, h, matte=DARK_WOOD)
    bg = GOLD if hover else darker(DARK_WOOD, .1)
    ink = DARK_WOOD if hover else LIGHT_GOLD
    c.rrect((0, 0, w, h), 3, fill=bg)
    cx, cy, s = w / 2, h / 2, min(w, h) * .32
    if kind == "block":
        c.ellipse((cx - s, cy - s, cx + s, cy + s), outline=RED, width=1.4)
        c.line([(cx - s * .7, cy + s * .7), (cx + s * .7, cy - s * .7)], RED, 1.4)
    elif kind == "zoom":
        c.ellipse((cx - s - 1, cy - s - 1, cx + s * .5, cy + s * .5), outline=ink, width=1.2)
        c.line([(cx + s * .3, cy + s * .3), (cx + s + 1, cy + s + 1)], ink, 1.6)
    elif kind == "photo":
        c.rrect((cx - s - 2, cy - s + 1, cx + s + 2, cy + s + 1), 1, fill=ink)
        c.ellipse((cx - s * .55, cy - s * .4, cx + s * .55, cy + s * .7), fill=bg)
        c.rect((cx - s * .5, cy - s - 1, cx + s * .3, cy - s + 1), fill=ink)
    elif kind == "hide":
        c.ellipse((cx - s - 1, cy - s, cx + s + 1, cy + s), fill=ink)
        c.ellipse((cx - s * .2, cy - s - 1, cx + s + 2, cy + s - 1), fill=bg)
    elif kind == "friend":
        c.ellipse((cx - s * .9, cy - s - 1, cx + s * .3, cy + s * .2), fill=ink)
        c.pieslice((cx - s * 1.4, cy + s * .1, cx + s * .8, cy + s * 2.4), 180, 360, fill=ink)
        c.line([(cx + s * .7, cy - s * .2), (cx + s * 1.7, cy - s * .2)], JADE, 1.2)
        c.line([(cx + s * 1.2, cy - s * .7), (cx + s * 1.2, cy + s * .3)], JADE, 1.2)
    elif kind == "album":
        c.rect((cx - s - 1, cy - s, cx + s + 1, cy + s), fill=ink)
        c.line([(cx, cy - s), (cx, cy + s)], bg, .8)
    else:
        c.ellipse((cx - s * .6, cy - s * .6, cx + s * .6, cy + s * .6), fill=ink)
    return c.image()


