"""Chalk strokes: hand-wobbled lines with the grain of chalk on slate."""

import numpy as np

import layout
import paint

# One grain field for the whole main window, so a stroke looks the same in
# every picture that shows it.
_GRAIN = paint.chalk_grain(layout.MAIN_SIZE, seed=5100)


def wobble(points, seed, amplitude=0.45, step=6.0):
    """Split a polyline into short pieces and nudge them like a drawing hand."""
    rng = np.random.RandomState(seed)
    result = [points[0]]
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        length = max(np.hypot(x1 - x0, y1 - y0), 1e-6)
        count = max(1, int(length / step))
        nx, ny = -(y1 - y0) / length, (x1 - x0) / length
        for i in range(1, count + 1):
            t = i / count
            push = 0.0 if i == count else rng.uniform(-amplitude, amplitude)
            result.append((x0 + (x1 - x0) * t + nx * push, y0 + (y1 - y0) * t + ny * push))
    return result


def apply(target, coverage, colour, strength=1.0, origin=(0, 0)):
    """Lay chalk of a colour where coverage (in main-window coordinates) says."""
    x, y = origin
    h, w = coverage.shape
    grain = _GRAIN[y : y + h, x : x + w]
    paint.blend(target, coverage * grain * strength, colour, origin)


def ring(cx, cy, rx, ry, count=40):
    """Points around an ellipse, closed."""
    angles = np.linspace(0.0, 2.0 * np.pi, count + 1)
    return [(cx + rx * np.cos(a), cy + ry * np.sin(a)) for a in angles]
