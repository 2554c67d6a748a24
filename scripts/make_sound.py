#!/usr/bin/env python3
"""Writes data/All_Done.wav, the chime played when a copy has finished.

Two soft bell tones a fifth apart (E6, then B6 over it), each a sine with a few quiet
overtones, a short attack and an exponential fade: 0.7 seconds, mono, 16-bit, 22050 Hz,
peaking at about a third of full scale. Only the standard library is used, and the output
is the same byte for byte on every run.

    scripts/make_sound.py [OUTPUT]
"""
import math
import struct
import sys
import wave
from pathlib import Path

RATE = 22050
LENGTH = 0.7  # seconds
PEAK = 0.33   # of full scale
# (start in seconds, frequency in Hz)
NOTES = [(0.0, 1318.5), (0.12, 1975.5)]
OVERTONES = [(1.0, 1.0), (2.0, 0.25), (3.0, 0.08)]  # (multiple, loudness)


def note(t: float, frequency: float) -> float:
    if t < 0:
        return 0.0
    attack = min(1.0, t / 0.005)
    fade = math.exp(-t * 7.0)
    tone = sum(loud * math.sin(2 * math.pi * frequency * multiple * t) for multiple, loud in OVERTONES)
    return attack * fade * tone


def main() -> None:
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "data" / "All_Done.wav"
    count = int(RATE * LENGTH)
    samples = [sum(note(i / RATE - start, f) for start, f in NOTES) for i in range(count)]
    # The last milliseconds fade to silence, so the end makes no click.
    tail = int(RATE * 0.03)
    for i in range(tail):
        samples[count - tail + i] *= 1 - (i + 1) / tail
    scale = PEAK * 32767 / max(abs(s) for s in samples)
    with wave.open(str(out), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", round(s * scale)) for s in samples))


if __name__ == "__main__":
    main()
