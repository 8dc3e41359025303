"""Sound as a player meets it on a machine without a sound device: the game
plays on silently, says so once where a terminal shows it, and raises no
error; the Sound dialog, reached from Options, keeps the player's volumes
and voice in zarvana.ini, with the keyboard alone."""

import unittest

from harness import banks, layout, waiting
from harness.case import WindowTest


class Sound(WindowTest):
    def test_without_a_sound_device_the_game_plays_on_silently(self):
        menu = self.start(game_type=3)
        board = self.open_board(menu)
        self.start_game(board)
        for level in (1, 2):
            self.click(layout.GAME, "Img" + banks.correct_letter(level), board)
            self.click(layout.GAME, "lblLock", board, fx=0.25)
            self.ok(self.wait_message())
            self.wait_question(board, level + 1)
        self.assertEqual(self.message_boxes(), [], "an error box came up")
        # Said once at most (none where the machine has a device after all).
        said = (self.work / "zarvana-0.log").read_text(errors="replace")
        self.assertLessEqual(said.count("no sound device"), 1, said)

    def test_the_sound_dialog_keeps_volumes_and_voice(self):
        menu = self.start(game_type=3)
        self.click(layout.MAIN, layout.OPTIONS, menu)
        options = self.wait_window(layout.OPTIONS_DIALOG.title)
        self.click(layout.OPTIONS_DIALOG, "Command2", options)
        sound = self.wait_window(layout.SOUND_DIALOG.title)
        # The music volume has the keyboard first; Tab goes on in reading order.
        self.keys.press("3")
        self.keys.press("Tab")
        self.keys.press("1")
        self.keys.press("Tab")
        self.keys.press("space")
        self.keys.press("Return")
        self.assertTrue(self.closes(sound, 3), "Enter does not save the Sound dialog")
        ini = self.folder.path / "zarvana.ini"
        waiting.until(ini.exists, timeout=3, what="zarvana.ini saved")
        text = ini.read_text()
        for line in ("music = 30", "effects = 10", "voice = on"):
            self.assertIn(line, text)
        # Esc leaves it as it was.
        self.bring_up(options)
        self.click(layout.OPTIONS_DIALOG, "Command2", options)
        sound = self.wait_window(layout.SOUND_DIALOG.title)
        self.keys.press("0")
        self.keys.press("Escape")
        self.assertTrue(self.closes(sound, 3), "Esc does not close the Sound dialog")
        self.assertEqual(ini.read_text(), text)


if __name__ == "__main__":
    unittest.main()
