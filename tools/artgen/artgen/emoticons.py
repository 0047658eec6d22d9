"""The eighteen animated emoticons and the small chat buttons that open them."""

import math

from .style import (BLACK, DARK_GOLD, DARK_JADE, DARK_WOOD, DEEP_RED, GOLD, INK, JADE, LIGHT_GOLD,
                    RED, SKY, WHITE, Canvas, darker, lighter, mix)

FACE = (255, 214, 72)
# frames of each emoticon, 668 first: from 5 up to 43
FRAMES = [8, 12, 10, 16, 6, 12, 10, 20, 8, 12, 16, 10, 12, 14, 8, 24, 43, 5]
KINDS = ["smile", "laugh", "cry", "angry", "wink", "love", "shock", "sleepy", "cool", "sweat",
         "dizzy", "kiss", "money", "wave", "shy", "proud", "bomb", "rose"]


def _heart(c, cx, cy, s, col):
    r = s * .27
    c.ellipse((cx - 2 * r, cy - .2 * s - r, cx, cy - .2 * s + r), fill=col)
    c.ellipse((cx, cy - .2 * s - r, cx + 2 * r, cy - .2 * s + r), fill=col)
    c.polygon([(cx - 2 * r * .97, cy - .13 * s), (cx + 2 * r * .97, cy - .13 * s),
               (cx, cy + .5 * s)], fill=col)


def _face(c, cx, cy, r, colour=FACE):
    c.ellipse((cx - r - 1.5, cy - r - 1.5, cx + r + 1.5, cy + r + 1.5), fill=DARK_GOLD)
    c.ellipse((cx - r, cy - r, cx + r, cy + r), fill=colour)
    c.ellipse((cx - r * .6, cy - r * .85, cx + r * .2, cy - r * .35), fill=lighter(colour, .45))


def _eyes(c, cx, cy, r, kind="dot", blink=0.0):
    for sx in (-1, 1):
        ex, ey = cx + sx * r * .35, cy - r * .15
        if kind == "closed" or blink > .5:
            c.arc((ex - 5, ey - 3, ex + 5, ey + 5), 200, 340, fill=INK, width=2)
        elif kind == "happy":
            c.arc((ex - 5, ey - 2, ex + 5, ey + 8), 200, 340, fill=INK, width=2.2)
        elif kind == "big":
            c.ellipse((ex - 6, ey - 8, ex + 6, ey + 8), fill=WHITE, outline=INK, width=1.2)
            c.ellipse((ex - 2.5, ey - 2.5, ex + 2.5, ey + 2.5), fill=INK)
        else:
            c.ellipse((ex - 3.5, ey - 5, ex + 3.5, ey + 5), fill=INK)
            c.ellipse((ex - 1, ey - 3.5, ex + 1.2, ey - 1), fill=WHITE)


