#include "frontends/sdl/data_folder.h"

#include "state/session.h"

#include <filesystem>

namespace tallyrope {

namespace fs = std::filesystem;

namespace {

// A portable copy holds the English puzzles, whichever language it plays.
constexpr char storeName[] = "OnLoad.dat";
constexpr char workingName[] = "TRData.dat";

std::string withSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

bool holdsPuzzles(const std::string& folder) {
    std::error_code error;
    return fs::exists(folder + storeName, error) || fs::exists(folder + workingName, error);
}

} // namespace

std::string programFolder() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string("./") : withSlash(program.parent_path().string());
}

std::string chooseDataFolder(const std::string& given, const std::string& programFolder,
                             const char* xdgDataHome, const char* home) {
    if (!given.empty()) {
        return withSlash(given);
    }
    if (holdsPuzzles(programFolder)) {
        return programFolder;
    }
    // An XDG base folder must be absolute; a relative one is ignored.
    if (xdgDataHome != nullptr && xdgDataHome[0] == '/') {
        return withSlash(xdgDataHome) + "tallyrope/";
    }
    return withSlash(home != nullptr && home[0] != '\0' ? home : ".") + ".local/share/tallyrope/";
}

std::string shippedFile(const std::string& programFolder, const std::string& name) {
    const std::string beside = programFolder + name;
    const std::string installed = programFolder + "../share/tallyrope/" + name;
    std::error_code error;
    if (!fs::exists(beside, error) && fs::exists(installed, error)) {
        return fs::weakly_canonical(installed, error).string();
    }
    return beside;
}

bool makeDataFolder(const std::string& dataFolder) {
    std::error_code error;
    fs::create_directories(dataFolder, error);
    return fs::is_directory(dataFolder, error);
}

void seedStore(const std::string& dataFolder, const std::string& languageCode,
               const std::function<std::string(const std::string& name)>& shippedFile) {
    const Paths names = Paths::inFolder("", languageCode);
    std::error_code error;
    if (fs::exists(dataFolder + names.LoadsFile, error) ||
        fs::exists(dataFolder + names.WordsFile, error)) {
        return;
    }
    const std::string shipped = shippedFile(names.LoadsFile);
    if (fs::exists(shipped, error)) {
        fs::copy_file(shipped, dataFolder + names.LoadsFile, error);
    }
}

} // namespace tallyrope
