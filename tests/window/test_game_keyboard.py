"""A whole game with the keyboard alone, from the menu's P to its Ctrl+Q:
the letters pick, L locks, 1 2 3 are the lifelines, Enter answers the
messages, Esc leaves the board. Fast, to the top prize.
"""

import unittest

from harness import banks, layout, waiting
from harness.case import WindowTest

FAST = 3


class GameWithTheKeyboard(WindowTest):
    def test_a_whole_game_with_keys_alone(self):
        menu = self.start(game_type=FAST)
        self.keys.press("p")
        board = self.wait_window(layout.GAME.title)
        self.wait_for_start(board)
        self.keys.press("s")
        for question in range(1, 16):
            self.wait_question(board, question)
            if question == 3:
                self.keys.press("1")
                waiting.until(lambda: len(self.options_left(board)) == 2, timeout=2, what="Fifty-Fifty")
            if question == 4:
                self.keys.press("2")
                self.answer_message()
            if question == 5:
                self.keys.press("3")
                waiting.until(lambda: self.panel_shown(board, "Frame1"), timeout=2, what="the audience poll")
            right = banks.correct_letter(question)
            self.keys.press(right.lower())
            self.wait_capsule(board, right, "yellow", timeout=2)
            self.keys.press("l")
            self.answer_message()
        self.wait_for_start(board)

        # Esc leaves the board, Enter confirms; Ctrl+Q ends the program.
        self.keys.press("Escape")
        self.wait_window(layout.EXIT_DIALOG.title)
        self.keys.press("Return")
        self.wait_gone(board)
        self.settle(menu)
        self.keys.press("ctrl+q")
        waiting.until(self.program.ended, timeout=5, what="the program to end")

    def answer_message(self):
        dialog = self.wait_message()
        waiting.until(lambda: self.button_drawn(layout.MESSAGE, "Command1", dialog), timeout=5,
                      what="the message's OK")
        self.keys.press("Return")
        self.wait_gone(dialog)


if __name__ == "__main__":
    unittest.main()
