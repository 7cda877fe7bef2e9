"""Writer for mono PCM WAVE files with the canonical 44-byte header."""

import struct

import numpy as np


def wav_bytes(samples, rate, bits):
    """Encode float samples in [-1, 1] as 8-bit (unsigned) or 16-bit PCM."""
    clipped = np.clip(samples, -1.0, 1.0)
    if bits == 8:
        data = np.round(clipped * 127.0 + 128.0).astype(np.uint8).tobytes()
    elif bits == 16:
        data = np.round(clipped * 32767.0).astype("<i2").tobytes()
    else:
        raise ValueError(f"unsupported sample size {bits}")
    block_align = bits // 8
    # RIFF chunks are word-aligned: an odd data chunk is followed by a pad byte.
    pad = b"\x00" * (len(data) % 2)
    header = struct.pack(
        "<4sI4s4sIHHIIHH4sI",
        b"RIFF",
        36 + len(data) + len(pad),
        b"WAVE",
        b"fmt ",
        16,
        1,
        1,
        rate,
        rate * block_align,
        block_align,
        bits,
        b"data",
        len(data),
    )
    return header + data + pad
