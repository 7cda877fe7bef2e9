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

// Scrambles the puzzle database `plainPath` into the store `storePath`, and unscrambles a store
// back into a database. The file written is replaced only when complete. A database whose
// scrambled bytes would hold the end-of-file mark is refused: the store would be read back cut
// short there. That happens only to control bytes, never to printable ones, tabs or line breaks.
Transfer packStore(const std::string& plainPath, const std::string& storePath);
Transfer unpackStore(const std::string& storePath, const std::string& plainPath);

// Start-up: unscrambles the store into the working file. A missing store leaves the working
// file as it is. A working file that a run left without its quit steps, one that is not the
// purge notice and not older than the store, is first packed into the store; when that is
// refused or fails, the working file is kept as found. True when the working file was written.
bool OnLoads(const std::string& LoadsFile, const std::string& WordsFile);

// Quit: packs the working file into the store, then purges the working file. Each file is
// replaced only after a complete write, so a failure loses nothing; a refused working file stays
// unpurged and the store as it was. True when both were written.
bool OnExits(const std::string& WordsFile, const std::string& LoadsFile);

// What the working file holds after a quit.
inline const char* const purgeNotice = "Data purged...";

} // namespace tallyrope
