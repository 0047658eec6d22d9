"""One sheet of every picture at its real size (large ones shrunk), its name beneath."""

import os
import re

from PIL import Image, ImageDraw

from .style import font

CELL_W, CELL_H, MAX_W, MAX_H = 250, 236, 240, 210


def _key(name):
    m = re.match(r"pictures/(\d+)\.", name)
    return (0, int(m.group(1)), "") if m else (1, 0, name)


def _checker(w, h):
    img = Image.new("RGBA", (w, h), (120, 120, 120, 255))
    d = ImageDraw.Draw(img)
    for y in range(0, h, 8):
        for x in range(0, w, 8):
            if (x // 8 + y // 8) % 2:
                d.rectangle([x, y, x + 7, y + 7], fill=(150, 150, 150, 255))
    return img


def sheet(assets, out):
    names = []
    for root, _, files in os.walk(assets):
        for f in files:
            if not f.endswith(".qrc"):
                names.append(os.path.relpath(os.path.join(root, f), assets))
    names.sort(key=_key)
    cols = 12
    rows = (len(names) + cols - 1) // cols
    page = Image.new("RGBA", (cols * CELL_W, rows * CELL_H), (60, 60, 60, 255))
    draw = ImageDraw.Draw(page)
    label_font = font(12)
    for i, name in enumerate(names):
        with Image.open(os.path.join(assets, name)) as im:
            frames = getattr(im, "n_frames", 1)
            pic = im.convert("RGBA")
        w, h = pic.size
        f = min(1.0, MAX_W / w, MAX_H / h)
        if f < 1:
            pic = pic.resize((max(1, round(w * f)), max(1, round(h * f))),
                             Image.Resampling.LANCZOS)
        x0, y0 = (i % cols) * CELL_W, (i // cols) * CELL_H
        px, py = x0 + (CELL_W - pic.width) // 2, y0 + 4 + (MAX_H - pic.height) // 2
        page.alpha_composite(_checker(pic.width, pic.height), (px, py))
        page.alpha_composite(pic, (px, py))
        m = re.match(r"pictures/(\d+)\.", name)
        label = m.group(1) if m else name[len("design/"):]
        label += f"  {w}x{h}" + (f" {frames}f" if frames > 1 else "")
        draw.text((x0 + CELL_W // 2, y0 + MAX_H + 14), label, font=label_font,
                  fill=(255, 255, 255, 255), anchor="mm")
    page.convert("RGB").save(out, optimize=True)
    with Image.open(out) as written:
        written.verify()
    print(f"{len(names)} pictures on {out}")
