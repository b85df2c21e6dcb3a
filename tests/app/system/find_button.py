#!/usr/bin/env python3
"""Prints "x y", the centre of the biggest sunshine-filled area in a screenshot (binary PPM on
standard input) below a given row. On the home tab that is the dashboard's "Start  ▶" button:
the open tab's capsule in the top bar is the same colour, so the caller names the top bar's
bottom edge. The buttons take no keyboard focus, and a position worked out from the layout
would break with every change of font or margin; the colour of a filled button does not.
    import -window WINDOW -depth 8 ppm:- | find_button.py [below_row] [--mint] [--all MIN_AREA]
--mint looks for the mint colour instead (the champions board's "YOU" capsule). --all prints
every area of at least MIN_AREA pixels instead, one "x y" per line, top to bottom.
Exits with status 1 when there is no such area."""
import sys

SUNSHINE = (255, 217, 61)
MINT = (82, 224, 158)
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
    args = sys.argv[1:]
    colour = bytes(SUNSHINE)
    if "--mint" in args:
        args.remove("--mint")
        colour = bytes(MINT)
    every = None
    if "--all" in args:
        at = args.index("--all")
        every = int(args[at + 1])
        del args[at:at + 2]
    below = int(args[0]) if args else 0
    width, height, pixels = read_ppm(sys.stdin.buffer.read())
    lit = set()
    for y in range(below, height):
        row = y * width * 3
        x = pixels.find(colour, row, row + width * 3)
        while x != -1:
            if (x - row) % 3 == 0:
                lit.add(((x - row) // 3, y))
            x = pixels.find(colour, x + 1, row + width * 3)
    best, areas = None, []
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
        centre = ((min(xs) + max(xs)) // 2, (min(ys) + max(ys)) // 2)
        if every is not None and len(xs) >= every:
            areas.append(centre)
        if len(xs) >= MIN_AREA and (best is None or len(xs) > len(best[0])):
            best = (xs, ys)
    if every is not None:
        for x, y in sorted(areas, key=lambda a: (a[1], a[0])):
            print(x, y)
        sys.exit(0 if areas else 1)
    if best is None:
        sys.exit(1)
    xs, ys = best
    print((min(xs) + max(xs)) // 2, (min(ys) + max(ys)) // 2)


if __name__ == "__main__":
    main()
