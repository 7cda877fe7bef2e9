// Text crosses to the core as Windows-1252 bytes, the files' code page. The five bytes the code
// page leaves without a character cannot be typed.
const unassigned = new Set([0x81, 0x8d, 0x8f, 0x90, 0x9d]);

const characters = new TextDecoder("windows-1252");
const byteOf = new Map();
for (let byte = 0; byte < 256; byte += 1) {
    if (!unassigned.has(byte)) {
        byteOf.set(characters.decode(Uint8Array.of(byte)), byte);
    }
}

// The bytes of `text`, or null when a character of it has none.
export function toBytes(text) {
    const bytes = [];
    for (const character of text) {
        const byte = byteOf.get(character);
        if (byte === undefined) {
            return null;
        }
        bytes.push(byte);
    }
    return Uint8Array.from(bytes);
}

export function fromBytes(bytes) {
    return characters.decode(bytes);
}
