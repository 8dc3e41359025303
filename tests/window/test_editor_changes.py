"""Changing a set of questions in the Question Editor as a teacher does:
Find narrows the list, a row picked with the pointer and the arrow key
fills the fields, Save changes keeps the question on its line under its
number; two questions edited, then one deleted with Delete selected after
its confirmation, and the bank file shows each change."""

import unittest

from harness import banks, layout, waiting
from harness.case import WindowTest

E = layout.QUESTION_EDITOR


class EditorChanges(WindowTest):
    def pick(self, editor, words):
        """Find the words, then the first row under the list's header."""
        self.click(E, "txtFind", editor)
        self.keys.press("ctrl+a")
        self.keys.type(words)
        self.click(E, "List1", editor, fx=0.3, fy=0.02)  # the header row
        self.keys.press("Down")

    def replace_text(self, editor, control, text):
        self.click(E, control, editor)
        self.keys.press("ctrl+a")
        self.keys.type(text)

    def line(self, n):
        return self.folder.bank_lines()[n - 1]

    def test_two_questions_edited_and_one_deleted(self):
        self.start()
        self.keys.press("e")
        editor = self.wait_window(E.title)
        original = banks.test_bank()

        self.pick(editor, "level 3:")
        self.replace_text(editor, "Text1", "Which fruit, for level 3, is right?")
        self.click(E, "cmdSave", editor)
        edited3 = original[2].replace("Question for level 3: which option is right?",
                                      "Which fruit; for level 3; is right?")
        waiting.until(lambda: self.line(3) == edited3, timeout=3, what="question 3 edited in place")

        self.pick(editor, "level 7:")
        self.replace_text(editor, "Options(0)", "Apricot 7")
        self.click(E, "cmdSave", editor)
        want = original[6].replace("Apple 7", "Apricot 7")
        waiting.until(lambda: self.line(7) == want, timeout=3, what="question 7's option A edited in place")
        self.assertEqual(len(self.folder.bank_lines()), 15, "an edit added or removed a line")

        self.pick(editor, "level 12:")
        self.click(E, "cmdRemove", editor)
        ask = self.wait_window(layout.CONFIRM.title)
        self.click(layout.CONFIRM, "Command1", ask)
        self.wait_gone(ask)
        waiting.until(lambda: len(self.folder.bank_lines()) == 14, timeout=3, what="question 12 deleted")
        self.assertEqual(self.line(12), "12," + original[12].split(",", 1)[1], "the questions after it not renumbered")
        self.assertEqual(self.line(3), edited3, "the first edit was lost")
        self.assertEqual(self.line(7), want, "the second edit was lost")

    def test_the_numbered_delete_box_lets_only_digits_in(self):
        self.start()
        self.keys.press("e")
        editor = self.wait_window(E.title)
        original = banks.test_bank()
        self.click(E, "deletedata", editor)
        box = self.wait_window(layout.DELETE.title)
        self.click(layout.DELETE, "Text1", box)
        self.keys.type("x3")  # the letter never reaches the box
        self.click(layout.DELETE, "Command1", box)
        waiting.until(lambda: len(self.folder.bank_lines()) == 14, timeout=3, what="question 3 deleted")
        self.assertEqual(self.line(3), "3," + original[3].split(",", 1)[1], "question 4 not numbered 3")

    def test_an_explanation_typed_in_the_editor_shows_after_the_verdict(self):
        menu = self.start()
        self.keys.press("e")
        editor = self.wait_window(E.title)
        self.pick(editor, "level 1:")
        self.replace_text(editor, "txtExplain", "Apples grow on trees")
        self.click(E, "cmdSave", editor)
        waiting.until(lambda: (self.folder.path / "imp-extras.tsv").exists(), timeout=3, what="the explanation kept")
        self.windows.close(editor)
        self.wait_gone(editor)

        board = self.open_board(menu)
        self.start_game(board)
        self.click(layout.GAME, "Img" + banks.correct_letter(1), board)
        self.lock(board)
        verdict = self.wait_message()
        waiting.until(lambda: self.shows_text(self.rect(layout.GAME, "lblExplain", board), "apples grow on trees"),
                      timeout=5, what="the explanation on the board after the verdict")
        self.ok(verdict)


if __name__ == "__main__":
    unittest.main()
