"""Rules and About with the pointer and the keys: Rules' two links open
their panels, About's link says where the help page is when nothing can
open it, and both windows close with Esc and with Enter."""

import unittest

from harness import layout, waiting
from harness.case import WindowTest

GOLD = (236, 178, 52)


def link_blue(p):
    """A pixel of the links' blue."""
    return p[2] > 200 and p[2] > p[0] + 60


class RulesAndAbout(WindowTest):
    def open_from_menu(self, menu, entry, title):
        self.bring_up(menu)
        self.click(layout.MAIN, entry, menu)
        return self.wait_window(title)

    def test_rules_links_show_the_break_up_and_the_lifelines(self):
        menu = self.start()
        rules = self.open_from_menu(menu, layout.RULES, layout.RULES_WINDOW.title)
        form = layout.RULES_WINDOW
        picture = self.rect(form, "Frame2.Image1", rules)
        heading = self.rect(form, "Label13", rules)
        link = self.rect(form, "Label4", rules)
        shot = self.shot()
        self.assertGreater(shot.count_where(link, link_blue), 30, "the break-up link is not drawn")
        self.assertLess(shot.count(picture, GOLD, tolerance=12), 20)

        # The break-up: a picture of the prizes, framed in gold.
        self.click(form, "Label4", rules, *layout.LINK_AIM)
        waiting.until(lambda: self.shot().count(picture, GOLD, tolerance=12) > 200, timeout=2,
                      what="the prize break-up picture")
        self.click(form, "Command2", rules)
        waiting.until(lambda: self.shot().count_where(link, link_blue) > 30, timeout=2, what="the rules again")

        # The lifelines, under their orange heading.
        self.assertLess(self.shot().count(heading, layout.BOARD_REST), 10)
        self.click(form, "Label9", rules, *layout.LINK_AIM)
        waiting.until(lambda: self.shot().count(heading, layout.BOARD_REST) > 50, timeout=2,
                      what="the lifelines' heading")
        self.assertTrue(self.shows_text(heading, "Lifelines", single_line=True))
        self.click(form, "Command3", rules)
        waiting.until(lambda: self.shot().count_where(link, link_blue) > 30, timeout=2, what="the rules again")

    def test_abouts_link_names_the_help_page_when_no_browser_opens_it(self):
        menu = self.start()
        about = self.open_from_menu(menu, layout.ABOUT, layout.ABOUT_BOX.title)
        self.click(layout.ABOUT_BOX, "Label5", about)
        box = waiting.until(lambda: self.message_boxes(), timeout=5,
                            what="a message saying where the help page is")[0]
        self.settle(box, active=False)
        # Its full path: the game's folder, then the page.
        help_page = str(self.folder.path / "help.html")
        self.assertTrue(self.shows_text(self.where(box), help_page, squeeze=True),
                        f"the message does not name {help_page}: {self.read(self.where(box))!r}")
        self.bring_up(box)
        self.keys.press("Return")
        self.wait_gone(box)

    def test_rules_and_about_close_with_escape_and_with_enter(self):
        menu = self.start()
        for entry, title in ((layout.RULES, layout.RULES_WINDOW.title), (layout.ABOUT, layout.ABOUT_BOX.title)):
            for key in ("Escape", "Return"):
                with self.subTest(window=title, key=key):
                    window = self.open_from_menu(menu, entry, title)
                    self.keys.press(key)
                    closed = self.closes(window)
                    if not closed:
                        self.windows.close(window)
                        self.wait_gone(window)
                    self.assertTrue(closed, f"{key} does not close {title}")


if __name__ == "__main__":
    unittest.main()
