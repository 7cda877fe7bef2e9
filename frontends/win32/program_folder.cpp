#include "frontends/win32/program_folder.h"

#include <windows.h>

namespace tallyrope {

std::string folderOf(const std::string& programPath) {
    const std::size_t backslash = programPath.rfind('\\');
    return backslash == std::string::npos ? std::string() : programPath.substr(0, backslash + 1);
}

std::string programFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return folderOf(std::string(path, length));
}

} // namespace tallyrope
