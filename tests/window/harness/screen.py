"""A virtual X screen of its own for one test: Xvfb at a chosen size, with
Openbox as its window manager, so that windows get frames, title bars,
focus and the manager's close like on a desktop.

Xvfb picks a free display number itself (-displayfd), so tests run side by
side.
"""

import os
import select
import shutil
import subprocess
import time
from pathlib import Path

from . import waiting

HERE = Path(__file__).resolve().parent
OPENBOX_RC = HERE / "openbox-rc.xml"
TOOLS = ("Xvfb", "openbox", "xdotool", "wmctrl", "xprop", "xwininfo", "/usr/bin/import", "/usr/bin/convert",
         "tesseract")


def missing_tools():
    return [t for t in TOOLS if not shutil.which(t)]


class Screen:
    def __init__(self, width, height, workdir):
        self.width, self.height = width, height
        self.workdir = Path(workdir)
        self.display = None
        self.env = None
        self._xvfb = None
        self._wm = None

    def start(self):
        read_end, write_end = os.pipe()
        with open(self.workdir / "xvfb.log", "wb") as log:
            self._xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{self.width}x{self.height}x24",
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,), stdout=log, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 20
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
            if not ready:
                raise RuntimeError("Xvfb did not start")
            chunk = os.read(read_end, 16)
            if not chunk:
                raise RuntimeError("Xvfb ended at start: see " + str(self.workdir / "xvfb.log"))
            number += chunk
        os.close(read_end)
        self.display = ":" + number.decode().strip()

        env = dict(os.environ)
        env["DISPLAY"] = self.display
        # The tests run under ctest with Qt's offscreen platform set for the
        # other tests; the program on this screen must use the real one.
        env.pop("QT_QPA_PLATFORM", None)
        env.pop("WAYLAND_DISPLAY", None)
        self.env = env

        with open(self.workdir / "openbox.log", "wb") as log:
            self._wm = subprocess.Popen(["openbox", "--sm-disable", "--config-file", str(OPENBOX_RC)],
                                        env=env, stdout=log, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        waiting.until(self._manager_running, timeout=15, what="Openbox managing the screen")
        return self

    def _manager_running(self):
        out = self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False)
        return "window id" in out

    def run(self, args, check=True, input=None):
        """Runs an X client on this screen; returns its standard output."""
        result = subprocess.run(args, env=self.env, input=input, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, timeout=30)
        if check and result.returncode != 0:
            raise RuntimeError(f"{args[0]} failed: {result.stderr.decode(errors='replace').strip()}")
        return result.stdout.decode(errors="replace")

    def stop(self):
        for proc in (self._wm, self._xvfb):
            if proc and proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()
