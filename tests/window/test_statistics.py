"""The player's record as a player meets it: a game played, then
Statistics from the main menu (key T, or the pointer) asks the player's
name the first time only and shows the game: one game played, its
winnings, how it ended, in the list of best games. Options has the switch
for fresh questions, kept in zarvana.ini."""

import unittest

from harness import banks, layout, waiting
from harness.case import WindowTest


class Statistics(WindowTest):
    def play_and_withdraw_at_question_2(self):
        board = self.new_game()
        self.click(layout.GAME, "Img" + banks.correct_letter(1), board)
        self.lock(board)
        self.ok(self.wait_message())
        self.wait_question(board, 2)
        self.click(layout.GAME, "lblWith", board, fx=0.25)
        self.ok(self.wait_message())
        self.wait_for_start(board)
        # Back to the menu: the board's Exit, and Yes.
        self.click(layout.GAME, "lblExit", board)
        ask = self.wait_window(layout.EXIT_DIALOG.title)
        self.click(layout.EXIT_DIALOG, "Command1", ask)
        self.wait_gone(board)

    def test_a_game_played_shows_in_the_statistics_and_the_name_is_asked_once(self):
        self.play_and_withdraw_at_question_2()
        menu = self.find_window(layout.MAIN.title)
        self.bring_up(menu)
        self.keys.press("t")
        ask = self.wait_window(layout.PLAYER_DIALOG.title)
        self.click(layout.PLAYER_DIALOG, "Text1", ask)
        self.keys.type("Asha")
        self.keys.press("Return")
        self.wait_gone(ask)

        stats = self.wait_window(layout.STATISTICS_WINDOW.title)
        S = layout.STATISTICS_WINDOW
        waiting.until(lambda: self.shows_text(self.rect(S, "lblPlayer", stats), "asha", single_line=True),
                      timeout=5, what="the player's name on the record")
        self.assertTrue(self.shows_text(self.rect(S, "lblGames", stats), "1", single_line=True),
                        "one game played is not shown")
        self.assertTrue(self.shows_text(self.rect(S, "lblBest", stats), "1,000", single_line=True, squeeze=True),
                        "the best winnings are not Rs. 1,000")
        self.assertTrue(self.shows_text(self.rect(S, "List1", stats), "withdrew"),
                        "the game is not among the best games")
        self.assertTrue(self.shows_text(self.rect(S, "List2", stats), "picked"),
                        "the last game's answers are not shown")
        # The charts are drawn: the levels reached has its orange bar.
        self.assertGreater(self.shot().count_where(self.rect(S, "Frame1", stats),
                                                   lambda p: p[0] > 200 and 80 < p[1] < 140 and p[2] < 40), 50,
                           "no bar in the chart of levels reached")

        self.click(S, "Command2", stats)
        self.wait_gone(stats)
        # Asked once: the second time Statistics opens at once, by the pointer.
        self.bring_up(menu)
        self.click(layout.MAIN, layout.STATISTICS, menu)
        stats = self.wait_window(layout.STATISTICS_WINDOW.title)
        self.assertIsNone(self.find_window(layout.PLAYER_DIALOG.title), "the name is asked again")
        self.keys.press("Escape")
        self.wait_gone(stats)

    def test_options_turn_fresh_questions_off(self):
        menu = self.start()
        self.click(layout.MAIN, layout.OPTIONS, menu)
        options = self.wait_window(layout.OPTIONS_DIALOG.title)
        self.click(layout.OPTIONS_DIALOG, "Check3", options, fx=0.05)
        self.click(layout.OPTIONS_DIALOG, "Command1", options)
        self.wait_gone(options)
        ini = self.folder.path / "zarvana.ini"
        waiting.until(lambda: ini.exists() and "fresh_questions = off" in ini.read_text(), timeout=3,
                      what="fresh_questions = off in zarvana.ini")


if __name__ == "__main__":
    unittest.main()
