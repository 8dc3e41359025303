"""Question banks for reproducible games: exactly one question per level,
so the game draws the same fifteen questions whatever the random numbers,
and the test knows each correct letter the way the bank's author does.
"""

from .program import REPO

LETTERS = "ABCD"


def correct_letter(level):
    """The correct option of the test bank's question of this level."""
    return LETTERS[(level * 3) % 4]


def wrong_letter(level):
    return LETTERS[(LETTERS.index(correct_letter(level)) + 1) % 4]


def test_bank():
    lines = []
    for level in range(1, 16):
        lines.append(f"{level},Question for level {level}: which option is right?,Apple {level},"
                     f"Banana {level},Cherry {level},Date {level},{correct_letter(level)},{level}")
    return lines


def shipped_bank_one_per_level():
    """The first question of each level of the shipped bank, with its correct
    letter: real questions for the screenshots, still one per level."""
    chosen, letters = {}, {}
    for line in (REPO / "data" / "default.zrv").read_text(encoding="utf-8", errors="replace").splitlines():
        fields = line.split(",")
        if len(fields) < 8:
            continue
        level = fields[7].strip()
        if level.isdigit() and int(level) not in chosen:
            chosen[int(level)] = fields
    lines = []
    for n, level in enumerate(sorted(chosen), start=1):
        fields = list(chosen[level])
        fields[0] = str(n)
        lines.append(",".join(fields))
        letters[level] = fields[6]
    return lines, letters
