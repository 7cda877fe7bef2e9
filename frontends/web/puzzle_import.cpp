#include "frontends/web/puzzle_import.h"

#include "storage/puzzle_file.h"
#include "storage/puzzle_store.h"
#include "storage/text_file.h"

#include <algorithm>
#include <cstdio>

namespace tallyrope {

namespace {

bool isControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

// Whether the file at `path`, whose text is `text`, reads back record by record as exactly
// that text.
bool holdsWholePuzzles(const std::string& path, const std::string& text) {
    if (text.empty() || std::any_of(text.begin(), text.end(), isControl)) {
        return false;
    }
    TextReader reader;
    if (!reader.open(path)) {
        return false;
    }
    std::string records;
    Puzzle puzzle;
    while (readRecord(reader, puzzle) == FieldEnd::Delimiter) {
        records += serialise(puzzle);
    }
    return records == text;
}

bool writtenAsPuzzles(const std::string& plainPath, const std::string& text) {
    if (writeTextFileSafely(plainPath, text) && holdsWholePuzzles(plainPath, text)) {
        return true;
    }
    std::remove(plainPath.c_str());
    return false;
}

} // namespace

bool unpackImport(const std::string& importPath, const std::string& plainPath) {
    const std::optional<std::string> text = readTextFile(importPath);
    if (!text) {
        return false;
    }
    return writtenAsPuzzles(plainPath, *text) || writtenAsPuzzles(plainPath, unscramble(*text));
}

} // namespace tallyrope
