"""Where the game draws its windows' controls, taken from their design
(src/ui): every position in twips, 15 twips to a pixel. The game board and
the Question Editor are designed for a 15360 x 11520 twip screen and drawn
in proportion to their window; the other windows have a fixed size. Either
way a control's place in pixels is its design box scaled from the form's
design size to the window's inside, which the window manager reports.

The colours a player sees are kept here too.
"""

from .shots import Rect

TWIPS_PER_PIXEL = 15
DESIGN_SCREEN = (15360, 11520)

# Colours of the design.
MENU_REST = (255, 192, 128)
BOARD_REST = (255, 110, 0)
LADDER_WON = (255, 128, 0)
LADDER_NEXT = (255, 255, 255)
LADDER_FAILED = (255, 160, 50)


class Box:
    """A design rectangle in twips."""

    def __init__(self, left, top, width, height):
        self.left, self.top, self.width, self.height = left, top, width, height

    def inside(self, frame):
        """This box, given relative to a frame, in the form's coordinates."""
        return Box(frame.left + self.left, frame.top + self.top, self.width, self.height)


def px(left, top, width, height):
    """A box given in pixels of the design screen."""
    return Box(left * 15, top * 15, width * 15, height * 15)


class Form:
    """A window's design: its title, its size in twips, its controls."""

    def __init__(self, name, title, width, height, controls):
        self.name, self.title = name, title
        self.width, self.height = width, height
        self.controls = controls

    def design_size(self):
        return (self.width // TWIPS_PER_PIXEL, self.height // TWIPS_PER_PIXEL)

    def rect(self, control, window):
        """Where control is drawn on the screen, for a window whose inside
        is the Rect window."""
        box = self.controls[control]
        sx = window.w / (self.width / TWIPS_PER_PIXEL)
        sy = window.h / (self.height / TWIPS_PER_PIXEL)
        return Rect(window.x + box.left / TWIPS_PER_PIXEL * sx, window.y + box.top / TWIPS_PER_PIXEL * sy,
                    max(1, box.width / TWIPS_PER_PIXEL * sx), max(1, box.height / TWIPS_PER_PIXEL * sy))

    def point(self, control, window, fx=0.5, fy=0.5):
        return self.rect(control, window).at(fx, fy)


# ---------------------------------------------------------------- main menu

_menu = {"Image1": Box(0, 0, 7200, 2160), "Image2": Box(0, 7840, 7200, 720),
         # The bare form left of the entries.
         "background": Box(120, 2400, 960, 5320)}
MENU_ENTRIES = [("Label1", "Play The Game"), ("Label2", "Question Editor"), ("Label5", "Options"),
                ("Label6", "Rules"), ("Label7", "Statistics"), ("Label3", "About the game"), ("Label4", "Exit")]
for _i, (_name, _caption) in enumerate(MENU_ENTRIES):
    _menu[_name] = Box(1200, 2400 + 760 * _i, 4800, 600)
MAIN = Form("Main", "ZRV - Zarvana, a quiz by the Zarvana team", 7200, 8560, _menu)
PLAY, EDITOR, OPTIONS, RULES, STATISTICS, ABOUT, EXIT = ("Label1", "Label2", "Label5", "Label6", "Label7", "Label3",
                                                         "Label4")

# ---------------------------------------------------------------- game board

_board = {
    "Label20": px(16, 8, 320, 26),
    "lblStart": px(392, 300, 240, 48),
    "lblExit": px(900, 706, 110, 44),
    "lblLock": px(16, 176, 220, 24),
    "lblKya": px(16, 204, 220, 24),
    "lblWith": px(16, 232, 220, 24),
    "lblQNo": px(204, 64, 150, 22),
    "lblTotal": px(204, 112, 150, 22),
    "Image5": px(24, 420, 976, 80),
    "lblQuestion": px(60, 428, 904, 64),
    "lblExplain": px(140, 300, 620, 60),
    "Image9": Box(11520, 720, 1305, 675),
    "Image10": Box(12720, 120, 1305, 675),
    "Image11": Box(13800, 720, 1305, 675),
    "Image12": Box(6980, 9720, 1455, 1215),
    "Frame1": Box(2160, 3960, 2895, 2175),
    "Frame2": Box(4920, 3960, 2295, 2175),
    # A stretch of bare board between the prize panel and the ladder.
    "background": px(440, 100, 260, 150),
}
_capsules = {"A": px(24, 508, 480, 56), "B": px(520, 508, 480, 56), "C": px(24, 572, 480, 56),
             "D": px(520, 572, 480, 56)}
for _i, (_letter, _b) in enumerate(_capsules.items()):
    _board["Img" + _letter] = _b
    _board["lbl" + _letter] = Box(_b.left + 50 * 15, _b.top + 14 * 15, 30 * 15, 28 * 15)
    _board[f"lblAnswer({_i})"] = Box(_b.left + 82 * 15, _b.top + 6 * 15, 360 * 15, 44 * 15)
    # The top of the capsule's inside, clear of its text: its colour says
    # whether the option is neutral, picked, right or wrong.
    _board["fill" + _letter] = Box(_b.left + 60 * 15, _b.top + 5 * 15, 400 * 15, 4 * 15)
for _i in range(15):
    _board[f"Label1({_i})"] = px(776, 102 + (14 - _i) * 21, 232, 20)
for _i, _left in enumerate((360, 840, 1320, 1800)):
    _board[f"Option{_i + 1}"] = Box(_left, 960, 255, 255).inside(_board["Frame2"])
_board["Frame2.Command1"] = Box(840, 1680, 735, 375).inside(_board["Frame2"])
GAME = Form("Game", "Zarvana", DESIGN_SCREEN[0], DESIGN_SCREEN[1], _board)
LIFELINES = {"fifty": "Image9", "phone": "Image10", "poll": "Image11"}

# ---------------------------------------------------------------- dialogs

# Message, Message2, Message3 and Result: one layout, no caption.
MESSAGE = Form("Message", "", 6600, 2400, {"Command1": Box(3420, 1740, 1200, 420),
                                           "text": Box(1680, 240, 4680, 1320)})
EXIT_DIALOG = Form("frmExit", "Exit", 6000, 2400, {"Command1": Box(2160, 1500, 1200, 420),
                                                   "Command2": Box(3720, 1500, 1200, 420),
                                                   "Label1": Box(1680, 360, 4080, 840)})
ABOUT_BOX = Form("About", "About", 7200, 6000, {"Label4": Box(240, 2280, 6720, 480),
                                                "Label5": Box(240, 3180, 6720, 360),
                                                "Command1": Box(3000, 5280, 1200, 420)})

_rules_frame = Box(240, 120, 9120, 7920)
RULES_WINDOW = Form("Rules", "Rules", 9600, 8880, {
    "Frame1": _rules_frame,
    "Label8": Box(360, 420, 8400, 720).inside(_rules_frame),
    "Label4": Box(360, 3300, 8400, 360).inside(_rules_frame),
    "Label9": Box(360, 6420, 8400, 360).inside(_rules_frame),
    "Frame2.Image1": Box(1560, 420, 6000, 6000).inside(_rules_frame),
    "Command2": Box(7800, 7320, 1080, 420).inside(_rules_frame),
    "Label13": Box(360, 300, 8400, 480).inside(_rules_frame),
    "Command3": Box(7800, 7320, 1080, 420).inside(_rules_frame),
    "Command1": Box(4200, 8220, 1200, 420),
})
# Rules' two links are left-aligned: a player clicks on their words.
LINK_AIM = (0.12, 0.5)

_types = Box(240, 180, 4920, 1380)
OPTIONS_DIALOG = Form("frmOptions", "Options", 5400, 5400, {
    "Option1": Box(240, 600, 1500, 420).inside(_types),
    "Option2": Box(240 + 1560, 600, 1500, 420).inside(_types),
    "Option3": Box(240 + 2 * 1560, 600, 1500, 420).inside(_types),
    "Check3": Box(240, 380, 4440, 360).inside(Box(240, 3720, 4920, 900)),
    "Command1": Box(2100, 4740, 1200, 420),
    "Command2": Box(3480, 4740, 1200, 420),
})

# ---------------------------------------------------------------- Statistics

STATISTICS_WINDOW = Form("frmStatistics", "Statistics", 13800, 9720, {
    "lblPlayer": Box(240, 120, 8400, 360),
    "lblGames": Box(2160, 540, 1920, 300),
    "lblBest": Box(2160, 840, 1920, 300),
    "Frame1": Box(240, 1560, 6540, 2640),
    "Frame2": Box(7020, 1560, 6540, 2640),
    "Frame3": Box(240, 4320, 6540, 2400),
    "List1": Box(120, 300, 6300, 1980).inside(Box(7020, 4320, 6540, 2400)),
    "List2": Box(120, 300, 13080, 1740).inside(Box(240, 6840, 13320, 2160)),
    "Command1": Box(240, 9120, 1800, 420),
    "Command2": Box(12360, 9120, 1200, 420),
})
PLAYER_DIALOG = Form("frmPlayer", "Your name", 5400, 2280, {
    "Text1": Box(240, 840, 4920, 360),
    "Command1": Box(2520, 1440, 1200, 420),
    "Command2": Box(3960, 1440, 1200, 420),
})

_sound = Box(240, 180, 4920, 2280)
SOUND_DIALOG = Form("frmSound", "Sound", 5400, 3480, {
    "Combo1": Box(2760, 400, 1200, 360).inside(_sound),
    "Combo2": Box(2760, 940, 1200, 360).inside(_sound),
    "Check1": Box(240, 1560, 4440, 480).inside(_sound),
    "Command1": Box(1440, 2700, 1200, 420),
    "Command2": Box(2760, 2700, 1200, 420),
})

# ---------------------------------------------------------------- Question Editor

_editor = {"Text1": Box(2160, 240, 9000, 360),
           "Combo1": Box(2160, 2550, 1200, 360), "Combo2": Box(6120, 2550, 1200, 360),
           "add1": Box(2160, 3120, 1800, 420), "deletedata": Box(4080, 3120, 1800, 420), "Command2": Box(8520, 3120, 2640, 420),
           "txtExplain": Box(2160, 3660, 9000, 360), "txtFind": Box(2160, 4140, 3240, 360),
           "cmdSave": Box(7080, 4110, 1920, 420), "cmdRemove": Box(9120, 4110, 2040, 420),
           "cmdImport": Box(7080, 4620, 1920, 420), "cmdExport": Box(9120, 4620, 2040, 420),
           "List1": Box(240, 5160, 10920, 4200)}
for _i in range(4):
    _editor[f"Options({_i})"] = Box(2160, 720 + _i * 450, 9000, 360)
QUESTION_EDITOR = Form("Question", "Question Editor", 11520, 9720, _editor)
CONFIRM = Form("frmConfirm", "Delete question", 6600, 2640, {"Command1": Box(2040, 1860, 1200, 420),
                                                             "Command2": Box(3360, 1860, 1200, 420)})
IMPORT = Form("frmImport", "Import questions", 9000, 6780, {"Label1": Box(240, 240, 8520, 600),
                                                          "List1": Box(240, 1860, 8520, 3660),
                                                          "cmdMerge": Box(2400, 5760, 1440, 420),
                                                          "cmdReplace": Box(3960, 5760, 1440, 420)})
EXPORT = Form("frmExport", "Export questions", 6000, 2280, {"cmdExport": Box(1440, 1260, 1560, 420)})
DELETE = Form("Delete", "Delete a Record", 5400, 2280, {"Text1": Box(240, 900, 3000, 360),
                                                      "Command1": Box(3600, 870, 1200, 420)})
