"""F11 puts the board in an ordinary window, with a title bar, that can be
moved and sized, and back to full screen; in a window of another size the
board lays itself out again, every label in proportion, text included."""

import unittest

from harness import layout, waiting
from harness.case import WindowTest
from harness.shots import Rect

FULLSCREEN = "_NET_WM_STATE_FULLSCREEN"
MAXIMISED = {"_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ"}


class WindowMode(WindowTest):
    SCREEN = (1920, 1080)

    def full_screen(self, board):
        rect = self.where(board)
        return (FULLSCREEN in self.windows.atoms(board, "_NET_WM_STATE")
                and (rect.x, rect.y, rect.w, rect.h) == (0, 0) + self.SCREEN)

    def windowed(self, board):
        rect = self.where(board)
        return (FULLSCREEN not in self.windows.atoms(board, "_NET_WM_STATE")
                and self.windows.frame_extents(board)[2] >= 10 and rect.w < self.SCREEN[0])

    def label_text(self, board, label):
        """The box of the label's orange text, looked for at the place the
        label has in proportion to the window (give or take a quarter of its
        size), or None."""
        expected = self.rect(layout.GAME, label, board)
        around = Rect(expected.x - expected.w // 4, expected.y - expected.h // 4,
                      expected.w * 3 // 2, expected.h * 3 // 2)
        shot = self.shot()
        return shot.find(around, layout.BOARD_REST) if shot.count(around, layout.BOARD_REST) >= 20 else None

    def test_f11_switches_between_full_screen_and_a_window_and_back(self):
        board = self.open_board(self.start())
        self.assertTrue(self.full_screen(board), "the board does not open full screen")
        self.keys.press("F11")
        waiting.until(lambda: self.windowed(board), timeout=3, what="the board in a window with a title bar")
        allowed = self.windows.atoms(board, "_NET_WM_ALLOWED_ACTIONS")
        self.assertIn("_NET_WM_ACTION_MOVE", allowed)
        self.assertIn("_NET_WM_ACTION_RESIZE", allowed)
        self.keys.press("F11")
        waiting.until(lambda: self.full_screen(board), timeout=3, what="the board full screen again")

    def test_a_smaller_window_shows_the_whole_board_in_proportion(self):
        board = self.open_board(self.start())
        self.pointer.move(1, 1)
        full_start = self.label_text(board, "lblStart")
        self.assertIsNotNone(full_start, "Start is not where it belongs at full screen")
        self.keys.press("F11")
        waiting.until(lambda: self.windowed(board), timeout=3, what="the board in a window")
        if self.windows.atoms(board, "_NET_WM_STATE") & MAXIMISED:
            self.screen.run(["wmctrl", "-i", "-r", hex(board.id), "-b", "remove,maximized_vert,maximized_horz"])
        width, height = 1000, 640
        self.windows.resize(board, width, height)
        waiting.until(lambda: (self.where(board).w, self.where(board).h) == (width, height), timeout=3,
                      what="the board's window sized")
        self.pointer.move(1, 1)
        window = self.where(board)
        # Start in the middle, Exit in the corner, the ladder's top row.
        for label in ("lblStart", "lblExit", "Label1(14)"):
            with self.subTest(label=label):
                found = waiting.until(lambda: self.label_text(board, label), timeout=2,
                                      what=f"{label} in proportion to the window")
                self.assertTrue(window.contains(found.x, found.y) and
                                window.contains(found.x + found.w - 1, found.y + found.h - 1),
                                f"{label} is clipped by the window")
        # The text itself is scaled with the window.
        small_start = self.label_text(board, "lblStart")
        ratio = small_start.w / full_start.w
        self.assertAlmostEqual(ratio, width / self.SCREEN[0], delta=0.15,
                               msg="Start's text is not scaled with the window")


if __name__ == "__main__":
    unittest.main()
