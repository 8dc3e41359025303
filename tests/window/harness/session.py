"""A player at the game: a virtual screen with its window manager, an
application folder, the real program started on them, the pointer and the
keys to act, and the screen's pixels and windows to look at.

The window tests use one session each (case.py); scripts/screenshots uses
one per screen size.
"""

import shutil
import tempfile
from pathlib import Path

from . import banks, layout, ocr, shots, waiting
from .board import BoardView
from .dialogs import Dialogs
from .inputs import Keyboard, Pointer
from .program import AppFolder, Program
from .screen import Screen
from .windows import Windows


class Session(BoardView, Dialogs):
    def __init__(self, width, height):
        self.work = Path(tempfile.mkdtemp(prefix="zarvana-window-"))
        self.screen = Screen(width, height, self.work)
        self.pointer = Pointer(self.screen)
        self.keys = Keyboard(self.screen)
        self.windows = Windows(self.screen)
        self.folder = AppFolder(self.work / "app")
        self.programs = []
        self.program = None

    def open(self):
        self.screen.start()
        return self

    def close(self):
        for p in self.programs:
            p.stop()
        self.screen.stop()
        shutil.rmtree(self.work, ignore_errors=True)

    # ------------------------------------------------------------ the program

    def start(self, game_type=3, bank=None, advice=True, fast_startup=True):
        """Writes the app folder, starts the program; returns the drawn menu."""
        self.folder.write_bank(bank if bank is not None else banks.test_bank())
        self.folder.write_config(game_type, fast_startup=fast_startup, advice=advice)
        self.program = self.launch()
        menu = self.wait_window(layout.MAIN.title, timeout=20)
        waiting.until(lambda: self.label_shows(menu, layout.PLAY, layout.MENU_REST, form=layout.MAIN),
                      timeout=10, what="the main menu drawn")
        return menu

    def launch(self):
        """Starts a copy of the program on the session's folder."""
        program = Program(self.screen, self.folder, self.work, name=f"zarvana-{len(self.programs)}").start()
        self.programs.append(program)
        return program

    # ------------------------------------------------------------ windows

    def shot(self):
        return shots.take(self.screen.env)

    def program_windows(self, program=None):
        return self.windows.of((program or self.program).pid)

    def find_window(self, title, program=None):
        found = [w for w in self.program_windows(program) if w.title == title]
        return found[0] if found else None

    def wait_window(self, title, program=None, timeout=10):
        window = waiting.until(lambda: self.find_window(title, program), timeout=timeout,
                               what=f"a window titled {title!r}")
        self.settle(window)
        return window

    def settle(self, window, active=True):
        """Waits until the window manager has done with a window: placed for
        good and, unless said otherwise, with the focus. A person starts
        using a window then; a click before that can be lost."""
        last = [None]

        def still():
            now = self.windows.geometry(window)
            same = now is not None and last[0] is not None and repr(now) == repr(last[0])
            last[0] = now
            return same and (not active or self.windows.is_active(window))

        waiting.until(still, timeout=5, what=f"{window} placed" + (" and active" if active else ""), every=0.1)

    def bring_up(self, window):
        """To the front with the focus, as from the task bar."""
        self.windows.activate(window)
        self.settle(window)

    def wait_gone(self, window, timeout=5):
        waiting.until(lambda: window.id not in {w.id for w in self.program_windows()}, timeout=timeout,
                      what=f"{window} to close")

    def closes(self, window, timeout=2):
        """True when the window goes within the time."""
        try:
            self.wait_gone(window, timeout)
            return True
        except waiting.NotSeen:
            return False

    def where(self, window):
        """The window's inside on the screen, as it is now."""
        rect = self.windows.geometry(window)
        if rect is None:
            raise waiting.NotSeen(f"{window} is not on the screen")
        return rect

    def rect(self, form, control, window):
        return form.rect(control, self.where(window))

    def read(self, rect, single_line=False):
        """The words in rect, in lower case."""
        return ocr.words(ocr.read(self.shot(), rect, single_line))

    def shows_text(self, rect, phrase, single_line=False, squeeze=False):
        """The phrase can be read in rect (compared in lower case; squeezed:
        with the blanks left out, for paths a reader may break)."""
        text = self.read(rect, single_line)
        if squeeze:
            text, phrase = text.replace(" ", ""), phrase.replace(" ", "")
        return ocr.finds(text, phrase.lower())

    # ------------------------------------------------------------ acting

    def click(self, form, control, window, fx=0.5, fy=0.5):
        self.pointer.click(*form.point(control, self.where(window), fx, fy))

    def rest_on(self, form, control, window, fx=0.5, fy=0.5, seconds=0.4):
        self.pointer.rest(*form.point(control, self.where(window), fx, fy), seconds=seconds)
