"""Reading a text off the screen, for the few checks where the words
matter (a message box's text). Tesseract reads a crop that is enlarged and
made dark on light first, which it reads best; a single letter may still
come out wrong ("l" as "!"), so phrases are found with that much slack.
"""

import difflib
import re
import subprocess

from .shots import CONVERT


def read(shot, rect, single_line=False):
    ppm = shot.crop_ppm(rect)
    mean = sum(shot.mean(rect)) / 3
    args = [CONVERT, "ppm:-", "-colorspace", "Gray", "-resize", "400%"]
    if mean < 128:
        args.append("-negate")
    args += ["-normalize", "pgm:-"]
    image = subprocess.run(args, input=ppm, stdout=subprocess.PIPE, check=True).stdout
    out = subprocess.run(["tesseract", "stdin", "stdout", "--psm", "7" if single_line else "6"],
                         input=image, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=True).stdout
    return out.decode(errors="replace")


def words(text):
    """The text in lower case with runs of blanks made one, for comparing."""
    return re.sub(r"\s+", " ", text).strip().lower()


def finds(text, phrase, slack=0.12):
    """True when text holds phrase, give or take a wrong letter in eight."""
    n = len(phrase)
    for size in (n - 1, n, n + 1):
        for start in range(0, max(1, len(text) - size + 1)):
            if difflib.SequenceMatcher(None, text[start:start + size], phrase).ratio() >= 1 - slack:
                return True
    return False
