"""The windows on the screen as the window manager sees them: titles,
owners, where each is drawn, which is active, what the manager allows
with it; and the manager's own close.
"""

import re

from .shots import Rect


class Window:
    def __init__(self, wid, pid, title):
        self.id, self.pid, self.title = wid, pid, title

    def __repr__(self):
        return f"Window(0x{self.id:x}, {self.title!r})"


class Windows:
    def __init__(self, screen):
        self.screen = screen

    def all(self):
        """Every window the manager manages, in no promised order."""
        out = self.screen.run(["wmctrl", "-l", "-p"], check=False)
        found = []
        for line in out.splitlines():
            parts = line.split(None, 4)
            if len(parts) < 4:
                continue
            title = parts[4] if len(parts) == 5 else ""
            found.append(Window(int(parts[0], 16), int(parts[2]), title))
        return found

    def of(self, pid):
        """The program's windows that are on screen."""
        return [w for w in self.all() if w.pid == pid and self.viewable(w)]

    def geometry(self, window):
        """The window's inside (without the frame), in screen pixels."""
        out = self.screen.run(["xwininfo", "-id", str(window.id)], check=False)
        values = {}
        for key, field in (("x", "Absolute upper-left X"), ("y", "Absolute upper-left Y"),
                           ("w", "Width"), ("h", "Height")):
            m = re.search(rf"^\s*{field}:\s*(-?\d+)", out, re.M)
            if not m:
                return None
            values[key] = int(m.group(1))
        return Rect(values["x"], values["y"], values["w"], values["h"])

    def viewable(self, window):
        out = self.screen.run(["xwininfo", "-id", str(window.id)], check=False)
        return "IsViewable" in out

    def active(self):
        out = self.screen.run(["xprop", "-root", "_NET_ACTIVE_WINDOW"], check=False)
        m = re.search(r"window id # (0x[0-9a-f]+)", out)
        return int(m.group(1), 16) if m else 0

    def is_active(self, window):
        return self.active() == window.id

    def prop(self, window, name):
        """A property of the window as xprop prints it, after the '=' ('' if unset)."""
        out = self.screen.run(["xprop", "-id", str(window.id), name], check=False)
        return out.split("=", 1)[1].strip() if "=" in out else ""

    def atoms(self, window, name):
        """A property that lists atoms (_NET_WM_STATE, _NET_WM_ALLOWED_ACTIONS)."""
        return {a.strip() for a in self.prop(window, name).split(",") if a.strip()}

    def frame_extents(self, window):
        """Left, right, top, bottom of the manager's frame (0s for none)."""
        value = self.prop(window, "_NET_FRAME_EXTENTS")
        parts = [int(v) for v in re.findall(r"-?\d+", value)]
        return tuple(parts) if len(parts) == 4 else (0, 0, 0, 0)

    def close(self, window):
        """The manager's close, as the close button of the title bar sends it."""
        self.screen.run(["wmctrl", "-i", "-c", hex(window.id)], check=False)

    def activate(self, window):
        """Brings the window to the front with the focus, as a click on its
        task bar entry does."""
        self.screen.run(["wmctrl", "-i", "-a", hex(window.id)], check=False)

    def resize(self, window, width, height):
        self.screen.run(["xdotool", "windowsize", str(window.id), str(width), str(height)], check=False)


# What a window offers in its title bar. The program asks for it in the
# Motif hints (functions and decorations; bit 1 of either means "all but the
# ones named"); the manager says what it allows. Openbox draws its buttons
# and allows minimising whatever the hints say, so there the program's own
# request is what is checked.
_MWM = {"maximize": (16, 64), "minimize": (8, 32)}
_ALLOWED = {"maximize": {"_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT"}, "minimize": set()}


def offers(windows, window, what):
    """True when the window offers to be maximised or minimised."""
    if windows.atoms(window, "_NET_WM_ALLOWED_ACTIONS") & _ALLOWED[what]:
        return True
    hints = [int(v, 16) for v in re.findall(r"0x[0-9a-f]+", windows.prop(window, "_MOTIF_WM_HINTS"))]
    if len(hints) < 3:
        return what == "minimize"  # no hints: the manager's defaults
    flags, functions, decorations = hints[:3]
    function_bit, decoration_bit = _MWM[what]

    def named(value, bit):
        return not (value & bit) if value & 1 else bool(value & bit)

    return bool((flags & 1 and named(functions, function_bit)) or (flags & 2 and named(decorations, decoration_bit))
                or not flags & 3)
