"""Painting helpers: textures, anti-aliased shapes, chalk strokes, bevels, text.

A canvas is a float32 numpy array of shape (height, width, 3) holding 0..255.
Every random pattern comes from a fixed seed, so the pictures never change
from one run to the next.
"""

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

SUPERSAMPLE = 4


def canvas(size, colour):
    width, height = size
    return np.tile(np.asarray(colour, np.float32), (height, width, 1))


def to_image(canvas_array):
    return Image.fromarray(np.clip(np.round(canvas_array), 0, 255).astype(np.uint8), "RGB")


def from_image(image):
    return np.asarray(image.convert("RGB"), np.float32).copy()


def noise(size, cell_x, cell_y, seed):
    """Smooth value noise in about [0, 1] with features cell_x by cell_y wide."""
    width, height = size
    rng = np.random.RandomState(seed)
    grid_w, grid_h = width // cell_x + 4, height // cell_y + 4
    grid = rng.rand(grid_h, grid_w).astype(np.float32)
    big = Image.fromarray(grid, "F").resize((grid_w * cell_x, grid_h * cell_y), Image.BICUBIC)
    return np.asarray(big)[cell_y : cell_y + height, cell_x : cell_x + width]


def fractal_noise(size, cell, seed, octaves=4):
    """Several octaves of noise, normalised to [0, 1]."""
    total = np.zeros((size[1], size[0]), np.float32)
    weight = 1.0
    for octave in range(octaves):
        step = max(1, cell >> octave)
        total += weight * noise(size, step, step, seed + octave)
        weight *= 0.5
    low, high = total.min(), total.max()
    return (total - low) / max(high - low, 1e-6)


def mix(colour_a, colour_b, amount):
    """Per-pixel blend of two colours by an array of amounts in [0, 1]."""
    a = np.asarray(colour_a, np.float32)
    b = np.asarray(colour_b, np.float32)
    return a + (b - a) * np.asarray(amount, np.float32)[..., None]


def shade(base, dark, light, value):
    """Colours from dark (value -1) through base (0) to light (+1)."""
    value = np.clip(value, -1.0, 1.0)
    return np.where(
        value[..., None] < 0,
        mix(base, dark, -value * (value < 0)),
        mix(base, light, value * (value > 0)),
    )


def wood(size, seed, base, dark, light, ring_spacing=11.0, vertical=False):
    """A plank with long grain lines and fine fibres."""
    width, height = size
    if vertical:
        return wood((height, width), seed, base, dark, light, ring_spacing).transpose(1, 0, 2)
    warp = noise(size, 180, 36, seed) * 26.0 + noise(size, 45, 9, seed + 1) * 5.0
    rows = np.arange(height, dtype=np.float32)[:, None] + warp
    rings = ((np.sin(rows * 2.0 * np.pi / ring_spacing) + 1.0) * 0.5) ** 4
    fibres = noise(size, 70, 1, seed + 2) - 0.5
    broad = noise(size, 120, 60, seed + 3) - 0.5
    value = 0.55 * fibres + 0.6 * broad - 0.55 * rings
    return shade(base, dark, light, value)


def parchment(size, seed, base, dark, light):
    """Paper with soft blotches that darkens towards its edges."""
    width, height = size
    blotches = fractal_noise(size, 48, seed) - 0.5
    grain = noise(size, 2, 2, seed + 9) - 0.5
    xs = np.abs(np.linspace(-1.0, 1.0, width, dtype=np.float32))[None, :]
    ys = np.abs(np.linspace(-1.0, 1.0, height, dtype=np.float32))[:, None]
    edge_x = np.clip((xs - 1.0) * width / 14.0 + 1.0, 0.0, 1.0)
    edge_y = np.clip((ys - 1.0) * height / 14.0 + 1.0, 0.0, 1.0)
    edge = np.maximum(edge_x, edge_y)
    value = 0.9 * blotches + 0.25 * grain - 0.9 * edge**2
    return shade(base, dark, light, value)


def slate(size, seed, base):
    """A dark chalkboard with speckles and faint wiped chalk haze."""
    speckle = np.random.RandomState(seed).rand(size[1], size[0]).astype(np.float32) - 0.5
    broad = fractal_noise(size, 90, seed + 1) - 0.5
    haze = np.clip(fractal_noise(size, 60, seed + 2) - 0.55, 0.0, 1.0)
    board = np.asarray(base, np.float32) + (6.0 * speckle + 10.0 * broad)[..., None]
    return board + (22.0 * haze)[..., None] * np.asarray([1.0, 1.0, 0.95], np.float32)


def blend(target, mask, colour, origin=(0, 0)):
    """Paint colour (a triple or an array) through a coverage mask at origin."""
    x, y = origin
    height, width = mask.shape
    region = target[y : y + height, x : x + width]
    colour = np.asarray(colour, np.float32)
    if colour.ndim == 3:
        colour = colour[: region.shape[0], : region.shape[1]]
    m = mask[: region.shape[0], : region.shape[1], None]
    region[...] = region * (1.0 - m) + colour * m


def shift(mask, dx, dy):
    """A mask moved right by dx and down by dy, filling with nothing."""
    moved = np.zeros_like(mask)
    height, width = mask.shape
    moved[dy:, dx:] = mask[: height - dy, : width - dx]
    return moved


