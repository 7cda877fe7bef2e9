// The scrambled puzzle store: the puzzle database file's bytes, each shifted by one of ten
// amounts in turn. At start-up it becomes the plain working file; at quit the working file goes
// back into it and is replaced by a notice. Both go a stretch at a time, so that memory stays
// the same whatever the size of the store.
#pragma once

#include "storage/text_file.h"

#include <cstddef>
#include <string>

namespace tallyrope {

// Shifts bytes by the amounts of the cycle, going on from one stretch to the next where the
// last one stopped: byte i of the whole gets the amount at place i mod 10 of the cycle.
class ShiftCycle {
  public:
    void scramble(std::string& bytes);
    void unscramble(std::string& bytes);

  private:
    // `amounts` holds the cycle over and over, from its first place.
    void shift(std::string& bytes, const unsigned char* amounts);

    std::size_t place_ = 0;
};

// The bytes of `plain`, byte i shifted up by the amount at place i mod 10 of the cycle.
std::string scramble(std::string plain);
// The inverse of scramble.
std::string unscramble(std::string stored);

// What packing does with a database whose scrambled bytes hold the end-of-file mark, which would
// cut the store short when it is read back.
enum class EndMarkInStore { Written, Refused };

// Scrambles the puzzle database `plainPath` into the store `storePath`, and unscrambles a store
// back into a database. The file written is replaced only when complete.
Transfer packStore(const std::string& plainPath, const std::string& storePath,
                   EndMarkInStore endMark);
Transfer unpackStore(const std::string& storePath, const std::string& plainPath);

// Start-up: unscrambles the store into the working file. A missing store leaves the working
// file as it is. True when the working file was written.
bool OnLoads(const std::string& LoadsFile, const std::string& WordsFile);

// Quit: scrambles the working file into the store, then purges the working file. Each file is
// replaced only after a complete write, so a failure loses nothing. True when both were written.
bool OnExits(const std::string& WordsFile, const std::string& LoadsFile);

// What the working file holds after a quit.
inline const char* const purgeNotice = "Data purged...";

} // namespace tallyrope
