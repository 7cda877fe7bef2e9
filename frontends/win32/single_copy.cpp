#include "frontends/win32/single_copy.h"

#include "frontends/win32/program_folder.h"
#include "text/latin_case.h"
#include "ui/window_table.h"

#include <cstdint>
#include <cstdio>

namespace tallyrope {

namespace {

constexpr char prefix[] = "Local\\Tallyrope:";
// Object names are limited to MAX_PATH characters.
constexpr std::size_t longestName = MAX_PATH - 1;
constexpr std::size_t keptTail = 160;

std::string hashText(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char byte : text) {
        hash = (hash ^ byte) * 1099511628211ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return hex;
}

std::string processFolder(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) {
        return {};
    }
    char path[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    const bool known = QueryFullProcessImageNameA(process, 0, path, &length) != 0;
    CloseHandle(process);
    return known ? folderOf(std::string(path, length)) : std::string();
}

struct Search {
    std::string mutexName;
    HWND found = nullptr;
};

BOOL CALLBACK matchMainWindow(HWND window, LPARAM parameter) {
    Search& search = *reinterpret_cast<Search*>(parameter);
    const WindowRow& main = windowRow(Window::Main);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (std::string(className) == main.className && processId != GetCurrentProcessId() &&
        folderMutexName(processFolder(processId)) == search.mutexName) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

std::string folderMutexName(const std::string& folder) {
    std::string name = lowerCase(folder);
    for (char& c : name) {
        if (c == '\\') {
            c = '/';
        }
    }
    if (sizeof prefix - 1 + name.size() > longestName) {
        name = hashText(name) + name.substr(name.size() - keptTail);
    }
    return prefix + name;
}

FolderClaim::FolderClaim(const std::string& folder) {
    mutex_ = CreateMutexA(nullptr, FALSE, folderMutexName(folder).c_str());
    // A mutex that cannot be made at all guards nothing; the copy runs as it would without it.
    taken_ = mutex_ == nullptr || GetLastError() != ERROR_ALREADY_EXISTS;
}

FolderClaim::~FolderClaim() {
    if (mutex_ != nullptr) {
        CloseHandle(mutex_);
    }
}

void bringRunningCopyForward(const std::string& folder) {
    Search search{folderMutexName(folder)};
    EnumWindows(matchMainWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) {
        return;
    }
    if (IsIconic(search.found)) {
        ShowWindow(search.found, SW_RESTORE);
    }
    SetForegroundWindow(search.found);
}

} // namespace tallyrope