def frame(kind, t):
    """One frame of an emoticon at phase `t` in [0, 1)."""
    w = h = 85
    c = Canvas(w, h)
    wave = math.sin(t * 2 * math.pi)
    cx, cy, r = 42.5, 44, 30
    if kind == "bomb":
        c.ellipse((cx - 28, cy - 22, cx + 28, cy + 34), fill=(40, 40, 48))
        c.ellipse((cx - 18, cy - 14, cx - 4, cy), fill=(110, 110, 120))
        c.rect((cx - 7, cy - 30, cx + 7, cy - 20), fill=DARK_GOLD)
        fuse = [(cx, cy - 30), (cx + 8, cy - 38), (cx + 16, cy - 36)]
        c.line(fuse, fill=(150, 110, 60), width=2.5)
        burn = 1 - t
        sx, sy = cx + 16 * burn, cy - 30 - 8 * burn
        for i in range(8):
            a = i * math.pi / 4 + t * 6
            ln = 5 + 4 * abs(math.sin(t * 20 + i))
            c.line([(sx, sy), (sx + math.cos(a) * ln, sy + math.sin(a) * ln)],
                   fill=(GOLD if i % 2 else RED), width=1.6)
        c.text((cx, cy + 8), "炸", 24, LIGHT_GOLD, stroke=1.5, stroke_fill=DEEP_RED)
        return c.image()
    if kind == "rose":
        sway = wave * 5
        c.line([(cx, 82), (cx + sway, 38)], fill=JADE, width=4)
        c.polygon([(cx, 64), (cx - 20, 52), (cx - 6, 70)], fill=JADE)
        c.polygon([(cx + 1, 56), (cx + 20, 46), (cx + 8, 62)], fill=DARK_JADE)
        hx, hy = cx + sway, 28
        for i in range(5):
            a = i * 2 * math.pi / 5 + wave * .2
            px, py = hx + math.cos(a) * 11, hy + math.sin(a) * 11
            c.ellipse((px - 11, py - 11, px + 11, py + 11), fill=RED)
        c.ellipse((hx - 13, hy - 13, hx + 13, hy + 13), fill=DEEP_RED)
        c.arc((hx - 9, hy - 9, hx + 9, hy + 9), 0, 270, fill=RED, width=2.5)
        c.ellipse((hx - 4, hy - 4, hx + 4, hy + 4), fill=lighter(RED, .3))
        return c.image()
    bob = 0
    if kind in ("smile", "proud", "wave", "wink"):
        # off the zero crossings, so no two frames of a short loop coincide
        bob = math.sin(t * 2 * math.pi + .5) * 3
    elif kind == "laugh":
        bob = math.sin(t * 4 * math.pi) * 2.5
    cy += bob
    # a gentle sway: with the bob it makes every frame of the loop its own
    cx += math.cos(t * 2 * math.pi) * 1.5
    colour = FACE
    if kind == "angry":
        colour = (255, round(150 - 60 * (wave + 1) / 2), 80)
    _face(c, cx, cy, r, colour)
    if kind in ("smile", "wave", "proud"):
        _eyes(c, cx, cy, r, "happy" if kind != "proud" else "closed")
        c.pieslice((cx - 14, cy - 2, cx + 14, cy + 20), 0, 180, fill=DEEP_RED)
        if kind == "wave":
            hx = cx + 30 + wave * 4
            c.ellipse((hx - 8, cy - 10, hx + 8, cy + 6), fill=FACE, outline=DARK_GOLD, width=1)
    elif kind == "laugh":
        _eyes(c, cx, cy, r, "closed")
        c.pieslice((cx - 17, cy - 2, cx + 17, cy + 24), 0, 180, fill=DEEP_RED)
        c.rect((cx - 12, cy - 1, cx + 12, cy + 3), fill=WHITE)
        for sx in (-1, 1):
            c.ellipse((cx + sx * 26 - 3, cy - 2 + 6 * t, cx + sx * 26 + 3, cy + 8 + 6 * t),
                      fill=SKY)
    elif kind == "cry":
        _eyes(c, cx, cy, r, "closed")
        c.arc((cx - 10, cy + 8, cx + 10, cy + 22), 200, 340, fill=INK, width=2)
        for sx in (-1, 1):
            y = cy - 2 + 24 * t
            c.ellipse((cx + sx * 11 - 3, y, cx + sx * 11 + 3, y + 8), fill=SKY)
    elif kind == "angry":
        _eyes(c, cx, cy, r)
        for sx in (-1, 1):
            c.line([(cx + sx * 4, cy - 12), (cx + sx * 17, cy - 18)], fill=INK, width=2.5)
        c.arc((cx - 10, cy + 8, cx + 10, cy + 22), 200, 340, fill=INK, width=2.5)
        puff = 4 + 4 * t
        c.ellipse((cx + 22 - puff, 8 - puff, cx + 22 + puff, 8 + puff), fill=(235, 235, 235))
    elif kind == "wink":
        c.ellipse((cx - 14, cy - 9, cx - 7, cy + 1), fill=INK)
        if t < .5:
            c.ellipse((cx + 7, cy - 9, cx + 14, cy + 1), fill=INK)
        else:
            c.arc((cx + 5, cy - 8, cx + 16, cy + 2), 200, 340, fill=INK, width=2)
        c.arc((cx - 12, cy + 2, cx + 12, cy + 18), 20, 160, fill=INK, width=2.2)
    elif kind == "love":
        s = 14 + 3 * wave
        for sx in (-1, 1):
            _heart(c, cx + sx * 11, cy - 4, s, RED)
        c.pieslice((cx - 11, cy + 4, cx + 11, cy + 18), 0, 180, fill=DEEP_RED)
    elif kind == "shock":
        _eyes(c, cx, cy, r, "big")
        m = 5 + 5 * (wave + 1) / 2
        c.ellipse((cx - m, cy + 8, cx + m, cy + 10 + 2 * m), fill=DEEP_RED)
    elif kind == "sleepy":
        _eyes(c, cx, cy, r, "closed")
        c.ellipse((cx - 4, cy + 10, cx + 4, cy + 16), fill=DEEP_RED)
        for i in range(3):
            p = (t + i / 3) % 1
            c.text((cx + 20 + p * 14, cy - 18 - p * 22), "Z", 8 + 8 * p, SKY, stroke=.5,
                   stroke_fill=WHITE)
    elif kind == "cool":
        c.rrect((cx - 24, cy - 12, cx - 2, cy + 2), 5, fill=BLACK)
        c.rrect((cx + 2, cy - 12, cx + 24, cy + 2), 5, fill=BLACK)
        c.line([(cx - 2, cy - 8), (cx + 2, cy - 8)], fill=BLACK, width=2)
        gx = cx - 22 + 44 * t
        c.line([(gx - 3, cy - 10), (gx + 1, cy - 2)], fill=WHITE, width=1.5)
        c.arc((cx - 12, cy + 4, cx + 12, cy + 18), 20, 160, fill=INK, width=2.2)
    elif kind == "sweat":
        _eyes(c, cx, cy, r, "closed")
        c.line([(cx - 8, cy + 13), (cx + 8, cy + 13)], fill=INK, width=2)
        y = cy - 24 + 14 * t
        c.polygon([(cx + 22, y - 6), (cx + 18, y + 3), (cx + 26, y + 3)], fill=SKY)
        c.ellipse((cx + 18, y - 1, cx + 26, y + 7), fill=SKY)
    elif kind == "dizzy":
        for sx in (-1, 1):
            ex, ey = cx + sx * 10, cy - 4
            for j in range(3):
                a0 = t * 360 + j * 120
                c.arc((ex - 6 + j * 2, ey - 6 + j * 2, ex + 6 - j * 2, ey + 6 - j * 2), a0,
                      a0 + 240, fill=INK, width=1.4)
        c.arc((cx - 8, cy + 8, cx + 8, cy + 18), 200, 340, fill=INK, width=2)
    elif kind == "kiss":
        _eyes(c, cx, cy, r, "closed")
        c.ellipse((cx - 4, cy + 8, cx + 4, cy + 15), fill=DEEP_RED)
        _heart(c, cx + 18 + 8 * t, cy + 6 - 26 * t, 10 + 6 * t, RED)
    elif kind == "money":
        for sx in (-1, 1):
            ex, ey = cx + sx * 11, cy - 4
            squash = abs(math.cos(t * math.pi))
            c.ellipse((ex - 7 * squash - .5, ey - 7, ex + 7 * squash + .5, ey + 7), fill=GOLD,
                      outline=DARK_GOLD, width=1)
            c.text((ex, ey), "$" if squash > .4 else "", 9, DARK_GOLD)
        c.pieslice((cx - 12, cy + 4, cx + 12, cy + 20), 0, 180, fill=DEEP_RED)
    elif kind == "shy":
        _eyes(c, cx, cy, r, "happy")
        blush = mix(FACE, (240, 90, 90), .35 + .4 * (wave + 1) / 2)
        for sx in (-1, 1):
            c.ellipse((cx + sx * 19 - 7, cy + 2, cx + sx * 19 + 7, cy + 10), fill=blush)
        c.arc((cx - 6, cy + 8, cx + 6, cy + 16), 20, 160, fill=INK, width=2)
    return c.image()


