"""The program's life as the window manager sees it: closing the main
menu's window ends the program like its Exit, whatever else is open, and a
second copy on the same folder says so and ends, leaving the first alone."""

import unittest

from harness import layout, waiting
from harness.case import WindowTest


class ClosingTheMenu(WindowTest):
    def assert_ended_and_starts_again(self):
        waiting.until(self.program.ended, timeout=5, what="the program to end")
        self.assertEqual([w for w in self.windows.all() if w.pid == self.program.pid], [],
                         "a window of the ended program is left")
        # A fresh start finds no copy running: the menu, not a message.
        again = self.launch()
        self.program = again
        menu = self.wait_window(layout.MAIN.title, program=again, timeout=15)
        self.assertEqual(self.message_boxes(again), [])
        self.assertTrue(again.running())
        return menu

    def test_the_managers_close_after_every_window_was_opened(self):
        menu = self.start()
        board = self.open_board(menu)
        self.start_game(board)
        # Back to the menu as from a task bar, and open the others from it.
        for entry, title in ((layout.EDITOR, layout.QUESTION_EDITOR.title), (layout.RULES, layout.RULES_WINDOW.title),
                             (layout.ABOUT, layout.ABOUT_BOX.title)):
            self.bring_up(menu)
            self.click(layout.MAIN, entry, menu)
            self.wait_window(title)
        self.windows.close(menu)
        self.assert_ended_and_starts_again()

    def test_alt_f4_on_the_menu_after_the_board_was_opened(self):
        menu = self.start()
        board = self.open_board(menu)
        self.start_game(board)
        self.bring_up(menu)
        self.keys.press("alt+F4")
        self.assert_ended_and_starts_again()

    def test_the_managers_close_with_the_board_closed_again(self):
        menu = self.start()
        board = self.open_board(menu)
        self.click(layout.GAME, "lblExit", board)
        ask = self.wait_window(layout.EXIT_DIALOG.title)
        self.click(layout.EXIT_DIALOG, "Command1", ask)
        self.wait_gone(board)
        self.windows.close(menu)
        self.assert_ended_and_starts_again()


class SecondCopy(WindowTest):
    def test_a_second_copy_says_so_and_ends(self):
        menu = self.start()
        first = self.program
        second = self.launch()
        box = waiting.until(lambda: self.message_boxes(second), timeout=15,
                            what="a message from the second copy")[0]
        self.settle(box, active=False)
        self.assertIsNone(self.find_window(layout.MAIN.title, program=second), "the second copy shows a menu")
        self.assertTrue(self.shows_text(self.where(box), "Application is already running"),
                        f"the second copy's message: {self.read(self.where(box))!r}")
        self.bring_up(box)
        self.keys.press("Return")
        waiting.until(second.ended, timeout=5, what="the second copy to end")

        # The first copy is untouched and its menu still works.
        self.assertTrue(first.running())
        self.bring_up(menu)
        self.click(layout.MAIN, layout.RULES, menu)
        self.wait_window(layout.RULES_WINDOW.title)


if __name__ == "__main__":
    unittest.main()