def fill_rect(target, rect, colour):
    x, y, w, h = rect
    target[y : y + h, x : x + w] = np.asarray(colour, np.float32)


def paste(target, source, origin):
    x, y = origin
    target[y : y + source.shape[0], x : x + source.shape[1]] = source


def crop(source, rect):
    x, y, w, h = rect
    return source[y : y + h, x : x + w].copy()


def vertical_gradient(size, top, bottom_colour):
    amount = np.linspace(0.0, 1.0, size[1], dtype=np.float32)[:, None] * np.ones((1, size[0]))
    return mix(top, bottom_colour, amount)


class Sketch:
    """Anti-aliased shapes drawn into a coverage mask by supersampling.

    Coordinates are in output pixels, pixel i covering [i, i + 1).
    """

    def __init__(self, size, scale=SUPERSAMPLE):
        self.size = size
        self.scale = scale
        self.image = Image.new("L", (size[0] * scale, size[1] * scale), 0)
        self.draw = ImageDraw.Draw(self.image)

    def _points(self, points):
        return [(x * self.scale, y * self.scale) for x, y in points]

    def _box(self, box):
        x0, y0, x1, y1 = box
        s = self.scale
        return (x0 * s, y0 * s, x1 * s - 1, y1 * s - 1)

    def line(self, points, width, value=255):
        """A polyline with round joints and round ends."""
        scaled = self._points(points)
        w = max(1, round(width * self.scale))
        self.draw.line(scaled, fill=value, width=w, joint="curve")
        radius = w / 2.0
        for x, y in (scaled[0], scaled[-1]):
            self.draw.ellipse((x - radius, y - radius, x + radius, y + radius), fill=value)

    def polygon(self, points, value=255):
        self.draw.polygon(self._points(points), fill=value)

    def ellipse(self, box, value=255, outline_width=0):
        if outline_width:
            self.draw.ellipse(
                self._box(box), outline=value, width=round(outline_width * self.scale)
            )
        else:
            self.draw.ellipse(self._box(box), fill=value)

    def rounded_rect(self, box, radius, value=255):
        self.draw.rounded_rectangle(self._box(box), radius=radius * self.scale, fill=value)

    def arc(self, box, start, end, width, value=255):
        self.draw.arc(self._box(box), start, end, fill=value, width=round(width * self.scale))

    def mask(self, grow=0.0):
        """Coverage in [0, 1]; grow widens every shape by that many pixels."""
        image = self.image
        reach = round(grow * self.scale)
        if reach:
            image = image.filter(ImageFilter.MaxFilter(2 * reach + 1))
        small = image.resize(self.size, Image.BOX)
        return np.asarray(small, np.float32) / 255.0


def chalk_grain(size, seed, roughness=0.55):
    """Per-pixel strength of a chalk stroke: mostly solid with gaps."""
    rng = np.random.RandomState(seed)
    fine = rng.rand(size[1], size[0]).astype(np.float32)
    streaks = noise(size, 3, 3, seed + 1)
    return np.clip(1.0 - roughness * (fine * 0.7 + streaks * 0.6) + 0.25, 0.0, 1.0)


def text_mask(size, position, text, font, anchor="la"):
    image = Image.new("L", size, 0)
    ImageDraw.Draw(image).text(position, text, font=font, fill=255, anchor=anchor)
    return np.asarray(image, np.float32) / 255.0


def text_width(text, font):
    left, _, right, _ = font.getbbox(text)
    return right - left


# Whether the captions are painted: the programs draw them at their own scale and in the
# player's language, so only the preview pictures carry them.
words = False


def caption(*arguments, **keywords):
    """Words the programs draw themselves, painted only into the previews."""
    if words:
        put_text(*arguments, **keywords)


def put_text(target, position, text, font, colour, anchor="la", shadow=None, offset=(1, 1)):
    """Draw text, with an optional shadow (or highlight) at an offset."""
    size = (target.shape[1], target.shape[0])
    if shadow is not None:
        shifted = (position[0] + offset[0], position[1] + offset[1])
        blend(target, text_mask(size, shifted, text, font, anchor), shadow)
    blend(target, text_mask(size, position, text, font, anchor), colour)


def inset_frame(target, rect, shadow, light, depth=1):
    """Lines just outside rect that make it look sunk into the surface."""
    x, y, w, h = rect
    for d in range(1, depth + 1):
        target[y - d, x - d : x + w + d] = shadow
        target[y - d : y + h + d, x - d] = shadow
        target[y + h + d - 1, x - d : x + w + d] = light
        target[y - d : y + h + d, x + w + d - 1] = light


def outline_rect(target, rect, colour):
    x, y, w, h = rect
    target[y, x : x + w] = colour
    target[y + h - 1, x : x + w] = colour
    target[y : y + h, x] = colour
    target[y : y + h, x + w - 1] = colour


def raised_frame(target, rect, light, shadow):
    """A one-pixel bevel inside rect: light top and left, dark bottom and right."""
    x, y, w, h = rect
    target[y, x : x + w] = light
    target[y : y + h, x] = light
    target[y + h - 1, x : x + w] = shadow
    target[y : y + h, x + w - 1] = shadow
