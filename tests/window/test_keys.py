"""Each window's keys act only while that window is active: the menu's
letters open its windows from the menu, and do nothing on the board, where
A to D pick an option."""

import unittest

from harness import banks, layout, waiting
from harness.case import WindowTest

MENU_KEYS = [("e", layout.QUESTION_EDITOR.title), ("o", layout.OPTIONS_DIALOG.title),
             ("r", layout.RULES_WINDOW.title), ("a", layout.ABOUT_BOX.title)]


class Keys(WindowTest):
    def test_the_menus_keys_open_its_windows(self):
        menu = self.start()
        for key, title in MENU_KEYS + [("p", layout.GAME.title)]:
            with self.subTest(key=key):
                self.bring_up(menu)
                self.keys.press(key)
                window = self.wait_window(title)
                if title != layout.GAME.title:
                    self.windows.close(window)
                    self.wait_gone(window)
        self.bring_up(menu)
        self.keys.press("ctrl+q")
        waiting.until(self.program.ended, timeout=5, what="Ctrl+Q to end the program")

    def test_the_menus_keys_do_nothing_on_the_board(self):
        menu = self.start()
        board = self.open_board(menu)
        self.start_game(board)
        self.pointer.move(2, 2)  # off every label
        for key, title in MENU_KEYS[:3]:
            with self.subTest(key=key):
                self.assert_opens_nothing(board, key, title)
        # A is the board's after Fifty-Fifty too, above all when it took
        # option A away: new games until it does (the right option is D).
        for game in range(5):
            self.keys.press("1")
            waiting.until(lambda: len(self.options_left(board)) == 2, timeout=2, what="Fifty-Fifty")
            if "A" not in self.options_left(board):
                break
            self.keys.press("w")
            self.wait_message()
            self.keys.press("Return")
            self.wait_for_start(board)
            self.keys.press("s")
            self.wait_question(board, 1)
        with self.subTest(key="a", games=game + 1):
            self.assert_opens_nothing(board, "a", layout.ABOUT_BOX.title)
        right = banks.correct_letter(1)
        self.keys.press(right.lower())
        self.wait_capsule(board, right, "yellow", timeout=2)

    def assert_opens_nothing(self, board, key, title):
        self.bring_up(board)
        self.keys.press(key)
        stayed_shut = waiting.holds(lambda: self.find_window(title) is None, 0.8)
        opened = self.find_window(title)
        if opened:
            self.windows.close(opened)
            self.wait_gone(opened)
            self.bring_up(board)
        self.assertTrue(stayed_shut, f"{key.upper()} on the board opened {title}")

    def test_the_boards_keys_do_nothing_in_the_menu(self):
        menu = self.start()
        board = self.open_board(menu)
        self.bring_up(menu)
        # S would start a game on the board; in the menu it does nothing
        # there. Nothing to wait for: half a second is ample for a key.
        self.keys.press("s")
        waiting.pause(0.5)
        self.bring_up(board)
        self.assertTrue(self.label_shows(board, "lblStart", layout.BOARD_REST),
                        "S in the menu started a game on the board")
        self.assertIsNone(self.question_on(board))


if __name__ == "__main__":
    unittest.main()
