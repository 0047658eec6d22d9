"""Writers for the stored formats: single-frame and animated GIF89a, PNG with alpha, JPEG.

Every writer produces the same bytes for the same picture, so a re-run changes nothing.
"""

import io

from PIL import Image

TRANSPARENT = 255
# Every GIF is a GIF89a file, also those that need none of its extensions.
GIF89A = b"89a"


def _flatten(img, matte):
    """RGB over the matte colour, plus the mask of pixels that stay opaque in a GIF."""
    bg = Image.new("RGBA", img.size, matte + (255,))
    rgb = Image.alpha_composite(bg, img).convert("RGB")
    opaque = img.getchannel("A").point(lambda a: 255 if a >= 128 else 0)
    return rgb, opaque


def to_gif_frame(img, matte, palette=None, dither=False):
    """One GIF frame: an adaptive palette of up to 255 colours, index 255 transparent."""
    rgb, opaque = _flatten(img, matte)
    d = Image.Dither.FLOYDSTEINBERG if dither else Image.Dither.NONE
    if palette is None:
        q = rgb.quantize(colors=255, method=Image.Quantize.MEDIANCUT, dither=d)
    else:
        q = rgb.quantize(palette=_first_entries(palette), dither=d)
    pal = q.getpalette()[: 255 * 3]
    pal += [0] * (255 * 3 - len(pal)) + list(matte)
    q.putpalette(pal)
    has_hole = opaque.getextrema()[0] == 0
    if has_hole:
        q.paste(TRANSPARENT, (0, 0), opaque.point(lambda a: 255 - a))
    return q, has_hole


def _first_entries(palette_image):
    """A palette image without the transparent slot, so no opaque pixel maps onto it."""
    p = Image.new("P", (1, 1))
    p.putpalette(palette_image.getpalette()[: TRANSPARENT * 3])
    return p


def gif_bytes(img, matte, dither=False):
    q, hole = to_gif_frame(img, matte, dither=dither)
    out = io.BytesIO()
    kw = {"transparency": TRANSPARENT} if hole else {}
    q.info["version"] = GIF89A
    q.save(out, "GIF", optimize=False, **kw)
    return out.getvalue()


def animated_gif_bytes(frames, matte, duration_ms):
    """Frames share the first frame's palette so the colours do not flicker between frames."""
    strip = Image.new("RGBA", (frames[0].width, frames[0].height * len(frames)))
    for i, f in enumerate(frames):
        strip.paste(f, (0, i * f.height))
    shared, _ = to_gif_frame(strip, matte)
    q = [to_gif_frame(f, matte, palette=shared)[0] for f in frames]
    out = io.BytesIO()
    q[0].save(out, "GIF", save_all=True, append_images=q[1:], duration=duration_ms, loop=0,
              disposal=2, transparency=TRANSPARENT, optimize=False)
    with Image.open(io.BytesIO(out.getvalue())) as check:
        # the writer merges frames that equal their predecessor: every frame has to move
        if check.n_frames != len(frames):
            raise ValueError(f"{len(frames)} frames drawn, {check.n_frames} stored")
    return out.getvalue()


def png_bytes(img):
    """Palette PNG with per-entry alpha: a fraction of the size of a full RGBA file."""
    q = img.quantize(colors=256, method=Image.Quantize.FASTOCTREE, dither=Image.Dither.NONE)
    out = io.BytesIO()
    q.save(out, "PNG", optimize=True)
    return out.getvalue()


def rgba_png_bytes(img):
    out = io.BytesIO()
    img.save(out, "PNG", optimize=True)
    return out.getvalue()


def jpeg_bytes(img, quality=88):
    out = io.BytesIO()
    img.convert("RGB").save(out, "JPEG", quality=quality, optimize=True, subsampling=0)
    return out.getvalue()


def bmp_bytes(img):
    out = io.BytesIO()
    img.convert("RGB").save(out, "BMP")
    return out.getvalue()


def ico_bytes(img):
    out = io.BytesIO()
    img.save(out, "ICO", sizes=[(img.width, img.height)])
    return out.getvalue()


def keyed_gif_bytes(img, key=(255, 0, 255)):
    """Opaque GIF whose surround is one solid colour, read back as the window's cut-out key."""
    opaque = img.getchannel("A").point(lambda a: 255 if a >= 128 else 0)
    solid = img.copy()
    solid.putalpha(opaque)
    bg = Image.new("RGBA", img.size, key + (255,))
    rgb = Image.alpha_composite(bg, solid).convert("RGB")
    q = rgb.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    q.info["version"] = GIF89A
    out = io.BytesIO()
    q.save(out, "GIF", optimize=False)
    return out.getvalue()
