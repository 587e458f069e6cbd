#!/usr/bin/env python3
"""Seeds for the fuzz targets, made from a generated game folder.

    make_seeds.py GAME_DIR SEED_DIR

Writes SEED_DIR/descriptor (every descriptor), SEED_DIR/bitmap (every bitmap of at most
64 KiB), SEED_DIR/wav (every sound cut to its first 256 frames, sizes rewritten) and
SEED_DIR/settings (a settings file a player might have edited) and SEED_DIR/demo (the kept
demos' first 100 lines), so the fuzzers start from files the game really reads without
dragging megabytes through each run.
"""
import os
import shutil
import struct
import sys

MAX_BITMAP = 64 * 1024
WAV_FRAMES = 256
DEMO_LINES = 100
DEMOS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "demos")
SETTINGS = """# mine
[sound]
music = 40
effects = 100
mute = no
[video]
fullscreen = no
window = 1600x1200
position = 10,20
scaling = integer
[keys]
up = Up, Keypad 8
fire = Left Ctrl, space
escape = Q
[pad]
fire = b, lefty-
deadzone = 30
[extra]
kept = yes
"""


def chunks(riff):
    at = 12
    while at + 8 <= len(riff):
        name, size = riff[at:at + 4], struct.unpack_from("<I", riff, at + 4)[0]
        yield name, riff[at + 8:at + 8 + size]
        at += 8 + size + (size & 1)


def short_wav(riff):
    fmt = data = None
    for name, body in chunks(riff):
        if name == b"fmt ":
            fmt = body
        elif name == b"data":
            data = body
    if fmt is None or data is None:
        return None
    block_align = struct.unpack_from("<H", fmt, 12)[0]
    data = data[:WAV_FRAMES * block_align]
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
    body += b"data" + struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main(game_dir, seed_dir):
    targets = {name: os.path.join(seed_dir, name)
               for name in ("descriptor", "bitmap", "wav", "settings", "demo")}
    for folder in targets.values():
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
    images = os.path.join(game_dir, "images")
    for name in sorted(os.listdir(images)):
        path = os.path.join(images, name)
        if name.endswith(".ini"):
            shutil.copy(path, targets["descriptor"])
        elif name.endswith(".bmp") and os.path.getsize(path) <= MAX_BITMAP:
            shutil.copy(path, targets["bitmap"])
    sounds = os.path.join(game_dir, "sounds")
    for name in sorted(os.listdir(sounds)):
        with open(os.path.join(sounds, name), "rb") as f:
            seed = short_wav(f.read())
        if seed is not None:
            with open(os.path.join(targets["wav"], name), "wb") as f:
                f.write(seed)
    with open(os.path.join(targets["settings"], "settings.ini"), "w") as f:
        f.write(SETTINGS)
    for name in sorted(os.listdir(DEMOS)):
        if name.endswith(".demo"):
            with open(os.path.join(DEMOS, name)) as f:
                head = f.readlines()[:DEMO_LINES]
            with open(os.path.join(targets["demo"], name), "w") as f:
                f.writelines(head)
    for target, folder in targets.items():
        if not os.listdir(folder):
            print(f"make_seeds.py: no {target} seeds in {game_dir}", file=sys.stderr)
            return 1
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    sys.exit(main(sys.argv[1], sys.argv[2]))
