#!/usr/bin/env python3
"""Prints "x y", the centre of the biggest sunshine-filled area in a screenshot (binary PPM on
standard input) below a given row. On the home tab that is the dashboard's "Start  ▶" button:
the open tab's capsule in the top bar is the same colour, so the caller names the top bar's
bottom edge. The buttons take no keyboard focus, and a position worked out from the layout
would break with every change of font or margin; the colour of a filled button does not.
    import -window WINDOW -depth 8 ppm:- | find_button.py [below_row]
Exits with status 1 when there is no such area."""
import sys

SUNSHINE = (255, 217, 61)
# Glyphs in the same colour (a star count, say) are far smaller than a button.
MIN_AREA = 1500


def read_ppm(data):
    fields, pos = [], 2
    if data[:2] != b"P6":
        raise SystemExit("not a binary PPM")
    while len(fields) < 3:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(int(data[pos:end]))
        pos = end
    width, height, maxval = fields
    if maxval != 255:
        raise SystemExit("expected 8 bits per channel")
    return width, height, data[pos + 1:]


def main():
    below = int(sys.argv[1]) if len(sys.argv) > 1 else 0
    width, height, pixels = read_ppm(sys.stdin.buffer.read())
    colour = bytes(SUNSHINE)
    lit = set()
    for y in range(below, height):
        row = y * width * 3
        x = pixels.find(colour, row, row + width * 3)
        while x != -1:
            if (x - row) % 3 == 0:
                lit.add(((x - row) // 3, y))
            x = pixels.find(colour, x + 1, row + width * 3)
    best = None
    while lit:
        stack = [lit.pop()]
        xs, ys = [], []
        while stack:
            x, y = stack.pop()
            xs.append(x)
            ys.append(y)
            for n in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                if n in lit:
                    lit.remove(n)
                    stack.append(n)
        if len(xs) >= MIN_AREA and (best is None or len(xs) > len(best[0])):
            best = (xs, ys)
    if best is None:
        sys.exit(1)
    xs, ys = best
    print((min(xs) + max(xs)) // 2, (min(ys) + max(ys)) // 2)


if __name__ == "__main__":
    main()
