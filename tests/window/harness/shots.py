"""Screenshots of the whole virtual screen, read pixel by pixel.

The picture is taken the way any X client can take one, with ImageMagick's
import, as a binary PPM that the standard library reads without help.
"""

import collections
import subprocess

IMPORT = "/usr/bin/import"
CONVERT = "/usr/bin/convert"


class Rect:
    """A rectangle of screen pixels."""

    def __init__(self, x, y, w, h):
        self.x, self.y, self.w, self.h = int(x), int(y), int(w), int(h)

    def centre(self):
        return (self.x + self.w // 2, self.y + self.h // 2)

    def at(self, fx, fy):
        """The point at fractions fx, fy of the width and height."""
        return (self.x + int(self.w * fx), self.y + int(self.h * fy))

    def inset(self, dx, dy):
        return Rect(self.x + dx, self.y + dy, max(1, self.w - 2 * dx), max(1, self.h - 2 * dy))

    def contains(self, x, y):
        return self.x <= x < self.x + self.w and self.y <= y < self.y + self.h

    def __repr__(self):
        return f"Rect({self.x}, {self.y}, {self.w}, {self.h})"


class Shot:
    """One screenshot: width, height and the RGB bytes, row by row."""

    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def pixels(self, rect):
        """Every pixel inside rect (clipped to the screen)."""
        x0, y0 = max(0, rect.x), max(0, rect.y)
        x1, y1 = min(self.width, rect.x + rect.w), min(self.height, rect.y + rect.h)
        out = []
        for y in range(y0, y1):
            row = self.rgb[(y * self.width + x0) * 3:(y * self.width + x1) * 3]
            out.extend(tuple(row[i:i + 3]) for i in range(0, len(row), 3))
        return out

    def colours(self, rect):
        return collections.Counter(self.pixels(rect))

    def count(self, rect, colour, tolerance=0):
        """How many pixels of rect are within tolerance of colour, per channel."""
        if tolerance == 0:
            return self.colours(rect)[tuple(colour)]
        r, g, b = colour
        return sum(1 for p in self.pixels(rect)
                   if abs(p[0] - r) <= tolerance and abs(p[1] - g) <= tolerance and abs(p[2] - b) <= tolerance)

    def count_where(self, rect, test):
        return sum(1 for p in self.pixels(rect) if test(p))

    def find(self, rect, colour):
        """The bounding Rect of the pixels of exactly this colour, or None."""
        xs, ys = [], []
        x0, y0 = max(0, rect.x), max(0, rect.y)
        x1, y1 = min(self.width, rect.x + rect.w), min(self.height, rect.y + rect.h)
        want = bytes(colour)
        for y in range(y0, y1):
            row = self.rgb[(y * self.width + x0) * 3:(y * self.width + x1) * 3]
            for i in range(0, len(row), 3):
                if row[i:i + 3] == want:
                    xs.append(x0 + i // 3)
                    ys.append(y)
        if not xs:
            return None
        return Rect(min(xs), min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1)

    def mean(self, rect):
        px = self.pixels(rect)
        n = max(1, len(px))
        return tuple(sum(p[i] for p in px) / n for i in range(3))

    def differs(self, other, rect):
        """How many pixels of rect are not the same in the two shots."""
        return sum(1 for a, b in zip(self.pixels(rect), other.pixels(rect)) if a != b)

    def crop_ppm(self, rect):
        """The pixels of rect as a binary PPM, for OCR or for saving."""
        x0, y0 = max(0, rect.x), max(0, rect.y)
        x1, y1 = min(self.width, rect.x + rect.w), min(self.height, rect.y + rect.h)
        body = b"".join(self.rgb[(y * self.width + x0) * 3:(y * self.width + x1) * 3] for y in range(y0, y1))
        return b"P6\n%d %d\n255\n" % (x1 - x0, y1 - y0) + body

    def save(self, path, rect=None):
        """Writes the shot (or a part of it) as PNG."""
        data = self.crop_ppm(rect or Rect(0, 0, self.width, self.height))
        subprocess.run([CONVERT, "ppm:-", str(path)], input=data, check=True)


def parse_ppm(data):
    """Reads a binary (P6) PPM with 8-bit channels."""
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or int(fields[3]) != 255:
        raise ValueError("not an 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    pos += 1  # the single blank after the header
    return Shot(width, height, data[pos:pos + width * height * 3])


def take(env):
    """A screenshot of the whole screen of the display in env."""
    out = subprocess.run([IMPORT, "-silent", "-window", "root", "-depth", "8", "ppm:-"], env=env,
                         stdout=subprocess.PIPE, stderr=subprocess.PIPE, check=True, timeout=30)
    return parse_ppm(out.stdout)
