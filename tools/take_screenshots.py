"""Pictures of every window for the README, taken the way a player gets
there: the real program on a virtual screen with a window manager, driven
with the pointer through the same harness as the window tests.

    python3 tools/take_screenshots.py OUTDIR [WIDTHxHEIGHT ...]

Each picture is OUTDIR/NAME-WIDTHxHEIGHT.png: a window on its own where it
is one, the whole screen where the board is. The game uses one question a
level of the shipped bank, so the right answer of each is known.
"""

import shutil
import sys
from pathlib import Path

# The window tests' harness drives the game here too.
sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "window"))

from harness import banks, layout, waiting
from harness.session import Session

ZRV_LIKE = 2
# A teacher's set with one line the bank cannot take, for the import's preview.
LESSON = ('question,option_a,option_b,option_c,option_d,answer,level,explanation\r\n'
          '"Which river flows through Baghdad, Iraq?",Euphrates,Tigris,Jordan,Nile,B,9,It runs through the city.\r\n'
          'How many sides has a hexagon?,Five,Six,Seven,Eight,Six,2,\r\n'
          'Which planet is called the Red Planet?,Venus,Mars,Saturn,Mercury,B,16,\r\n')
CORNER = (1, 1)  # the pointer out of the way: no flicker, no tool tip


