"""What a player sees of the game board, read from its pixels: the money
ladder's colours (the row played for is white, rows won a deeper orange,
a failed row paler), the option capsules' colours, the option letters
that are left, and the panels that open on the board."""

from . import layout, waiting

LADDER_NAMES = {layout.LADDER_WON: "won", layout.LADDER_NEXT: "next", layout.LADDER_FAILED: "failed",
                layout.BOARD_REST: "rest"}


class BoardView:
    """Part of a Session."""

    def open_board(self, menu):
        """Play The Game from the menu; returns the board once Start is drawn."""
        self.click(layout.MAIN, layout.PLAY, menu)
        board = self.wait_window(layout.GAME.title)
        waiting.until(lambda: self.label_shows(board, "lblStart", layout.BOARD_REST), timeout=10,
                      what="Start on the board")
        return board

    def label_shows(self, window, control, colour, form=layout.GAME, at_least=20):
        """The label's text is drawn in this exact colour."""
        return self.shot().count(self.rect(form, control, window), colour) >= at_least

    def ladder(self, board):
        """Each ladder row's colour, row 0 (question 1) first: 'won', 'next'
        (white), 'failed', 'rest' or '?'."""
        shot, window = self.shot(), self.where(board)
        rows = []
        for i in range(15):
            counts = shot.colours(layout.GAME.rect(f"Label1({i})", window))
            best = max(LADDER_NAMES, key=lambda c: counts[c])
            rows.append(LADDER_NAMES[best] if counts[best] >= 8 else "?")
        return rows

    def question_on(self, board):
        """The question being played: the one white row of the ladder."""
        rows = self.ladder(board)
        return rows.index("next") + 1 if rows.count("next") == 1 else None

    def wait_question(self, board, number, timeout=10):
        waiting.until(lambda: self.question_on(board) == number, timeout=timeout,
                      what=f"question {number} on the ladder")

    def capsule(self, board, letter):
        """An option capsule's colour: 'neutral', 'yellow', 'orange' or 'green'."""
        r, g, b = self.shot().mean(self.rect(layout.GAME, "fill" + letter, board))
        if g > r * 1.4 and g > b * 1.4:
            return "green"
        if r > b * 2.5 and r > 60:
            return "yellow" if g > r * 0.62 else "orange"
        return "neutral"

    def wait_capsule(self, board, letter, state, timeout=12):
        waiting.until(lambda: self.capsule(board, letter) == state, timeout=timeout,
                      what=f"option {letter} {state}")

    def options_left(self, board):
        """The letters of the options on show (Fifty-Fifty takes two away)."""
        shot = self.shot()
        return [l for l in "ABCD" if shot.count(self.rect(layout.GAME, "lbl" + l, board), layout.BOARD_REST) > 10]

    def panel_shown(self, board, frame):
        """A panel (the poll, the host's advice) stands out light on the dark board."""
        pixels = self.shot().pixels(self.rect(layout.GAME, frame, board))
        return sum(1 for p in pixels if sum(p) > 450) / max(1, len(pixels)) > 0.3

    def new_game(self, game_type=3):
        """The program started with the game type, the board open and a game
        started on it."""
        board = self.open_board(self.start(game_type=game_type))
        self.start_game(board)
        return board

    def wait_for_start(self, board, timeout=3):
        """Start back on the board, for a new game, once a game has ended."""
        waiting.until(lambda: self.label_shows(board, "lblStart", layout.BOARD_REST), timeout=timeout,
                      what="Start for a new game")

    def start_game(self, board):
        self.click(layout.GAME, "lblStart", board)
        try:
            self.wait_question(board, 1, timeout=4)
        except waiting.NotSeen:
            # A person whose click went unnoticed clicks again; Start leaves
            # the board once a game starts, so a second click can only start
            # the game the first one did not. Said, so that a lost click is
            # seen in the log.
            self.pointer.rest(self.where(board).x + 4, self.where(board).y + 4)
            if not self.label_shows(board, "lblStart", layout.BOARD_REST):
                raise
            print("note: Start did not answer the first click; clicked again", flush=True)
            self.click(layout.GAME, "lblStart", board)
            self.wait_question(board, 1)

    def lock(self, board):
        # The caption is on the left of its label.
        self.click(layout.GAME, "lblLock", board, fx=0.25)
