"""Twenty player portraits: ten men and ten women, each a distinct face, hair and dress."""

import math

from .style import (BLACK, DARK_WOOD, DEEP_RED, GOLD, INK, JADE, LIGHT_GOLD, NAVY, PLUM, RED, SKY,
                    WHITE, WOOD, Canvas, darker, lighter, mix)

SKINS = [(250, 220, 186), (241, 200, 160), (226, 178, 136), (200, 150, 110), (255, 228, 205)]
HAIRS = [(30, 24, 22), (70, 44, 28), (120, 80, 40), (150, 150, 150), (40, 30, 60),
         (170, 110, 60)]
BACKS = [SKY, JADE, (236, 170, 80), PLUM, (90, 170, 190), (200, 90, 90), (120, 160, 90),
         (110, 120, 200), (220, 150, 170), (160, 130, 90)]
CLOTHES = [NAVY, RED, JADE, WOOD, (60, 60, 70), PLUM, (40, 110, 160), DEEP_RED, (90, 120, 60),
           GOLD]

# (hair style, skin, hair colour, extra) per avatar; 0..9 men, 10..19 women
MEN = [("short", 0, 0, None), ("side", 1, 1, "glasses"), ("spiky", 2, 0, None),
       ("bald", 3, 3, "beard"), ("cap", 0, 0, None), ("side", 4, 2, None),
       ("short", 2, 3, "glasses"), ("curly", 3, 0, "moustache"), ("spiky", 4, 5, None),
       ("long_m", 1, 4, "beard")]
WOMEN = [("long", 0, 0, None), ("bob", 1, 1, None), ("ponytail", 4, 2, "earrings"),
         ("bun", 2, 0, None), ("pigtails", 0, 5, None), ("long", 3, 1, "glasses"),
         ("bob", 4, 4, "flower"), ("curly_w", 1, 2, "earrings"), ("bun", 4, 3, "glasses"),
         ("ponytail", 2, 0, "flower")]