class Photographer:
    def __init__(self, session, outdir, size):
        self.s, self.outdir, self.size = session, Path(outdir), size

    def window(self, name, window, form=None):
        """The inside of one window. The pointer leaves it over the bare
        form, where there is one: leaving over a picture would keep the
        entry it last touched lit."""
        if form is not None:
            x, y = form.point("background", self.s.where(window))
            self.s.pointer.move(x, y)
            self.s.pointer.move(CORNER[0], y)
        self.s.pointer.rest(*CORNER, seconds=0.3)
        self.save(name, self.s.where(window))

    def screen(self, name, rest=True):
        """The whole screen: the board and whatever is in front of it."""
        if rest:
            self.s.pointer.rest(*CORNER, seconds=0.3)
        self.save(name, None)

    def save(self, name, rect):
        path = self.outdir / f"{name}-{self.size[0]}x{self.size[1]}.png"
        self.s.shot().save(path, rect)
        print(path)

    def take_all(self):
        s = self.s
        bank, letters = banks.shipped_bank_one_per_level()
        menu = s.start(game_type=ZRV_LIKE, bank=bank)
        # The shipped explanations, so that the verdict's shot shows one.
        shutil.copy(banks.REPO / "data" / "default-extras.tsv", s.folder.path / "imp-extras.tsv")
        self.window("main-menu", menu, layout.MAIN)

        options = self.open(menu, layout.OPTIONS, layout.OPTIONS_DIALOG.title)
        self.window("options", options)
        s.click(layout.OPTIONS_DIALOG, "Command2", options)
        sound = s.wait_window(layout.SOUND_DIALOG.title)
        self.window("sound", sound)
        s.keys.press("Escape")
        s.wait_gone(sound)
        s.windows.close(options)
        s.wait_gone(options)

        rules = self.open(menu, layout.RULES, layout.RULES_WINDOW.title)
        self.window("rules", rules)
        s.click(layout.RULES_WINDOW, "Label4", rules, *layout.LINK_AIM)
        waiting.pause(0.3)
        self.window("rules-break-up", rules)
        s.click(layout.RULES_WINDOW, "Command2", rules)
        waiting.pause(0.2)
        s.click(layout.RULES_WINDOW, "Label9", rules, *layout.LINK_AIM)
        waiting.pause(0.3)
        self.window("rules-lifelines", rules)
        s.click(layout.RULES_WINDOW, "Command3", rules)
        waiting.pause(0.2)
        s.click(layout.RULES_WINDOW, "Command1", rules)
        s.wait_gone(rules)

        about = self.open(menu, layout.ABOUT, layout.ABOUT_BOX.title)
        self.window("about", about)
        s.click(layout.ABOUT_BOX, "Command1", about)
        s.wait_gone(about)

        editor = self.open(menu, layout.EDITOR, layout.QUESTION_EDITOR.title)
        self.window("editor", editor)
        s.click(layout.QUESTION_EDITOR, "Command2", editor)
        waiting.pause(0.5)
        self.window("editor-analyzer", editor)
        lesson = s.folder.path / "lesson.csv"
        lesson.write_bytes(LESSON.encode())
        s.click(layout.QUESTION_EDITOR, "cmdImport", editor)
        chooser = s.wait_window("Choose a set of questions")
        s.keys.type(str(lesson))
        s.keys.press("Return")
        s.wait_gone(chooser)
        preview = s.wait_window(layout.IMPORT.title)
        waiting.pause(0.3)
        self.window("editor-import", preview)
        s.keys.press("Escape")
        s.wait_gone(preview)
        s.windows.close(editor)
        s.wait_gone(editor)

        s.bring_up(menu)
        board = s.open_board(menu)
        self.screen("board")
        s.start_game(board)
        s.click(layout.GAME, "Img" + letters[1], board)
        s.rest_on(layout.GAME, "lblAnswer(3)", board, seconds=0.3)  # one option lit by the pointer
        self.screen("board-pick", rest=False)

        s.click(layout.GAME, layout.LIFELINES["poll"], board)
        s.click(layout.GAME, "lblKya", board, fx=0.25)
        waiting.until(lambda: s.panel_shown(board, "Frame2"), timeout=3, what="the advice panel")
        self.screen("poll-and-advice")
        s.click(layout.GAME, "Frame2.Command1", board)
        advice = s.wait_message()
        self.screen("advice")
        s.ok(advice)

        s.click(layout.GAME, "Img" + letters[1], board)
        s.lock(board)
        verdict = s.wait_message()
        waiting.until(lambda: s.capsule(board, letters[1]) == "green", timeout=3, what="the right option green")
        self.screen("verdict")
        s.ok(verdict)
        s.wait_question(board, 2)

        s.click(layout.GAME, layout.LIFELINES["phone"], board)
        friend = s.wait_message()
        self.screen("phone-a-friend")
        s.ok(friend)

        s.click(layout.GAME, "lblExit", board)
        ask = s.wait_window(layout.EXIT_DIALOG.title)
        self.screen("exit")
        s.click(layout.EXIT_DIALOG, "Command2", ask)
        s.wait_gone(ask)

        s.click(layout.GAME, "lblWith", board, fx=0.25)
        result = s.wait_message()
        self.screen("withdraw")
        s.ok(result)

        # The record of the game just played.
        s.click(layout.GAME, "lblExit", board)
        ask = s.wait_window(layout.EXIT_DIALOG.title)
        s.click(layout.EXIT_DIALOG, "Command1", ask)
        s.wait_gone(board)
        s.bring_up(menu)
        s.click(layout.MAIN, layout.STATISTICS, menu)
        name = s.wait_window(layout.PLAYER_DIALOG.title)
        self.window("player-name", name)
        s.keys.type("Asha")
        s.keys.press("Return")
        stats = s.wait_window(layout.STATISTICS_WINDOW.title)
        waiting.pause(0.5)
        self.window("statistics", stats)

    def open(self, menu, entry, title):
        self.s.bring_up(menu)
        self.s.click(layout.MAIN, entry, menu)
        return self.s.wait_window(title)


def main(argv):
    if len(argv) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    outdir = Path(argv[1])
    outdir.mkdir(parents=True, exist_ok=True)
    for size in argv[2:] or ["1024x768", "1920x1080"]:
        width, height = (int(v) for v in size.split("x"))
        session = Session(width, height).open()
        try:
            Photographer(session, outdir, (width, height)).take_all()
        finally:
            session.close()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
