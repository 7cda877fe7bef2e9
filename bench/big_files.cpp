#include "big_files.h"

#include "storage/puzzle_store.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

namespace tallyrope::bench {

namespace {

namespace fs = std::filesystem;

// 42 bytes a record, near the average of the shipped collection, written a chunk at a time so
// that the benchmark's own memory stays small.
void writeDatabase(const fs::path& path, std::int64_t records) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    std::string chunk;
    char record[64];
    for (std::int64_t i = 0; i < records; ++i) {
        const int length =
            std::snprintf(record, sizeof record,
                          "puzzle number %07lld;its hint is %07lld:", static_cast<long long>(i),
                          static_cast<long long>(i));
        chunk.append(record, static_cast<std::size_t>(length));
        if (chunk.size() > 1024 * 1024 || i + 1 == records) {
            file.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
            chunk.clear();
        }
    }
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

class GeneratedFiles {
  public:
    GeneratedFiles()
        : root_(fs::temp_directory_path() /
                ("tallyrope-bench-" + std::to_string(std::random_device{}()))) {
        fs::create_directories(root_);
    }
    GeneratedFiles(const GeneratedFiles&) = delete;
    GeneratedFiles& operator=(const GeneratedFiles&) = delete;
    ~GeneratedFiles() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    std::string database(std::int32_t records) {
        const fs::path folder = root_ / ("database-" + std::to_string(records));
        if (!fs::exists(folder)) {
            fs::create_directory(folder);
            writeDatabase(folder / "TRData.dat", records);
        }
        return folder.string() + "/";
    }

    std::string store() {
        const fs::path folder = root_ / "store";
        if (!fs::exists(folder)) {
            fs::create_directory(folder);
            writeDatabase(folder / "TRData.dat", storeRecords);
            if (!OnExits((folder / "TRData.dat").string(), (folder / "OnLoad.dat").string())) {
                throw std::runtime_error("cannot make the store in " + folder.string());
            }
        }
        return folder.string() + "/";
    }

  private:
    static constexpr std::int64_t storeRecords = 2'400'000; // 100.8 MB

    fs::path root_;
};

GeneratedFiles& generated() {
    static GeneratedFiles files;
    return files;
}

} // namespace

std::string databaseFolder(std::int32_t records) {
    return generated().database(records);
}

std::string storeFolder() {
    return generated().store();
}

std::int64_t fileSize(const std::string& path) {
    return static_cast<std::int64_t>(fs::file_size(path));
}

void plainRead(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        throw std::runtime_error("cannot read " + path);
    }
    static char buffer[64 * 1024];
    while (std::fread(buffer, 1, sizeof buffer, file) == sizeof buffer) {
    }
    std::fclose(file);
}

} // namespace tallyrope::bench
