"""Whole games with the pointer, one per reveal style. The test bank has
one question a level, so the right letter of every question is known, as
its author knows it.

Blinking takes four seconds a question and "ZRV like" up to ten, so those
games play a few questions and end on a wrong answer; Fast goes to the top.
"""

import time
import unittest

from harness import banks, layout, waiting
from harness.case import WindowTest

FAST, BLINKING, ZRV_LIKE = 3, 1, 2


class GamesWithThePointer(WindowTest):
    def capsule_states(self, board, letter, seconds):
        """The colours an option's capsule shows over the next seconds."""
        seen, deadline = [], time.monotonic() + seconds
        while time.monotonic() < deadline:
            state = self.capsule(board, letter)
            if not seen or seen[-1] != state:
                seen.append(state)
            waiting.pause(0.1)
        return seen

    def test_fast_to_the_top_prize(self):
        board = self.new_game(FAST)
        for question in range(1, 16):
            self.wait_question(board, question)
            right = banks.correct_letter(question)
            self.click(layout.GAME, "Img" + right, board)
            self.wait_capsule(board, right, "yellow", timeout=2)
            self.lock(board)
            dialog = self.wait_message()
            if question < 15:
                self.ok(dialog)
        # The top prize: every row of the ladder won.
        waiting.until(lambda: self.ladder(board).count("won") >= 14, timeout=3, what="the ladder won to the top")
        self.ok(dialog)
        self.wait_for_start(board)

    def test_blinking_a_right_answer_then_a_wrong_one(self):
        board = self.new_game(BLINKING)
        right = banks.correct_letter(1)
        self.click(layout.GAME, "Img" + right, board)
        self.wait_capsule(board, right, "yellow", timeout=2)
        self.lock(board)
        # Yellow and black in turn for four seconds, then green.
        seen = self.capsule_states(board, right, 4.8)
        self.assertIn("neutral", seen, f"the locked option did not blink: {seen}")
        self.assertEqual(seen[-1], "green", f"the right option did not turn green: {seen}")
        self.ok(self.wait_message())
        self.wait_question(board, 2)

        right, wrong = banks.correct_letter(2), banks.wrong_letter(2)
        self.click(layout.GAME, "Img" + wrong, board)
        self.wait_capsule(board, wrong, "yellow", timeout=2)
        self.lock(board)
        result = self.wait_message(timeout=7)
        waiting.until(lambda: self.capsule(board, wrong) == "orange" and self.capsule(board, right) == "green",
                      timeout=2, what="the wrong pick orange and the right option green")
        # Lost before the first guarantee: the failed row marked, none white.
        self.assertEqual(self.ladder(board), ["rest", "failed"] + ["rest"] * 13)
        self.ok(result)
        self.wait_for_start(board)

    def test_zrv_like_four_right_answers_then_a_wrong_one(self):
        board = self.new_game(ZRV_LIKE)
        for question in range(1, 5):
            self.wait_question(board, question)
            right = banks.correct_letter(question)
            self.click(layout.GAME, "Img" + right, board)
            self.wait_capsule(board, right, "orange", timeout=2)
            self.lock(board)
            verdict = self.wait_message(timeout=4)
            # The right option flashes green once the verdict is in.
            waiting.until(lambda: self.capsule(board, right) == "green", timeout=2,
                          what="the right option flashing green")
            self.ok(verdict)
        self.wait_question(board, 5)

        # From question 5 the host speaks first; his words have no OK.
        self.click(layout.GAME, "Img" + banks.wrong_letter(5), board)
        self.lock(board)
        remark = self.wait_message(timeout=4)
        self.assertFalse(self.button_drawn(layout.MESSAGE, "Command1", remark), "the host's remark has an OK")
        result = waiting.until(lambda: [d for d in self.message_dialogs() if d.id != remark.id and
                                        self.button_drawn(layout.MESSAGE, "Command1", d)],
                               timeout=5, what="the verdict")[0]
        self.wait_gone(remark)
        self.assertEqual(self.ladder(board), ["rest"] * 4 + ["failed"] + ["rest"] * 10)
        self.ok(result)
        self.wait_for_start(board)


if __name__ == "__main__":
    unittest.main()
