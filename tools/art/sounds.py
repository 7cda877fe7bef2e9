"""The eight sound clips of the game, by WAVE id, and the default beep."""

import numpy as np

import synth as sy

# id: (sample rate, bits per sample, length in milliseconds)
CLIPS = {
    4450: (22050, 16, 30),  # button click
    4500: (8000, 8, 280),  # minimize swoosh
    4600: (11025, 16, 490),  # a letter that is in the phrase
    4650: (22050, 16, 390),  # a miss
    4700: (22050, 8, 660),  # new round
    5600: (22050, 8, 280),  # console shown or hidden
    5650: (11025, 16, 4470),  # won round
    5700: (22050, 16, 2500),  # lost round
}

# The default beep, played where no clip of the game fits: rate, bits, milliseconds.
BEEP = (22050, 16, 180)

BELL = [(1.0, 1.0, None), (2.0, 0.35, 0.25), (3.0, 0.12, 0.12), (4.2, 0.08, 0.06)]
MARIMBA = [(1.0, 1.0, None), (3.93, 0.18, 0.03), (9.2, 0.05, 0.01)]
MELLOW = [(1.0, 1.0, None), (3.0, 0.11, None), (5.0, 0.04, None)]


def _sample_count(clip_id):
    rate, _, millis = CLIPS[clip_id]
    return (rate * millis + 500) // 1000


def _click(rate, count):
    t = sy.times(count, rate)
    knock = np.sin(2 * np.pi * 1400 * t) * np.exp(-t / 0.004)
    knock += 0.5 * np.sin(2 * np.pi * 2900 * t + 0.3) * np.exp(-t / 0.0025)
    knock += 0.25 * np.sin(2 * np.pi * 5100 * t) * np.exp(-t / 0.0015)
    tick = sy.band_pass(sy.noise(count, 4450), rate, 3500.0, 1.5) * np.exp(-t / 0.002)
    return sy.finish(knock + 1.5 * tick, rate, 0.6, fade_in=0.0004, fade_out=0.006)


def _swoosh(rate, count):
    t = sy.times(count, rate)
    centres = 2600.0 * (300.0 / 2600.0) ** (t / t[-1])
    air = sy.band_pass(sy.noise(count, 4500), rate, centres, 2.2)
    swell = np.sin(np.pi * np.clip(t / t[-1], 0, 1)) ** 1.5
    return sy.finish(air * swell, rate, 0.55, fade_out=0.03, dither_seed=4501)


def _hit(rate, count):
    track = np.zeros(count)
    sy.place(track, rate, 0.0, sy.tone(rate, 0.49, sy.note_frequency("G5"), MARIMBA, 0.002, 0.12))
    sy.place(
        track, rate, 0.07, sy.tone(rate, 0.42, sy.note_frequency("D6"), MARIMBA, 0.002, 0.16), 0.9
    )
    return sy.finish(track, rate, 0.7, fade_out=0.05)


def _miss(rate, count):
    track = np.zeros(count)
    for start, name, decay in ((0.0, "D4", 0.09), (0.13, "B3", 0.12)):
        frequency = sy.note_frequency(name)
        note = sy.tone(rate, 0.26, frequency, MELLOW, 0.006, decay, release=0.02)
        t = sy.times(len(note), rate)
        sag = sy.tone(rate, 0.26, frequency * 0.97, MELLOW, 0.006, decay, release=0.02)
        sy.place(track, rate, start, note * (1 - t / t[-1]) + sag * (t / t[-1]))
    thump = sy.band_pass(sy.noise(count, 4650), rate, 160.0, 1.2) * np.exp(
        -sy.times(count, rate) / 0.02
    )
    return sy.finish(track + 3.0 * thump, rate, 0.7, fade_out=0.05)


def _chime(rate, count):
    track = np.zeros(count)
    for index, name in enumerate(("C5", "E5", "G5", "C6")):
        bell = sy.tone(rate, 0.66 - index * 0.08, sy.note_frequency(name), BELL, 0.003, 0.3)
        sy.place(track, rate, index * 0.08, bell, 1.0 - index * 0.08)
    return sy.finish(track, rate, 0.6, fade_out=0.08, dither_seed=4701)


def _panel(rate, count):
    t = sy.times(count, rate)
    slide = sy.band_pass(sy.noise(count, 5600), rate, 700.0 + 900.0 * t / t[-1], 3.0)
    slide *= np.sin(np.pi * np.clip(t / 0.2, 0.0, 1.0)) ** 2
    latch = np.zeros(count)
    clack = sy.tone(rate, 0.06, 620.0, [(1.0, 1.0, None), (2.35, 0.6, 0.01)], 0.0008, 0.014, 0.01)
    sy.place(latch, rate, 0.2, clack)
    return sy.finish(2.0 * slide + 1.2 * latch, rate, 0.6, fade_out=0.02, dither_seed=5601)


