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

// 42 bytes a record, near the average of the shipped collection.
std::string databaseText(std::int64_t records) {
    std::string text;
    text.reserve(static_cast<std::size_t>(records) * 42);
    char record[64];
    for (std::int64_t i = 0; i < records; ++i) {
        const int length =
            std::snprintf(record, sizeof record,
                          "puzzle number %07lld;its hint is %07lld:", static_cast<long long>(i),
                          static_cast<long long>(i));
        text.append(record, static_cast<std::size_t>(length));
    }
    return text;
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
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
            writeFile(folder / "TRData.dat", databaseText(records));
        }
        return folder.string() + "/";
    }

    std::string store() {
        const fs::path folder = root_ / "store";
        if (!fs::exists(folder)) {
            fs::create_directory(folder);
            writeFile(folder / "TRData.dat", databaseText(storeRecords));
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
