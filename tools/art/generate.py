"""Regenerate every bitmap, sound, the icon and the preview pictures.

Run through generate.sh, which also installs what this needs and compiles
the help file. Output is identical from run to run.
"""

import io
import pathlib
import sys

from PIL import Image

import bitmap_file
import bubbles
import buttons
import caption_fonts
import console_window
import figure
import icon
import main_window
import message_window
import paint
import preview
import sounds
import tiles
import wave_file

ROOT = pathlib.Path(__file__).resolve().parents[2]


def _write(path, data):
    path.parent.mkdir(parents=True, exist_ok=True)
    if not path.exists() or path.read_bytes() != data:
        path.write_bytes(data)


def build_bitmaps():
    main = main_window.paint_background()
    clean = main_window.paint_background(scene=False)
    console = console_window.paint_background()
    message = message_window.paint_background()
    bitmaps = {48: main, 100: console, 1870: message}
    bitmaps.update(figure.render(main, clean))
    bitmaps.update(bubbles.render(main))
    bitmaps.update(tiles.render(main))
    bitmaps.update(buttons.render({"main": main, "console": console, "message": message}))
    return bitmaps


def main():
    bitmaps = build_bitmaps()
    for name, data in sorted(caption_fonts.render().items()):
        _write(ROOT / "resources" / "fonts" / name, data)
    for bitmap_id, picture in sorted(bitmaps.items()):
        data = bitmap_file.bmp_bytes(paint.to_image(picture))
        _write(ROOT / "resources" / "bitmaps" / f"{bitmap_id}.bmp", data)
    for sound_id, (samples, rate, bits) in sorted(sounds.render().items()):
        _write(
            ROOT / "resources" / "sounds" / f"{sound_id}.wav",
            wave_file.wav_bytes(samples, rate, bits),
        )
    samples, rate, bits = sounds.render_beep()
    _write(ROOT / "resources" / "sounds" / "beep.wav", wave_file.wav_bytes(samples, rate, bits))
    _write(ROOT / "resources" / "icon" / "tallyrope.ico", bitmap_file.ico_bytes(icon.render()))
    theme = ROOT / "resources" / "icon" / "hicolor"
    for size in icon.THEME_SIZES:
        _write(theme / f"{size}x{size}" / "apps" / "tallyrope.png", _rgba_png(icon.picture(size)))
    _write(theme / "scalable" / "apps" / "tallyrope.svg", icon.scalable().encode())

    # The previews show the windows as the programs draw them, with their English captions.
    paint.words = True
    bitmaps = build_bitmaps()
    previews = {
        "main-start": preview.main_window(bitmaps, "start"),
        "main-playing": preview.main_window(bitmaps, "playing"),
        "main-lost": preview.main_window(bitmaps, "lost"),
        "main-won": preview.main_window(bitmaps, "won"),
        "console": preview.console_window(bitmaps),
        "message": preview.message_window(bitmaps),
    }
    for name, picture in previews.items():
        _write(ROOT / "docs" / "preview" / f"{name}.png", _png(picture))
    # The guide shows the window at two thirds of its size.
    guide = paint.to_image(previews["main-playing"]).resize((600, 413), Image.LANCZOS)
    _write(ROOT / "help" / "images" / "main-window.png", _png(paint.from_image(guide)))
    print(
        f"{len(bitmaps)} bitmaps, {len(sounds.CLIPS)} sounds, beep, fonts, icons and previews written",
        file=sys.stderr,
    )


def _rgba_png(image):
    buffer = io.BytesIO()
    image.save(buffer, "PNG", optimize=True)
    return buffer.getvalue()


def _png(picture):
    buffer = io.BytesIO()
    paint.to_image(picture).save(buffer, "PNG", optimize=True)
    return buffer.getvalue()


if __name__ == "__main__":
    main()
