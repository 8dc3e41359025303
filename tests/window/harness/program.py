"""The game as a player starts it: build/bin/zarvana with an application
folder of the test's own (--app-dir), holding a question bank and a
config.txt that the test wrote, so that every run plays the same game.
"""

import os
import shutil
import subprocess
import time
from pathlib import Path

from . import waiting

REPO = Path(__file__).resolve().parents[3]


def binary():
    return Path(os.environ.get("ZARVANA_BIN", REPO / "build" / "bin" / "zarvana"))


def wait_for_binary(timeout=120):
    """The program may be being rebuilt: wait until it is there and has not
    changed for a moment."""
    path = binary()

    def settled():
        try:
            return time.time() - path.stat().st_mtime > 2 and os.access(path, os.X_OK)
        except OSError:
            return False

    waiting.until(settled, timeout=timeout, what=f"the program at {path}", every=0.5)
    return path


class AppFolder:
    """The folder the game keeps its bank and options in. Like the folder of
    a copy of the game, it has the default bank and the help page too."""

    def __init__(self, path):
        self.path = Path(path)
        self.path.mkdir(parents=True, exist_ok=True)
        for name in ("default.zrv", "help.html"):
            shutil.copyfile(REPO / "data" / name, self.path / name)

    def write_bank(self, lines):
        self.bank_path().write_bytes("".join(line + "\r\n" for line in lines).encode())

    def bank_lines(self):
        return self.bank_path().read_bytes().decode(errors="replace").splitlines()

    def bank_path(self):
        return self.path / "imp.zrv"

    def write_config(self, game_type, fast_startup=True, advice=True):
        """config.txt: the game type (1 Blinking, 2 "ZRV like", 3 Fast), Fast
        Startup and the host's advice, one line each, ended by CR LF."""
        lines = [f"opt{game_type}", "chk1" if fast_startup else "chk0", "chk2_1" if advice else "chk2_0"]
        (self.path / "config.txt").write_bytes("".join(l + "\r\n" for l in lines).encode())


class Program:
    def __init__(self, screen, folder, workdir, name="zarvana"):
        self.screen, self.folder = screen, folder
        self.workdir = Path(workdir)
        self.name = name
        self.proc = None

    def start(self):
        exe = wait_for_binary()
        home = self.workdir / "home"
        runtime = self.workdir / "runtime"
        nothing = self.workdir / "no-programs"
        for d in (home, runtime, nothing):
            d.mkdir(exist_ok=True)
        runtime.chmod(0o700)
        env = dict(self.screen.env)
        # A desktop of its own: no browser or opener to find, no settings
        # of the person who runs the tests.
        env.update(HOME=str(home), XDG_RUNTIME_DIR=str(runtime), XDG_CONFIG_HOME=str(home / ".config"),
                   XDG_DATA_HOME=str(home / ".local/share"), XDG_DATA_DIRS=str(nothing),
                   XDG_CONFIG_DIRS=str(nothing), PATH=str(nothing))
        for var in ("BROWSER", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                    "GNOME_DESKTOP_SESSION_ID"):
            env.pop(var, None)
        with open(self.workdir / f"{self.name}.log", "ab") as log:
            self.proc = subprocess.Popen([str(exe), "--app-dir", str(self.folder.path)], env=env,
                                         stdout=log, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                                         cwd=str(self.workdir))
        return self

    @property
    def pid(self):
        return self.proc.pid

    def running(self):
        return self.proc is not None and self.proc.poll() is None

    def ended(self):
        return not self.running()

    def stop(self):
        if self.running():
            self.proc.terminate()
            try:
                self.proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
