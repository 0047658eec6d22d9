#!/usr/bin/python3
"""Draws the client's artwork into assets/, or lays all of it out on one contact sheet.

    make_art.py assets [--jobs N]      write assets/pictures/*, assets/design/**, assets/pictures.qrc
    make_art.py check [--jobs N]       fail when assets/ differs from what the generator draws
    make_art.py contact-sheet OUT.png  one PNG of every picture with its id beneath

Re-running `assets` rewrites nothing that is already up to date: every writer is deterministic.
"""

import argparse
import multiprocessing
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
ASSETS = os.path.normpath(os.path.join(HERE, "..", "..", "assets"))

from artgen import contact, inventory, output  # noqa: E402

EXT = {"gif": "gif", "anim": "gif", "png": "png", "jpeg": "jpg", "bmp": "bmp", "ico": "ico",
       "rgba": "png", "key": "gif"}


def resource_path(rid, entry):
    return os.path.join("pictures", f"{rid}.{EXT[entry.fmt]}")


def encode(entry):
    if entry.fmt == "anim":
        return output.animated_gif_bytes(entry.paint(), entry.matte, entry.duration)
    img = entry.paint()
    if entry.fmt == "gif":
        return output.gif_bytes(img, entry.matte)
    if entry.fmt == "key":
        return output.keyed_gif_bytes(img)
    if entry.fmt == "png":
        return output.png_bytes(img)
    if entry.fmt == "rgba":
        return output.rgba_png_bytes(img)
    if entry.fmt == "jpeg":
        return output.jpeg_bytes(img)
    if entry.fmt == "bmp":
        return output.bmp_bytes(img)
    return output.ico_bytes(img)


def _job(item):
    kind, key = item
    entry = inventory.resources()[key] if kind == "res" else inventory.design()[key]
    return item, encode(entry)


def _read(path):
    with open(path, "rb") as f:
        return f.read()


def write_if_changed(path, data):
    if os.path.exists(path) and _read(path) == data:
        return False
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    return True


def qrc(res, des):
    lines = ["<!DOCTYPE RCC>", "<RCC version=\"1.0\">", "<qresource prefix=\"/GIF\">"]
    for rid in sorted(res):
        lines.append(f"  <file alias=\"{rid}\">{resource_path(rid, res[rid])}</file>")
    lines += ["</qresource>", "<qresource prefix=\"/design\">"]
    for key in sorted(des):
        lines.append(f"  <file alias=\"{key}\">design/{key}</file>")
    lines += ["</qresource>", "</RCC>", ""]
    return "\n".join(lines).encode()


def render(jobs):
    """Every file of assets/ as the generator draws it: relative path -> bytes."""
    res, des = inventory.resources(), inventory.design()
    items = [("res", k) for k in sorted(res)] + [("des", k) for k in sorted(des)]
    with multiprocessing.Pool(jobs) as pool:
        results = pool.map(_job, items, chunksize=4)
    files = {}
    for (kind, key), data in results:
        rel = resource_path(key, res[key]) if kind == "res" else os.path.join("design", key)
        files[rel] = data
    files["pictures.qrc"] = qrc(res, des)
    return files


def make_assets(jobs):
    files = render(jobs)
    changed = sum(write_if_changed(os.path.join(ASSETS, rel), data) for rel, data in files.items())
    print(f"{len(files)} files; {changed} written")


def check_assets(jobs):
    files = render(jobs)
    on_disk = set()
    for root, _, names in os.walk(ASSETS):
        on_disk.update(os.path.relpath(os.path.join(root, n), ASSETS) for n in names)
    stale = sorted(rel for rel, data in files.items()
                   if rel not in on_disk or _read(os.path.join(ASSETS, rel)) != data)
    extra = sorted(on_disk - set(files))
    for rel in stale:
        print(f"differs from the generator: assets/{rel}")
    for rel in extra:
        print(f"not drawn by the generator: assets/{rel}")
    if stale or extra:
        sys.exit(1)
    print(f"{len(files)} files up to date")


def main():
    ap = argparse.ArgumentParser(description=__doc__,
                                 formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = ap.add_subparsers(dest="cmd", required=True)
    for name in ("assets", "check"):
        sub.add_parser(name).add_argument("--jobs", type=int, default=4)
    s = sub.add_parser("contact-sheet")
    s.add_argument("out")
    args = ap.parse_args()
    if args.cmd == "assets":
        make_assets(args.jobs)
    elif args.cmd == "check":
        check_assets(args.jobs)
    else:
        contact.sheet(ASSETS, args.out)


if __name__ == "__main__":
    main()