def _brass(rate, duration, name, level=1.0):
    partials = [(k, 1.0 / k**1.1, None) for k in range(1, 12)]

    def opening(t):
        return 0.35 + 0.55 * np.clip(t / 0.08, 0.0, 1.0)

    note = sy.tone(
        rate, duration, sy.note_frequency(name), partials, 0.03, None, 0.06, 0.004, opening
    )
    return level * note


def _drum(rate, duration, seed):
    count = int(round(duration * rate))
    t = sy.times(count, rate)
    body = np.sin(2 * np.pi * np.cumsum(98.0 * (1.0 + 0.5 * np.exp(-t / 0.03))) / rate)
    skin = sy.band_pass(sy.noise(count, seed), rate, 220.0, 1.0) * np.exp(-t / 0.05)
    return (body + 2.0 * skin) * np.exp(-t / 0.18) * np.clip(t / 0.002, 0, 1)


def _fanfare(rate, count):
    track = np.zeros(count)
    melody = [
        (0.00, "G4", 0.15),
        (0.15, "C5", 0.15),
        (0.30, "E5", 0.15),
        (0.45, "G5", 0.45),
        (0.90, "E5", 0.15),
        (1.05, "G5", 0.90),
        (1.95, "A5", 0.15),
        (2.10, "B5", 0.15),
        (2.25, "C6", 2.00),
    ]
    for start, name, length in melody:
        sy.place(track, rate, start, _brass(rate, length + 0.02, name))
    chords = [(0.45, 1.50, ("C4", "E4", "G4")), (1.95, 0.30, ("G3", "B3", "D4"))]
    chords.append((2.25, 2.05, ("C4", "E4", "G4", "C5")))
    for start, length, names in chords:
        for name in names:
            sy.place(track, rate, start, _brass(rate, length, name, 0.3))
    for index, start in enumerate((0.45, 1.05, 2.25)):
        sy.place(track, rate, start, _drum(rate, 0.8, 5650 + index), 0.8)
    for index, name in enumerate(("C7", "E7", "G7")):
        sparkle = sy.tone(rate, 1.6, sy.note_frequency(name), BELL[:2], 0.002, 0.4)
        sy.place(track, rate, 2.3 + index * 0.15, sparkle, 0.25)
    return sy.finish(track, rate, 0.85, fade_out=0.25)


def _loss(rate, count):
    track = np.zeros(count)
    notes = [(0.0, "G4", 0.42), (0.45, "F#4", 0.42), (0.9, "F4", 0.42), (1.35, "E4", 1.1)]
    partials = [(k, 1.0 / k**1.3, None) for k in range(1, 9)]
    for start, name, length in notes:
        wide = 0.012 if length > 1 else 0.004

        def wah(t, length=length):
            return 0.3 + 0.5 * np.sin(np.pi * np.clip(t / length, 0.0, 1.0))

        note = sy.tone(rate, length, sy.note_frequency(name), partials, 0.04, None, 0.08, wide, wah)
        sy.place(track, rate, start, note)
    bass = sy.tone(rate, 1.1, sy.note_frequency("E2"), MELLOW, 0.05, 0.6, 0.2)
    sy.place(track, rate, 1.35, bass, 0.5)
    return sy.finish(track, rate, 0.8, fade_out=0.2)


_MAKERS = {
    4450: _click,
    4500: _swoosh,
    4600: _hit,
    4650: _miss,
    4700: _chime,
    5600: _panel,
    5650: _fanfare,
    5700: _loss,
}


def _ding(rate, count):
    # The octave partial fades first, so the ding softens into a pure tone rather than ringing.
    partials = [(1.0, 1.0, None), (2.0, 0.3, 0.04)]
    note = sy.tone(rate, count / rate, sy.note_frequency("A5"), partials, 0.004, 0.06, 0.03)
    return sy.finish(note, rate, 0.45, fade_out=0.03)


def render_beep():
    """(samples in [-1, 1], sample rate, bits per sample) of the default beep."""
    rate, bits, millis = BEEP
    return _ding(rate, (rate * millis + 500) // 1000), rate, bits


def render():
    """id -> (samples in [-1, 1], sample rate, bits per sample)."""
    clips = {}
    for clip_id, (rate, bits, _) in CLIPS.items():
        count = _sample_count(clip_id)
        samples = _MAKERS[clip_id](rate, count)
        if len(samples) != count:
            raise ValueError(f"sound {clip_id} has {len(samples)} samples, not {count}")
        clips[clip_id] = (samples, rate, bits)
    return clips
