"""The player's hands: the pointer and the keyboard, through the X server's
test extension (xdotool), so the program gets exactly the events that a
real mouse and keyboard give it.
"""

import re

from . import waiting


class Pointer:
    def __init__(self, screen):
        self.screen = screen

    def where(self):
        out = self.screen.run(["xdotool", "getmouselocation"])
        m = re.search(r"x:(-?\d+) y:(-?\d+)", out)
        return int(m.group(1)), int(m.group(2))

    def move(self, x, y, steps=6):
        """Moves the pointer to x, y in a few steps, as a hand does: the
        widgets on the way see the pointer enter and leave."""
        x0, y0 = self.where()
        for i in range(1, steps + 1):
            self.screen.run(["xdotool", "mousemove", str(x0 + (x - x0) * i // steps),
                             str(y0 + (y - y0) * i // steps)])
            waiting.pause(0.01)

    def rest(self, x, y, seconds=0.3):
        """Moves to x, y and keeps still there for a moment."""
        self.move(x, y)
        waiting.pause(seconds)

    def click(self, x, y, button=1):
        self.move(x, y)
        waiting.pause(0.05)
        self.screen.run(["xdotool", "mousedown", str(button)])
        waiting.pause(0.05)
        self.screen.run(["xdotool", "mouseup", str(button)])

    def click_at(self, point):
        self.click(*point)


class Keyboard:
    def __init__(self, screen):
        self.screen = screen

    def press(self, *keys):
        """Presses keys one after the other to the window that has the focus
        (xdotool key names: a, Return, Escape, Tab, ctrl+q, F11)."""
        for key in keys:
            self.screen.run(["xdotool", "key", "--delay", "40", key])
            waiting.pause(0.05)

    def type(self, text):
        self.screen.run(["xdotool", "type", "--delay", "30", text])
