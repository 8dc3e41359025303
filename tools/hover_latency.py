#!/usr/bin/env python3
"""How long a main-menu entry takes to light up once the pointer comes to
rest on it, as a player would see it: the real program on a virtual screen
(DISPLAY must name one with a window manager), the pointer moved by xdotool,
the screen read straight from the X server every 2 ms.

    tools/hover_latency.py PROGRAM APP_DIR [TRIES]

Prints each latency and the largest. A measure, not a test: nothing here
passes or fails."""

import ctypes
import ctypes.util
import os
import random
import subprocess
import sys
import time

REST = (255, 192, 128)
ALL_PLANES = ctypes.c_ulong(0xFFFFFFFF)
Z_PIXMAP = 2

x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XGetImage.restype = ctypes.c_void_p
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                          ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x11.XGetPixel.restype = ctypes.c_ulong
x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
x11.XDestroyImage = None  # a macro in Xlib: the images are few and small


def colours(display, root, x, y, w, h):
    image = x11.XGetImage(display, root, x, y, w, h, ALL_PLANES, Z_PIXMAP)
    seen = set()
    for i in range(w):
        for j in range(h):
            p = x11.XGetPixel(image, i, j)
            seen.add(((p >> 16) & 255, (p >> 8) & 255, p & 255))
    return seen


def lit(seen):
    # The caption's own pixels: not black, not an anti-aliased blend.
    return any(c != REST and min(c) < 250 and sum(c) > 60 and c not in blends for c in seen)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, check=True).stdout


program, app_dir = sys.argv[1], sys.argv[2]
tries = int(sys.argv[3]) if len(sys.argv) > 3 else 20
env = dict(os.environ)
env.pop("QT_QPA_PLATFORM", None)
game = subprocess.Popen([program, "--app-dir", app_dir], env=env)
try:
    time.sleep(1.5)
    window = xdotool("search", "--name", "^ZRV").split()[0]
    info = subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True).stdout
    left = int(info.split("Absolute upper-left X:")[1].split()[0])
    top = int(info.split("Absolute upper-left Y:")[1].split()[0])
    display = x11.XOpenDisplay(None)
    root = x11.XDefaultRootWindow(display)
    # "Play The Game": 80, 160, 320 x 40 pixels in the menu.
    box = (left + 140, top + 168, 200, 24)
    off = (left + 240, top + 495)  # the picture at the foot of the menu: the labels rest
    xdotool("mousemove", str(off[0]), str(off[1]))
    time.sleep(0.5)
    blends = colours(display, root, *box) - {REST}
    latencies = []
    for _ in range(tries):
        xdotool("mousemove", str(off[0]), str(off[1]))
        time.sleep(0.3 + random.random() / 10)  # any moment between two ticks
        xdotool("mousemove", str(left + 240), str(top + 180))
        moved = time.monotonic()
        while not lit(colours(display, root, *box)):
            if time.monotonic() - moved > 2:
                break
            time.sleep(0.002)
        latencies.append((time.monotonic() - moved) * 1000)
        print(f"{latencies[-1]:.0f} ms")
    print(f"largest {max(latencies):.0f} ms, median {sorted(latencies)[len(latencies) // 2]:.0f} ms")
finally:
    game.terminate()
    game.wait()
