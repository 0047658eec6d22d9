"""Captioned buttons and small icon buttons in their normal, hover, pressed and disabled faces."""

from .style import (BLUE_FELT, CREAM, DARK_GOLD, DARK_GREY, DARK_JADE, DARK_WOOD, DEEP_RED, GOLD,
                    GREY, INK, LIGHT_GOLD, LIGHT_GREY, NAVY, PLUM, WHITE, Canvas, darker, grey_of,
                    lighter)

# scheme: (gradient top, gradient bottom, caption colour, caption outline)
SCHEMES = {
    "gold": ((255, 214, 102), (214, 140, 20), DARK_WOOD, LIGHT_GOLD),
    "red": ((232, 72, 60), DEEP_RED, LIGHT_GOLD, DARK_WOOD),
    "jade": ((84, 196, 140), DARK_JADE, WHITE, DARK_WOOD),
    "blue": ((92, 156, 224), NAVY, WHITE, NAVY),
    "plum": ((170, 96, 176), PLUM, LIGHT_GOLD, DARK_WOOD),
    "wood": ((150, 96, 52), DARK_WOOD, LIGHT_GOLD, DARK_WOOD),
    "felt": ((60, 150, 90), (16, 80, 40), WHITE, DARK_WOOD),
    "sea": ((70, 120, 190), BLUE_FELT, WHITE, NAVY),
    "grey": ((170, 170, 170), DARK_GREY, WHITE, DARK_GREY),
}


def _faces(scheme, state):
    top, bottom, ink, halo = SCHEMES[scheme]
    if state == "hover":
        top, bottom = lighter(top, .2), lighter(bottom, .18)
    elif state == "pressed":
        top, bottom = darker(bottom, .1), darker(top, .25)
    elif state == "disabled":
        top, bottom = lighter(grey_of(top), .2), grey_of(bottom)
        ink, halo = LIGHT_GREY, DARK_GREY
    return top, bottom, ink, halo


def button(w, h, caption, scheme, state="normal", radius=None, matte=DARK_WOOD):
    """A lacquered plate with its caption; hover glows gold, pressed sinks, disabled is grey."""
    c = Canvas(w, h, matte=matte)
    top, bottom, ink, halo = _faces(scheme, state)
    r = radius if radius is not None else min(h / 2.6, 9)
    rim = GOLD if state == "hover" else (GREY if state == "disabled" else darker(bottom, .45))
    c.rrect((0, 0, w, h), r, fill=rim)
    inset = 1.6 if state == "hover" else 1
    c.gradient((inset, inset, w - inset, h - inset), top, bottom, r=r - inset)
    if state != "pressed":
        c.gradient((inset + 2, inset + 1, w - inset - 2, h * .48), lighter(top, .45), top,
                   r=max(1, r - 2))
    if state == "hover":
        c.rrect((1, 1, w - 1, h - 1), r - 1, outline=LIGHT_GOLD, width=1)
    if caption:
        dy = 1 if state == "pressed" else 0
        size = c.fit_text(caption, h * .52, w - 8)
        c.text((w / 2 + dy, h / 2 + dy + .5), caption, size, ink, stroke=max(.8, size / 14),
               stroke_fill=halo)
    return c.image()


def _glyph(c, icon, cx, cy, s, col, width):
    if icon == "close":
        c.line([(cx - s, cy - s), (cx + s, cy + s)], col, width)
        c.line([(cx - s, cy + s), (cx + s, cy - s)], col, width)
    elif icon == "minimise":
        c.line([(cx - s, cy + s * .6), (cx + s, cy + s * .6)], col, width)
    elif icon == "plus":
        c.line([(cx - s, cy), (cx + s, cy)], col, width)
        c.line([(cx, cy - s), (cx, cy + s)], col, width)
    elif icon == "minus":
        c.line([(cx - s, cy), (cx + s, cy)], col, width)
    elif icon == "bar":
        for i in (-1, 0, 1):
            c.line([(cx - s, cy + i * s * .6), (cx + s, cy + i * s * .6)], col, width * .8)
    elif icon in ("left", "right", "up", "down"):
        d = {"left": (-1, 0), "right": (1, 0), "up": (0, -1), "down": (0, 1)}[icon]
        px, py = -d[1], d[0]
        tip = (cx + d[0] * s, cy + d[1] * s)
        a = (cx - d[0] * s * .7 + px * s, cy - d[1] * s * .7 + py * s)
        b = (cx - d[0] * s * .7 - px * s, cy - d[1] * s * .7 - py * s)
        c.polygon([tip, a, b], fill=col)


