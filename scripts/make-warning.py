#!/usr/bin/env python3
"""Synthesises WARNING.WAV, the soft cue that a task is about to end.

Two short, quiet blips rising a fifth, each with a smooth (Hann) envelope, about 0.35 s in
all: clearly not the bell, and quieter than it. Standard library only, no randomness, so the
same file comes out on every machine.

Usage: make-warning.py [OUTPUT]   (default: resources/WARNING.WAV of the project)
"""

import array
import math
import pathlib
import sys
import wave

RATE = 22050
PEAK = 0.25  # about -12 dBFS: a third of the bell's loudness
BLIPS = [(0.00, 880.0, 0.13), (0.20, 1320.0, 0.15)]  # start, frequency, length (seconds)
LENGTH = 0.36


def main():
    out = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else (
        pathlib.Path(__file__).resolve().parent.parent / "resources" / "WARNING.WAV")
    samples = [0.0] * int(RATE * LENGTH)
    for start, frequency, length in BLIPS:
        first, count = int(start * RATE), int(length * RATE)
        for i in range(count):
            envelope = 0.5 - 0.5 * math.cos(2 * math.pi * i / (count - 1))
            samples[first + i] += envelope * math.sin(2 * math.pi * frequency * i / RATE)
    pcm = array.array("h", (int(round(PEAK * 32767 * s)) for s in samples))
    with wave.open(str(out), "wb") as file:
        file.setnchannels(1)
        file.setsampwidth(2)
        file.setframerate(RATE)
        file.writeframes(pcm.tobytes())


if __name__ == "__main__":
    main()
