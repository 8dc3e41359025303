"""Every clickable part of the board works with the pointer: Start, the
options (picture, letter and text), Lock, the three lifelines, the host's
advice, WithDraw, Exit and the emblem."""

import unittest

from harness import banks, layout, waiting
from harness.case import WindowTest


def red_cross(p):
    """A pixel of the cross over a spent lifeline."""
    return p[0] > 170 and p[1] < 90 and p[2] < 90


class BoardLabels(WindowTest):
    def test_start_the_three_parts_of_an_option_and_lock(self):
        board = self.new_game()
        self.assertGreater(self.shot().count(self.rect(layout.GAME, "lblQuestion", board), layout.BOARD_REST), 30,
                           "no question on the board after Start")
        right, wrong = banks.correct_letter(1), banks.wrong_letter(1)
        # The option's text, its capsule and its letter each pick it.
        self.click(layout.GAME, f"lblAnswer({'ABCD'.index(wrong)})", board)
        self.wait_capsule(board, wrong, "yellow", timeout=2)
        self.click(layout.GAME, "Img" + right, board, fx=0.95)
        self.wait_capsule(board, right, "yellow", timeout=2)
        self.assertEqual(self.capsule(board, wrong), "neutral", "the earlier pick stays coloured")
        self.click(layout.GAME, "lbl" + wrong, board)
        self.wait_capsule(board, wrong, "yellow", timeout=2)
        self.click(layout.GAME, "lbl" + right, board)
        self.wait_capsule(board, right, "yellow", timeout=2)

        self.lock(board)
        self.ok(self.wait_message())
        self.wait_question(board, 2)
        self.assertEqual(self.ladder(board)[0], "won")

    def test_the_three_lifelines(self):
        board = self.new_game()
        shot = self.shot()
        for image in layout.LIFELINES.values():
            self.assertLess(shot.count_where(self.rect(layout.GAME, image, board), red_cross), 10)
        self.assertEqual(self.options_left(board), list("ABCD"))

        # Fifty-Fifty: two wrong options go, the right one stays.
        self.click(layout.GAME, layout.LIFELINES["fifty"], board)
        waiting.until(lambda: self.spent(board, "fifty"), timeout=2, what="Fifty-Fifty spent")
        left = self.options_left(board)
        self.assertEqual(len(left), 2, f"options left after Fifty-Fifty: {left}")
        self.assertIn(banks.correct_letter(1), left)

        # Phone-A-Friend: the friend's answer in a message.
        self.click(layout.GAME, layout.LIFELINES["phone"], board)
        self.ok(self.wait_message())
        self.assertTrue(self.spent(board, "phone"), "Phone-A-Friend not shown as spent")

        # Audience Poll: the poll's panel on the board.
        self.assertFalse(self.panel_shown(board, "Frame1"))
        self.click(layout.GAME, layout.LIFELINES["poll"], board)
        waiting.until(lambda: self.panel_shown(board, "Frame1"), timeout=2, what="the audience poll's panel")
        waiting.until(lambda: self.spent(board, "poll"), timeout=2, what="Audience Poll spent")

    def test_the_hosts_advice(self):
        board = self.new_game()
        self.assertFalse(self.panel_shown(board, "Frame2"))
        self.click(layout.GAME, "lblKya", board, fx=0.25)
        waiting.until(lambda: self.panel_shown(board, "Frame2"), timeout=2, what="the host's advice panel")
        self.click(layout.GAME, "Option2", board)
        self.click(layout.GAME, "Frame2.Command1", board)
        self.ok(self.wait_message())
        waiting.until(lambda: not self.panel_shown(board, "Frame2"), timeout=2, what="the advice panel gone")

    def test_withdraw_pays_the_money_won(self):
        board = self.new_game()
        self.click(layout.GAME, "Img" + banks.correct_letter(1), board)
        self.lock(board)
        self.ok(self.wait_message())
        self.wait_question(board, 2)

        self.click(layout.GAME, "lblWith", board, fx=0.25)
        result = self.wait_message()
        # The row of the last question won is white, the others orange; the
        # right answer is shown in green.
        waiting.until(lambda: self.ladder(board) == ["next"] + ["won"] * 14, timeout=2,
                      what="the ladder of a withdrawal at question 2")
        self.assertEqual(self.capsule(board, banks.correct_letter(2)), "green")
        self.ok(result)
        self.wait_for_start(board)

    def test_exit_asks_first(self):
        menu = self.start()
        board = self.open_board(menu)
        self.click(layout.GAME, "lblExit", board)
        ask = self.wait_window(layout.EXIT_DIALOG.title)
        self.click(layout.EXIT_DIALOG, "Command2", ask)  # No
        self.wait_gone(ask)
        self.assertIsNotNone(self.find_window(layout.GAME.title), "No closed the board")

        self.click(layout.GAME, "lblExit", board)
        ask = self.wait_window(layout.EXIT_DIALOG.title)
        self.click(layout.EXIT_DIALOG, "Command1", ask)  # Yes
        self.wait_gone(board)
        self.assertIsNotNone(self.find_window(layout.MAIN.title), "the menu went with the board")

    def test_the_emblem_opens_about(self):
        board = self.open_board(self.start())
        self.click(layout.GAME, "Image12", board)
        self.wait_window(layout.ABOUT_BOX.title)

    # ------------------------------------------------------------ what is seen

    def spent(self, board, lifeline):
        rect = self.rect(layout.GAME, layout.LIFELINES[lifeline], board)
        return self.shot().count_where(rect, red_cross) > 30


if __name__ == "__main__":
    unittest.main()
