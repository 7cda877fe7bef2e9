"""Writers for the Windows bitmap formats the game embeds: BMP and ICO."""

import struct

import numpy as np


def _dib_rows(rgb, channels):
    """Pixel rows bottom-up, in BGR(A) order, each padded to 4 bytes."""
    height, width, _ = rgb.shape
    bgr = rgb[::-1, :, [2, 1, 0, 3][:channels]].astype(np.uint8)
    stride = (width * channels + 3) & ~3
    padded = np.zeros((height, stride), dtype=np.uint8)
    padded[:, : width * channels] = bgr.reshape(height, width * channels)
    return padded.tobytes()


def _info_header(width, height, bit_count, image_size):
    # BITMAPINFOHEADER, no compression, 72 dpi, no palette.
    return struct.pack(
        "<IiiHHIIiiII", 40, width, height, 1, bit_count, 0, image_size, 2835, 2835, 0, 0
    )


def bmp_bytes(image):
    """A 24-bit, uncompressed, bottom-up BMP of a PIL RGB image."""
    rgb = np.asarray(image.convert("RGB"))
    height, width, _ = rgb.shape
    pixels = _dib_rows(rgb, 3)
    offset = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return file_header + _info_header(width, height, 24, len(pixels)) + pixels


def ico_bytes(images):
    """An icon file holding one 32-bit entry per PIL RGBA image."""
    entries = []
    for image in images:
        rgba = np.asarray(image.convert("RGBA"))
        height, width, _ = rgba.shape
        colour = _dib_rows(rgba, 4)
        # The AND mask is unused for 32-bit entries but must be present.
        mask_stride = ((width + 31) // 32) * 4
        mask = bytes(mask_stride * height)
        # An icon's DIB header counts the colour and mask rows together.
        header = _info_header(width, height * 2, 32, len(colour) + len(mask))
        entries.append((width, height, header + colour + mask))

    directory = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    data = b""
    for width, height, blob in entries:
        directory += struct.pack(
            "<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(blob), offset + len(data)
        )
        data += blob
    return directory + data
