#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace tallyrope::fuzz {

void fail(const char* invariant, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, invariant);
    std::abort();
}

std::uint8_t Input::byte() {
    return empty() ? 0 : data_[used_++];
}

std::string Input::text() {
    const std::size_t length = std::min<std::size_t>(byte(), size_ - used_);
    std::string bytes(reinterpret_cast<const char*>(data_ + used_), length);
    used_ += length;
    return bytes;
}

std::string Input::rest() {
    std::string bytes(reinterpret_cast<const char*>(data_ + used_), size_ - used_);
    used_ = size_;
    return bytes;
}

ScratchFolder::ScratchFolder() {
    namespace fs = std::filesystem;
    std::random_device entropy;
    for (;;) {
        const fs::path folder =
            fs::temp_directory_path() / ("tallyrope-fuzz-" + std::to_string(entropy()));
        if (fs::create_directory(folder)) {
            prefix_ = folder.string() + "/";
            return;
        }
    }
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(prefix_, ignored);
}

void ScratchFolder::clear() const {
    for (const auto& entry : std::filesystem::directory_iterator(prefix_)) {
        std::filesystem::remove_all(entry.path());
    }
}

const ScratchFolder& emptyScratchFolder() {
    static const ScratchFolder folder;
    folder.clear();
    return folder;
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
    FUZZ_CHECK(file.good());
}

std::optional<std::string> readBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(file), {});
}

} // namespace tallyrope::fuzz
