#!/usr/bin/env python3
# Composes the "job finished" chime and writes completion.wav next to this script.
# Usage: python3 res/sound/make_completion_sound.py
# Pure math, no randomness: every run writes the same bytes.
import math
import os
import struct

RATE = 44100
FRAMES = 23840            # ~0.54 s, fixed so the file size never drifts
FILE_SIZE = 100900        # whole file, LIST chunk pads up to it
PEAK = 10 ** (-6 / 20)    # -6 dBFS leaves headroom over other system sounds

# (start s, frequency Hz, pan -1..1, level): E6 then B6, a fifth up
NOTES = [(0.000, 1318.51, -0.35, 1.00),
         (0.110, 1975.53, +0.35, 0.80)]
# soft partials (ratio, level, decay rate); upper ones die out fast so it stays mellow
PARTIALS = [(1.0, 1.00, 7.0), (2.0, 0.22, 13.0), (3.0, 0.07, 20.0)]
ATTACK = 0.004            # short raised-cosine rise avoids the onset click
TAIL = 0.080              # final fade window forces the very end to true silence


def envelope(t, rate):
    if t < 0:
        return 0.0
    a = 0.5 - 0.5 * math.cos(math.pi * t / ATTACK) if t < ATTACK else 1.0
    return a * math.exp(-rate * t)


def render():
    left = [0.0] * FRAMES
    right = [0.0] * FRAMES
    for start, freq, pan, level in NOTES:
        # equal-power pan plus a tiny detune between ears for width
        gl = level * math.cos((pan + 1) * math.pi / 4)
        gr = level * math.sin((pan + 1) * math.pi / 4)
        first = int(start * RATE)
        for i in range(first, FRAMES):
            t = (i - first) / RATE
            sl = sr = 0.0
            for ratio, amp, decay in PARTIALS:
                e = amp * envelope(t, decay)
                sl += e * math.sin(2 * math.pi * freq * ratio * 0.9995 * t)
                sr += e * math.sin(2 * math.pi * freq * ratio * 1.0005 * t + 0.3)
            left[i] += gl * sl
            right[i] += gr * sr
    tail = int(TAIL * RATE)
    for k in range(tail):
        i = FRAMES - tail + k
        g = 0.5 + 0.5 * math.cos(math.pi * (k + 1) / tail)
        left[i] *= g
        right[i] *= g
    peak = max(max(abs(x) for x in left), max(abs(x) for x in right))
    scale = PEAK * 32767 / peak
    out = bytearray()
    for l, r in zip(left, right):
        out += struct.pack('<hh', int(round(l * scale)), int(round(r * scale)))
    return bytes(out)


def sub_chunk(cid, text, size=None):
    body = text.encode('ascii') + b'\0'
    if size is None:
        size = len(body) + (len(body) & 1)
    body = body.ljust(size, b'\0')
    return cid + struct.pack('<I', size) + body


def build():
    data = render()
    fmt = struct.pack('<HHIIHH', 1, 2, RATE, RATE * 4, 4, 16)
    head = b'WAVE' + b'fmt ' + struct.pack('<I', len(fmt)) + fmt + \
        b'data' + struct.pack('<I', len(data)) + data
    list_payload = FILE_SIZE - 8 - len(head) - 8
    isft = sub_chunk(b'ISFT', 'Velmora')
    # the comment is NUL-padded so the file lands on its fixed size
    icmt = sub_chunk(b'ICMT', 'Velmora completion chime',
                     list_payload - 4 - len(isft) - 8)
    info = b'INFO' + isft + icmt
    assert len(info) == list_payload and list_payload % 2 == 0
    body = head + b'LIST' + struct.pack('<I', len(info)) + info
    return b'RIFF' + struct.pack('<I', len(body)) + body


if __name__ == '__main__':
    wav = build()
    assert len(wav) == FILE_SIZE
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'completion.wav')
    with open(path, 'wb') as f:
        f.write(wav)
    print(path, len(wav), 'bytes')
