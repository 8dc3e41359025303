"""The main menu under the pointer: the entries rest in their colour,
flicker in random colours while the pointer rests on one, and return to
rest when the pointer moves to the bare menu."""

import unittest

from harness import layout, waiting
from harness.case import WindowTest


class MainMenuHover(WindowTest):
    def test_an_entry_flickers_under_a_resting_pointer_and_rests_again_off_it(self):
        menu = self.start()
        for entry, caption in layout.MENU_ENTRIES:
            with self.subTest(entry=caption):
                box = self.rect(layout.MAIN, entry, menu)
                resting = self.shot().count(box, layout.MENU_REST)
                self.assertGreater(resting, 50, f"{caption} is not drawn in its rest colour")

                self.rest_on(layout.MAIN, entry, menu, seconds=0.3)
                first = self.shot()
                waiting.pause(0.3)
                second = self.shot()
                self.assertLess(first.count(box, layout.MENU_REST), resting // 10,
                                f"{caption} keeps its rest colour under the pointer")
                self.assertLess(second.count(box, layout.MENU_REST), resting // 10)
                self.assertGreater(first.differs(second, box), 50,
                                   f"{caption} does not change colour while the pointer rests on it")

                self.pointer.rest(*layout.MAIN.point("background", self.where(menu)), seconds=0.05)
                waiting.until(lambda: self.shot().count(box, layout.MENU_REST) >= resting * 0.9, timeout=1.5,
                              what=f"{caption} back in its rest colour off the pointer")


if __name__ == "__main__":
    unittest.main()
