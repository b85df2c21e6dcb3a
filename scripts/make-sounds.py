#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
"""Synthesises the program's five sound effects into src/platform/sounds/.

Everything is made from sine partials under smooth envelopes, so the files are
small, click-free and byte-identical on every run. Run with --check to print the
peak, lengths, DC offset and edge samples of the files on disk instead.
"""

import math
import os
import struct
import sys
import wave

RATE = 44100
PEAK = 0.5  # -6 dBFS
# Qt 6.4's QSoundEffect stops its PulseAudio stream once it has handed over the last sample,
# dropping the 50-150 ms still buffered; trailing silence is what gets dropped instead.
TAIL = 0.3
OUT_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "platform", "sounds")


def note(freq, start, length, partials, attack, tau, glide=0.0):
    """One struck tone: [(ratio, gain)] partials, raised-cosine attack, exponential decay.

    glide bends the pitch exponentially by that many octaves over the note.
    """
    first = int(start * RATE)
    count = int(length * RATE)
    attack_n = max(1, int(attack * RATE))
    out = []
    phases = [0.0] * len(partials)
    for i in range(count):
        t = i / RATE
        f = freq * 2.0 ** (glide * i / count)
        env = math.exp(-t / tau)
        if i < attack_n:
            env *= 0.5 - 0.5 * math.cos(math.pi * i / attack_n)
        s = 0.0
        for k, (ratio, gain) in enumerate(partials):
            # Integrating the frequency keeps a glide free of phase jumps.
            phases[k] += 2.0 * math.pi * f * ratio / RATE
            if f * ratio < RATE / 2:
                s += gain * math.sin(phases[k])
        out.append(s * env)
    return first, out


def render(length, notes, release):
    buf = [0.0] * int(length * RATE)
    for first, samples in notes:
        for i, s in enumerate(samples):
            if first + i < len(buf):
                buf[first + i] += s
    # Fade the tail to exact silence so the sound never ends on a click.
    release_n = int(release * RATE)
    for i in range(release_n):
        buf[len(buf) - release_n + i] *= 0.5 + 0.5 * math.cos(math.pi * (i + 1) / release_n)
    top = max(abs(s) for s in buf)
    return [round(s / top * PEAK * 32767) for s in buf] + [0] * int(TAIL * RATE)


BELL = [(1.0, 1.0), (2.76, 0.35), (5.40, 0.12)]
WARM = [(1.0, 1.0), (2.0, 0.45), (3.0, 0.2), (4.0, 0.08)]
CHIME = [(1.0, 1.0), (2.0, 0.25), (3.01, 0.1), (4.17, 0.05)]


def tink():
    return render(0.08, [note(2637.0, 0, 0.08, BELL, 0.002, 0.018)], 0.02)


def pop():
    # A bubble's pitch rises as it bursts.
    return render(0.09, [note(420.0, 0, 0.09, [(1.0, 1.0), (2.0, 0.15)], 0.004, 0.022, glide=1.1)],
                  0.03)


def basso():
    # Low and rounded, with enough upper partials to be heard on laptop speakers.
    return render(0.25, [note(196.0, 0, 0.25, WARM, 0.006, 0.07, glide=-0.25)], 0.06)


def glass():
    return render(0.45, [note(1046.5, 0.0, 0.45, CHIME, 0.003, 0.12),
                         note(1568.0, 0.14, 0.31, CHIME, 0.003, 0.13)], 0.08)


def hero():
    # C major arpeggio up to the octave; the last note rings on.
    steps = [(523.25, 0.0), (659.25, 0.11), (783.99, 0.22), (1046.5, 0.33)]
    notes = [note(f, s, 0.9 - s, WARM, 0.008, 0.1 if i < 3 else 0.22) for i, (f, s) in
             enumerate(steps)]
    return render(0.9, notes, 0.12)


SOUNDS = {"tink": tink, "pop": pop, "basso": basso, "glass": glass, "hero": hero}


def write(path, samples):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(struct.pack("<%dh" % len(samples), *samples))


def check(path):
    with wave.open(path, "rb") as w:
        n = w.getnframes()
        s = struct.unpack("<%dh" % n, w.readframes(n))
        rate = w.getframerate()
    peak = max(abs(x) for x in s)
    # Audible: up to the last sample above -60 dBFS.
    audible = max(i for i, x in enumerate(s) if abs(x) > 32)
    edge = int(0.001 * rate)
    print("%-10s file %4d ms  audible %3d ms  peak %5.1f dBFS  DC %+.5f  first ms max %d  last %d" % (
        os.path.basename(path), round(1000 * n / rate), round(1000 * audible / rate),
        20 * math.log10(peak / 32768), sum(s) / n / 32768, max(abs(x) for x in s[:edge]), s[-1]))


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    for name, make in SOUNDS.items():
        path = os.path.normpath(os.path.join(OUT_DIR, name + ".wav"))
        if "--check" in sys.argv:
            check(path)
        else:
            write(path, make())
            print(path)


if __name__ == "__main__":
    main()
