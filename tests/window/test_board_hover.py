"""The board's labels under the pointer: they rest in orange, and the one
the pointer rests on flickers in random colours until the pointer moves to
the bare board. Played on a large screen, where the board is scaled up."""

import unittest

from harness import layout, waiting
from harness.case import WindowTest


class BoardHover(WindowTest):
    SCREEN = (1920, 1080)

    def assert_flickers_and_rests(self, board, label, hover_on=None):
        """The label rests in orange; with the pointer resting on hover_on
        (the label itself by default) it changes colour, and moving to the
        bare board brings the orange back."""
        box = self.rect(layout.GAME, label, board)
        resting = waiting.until(lambda: self.shot().count(box, layout.BOARD_REST), timeout=3,
                                what=f"{label} drawn in orange")
        self.rest_on(layout.GAME, hover_on or label, board, seconds=0.3)
        first = self.shot()
        waiting.pause(0.3)
        second = self.shot()
        self.assertLess(first.count(box, layout.BOARD_REST), max(3, resting // 10),
                        f"{label} stays orange under the pointer")
        self.assertLess(second.count(box, layout.BOARD_REST), max(3, resting // 10))
        self.assertGreater(first.differs(second, box), 20, f"{label} does not flicker under the pointer")

        self.pointer.rest(*layout.GAME.point("background", self.where(board)), seconds=0.05)
        waiting.until(lambda: self.shot().count(box, layout.BOARD_REST) >= resting * 0.8, timeout=1.5,
                      what=f"{label} orange again off the pointer")

    def test_start_and_exit_flicker_under_the_pointer(self):
        board = self.open_board(self.start())
        self.assert_flickers_and_rests(board, "lblStart")
        self.assert_flickers_and_rests(board, "lblExit")

    def test_an_option_and_the_action_labels_flicker_under_the_pointer(self):
        board = self.open_board(self.start(game_type=3))
        self.start_game(board)
        # The pointer on an option's text lights the option's letter.
        self.assert_flickers_and_rests(board, "lblB", hover_on="lblAnswer(1)")
        self.assert_flickers_and_rests(board, "lblWith")
        self.assert_flickers_and_rests(board, "lblKya")


if __name__ == "__main__":
    unittest.main()
