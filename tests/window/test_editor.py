"""The Question Editor: two questions added one after the other, with the
keyboard alone (Tab goes from field to field in reading order) and with
the pointer in each box; both land in the bank file of the game's folder,
which is where a player would look for them too."""

import unittest

from harness import layout, waiting
from harness.case import WindowTest

NEW = [("Which planet is called the red one?", ["Venus", "Mars", "Jupiter", "Saturn"], "B", "3"),
       ("How many sides has a hexagon?", ["Five", "Six", "Seven", "Eight"], "B", "12")]


class QuestionEditor(WindowTest):
    SCREEN = (1920, 1080)

    def open_editor(self):
        self.start()
        self.pointer.move(2, 2)
        self.keys.press("e")
        return self.wait_window(layout.QUESTION_EDITOR.title)

    def assert_saved(self, count_before, n, question, options, answer, level):
        waiting.until(lambda: len(self.folder.bank_lines()) == count_before + n, timeout=3,
                      what=f"question {n} in the bank file")
        self.assertEqual(self.folder.bank_lines()[-1],
                         ",".join([str(count_before + n), question] + options + [answer, level]))

    def test_two_questions_in_a_row_with_the_keyboard(self):
        self.open_editor()
        before = len(self.folder.bank_lines())
        for n, (question, options, answer, level) in enumerate(NEW, start=1):
            # The cursor starts in the question's box, and is back there
            # after each Add.
            self.keys.type(question)
            for option in options:
                self.keys.press("Tab")
                self.keys.type(option)
            self.keys.press("Tab")
            self.keys.type(answer.lower())
            self.keys.press("Tab")
            self.keys.type(level)
            self.keys.press("Tab", "space")  # on to Add, and press it
            self.assert_saved(before, n, question, options, answer, level)

    def test_two_questions_in_a_row_with_the_pointer_in_each_box(self):
        editor = self.open_editor()
        form = layout.QUESTION_EDITOR
        before = len(self.folder.bank_lines())
        for n, (question, options, answer, level) in enumerate(NEW, start=1):
            self.click(form, "Text1", editor)
            self.keys.type(question)
            for i, option in enumerate(options):
                self.click(form, f"Options({i})", editor)
                self.keys.type(option)
            for combo, text in (("Combo1", answer.lower()), ("Combo2", level)):
                self.click(form, combo, editor)  # opens its list
                self.keys.type(text)
                self.keys.press("Return")
            self.click(form, "add1", editor)
            self.assert_saved(before, n, question, options, answer, level)


if __name__ == "__main__":
    unittest.main()
