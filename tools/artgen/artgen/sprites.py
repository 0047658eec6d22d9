"""Sprite sheets of the reward animations: digits, the prize banner, the jade burst and frame."""

import math

from PIL import Image

from .marks import digit
from .style import (DARK_GOLD, DARK_JADE, DARK_WOOD, DEEP_RED, GOLD, JADE, LIGHT_GOLD, LIGHT_JADE,
                    RED, WHITE, Canvas, darker, lighter)


def digit_sheet(w, h, top, bottom, outline):
    """Ten frames stacked top to bottom, frame d showing the digit d."""
    sheet = Image.new("RGBA", (w, h * 10), (0, 0, 0, 0))
    for d in range(10):
        sheet.alpha_composite(digit(w, h, d, top, bottom, outline), (0, d * h))
    return sheet


def prize_digits():
    return digit_sheet(38, 53, LIGHT_GOLD, DARK_GOLD, DEEP_RED)


def jade_digits():
    return digit_sheet(22, 29, LIGHT_JADE, DARK_JADE, WHITE)


def _sparkle(c, x, y, s, col):
    c.polygon([(x, y - s), (x + s * .25, y - s * .25), (x + s, y), (x + s * .25, y + s * .25),
               (x, y + s), (x - s * .25, y + s * .25), (x - s, y), (x - s * .25, y - s * .25)],
              fill=col)


def prize_banner():
    """Three frames of a red banner with gold words whose sparkles move."""
    fw, fh = 603, 115
    sheet = Image.new("RGBA", (fw, fh * 3), (0, 0, 0, 0))
    for f in range(3):
        c = Canvas(fw, fh, scale=2)
        c.polygon([(0, 30), (70, 30), (70, 95), (0, 95), (22, 62)], fill=darker(RED, .35))
        c.polygon([(fw, 30), (fw - 70, 30), (fw - 70, 95), (fw, 95), (fw - 22, 62)],
                  fill=darker(RED, .35))
        c.rrect((50, 16, fw - 50, 100), 14, fill=DARK_GOLD)
        c.gradient((54, 20, fw - 54, 96), (226, 60, 50), DEEP_RED, r=11)
        c.rrect((60, 25, fw - 60, 91), 9, outline=LIGHT_GOLD, width=1.5)
        # The words keep to the left: the prize's digits roll in from the right over the rest.
        c.text((195, 58), "恭喜您获得奖励", 34, LIGHT_GOLD, stroke=3, stroke_fill=DARK_WOOD)
        for i in range(7):
            x = 80 + ((i * 83 + f * 29) % 440)
            y = 12 + ((i * 37 + f * 23) % 90)
            _sparkle(c, x, y, 6 + (i + f) % 3 * 3, WHITE if (i + f) % 2 else LIGHT_GOLD)
        sheet.alpha_composite(c.image(), (0, f * fh))
    return sheet


def jade_burst():
    """Sixteen frames of 350 x 350: a jade ring that opens, throws rays and fades."""
    fs = 350
    sheet = Image.new("RGBA", (fs * 4, fs * 4), (0, 0, 0, 0))
    for f in range(16):
        t = f / 15
        c = Canvas(fs, fs, scale=2)
        cx = cy = fs / 2
        fade = round(255 * (1 - max(0, t - .6) / .4))
        for i in range(12):
            a = i * math.pi / 6 + t * .6
            r0, r1 = 40 + 60 * t, 70 + 110 * t
            col = (LIGHT_JADE if i % 2 else LIGHT_GOLD) + (fade,)
            c.polygon([(cx + math.cos(a - .05) * r0, cy + math.sin(a - .05) * r0),
                       (cx + math.cos(a) * r1, cy + math.sin(a) * r1),
                       (cx + math.cos(a + .05) * r0, cy + math.sin(a + .05) * r0)], fill=col)
        r = 30 + 120 * t
        c.ellipse((cx - r, cy - r, cx + r, cy + r), outline=JADE + (fade,), width=6 * (1 - t) + 2)
        jr = 44 * (1 - .3 * t)
        c.ellipse((cx - jr, cy - jr, cx + jr, cy + jr), fill=JADE + (fade,),
                  outline=DARK_JADE + (fade,), width=3)
        c.ellipse((cx - jr * .4, cy - jr * .4, cx + jr * .4, cy + jr * .4),
                  fill=(0, 0, 0, 0) if fade else None)
        c.ellipse((cx - jr * .8, cy - jr * .8, cx - jr * .1, cy - jr * .3),
                  fill=lighter(JADE, .5) + (fade,))
        for i in range(10):
            a = i * 2 * math.pi / 10 + f * .3
            d = 60 + 140 * t + (i % 3) * 12
            _sparkle(c, cx + math.cos(a) * d, cy + math.sin(a) * d, 7 + (i % 3) * 3,
                     (WHITE if i % 2 else LIGHT_GOLD) + (fade,))
        sheet.alpha_composite(c.image(), ((f % 4) * fs, (f // 4) * fs))
    return sheet


def jade_frame():
    c = Canvas(418, 83, scale=2)
    c.rrect((0, 0, 418, 83), 20, fill=DARK_JADE)
    c.gradient((3, 3, 415, 80), lighter(JADE, .2), DARK_JADE, r=18)
    c.rrect((10, 10, 408, 73), 14, fill=(10, 40, 26, 200), outline=LIGHT_GOLD, width=1.5)
    for x in (22, 396):
        _sparkle(c, x, 41.5, 7, GOLD)
    return c.image()
