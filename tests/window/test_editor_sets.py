"""A set of questions in and out of the Question Editor as a teacher moves
one: Import... and the chooser, the preview with its count, Merge; then
Export... to a JSON file; the bank file and the exported file show each."""

import json
import unittest

from harness import layout, waiting
from harness.case import WindowTest

E = layout.QUESTION_EDITOR

LESSON = ('question,option_a,option_b,option_c,option_d,answer,level,explanation\r\n'
          '"Which river flows through Baghdad, Iraq?",Euphrates,Tigris,Jordan,Nile,B,9,It runs through the city.\r\n'
          'How many sides has a hexagon?,Five,Six,Seven,Eight,Six,2,\r\n')


class EditorSets(WindowTest):
    def choose(self, title, path):
        chooser = self.wait_window(title)
        self.keys.type(str(path))  # the chooser starts in its name field
        self.keys.press("Return")
        self.wait_gone(chooser)

    def test_a_set_imported_after_its_preview_and_the_bank_exported(self):
        self.start()
        before = len(self.folder.bank_lines())
        lesson = self.folder.path / "lesson.csv"
        lesson.write_bytes(LESSON.encode())
        self.keys.press("e")
        editor = self.wait_window(E.title)

        self.click(E, "cmdImport", editor)
        self.choose("Choose a set of questions", lesson)
        preview = self.wait_window(layout.IMPORT.title)
        waiting.until(lambda: self.shows_text(self.rect(layout.IMPORT, "Label1", preview), "2 questions, ready to import"),
                      timeout=5, what="the preview's count")
        self.assertEqual(len(self.folder.bank_lines()), before, "the preview wrote to the bank")
        self.click(layout.IMPORT, "cmdMerge", preview)
        self.wait_gone(preview)
        waiting.until(lambda: len(self.folder.bank_lines()) == before + 2, timeout=3, what="the set merged")
        self.assertEqual(self.folder.bank_lines()[before],
                         f"{before + 1},Which river flows through Baghdad; Iraq?,Euphrates,Tigris,Jordan,Nile,B,9")

        out = self.folder.path / "out.json"
        self.click(E, "cmdExport", editor)
        asked = self.wait_window(layout.EXPORT.title)
        self.click(layout.EXPORT, "cmdExport", asked)
        self.choose("Export questions to", out)
        waiting.until(out.exists, timeout=5, what="the exported file")
        questions = json.loads(out.read_text(encoding="utf-8"))["questions"]
        self.assertEqual(len(questions), before + 2)
        self.assertEqual(questions[before]["question"], "Which river flows through Baghdad, Iraq?")
        self.assertEqual(questions[before]["explanation"], "It runs through the city.")


if __name__ == "__main__":
    unittest.main()
