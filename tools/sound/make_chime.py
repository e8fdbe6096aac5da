#!/usr/bin/env python3
"""Writes the end-of-programming chime: a RIFF WAVE file, PCM, mono, 8 bits, 11025 samples per
second, exactly 9981 data bytes (about 0.9 s). Two bell-like tones a fifth apart, each with a few
overtones and an exponential decay. Run: tools/sound/make_chime.py resources/embedded/ENDPROGWAV.wav
"""
import math
import struct
import sys

RATE = 11025
SAMPLES = 9981


def tone(t, start, frequency):
    if t < start:
        return 0.0
    u = t - start
    attack = min(1.0, u / 0.004)
    decay = math.exp(-u * 4.5)
    partials = ((1.0, 1.0), (2.0, 0.35), (3.0, 0.12), (4.2, 0.06))
    return attack * decay * sum(a * math.sin(2 * math.pi * frequency * m * u) for m, a in partials)


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "ENDPROGWAV.wav"
    data = bytearray()
    for n in range(SAMPLES):
        t = n / RATE
        value = 0.42 * tone(t, 0.0, 880.0) + 0.42 * tone(t, 0.18, 1318.5)
        fade = min(1.0, (SAMPLES - 1 - n) / 300.0)  # no click at the end
        value = max(-1.0, min(1.0, value * fade))
        data.append(int(round(128 + 127 * value)))
    fmt = struct.pack("<HHIIHH", 1, 1, RATE, RATE, 1, 8)
    pad = b"\0" if len(data) % 2 else b""  # RIFF chunks are word-aligned
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
    body += b"data" + struct.pack("<I", len(data)) + bytes(data) + pad
    with open(path, "wb") as out:
        out.write(b"RIFF" + struct.pack("<I", len(body)) + body)


if __name__ == "__main__":
    main()
