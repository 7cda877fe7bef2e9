"""Small building blocks for the game's sounds: notes with harmonics and
envelopes, filtered noise, fades. Times are in seconds, signals float arrays."""

import numpy as np


def note_frequency(name):
    """Frequency of a note such as 'C5' or 'F#4' (A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semitone = steps[name[0]] + name.count("#") - name.count("b")
    octave = int(name[-1])
    return 440.0 * 2.0 ** ((semitone + 12 * (octave - 4)) / 12.0)


def times(count, rate):
    return np.arange(count, dtype=np.float64) / rate


def tone(
    rate,
    duration,
    frequency,
    partials,
    attack=0.005,
    decay=None,
    release=0.03,
    vibrato=0.0,
    brightness=None,
):
    """A note built from (ratio, level, decay time or None) partials.

    Partials at or above 45% of the sample rate are left out, so nothing
    folds back. brightness, if given, maps the time array to a factor that
    scales the upper partials (a brass-like opening of the tone).
    """
    count = int(round(duration * rate))
    t = times(count, rate)
    wobble = 1.0 + vibrato * np.sin(2.0 * np.pi * 5.2 * t) * np.clip(t / 0.25, 0.0, 1.0)
    phase = 2.0 * np.pi * np.cumsum(frequency * wobble) / rate
    signal = np.zeros(count)
    for index, (ratio, level, partial_decay) in enumerate(partials):
        if frequency * ratio >= 0.45 * rate:
            continue
        wave = level * np.sin(phase * ratio + index * 0.7)
        if partial_decay:
            wave *= np.exp(-t / partial_decay)
        if brightness is not None and index > 0:
            wave *= brightness(t) ** index
        signal += wave
    envelope = np.clip(t / attack, 0.0, 1.0)
    if decay:
        envelope *= np.exp(-t / decay)
    tail = int(round(release * rate))
    if tail:
        envelope[-tail:] *= np.linspace(1.0, 0.0, tail) ** 2
    return signal * envelope


def place(track, rate, start, sound, gain=1.0):
    """Mix a sound into a track from a start time, cutting it at the end."""
    begin = int(round(start * rate))
    end = min(len(track), begin + len(sound))
    track[begin:end] += gain * sound[: end - begin]


def noise(count, seed):
    return np.random.RandomState(seed).uniform(-1.0, 1.0, count)


def band_pass(signal, rate, centres, q):
    """A resonant band-pass whose centre frequency may change per sample."""
    centres = np.broadcast_to(np.asarray(centres, np.float64), signal.shape)
    out = np.zeros_like(signal)
    x1 = x2 = y1 = y2 = 0.0
    for i, x in enumerate(signal):
        w = 2.0 * np.pi * min(centres[i], 0.45 * rate) / rate
        alpha = np.sin(w) / (2.0 * q)
        a0 = 1.0 + alpha
        y = (alpha * x - alpha * x2 + 2.0 * np.cos(w) * y1 - (1.0 - alpha) * y2) / a0
        out[i] = y
        x2, x1, y2, y1 = x1, x, y1, y
    return out


def finish(signal, rate, peak, fade_in=0.002, fade_out=0.02, dither_seed=None):
    """Scale to a peak, add dither for 8-bit clips, and fade both ends to silence."""
    signal = signal / np.max(np.abs(signal)) * peak
    if dither_seed is not None:
        rng = np.random.RandomState(dither_seed)
        signal = signal + (rng.rand(len(signal)) - rng.rand(len(signal))) / 127.0
    head = max(1, int(round(fade_in * rate)))
    tail = max(1, int(round(fade_out * rate)))
    signal[:head] *= np.linspace(0.0, 1.0, head) ** 2
    signal[-tail:] *= np.linspace(1.0, 0.0, tail) ** 2
    return signal
