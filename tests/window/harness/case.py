"""The base class of the window tests: each test gets a session of its own
(its own virtual screen, window manager, application folder and program)
and uses the session's actions and looks as its own: self.click(...),
self.ladder(board), self.wait_window(title).
"""

import os
import subprocess
import unittest
from pathlib import Path

from .screen import missing_tools
from .session import Session


class WindowTest(unittest.TestCase):
    SCREEN = (1024, 768)

    def setUp(self):
        missing = missing_tools()
        if missing:
            self.fail("missing " + ", ".join(missing) + ": scripts/install-deps installs them")
        self.session = Session(*self.SCREEN)
        self.addCleanup(self._clean_up)
        self.session.open()

    def __getattr__(self, name):
        # Only names the test case itself lacks: the session's.
        if name == "session":
            raise AttributeError(name)
        return getattr(self.session, name)

    def _clean_up(self):
        out = os.environ.get("ZARVANA_WINDOW_OUT")
        if out:
            # The last picture of every test, to look at when one fails.
            Path(out).mkdir(parents=True, exist_ok=True)
            try:
                self.session.shot().save(Path(out) / (self.id().split(".", 1)[-1] + ".png"))
            except (OSError, RuntimeError, ValueError, subprocess.SubprocessError):
                pass  # a screen that did not start has nothing to show
        self.session.close()
