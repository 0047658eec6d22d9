"""The one palette, the one typeface and the drawing surface every painter uses.

Painters draw on a `Canvas` in the picture's own pixel units; the canvas works at a multiple of
that size and shrinks once at the end, which gives smooth edges without any randomness.
"""

import functools

from PIL import Image, ImageDraw, ImageFont

FONT_FILE = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"

# The palette: every colour of the artwork comes from here.
INK = (43, 26, 16)
CREAM = (255, 250, 238)
PAPER = (247, 240, 222)
WHITE = (255, 255, 255)
BLACK = (24, 24, 28)
RED = (200, 16, 46)
DEEP_RED = (128, 20, 28)
GOLD = (242, 193, 78)
LIGHT_GOLD = (255, 226, 140)
DARK_GOLD = (160, 112, 24)
WOOD = (107, 62, 31)
LIGHT_WOOD = (150, 96, 52)
DARK_WOOD = (62, 34, 16)
FELT = (30, 107, 58)
DARK_FELT = (14, 70, 36)
LIGHT_FELT = (52, 140, 80)
BLUE_FELT = (28, 78, 128)
DARK_BLUE = (14, 44, 84)
JADE = (46, 158, 106)
DARK_JADE = (18, 96, 62)
LIGHT_JADE = (140, 220, 170)
SKY = (60, 130, 200)
NAVY = (24, 48, 96)
PLUM = (120, 48, 120)
GREY = (150, 150, 150)
LIGHT_GREY = (205, 205, 205)
DARK_GREY = (90, 90, 90)
SILVER = (200, 208, 216)
BRONZE = (196, 128, 72)

SCALE = 4


@functools.lru_cache(maxsize=None)
def font(size_px):
    return ImageFont.truetype(FONT_FILE, max(1, round(size_px)), index=0)


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a[:3], b[:3]))


def lighter(c, t=0.3):
    return mix(c, WHITE, t)


def darker(c, t=0.3):
    return mix(c, (0, 0, 0), t)


def grey_of(c):
    v = round(0.3 * c[0] + 0.59 * c[1] + 0.11 * c[2])
    return (v, v, v)


def rgba(c, a=255):
    return (c[0], c[1], c[2], a)


class Canvas:
    """An RGBA drawing surface addressed in target pixels (floats allowed)."""

    def __init__(self, w, h, bg=None, scale=SCALE, matte=FELT):
        self.w, self.h, self.s = w, h, scale
        self.matte = matte
        fill = rgba(bg) if bg is not None else rgba(matte, 0)
        self.img = Image.new("RGBA", (w * scale, h * scale), fill)
        self.draw = ImageDraw.Draw(self.img)

    def _p(self, v):
        return v * self.s

    def _box(self, box):
        x0, y0, x1, y1 = box
        return [self._p(x0), self._p(y0), self._p(x1) - 1, self._p(y1) - 1]

    def rect(self, box, fill=None, outline=None, width=1):
        self.draw.rectangle(self._box(box), fill=_c(fill), outline=_c(outline),
                            width=round(width * self.s) if outline else 0)

    def rrect(self, box, r, fill=None, outline=None, width=1):
        self.draw.rounded_rectangle(self._box(box), radius=self._p(r), fill=_c(fill),
                                    outline=_c(outline),
                                    width=round(width * self.s) if outline else 0)

    def ellipse(self, box, fill=None, outline=None, width=1):
        self.draw.ellipse(self._box(box), fill=_c(fill), outline=_c(outline),
                          width=round(width * self.s) if outline else 0)

    def pieslice(self, box, start, end, fill=None):
        self.draw.pieslice(self._box(box), start, end, fill=_c(fill))

    def arc(self, box, start, end, fill, width=1):
        self.draw.arc(self._box(box), start, end, fill=_c(fill), width=round(width * self.s))

    def polygon(self, pts, fill=None, outline=None):
        self.draw.polygon([(self._p(x), self._p(y)) for x, y in pts], fill=_c(fill),
                          outline=_c(outline))

    def line(self, pts, fill, width=1):
        self.draw.line([(self._p(x), self._p(y)) for x, y in pts], fill=_c(fill),
                       width=max(1, round(width * self.s)), joint="curve")

    def text(self, xy, s, size, fill, anchor="mm", stroke=0, stroke_fill=None, spacing=0):
        self.draw.text((self._p(xy[0]), self._p(xy[1])), s, font=font(size * self.s),
                       fill=_c(fill), anchor=anchor, stroke_width=round(stroke * self.s),
                       stroke_fill=_c(stroke_fill), spacing=spacing * self.s)

    def text_width(self, s, size):
        box = font(size * self.s).getbbox(s)
        return (box[2] - box[0]) / self.s

    def fit_text(self, s, size, max_width):
        """The largest size not above `size` at which `s` fits into `max_width`."""
        while size > 6 and self.text_width(s, size) > max_width:
            size -= 0.5
        return size

    def gradient(self, box, top, bottom, r=0, horizontal=False):
        """Fills a (rounded) rectangle with a linear gradient from `top` to `bottom`."""
        x0, y0, x1, y1 = [round(self._p(v)) for v in box]
        w, h = max(1, x1 - x0), max(1, y1 - y0)
        ramp = Image.linear_gradient("L")
        ramp = ramp.rotate(90) if horizontal else ramp
        ramp = ramp.resize((w, h), Image.Resampling.BILINEAR)
        a = Image.new("RGBA", (w, h), rgba(top))
        b = Image.new("RGBA", (w, h), rgba(bottom))
        fill = Image.composite(b, a, ramp)
        mask = Image.new("L", (w, h), 0)
        ImageDraw.Draw(mask).rounded_rectangle([0, 0, w - 1, h - 1], radius=r * self.s, fill=255)
        self.img.paste(fill, (x0, y0), mask)

    def paste(self, other, xy):
        """Draws another canvas (or its image) over this one at `xy` target pixels."""
        img = other.img if isinstance(other, Canvas) else other
        if img.size[0] % self.s == 0 and isinstance(other, Canvas) and other.s == self.s:
            layer = img
        else:
            layer = img.resize((img.size[0] * self.s, img.size[1] * self.s),
                               Image.Resampling.LANCZOS)
        self.img.alpha_composite(layer, (round(self._p(xy[0])), round(self._p(xy[1]))))

    def image(self):
        """The finished picture at its target size."""
        return self.img.resize((self.w, self.h), Image.Resampling.LANCZOS)


def _c(c):
    if c is None:
        return None
    return rgba(c) if len(c) == 3 else c
