"""Pictures of the exchange catalogue's goods."""

from .style import (BLACK, CREAM, DARK_GREY, DARK_JADE, DARK_WOOD, DEEP_RED, GOLD, GREY, INK, JADE,
                    LIGHT_GOLD, LIGHT_GREY, NAVY, RED, SILVER, SKY, WHITE, Canvas, darker, lighter)

# entry -> (kind, words on the item)
CATALOGUE = [("card", "10元"), ("card", "10元"), ("cooker", ""), ("microwave", ""),
             ("tablet", ""), ("tv", "42"), ("phone", ""), ("gamecard", "10元"), ("card", "20元"),
             ("card", "30元"), ("card", "50元"), ("gamecard", "15元"), ("snack", "30元"),
             ("giftbox", "138"), ("giftbox", "238"), ("cup", ""), ("kettle", ""),
             ("telephone", ""), ("usb", ""), ("usb2", "")]


def goods(w, h, entry):
    kind, words = CATALOGUE[entry]
    c = Canvas(w, h, bg=WHITE)
    c.gradient((0, 0, w, h), WHITE, (236, 240, 244))
    cx = w / 2
    if kind in ("card", "gamecard"):
        col = SKY if kind == "card" else JADE
        c.rrect((14, 26, 86, 74), 7, fill=col, outline=darker(col, .4), width=1.2)
        c.rect((14, 36, 86, 44), fill=darker(col, .35))
        c.rrect((20, 52, 34, 62), 2, fill=GOLD)
        c.text((64, 60), words, 15, WHITE, stroke=1, stroke_fill=darker(col, .5))
        c.text((cx, 18), "充值卡" if kind == "card" else "游戏卡", 12, INK)
    elif kind == "cooker":
        c.ellipse((22, 34, 78, 50), fill=SILVER, outline=DARK_GREY, width=1)
        c.rrect((24, 42, 76, 84), 8, fill=LIGHT_GREY, outline=DARK_GREY, width=1)
        c.rect((44, 24, 56, 36), fill=BLACK)
        c.rrect((40, 56, 60, 70), 3, fill=NAVY)
    elif kind == "microwave":
        c.rrect((12, 28, 88, 76), 4, fill=LIGHT_GREY, outline=DARK_GREY, width=1.2)
        c.rrect((18, 34, 66, 70), 3, fill=(40, 50, 60))
        for y in (38, 48, 58):
            c.ellipse((72, y, 80, y + 8), fill=DARK_GREY)
    elif kind == "tablet":
        c.rrect((24, 14, 76, 86), 6, fill=BLACK)
        c.rect((28, 20, 72, 78), fill=SKY)
        c.ellipse((48, 80, 52, 84), fill=DARK_GREY)
    elif kind == "tv":
        c.rrect((8, 20, 92, 72), 3, fill=BLACK)
        c.gradient((12, 24, 88, 68), (110, 180, 230), NAVY)
        c.rect((44, 72, 56, 80), fill=DARK_GREY)
        c.rect((32, 80, 68, 83), fill=DARK_GREY)
        c.text((80, 62), words + "\u5bf8", 9, WHITE)
    elif kind == "phone":
        c.rrect((32, 12, 68, 88), 7, fill=(40, 40, 48))
        c.rect((35, 20, 65, 78), fill=lighter(SKY, .2))
        c.ellipse((47, 80, 53, 86), fill=GREY)
    elif kind == "snack":
        c.rrect((20, 24, 80, 84), 6, fill=RED, outline=DEEP_RED, width=1.2)
        c.ellipse((34, 32, 66, 60), fill=GOLD)
        c.text((cx, 74), words, 12, WHITE)
    elif kind == "giftbox":
        c.rect((18, 40, 82, 86), fill=DEEP_RED)
        c.rect((14, 30, 86, 42), fill=RED)
        c.rect((46, 30, 54, 86), fill=GOLD)
        c.ellipse((36, 18, 50, 32), outline=GOLD, width=3)
        c.ellipse((50, 18, 64, 32), outline=GOLD, width=3)
        c.text((cx, 64), words, 12, LIGHT_GOLD, stroke=.8, stroke_fill=DARK_WOOD)
    elif kind == "cup":
        c.rrect((36, 18, 64, 86), 8, fill=SILVER, outline=DARK_GREY, width=1)
        c.rrect((34, 12, 66, 24), 4, fill=DARK_GREY)
        c.rect((36, 46, 64, 56), fill=JADE)
    elif kind == "kettle":
        c.ellipse((22, 28, 74, 86), fill=LIGHT_GREY, outline=DARK_GREY, width=1)
        c.arc((56, 36, 86, 70), 270, 90, fill=DARK_GREY, width=4)
        c.polygon([(22, 46), (8, 38), (24, 56)], fill=LIGHT_GREY, outline=DARK_GREY)
        c.rect((24, 82, 72, 88), fill=BLACK)
    elif kind == "telephone":
        c.rrect((16, 44, 84, 84), 8, fill=CREAM, outline=DARK_GREY, width=1)
        c.rrect((12, 28, 88, 42), 7, fill=DARK_JADE)
        for i in range(3):
            for j in range(3):
                c.rect((34 + i * 12, 52 + j * 10, 42 + i * 12, 58 + j * 10), fill=DARK_GREY)
    else:
        col = GOLD if kind == "usb" else SKY
        c.rrect((30, 30, 76, 66), 6, fill=col, outline=darker(col, .4), width=1)
        c.rect((14, 38, 32, 58), fill=SILVER, outline=DARK_GREY, width=1)
        c.rect((18, 42, 22, 46), fill=DARK_GREY)
        c.rect((18, 50, 22, 54), fill=DARK_GREY)
    c.rect((0, 0, w, h), outline=LIGHT_GREY, width=1)
    return c.image()


