// The tables that cmake/embed_resources.cmake generates: every numbered resource file compiled
// into the program, by kind. Only embedded_resources.cpp reads them.
#pragma once

#include <cstddef>

namespace tallyrope::embedded {

struct File {
    int id;
    const unsigned char* begin;
    const unsigned char* end;
};

extern const File bitmaps[];
extern const std::size_t bitmapCount;
extern const File sounds[];
extern const std::size_t soundCount;

} // namespace tallyrope::embedded
