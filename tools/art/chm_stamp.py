"""Clear the build times that chmcmd writes into a compiled help file, so the
help file is byte for byte the same from one build to the next.

Usage: chm_stamp.py FILE.chm (the file is rewritten in place).
"""

import pathlib
import struct
import sys

SYSTEM_TIMESTAMP = 10  # code of the #SYSTEM record that holds the build time


def _encint(data, pos):
    """A variable-length integer of the help file's directory."""
    value = 0
    while True:
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if not byte & 0x80:
            return value, pos


def clear_timestamps(data):
    data = bytearray(data)
    if data[:4] != b"ITSF":
        raise ValueError("not a compiled help file")
    data[0x10:0x14] = bytes(4)  # header build time
    directory_offset, directory_length = struct.unpack_from("<QQ", data, 0x48)
    content_offset = struct.unpack_from("<Q", data, 0x58)[0]
    directory = data[directory_offset : directory_offset + directory_length]
    name = b"/#SYSTEM"
    found = directory.find(bytes([len(name)]) + name)
    if found < 0:
        raise ValueError("help file has no #SYSTEM record")
    pos = directory_offset + found + 1 + len(name)
    section, pos = _encint(data, pos)
    offset, pos = _encint(data, pos)
    length, pos = _encint(data, pos)
    if section != 0:
        raise ValueError("#SYSTEM is not stored uncompressed")
    start = content_offset + offset
    pos = start + 4  # after the record version
    while pos < start + length:
        code, size = struct.unpack_from("<HH", data, pos)
        if code == SYSTEM_TIMESTAMP:
            data[pos + 4 : pos + 4 + size] = bytes(size)
        pos += 4 + size
    return bytes(data)


if __name__ == "__main__":
    path = pathlib.Path(sys.argv[1])
    path.write_bytes(clear_timestamps(path.read_bytes()))
