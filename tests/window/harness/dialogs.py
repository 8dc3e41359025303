"""The dialogs a player meets: the board's message dialogs (one layout, no
caption of their own) and plain message boxes; found among the program's
windows by their title and size, answered with the pointer."""

from . import layout, waiting

# Titles of the game's own windows. Qt gives a window without a caption the
# program's name, which is the board's title too.
OWN_TITLES = {layout.MAIN.title, layout.QUESTION_EDITOR.title, layout.OPTIONS_DIALOG.title,
              layout.RULES_WINDOW.title, layout.ABOUT_BOX.title, layout.EXIT_DIALOG.title,
              layout.SOUND_DIALOG.title, layout.STATISTICS_WINDOW.title, layout.PLAYER_DIALOG.title,
              layout.CONFIRM.title}


class Dialogs:
    """Part of a Session."""

    def message_dialogs(self, program=None):
        found = []
        # Their design's shape, drawn larger on a larger screen (up to twice).
        want_w, want_h = layout.MESSAGE.design_size()
        for w in self.program_windows(program):
            if w.title in OWN_TITLES:
                continue
            r = self.windows.geometry(w)
            if r and want_w * 0.88 <= r.w <= want_w * 2.1 and abs(r.h / r.w - want_h / want_w) <= 0.05:
                found.append(w)
        return found

    def wait_message(self, timeout=5):
        dialog = waiting.until(lambda: (self.message_dialogs() or [None])[0], timeout=timeout,
                               what="a message dialog")
        self.settle(dialog, active=False)
        return dialog

    def message_boxes(self, program=None):
        """Plain message boxes: small windows that are none of the game's own."""
        dialogs = {d.id for d in self.message_dialogs(program)}
        found = []
        for w in self.program_windows(program):
            r = self.windows.geometry(w)
            if r and r.w < self.screen.width * 0.8 and w.title not in OWN_TITLES and w.id not in dialogs:
                found.append(w)
        return found

    def button_drawn(self, form, control, window):
        """A push button is there when its box is not one flat colour."""
        return len(self.shot().colours(self.rect(form, control, window).inset(3, 3))) > 8

    def ok(self, dialog):
        """Clicks a message dialog's OK once it shows and waits for the dialog to go."""
        waiting.until(lambda: self.button_drawn(layout.MESSAGE, "Command1", dialog), timeout=12,
                      what="the dialog's OK button")
        self.click(layout.MESSAGE, "Command1", dialog)
        self.wait_gone(dialog)
