"""The dialogs as a player meets them: the exit confirmation answers Enter
and Esc, and windows of a fixed size offer neither maximise nor (for the
small dialogs) minimise."""

import unittest

from harness import banks, layout
from harness.case import WindowTest
from harness.windows import offers


class ExitConfirmation(WindowTest):
    def test_escape_keeps_the_board_and_enter_leaves_it(self):
        menu = self.start()
        board = self.open_board(menu)
        self.click(layout.GAME, "lblExit", board)
        ask = self.wait_window(layout.EXIT_DIALOG.title)
        self.keys.press("Escape")
        self.assertTrue(self.closes(ask, 2), "Esc does not answer the exit confirmation")
        self.assertIsNotNone(self.find_window(layout.GAME.title), "Esc left the board")

        self.bring_up(board)
        self.click(layout.GAME, "lblExit", board)
        ask = self.wait_window(layout.EXIT_DIALOG.title)
        self.keys.press("Return")
        self.assertTrue(self.closes(board, 2), "Enter does not confirm leaving the board")


class FixedSizeWindows(WindowTest):
    def test_no_maximise_on_fixed_size_windows_and_no_minimise_on_dialogs(self):
        menu = self.start(game_type=3)
        with self.subTest(window="main menu"):
            self.assertFalse(offers(self.windows, menu, "maximize"), "the main menu offers maximise")

        small = []
        for entry, form in ((layout.RULES, layout.RULES_WINDOW), (layout.ABOUT, layout.ABOUT_BOX),
                            (layout.OPTIONS, layout.OPTIONS_DIALOG)):
            self.bring_up(menu)
            self.click(layout.MAIN, entry, menu)
            window = self.wait_window(form.title)
            if form is not layout.RULES_WINDOW:
                small.append((form.title, window))
            with self.subTest(window=form.title):
                self.assertFalse(offers(self.windows, window, "maximize"), f"{form.title} offers maximise")
        for title, window in small:
            with self.subTest(window=title):
                self.assertFalse(offers(self.windows, window, "minimize"), f"{title} offers minimise")
        options = self.find_window(layout.OPTIONS_DIALOG.title)
        self.windows.close(options)
        self.wait_gone(options)

        # The board's own dialogs: a message and the exit confirmation.
        self.bring_up(menu)
        board = self.open_board(menu)
        self.start_game(board)
        self.click(layout.GAME, "Img" + banks.correct_letter(1), board)
        self.click(layout.GAME, "lblLock", board, fx=0.25)
        message = self.wait_message()
        for what in ("maximize", "minimize"):
            with self.subTest(window="message", what=what):
                self.assertFalse(offers(self.windows, message, what), f"a message dialog offers {what}")
        self.ok(message)
        self.click(layout.GAME, "lblExit", board)
        ask = self.wait_window(layout.EXIT_DIALOG.title)
        for what in ("maximize", "minimize"):
            with self.subTest(window="Exit", what=what):
                self.assertFalse(offers(self.windows, ask, what), f"the exit confirmation offers {what}")


if __name__ == "__main__":
    unittest.main()