def emoticon(n):
    """Frames of emoticon `n` (1..18)."""
    kind, count = KINDS[n - 1], FRAMES[n - 1]
    return [frame(kind, i / count) for i in range(count)]


def smiley_button(w, h, state):
    c = Canvas(w, h, matte=DARK_WOOD)
    r = min(w, h) / 2 - 1.5
    col = lighter(FACE, .2) if state == "hover" else (darker(FACE, .12) if state == "pressed"
                                                     else FACE)
    cx, cy = w / 2, h / 2
    c.ellipse((cx - r - 1, cy - r - 1, cx + r + 1, cy + r + 1),
              fill=GOLD if state == "hover" else DARK_GOLD)
    c.ellipse((cx - r, cy - r, cx + r, cy + r), fill=col)
    for sx in (-1, 1):
        c.ellipse((cx + sx * r * .35 - 1.2, cy - r * .35, cx + sx * r * .35 + 1.2, cy), fill=INK)
    c.arc((cx - r * .55, cy - r * .3, cx + r * .55, cy + r * .6), 20, 160, fill=INK, width=1.3)
    return c.image()


def phrase_button(w, h, state):
    c = Canvas(w, h, matte=DARK_WOOD)
    fill = (255, 255, 255) if state == "hover" else ((215, 215, 215) if state == "pressed"
                                                   else (240, 236, 225))
    edge = GOLD if state == "hover" else DARK_WOOD
    c.polygon([(5, h - 8), (3, h - 1), (11, h - 7)], fill=edge)
    c.rrect((0.5, 0.5, w - .5, h - 6), 6, fill=edge)
    c.rrect((1.7, 1.7, w - 1.7, h - 7.2), 5, fill=fill)
    for i in range(3):
        c.ellipse((w / 2 - 7 + i * 7 - 1.6, (h - 6) / 2 - 1.6, w / 2 - 7 + i * 7 + 1.6,
                   (h - 6) / 2 + 1.6), fill=DARK_WOOD)
    return c.image()