def icon_button(w, h, icon, scheme, state="normal", round_=True, matte=DARK_WOOD):
    """A small button that carries a sign instead of a word (close, minimise, arrows, steps)."""
    c = Canvas(w, h, matte=matte)
    top, bottom, ink, _ = _faces(scheme, state)
    rim = GOLD if state == "hover" else darker(bottom, .45)
    if round_:
        c.ellipse((0, 0, w, h), fill=rim)
        c.gradient((1, 1, w - 1, h - 1), top, bottom, r=min(w, h) / 2)
    else:
        c.rrect((0, 0, w, h), min(w, h) / 5, fill=rim)
        c.gradient((1, 1, w - 1, h - 1), top, bottom, r=min(w, h) / 5 - 1)
    s = min(w, h) * .27
    off = .6 if state == "pressed" else 0
    _glyph(c, icon, w / 2 + off, h / 2 + off, s, ink, max(1.2, min(w, h) / 8))
    return c.image()


def tab(w, h, caption, state):
    """A folder tab of the quick-phrase window."""
    c = Canvas(w, h, matte=DARK_WOOD)
    top, bottom = ((255, 226, 150), GOLD) if state == "hover" else (LIGHT_GOLD, DARK_GOLD)
    c.rrect((0, 0, w, h + 6), 5, fill=DARK_WOOD)
    c.gradient((1, 1, w - 1, h), top, bottom, r=4)
    c.text((w / 2, h / 2 + .5), caption, c.fit_text(caption, h * .62, w - 6),
           INK if state == "hover" else DARK_WOOD)
    return c.image()


def switch_face(w, h, caption, on, state):
    """A settings switch: a lamp that is lit or dark beside its word."""
    c = Canvas(w, h, matte=CREAM)
    scheme = "jade" if on else "grey"
    top, bottom, ink, halo = _faces(scheme, state)
    c.rrect((0, 0, w, h), h / 2, fill=GOLD if state == "hover" else darker(bottom, .4))
    c.gradient((1, 1, w - 1, h - 1), top, bottom, r=h / 2 - 1)
    lamp = (w - h / 2 - 2) if on else (h / 2 + 2)
    c.ellipse((lamp - h * .36, h * .14, lamp + h * .36, h * .86),
              fill=LIGHT_GOLD if on else (230, 230, 230), outline=DARK_WOOD, width=.8)
    tx = w * .4 if on else w * .6
    c.text((tx, h / 2 + .5), caption, c.fit_text(caption, h * .56, w * .55), ink, stroke=.8,
           stroke_fill=halo)
    return c.image()


def colour_face(w, h, caption, swatch, state):
    """A table-colour option: a swatch of the felt beside its name."""
    c = Canvas(w, h, matte=CREAM)
    top, bottom, ink, halo = _faces("wood", state)
    c.rrect((0, 0, w, h), 6, fill=GOLD if state == "hover" else DARK_WOOD)
    c.gradient((1, 1, w - 1, h - 1), top, bottom, r=5)
    c.rrect((5, 5, 5 + h - 10, h - 5), 3, fill=swatch, outline=LIGHT_GOLD, width=1)
    c.text((h + (w - h) / 2 - 1, h / 2 + .5), caption, c.fit_text(caption, h * .52, w - h - 6),
           ink, stroke=.8, stroke_fill=halo)
    return c.image()