def avatar(w, h, n):
    woman = n >= 10
    style, skin_i, hair_i, extra = (WOMEN if woman else MEN)[n % 10]
    skin, hair = SKINS[skin_i], HAIRS[hair_i]
    c = Canvas(w, h, bg=BACKS[n % 10])
    c.gradient((0, 0, w, h), lighter(BACKS[n % 10], .35), BACKS[n % 10])
    cx = w / 2
    k = w / 85
    fx, fy, fw, fh = cx, 40 * k, 19 * k, 23 * k
    cloth = CLOTHES[(n * 3) % 10]
    # hair behind the head
    if style in ("long", "pigtails", "curly_w", "long_m"):
        length = 80 if style != "long_m" else 62
        c.rrect((fx - fw - 6 * k, fy - fh - 4 * k, fx + fw + 6 * k, length * k), 12 * k, fill=hair)
    if style == "pigtails":
        for sx in (-1, 1):
            c.ellipse((fx + sx * (fw + 8 * k) - 8 * k, fy - 2 * k, fx + sx * (fw + 8 * k) + 8 * k,
                       fy + 24 * k), fill=hair)
    if style == "ponytail":
        c.ellipse((fx + fw - 2 * k, fy - 14 * k, fx + fw + 16 * k, fy + 20 * k), fill=hair)
    if style == "bun":
        c.ellipse((fx - 11 * k, fy - fh - 16 * k, fx + 11 * k, fy - fh + 4 * k), fill=hair)
    # shoulders
    c.pieslice((cx - 40 * k, 68 * k, cx + 40 * k, 130 * k), 180, 360, fill=cloth)
    if woman:
        c.pieslice((cx - 12 * k, 64 * k, cx + 12 * k, 84 * k), 0, 180, fill=skin)
    else:
        c.polygon([(cx - 9 * k, 68 * k), (cx, 80 * k), (cx + 9 * k, 68 * k)], fill=WHITE)
        c.polygon([(cx - 2.5 * k, 72 * k), (cx + 2.5 * k, 72 * k), (cx + 3.5 * k, 90 * k),
                   (cx - 3.5 * k, 90 * k)], fill=RED if n % 2 else NAVY)
    c.rect((cx - 6 * k, fy + fh - 6 * k, cx + 6 * k, fy + fh + 6 * k), fill=darker(skin, .08))
    # ears and face
    for sx in (-1, 1):
        c.ellipse((fx + sx * fw - 4 * k, fy - 4 * k, fx + sx * fw + 4 * k, fy + 7 * k),
                  fill=darker(skin, .05))
    c.ellipse((fx - fw, fy - fh, fx + fw, fy + fh), fill=skin)
    # hair on top
    if style in ("short", "side", "spiky", "curly", "long_m"):
        c.pieslice((fx - fw - 1 * k, fy - fh - 3 * k, fx + fw + 1 * k, fy + 6 * k), 180, 360,
                   fill=hair)
        if style == "side":
            c.polygon([(fx - fw, fy - 4 * k), (fx + 6 * k, fy - fh + 2 * k), (fx + fw, fy - 6 * k),
                       (fx + fw, fy - 14 * k), (fx - fw, fy - 14 * k)], fill=hair)
        elif style == "spiky":
            for i in range(5):
                x = fx - fw + 4 * k + i * (2 * fw - 8 * k) / 4
                c.polygon([(x - 5 * k, fy - fh + 4 * k), (x, fy - fh - 8 * k),
                           (x + 5 * k, fy - fh + 4 * k)], fill=hair)
        elif style == "curly":
            for i in range(6):
                x = fx - fw + i * (2 * fw) / 5
                c.ellipse((x - 5 * k, fy - fh - 4 * k, x + 5 * k, fy - fh + 6 * k), fill=hair)
        c.rect((fx - fw, fy - 8 * k, fx + fw, fy - 5 * k), fill=skin)
        c.pieslice((fx - fw + 2 * k, fy - 14 * k, fx + fw - 2 * k, fy + 6 * k), 0, 180, fill=skin)
    elif style == "cap":
        c.pieslice((fx - fw - 1 * k, fy - fh - 4 * k, fx + fw + 1 * k, fy + 2 * k), 180, 360,
                   fill=cloth)
        c.rrect((fx - fw - 2 * k, fy - 10 * k, fx + fw + 12 * k, fy - 6 * k), 2 * k,
                fill=darker(cloth, .3))
    elif style == "bald":
        c.arc((fx - fw + 2 * k, fy - fh + 2 * k, fx + fw - 2 * k, fy + 4 * k), 200, 250,
              fill=lighter(skin, .5), width=2 * k)
        for sx in (-1, 1):
            c.pieslice((fx + sx * fw - 5 * k, fy - 12 * k, fx + sx * fw + 5 * k, fy + 4 * k),
                       90 if sx < 0 else 270, 270 if sx < 0 else 450, fill=hair)
    else:
        fringe = {"bob": 6, "long": 2, "ponytail": 4, "bun": 2, "pigtails": 6, "curly_w": 4}[style]
        c.pieslice((fx - fw - 2 * k, fy - fh - 3 * k, fx + fw + 2 * k, fy + (6 + fringe) * k), 180,
                   360, fill=hair)
        c.pieslice((fx - fw + 3 * k, fy - 12 * k + fringe * k, fx + fw - 3 * k,
                    fy + 8 * k + fringe * k), 0, 180, fill=skin)
        if style == "bob":
            for sx in (-1, 1):
                c.rrect((fx + sx * fw - 6 * k, fy - 10 * k, fx + sx * fw + 6 * k, fy + 16 * k),
                        5 * k, fill=hair)
        if style == "curly_w":
            for i in range(7):
                y = fy - fh + i * 9 * k
                for sx in (-1, 1):
                    c.ellipse((fx + sx * (fw + 3 * k) - 6 * k, y - 5 * k, fx + sx * (fw + 3 * k)
                               + 6 * k, y + 6 * k), fill=hair)
    # features
    ey = fy + 1 * k
    for sx in (-1, 1):
        ex = fx + sx * 7.5 * k
        c.ellipse((ex - 3 * k, ey - 3.2 * k, ex + 3 * k, ey + 3.2 * k), fill=WHITE)
        c.ellipse((ex - 1.8 * k, ey - 2 * k, ex + 1.8 * k, ey + 2 * k), fill=INK)
        c.ellipse((ex - .5 * k, ey - 1.4 * k, ex + .6 * k, ey - .4 * k), fill=WHITE)
        brow = hair if style != "bald" else darker(skin, .5)
        c.line([(ex - 4 * k, ey - 6 * k - (1 if woman else 0) * k), (ex + 4 * k, ey - 6.5 * k)],
               fill=darker(brow, .1), width=(1.1 if woman else 1.8) * k)
        if woman:
            c.line([(ex + sx * 3 * k, ey - 2.5 * k), (ex + sx * 4.6 * k, ey - 4 * k)], INK,
                   width=.8 * k)
    c.arc((fx - 2 * k, fy + 2 * k, fx + 2 * k, fy + 9 * k), 300, 60, fill=darker(skin, .3),
          width=1 * k)
    mouth = (220, 80, 90) if woman else darker(skin, .45)
    c.arc((fx - 6 * k, fy + 6 * k, fx + 6 * k, fy + 15 * k), 20, 160, fill=mouth,
          width=(2 if woman else 1.6) * k)
    if woman:
        for sx in (-1, 1):
            c.ellipse((fx + sx * 11 * k - 3 * k, fy + 7 * k, fx + sx * 11 * k + 3 * k,
                       fy + 11 * k), fill=mix(skin, (240, 120, 130), .35))
    if extra == "glasses":
        for sx in (-1, 1):
            ex = fx + sx * 7.5 * k
            c.ellipse((ex - 5.5 * k, ey - 5 * k, ex + 5.5 * k, ey + 5 * k), outline=BLACK,
                      width=1.2 * k)
        c.line([(fx - 2 * k, ey - 1 * k), (fx + 2 * k, ey - 1 * k)], BLACK, 1.2 * k)
    elif extra == "beard":
        c.pieslice((fx - fw + 1 * k, fy - 2 * k, fx + fw - 1 * k, fy + fh + 4 * k), 0, 180,
                   fill=hair)
        c.ellipse((fx - 6 * k, fy + 8 * k, fx + 6 * k, fy + 14 * k), fill=darker(skin, .35))
    elif extra == "moustache":
        c.polygon([(fx - 8 * k, fy + 9 * k), (fx, fy + 6 * k), (fx + 8 * k, fy + 9 * k),
                   (fx, fy + 8.5 * k)], fill=hair)
    elif extra == "earrings":
        for sx in (-1, 1):
            x = fx + sx * fw
            c.ellipse((x - 2 * k, fy + 7 * k, x + 2 * k, fy + 11 * k), fill=GOLD)
    elif extra == "flower":
        x, y = fx + fw - 4 * k, fy - fh + 6 * k
        for i in range(5):

            a = math.radians(i * 72)
            px, py = x + math.cos(a) * 4 * k, y + math.sin(a) * 4 * k
            c.ellipse((px - 3 * k, py - 3 * k, px + 3 * k, py + 3 * k), fill=(250, 140, 170))
        c.ellipse((x - 2 * k, y - 2 * k, x + 2 * k, y + 2 * k), fill=LIGHT_GOLD)
    c.rect((0, 0, w, h), outline=DARK_WOOD, width=1)
    return c.image()



