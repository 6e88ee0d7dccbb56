#!/usr/bin/env python3
"""Synthesises PINGPONG.WAV, the bell that sounds between tasks.

Two soft strikes of a small bell, "ping" and a lower "pong", each made of a few
inharmonic partials that die away at their own rate. Standard library only, no
randomness, so the same file comes out on every machine.

Usage: make-pingpong.py [OUTPUT]   (default: resources/PINGPONG.WAV of the project)
"""

import array
import math
import pathlib
import sys
import wave

RATE = 22050
LENGTH = 1.0  # seconds
PEAK = 0.7  # about -3 dBFS, leaves headroom for the sound card's mixer

# (frequency ratio, amplitude, decay time constant in seconds): the ratios of a
# bell-like bar, the higher partials fading faster so the strike mellows out.
PARTIALS = [
    (1.00, 1.00, 0.30),
    (2.76, 0.45, 0.16),
    (5.40, 0.22, 0.08),
    (8.93, 0.10, 0.04),
]

# (start in seconds, fundamental in Hz, loudness)
STRIKES = [
    (0.00, 880.0, 1.0),   # A5
    (0.22, 659.26, 0.9),  # E5, a fourth below
]

ATTACK = 0.004  # a few milliseconds of raised cosine: no click at the onset
FADE_OUT = 0.08  # the tail reaches exact silence at the end of the file


def strike(t, fundamental):
    if t < 0.0:
        return 0.0
    attack = 0.5 - 0.5 * math.cos(math.pi * t / ATTACK) if t < ATTACK else 1.0
    value = 0.0
    for ratio, amplitude, tau in PARTIALS:
        value += amplitude * math.exp(-t / tau) * math.sin(2.0 * math.pi * fundamental * ratio * t)
    return attack * value


def synthesise():
    count = int(RATE * LENGTH)
    samples = []
    for n in range(count):
        t = n / RATE
        v = sum(loud * strike(t - start, f) for start, f, loud in STRIKES)
        left = LENGTH - t
        if left < FADE_OUT:
            v *= 0.5 - 0.5 * math.cos(math.pi * left / FADE_OUT)
        samples.append(v)
    top = max(abs(v) for v in samples)
    scale = PEAK * 32767.0 / top
    return array.array("h", (int(round(v * scale)) for v in samples))


def main():
    if len(sys.argv) > 2:
        sys.exit("usage: make-pingpong.py [OUTPUT]")
    root = pathlib.Path(__file__).resolve().parent.parent
    out = pathlib.Path(sys.argv[1]) if len(sys.argv) == 2 else root / "resources" / "PINGPONG.WAV"
    data = synthesise()
    if sys.byteorder != "little":
        data.byteswap()
    # Written beside the target and renamed over it, so a failed run leaves the old file.
    tmp = out.with_name(out.name + ".tmp")
    with wave.open(str(tmp), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(data.tobytes())
    tmp.replace(out)


if __name__ == "__main__":
    main()
