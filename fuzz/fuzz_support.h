// What the fuzz targets share: stopping on a broken invariant, the input taken apart piece by
// piece, and a folder for the game's files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace tallyrope::fuzz {

[[noreturn]] void fail(const char* invariant, const char* file, int line);

// Stops the run when an invariant does not hold, so that libFuzzer keeps the input.
#define FUZZ_CHECK(invariant)                                                                      \
    ((invariant) ? void() : ::tallyrope::fuzz::fail(#invariant, __FILE__, __LINE__))

class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return used_ == size_; }
    // The next byte; 0 once every byte is used.
    std::uint8_t byte();
    // A byte giving a length, then that many bytes, or fewer at the end.
    std::string text();
    // Every byte not used yet.
    std::string rest();

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t used_ = 0;
};

// A folder of the process's own under the temporary folder, removed when the process ends.
class ScratchFolder {
  public:
    ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();

    // The folder as the game names its folders: with its trailing separator.
    const std::string& prefix() const { return prefix_; }
    std::string path(const std::string& name) const { return prefix_ + name; }
    // Removes everything in the folder, ready for the next input.
    void clear() const;

  private:
    std::string prefix_;
};

// The one scratch folder of the process, emptied.
const ScratchFolder& emptyScratchFolder();

// The file's bytes as they are stored.
void writeBytes(const std::string& path, const std::string& bytes);
std::optional<std::string> readBytes(const std::string& path);

} // namespace tallyrope::fuzz
