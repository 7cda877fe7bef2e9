// A fresh folder under the system's temporary folder for one test, removed with everything in
// it when the test ends. Files are read and written as raw bytes, outside text mode.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <set>
#include <string>

namespace tallyrope::testing {

class TempFolder {
  public:
    TempFolder() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::string stem = std::string("tallyrope-") + (test ? test->name() : "test") + "-";
        std::random_device entropy;
        for (;;) {
            root_ = std::filesystem::temp_directory_path() / (stem + std::to_string(entropy()));
            if (std::filesystem::create_directory(root_)) {
                break;
            }
        }
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(root_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(root_, ignored);
    }

    const std::filesystem::path& root() const { return root_; }
    std::string path(const std::string& name) const { return (root_ / name).string(); }

    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream file(root_ / name, std::ios::binary | std::ios::trunc);
        file << bytes;
        ASSERT_TRUE(file.good()) << "could not write " << name;
    }

    std::optional<std::string> read(const std::string& name) const {
        std::ifstream file(root_ / name, std::ios::binary);
        if (!file || std::filesystem::is_directory(root_ / name)) {
            return std::nullopt;
        }
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    // The names of everything directly in the folder.
    std::set<std::string> names() const {
        std::set<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(root_)) {
            found.insert(entry.path().filename().string());
        }
        return found;
    }

  private:
    std::filesystem::path root_;
};

} // namespace tallyrope::testing
