#include "game_copy.h"

#include "ui/control_table.h"
#include "ui/window_table.h"
#include "waiting.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace tallyrope::testing {

namespace {

std::string driverFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path().string();
}

std::string freshFolder() {
    static std::atomic<int> made{0};
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::ostringstream name;
    name << temp << "tallyrope-test-" << GetCurrentProcessId() << '-' << made++ << '\\';
    std::filesystem::remove_all(name.str());
    std::filesystem::create_directories(name.str());
    return name.str();
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

struct Search {
    DWORD processId;
    const char* className;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM parameter) {
    Search& search = *reinterpret_cast<Search*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (processId == search.processId && std::string(className) == search.className) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

// Wine takes the display's DPI from the prefix's registry once, as a program starts: the DPI
// is set while one starts and put back as it was afterwards.
class DisplayDpi {
  public:
    explicit DisplayDpi(int dpi) {
        RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0,
                      KEY_QUERY_VALUE | KEY_SET_VALUE, &desktop_);
        DWORD size = sizeof before_;
        wasSet_ = RegQueryValueExA(desktop_, valueName, nullptr, nullptr,
                                   reinterpret_cast<BYTE*>(&before_), &size) == ERROR_SUCCESS;
        set(static_cast<DWORD>(dpi));
    }
    DisplayDpi(const DisplayDpi&) = delete;
    DisplayDpi& operator=(const DisplayDpi&) = delete;
    ~DisplayDpi() {
        if (wasSet_) {
            set(before_);
        } else {
            RegDeleteValueA(desktop_, valueName);
        }
        RegCloseKey(desktop_);
    }

  private:
    static constexpr char valueName[] = "LogPixels";

    void set(DWORD dpi) const {
        RegSetValueExA(desktop_, valueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                       sizeof dpi);
    }

    HKEY desktop_ = nullptr;
    DWORD before_ = 0;
    bool wasSet_ = false;
};

// The name of a Wine desktop of `screen` pixels. Wine makes a desktop named in this key the size
// its value gives, and the display's own takes the size of the last one made.
std::string desktopOfSize(SIZE screen) {
    const std::string size = std::to_string(screen.cx) + "x" + std::to_string(screen.cy);
    const std::string name = "tallyrope-" + size;
    HKEY desktops = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\Explorer\\Desktops", 0, nullptr, 0,
                    KEY_SET_VALUE, nullptr, &desktops, nullptr);
    RegSetValueExA(desktops, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(size.c_str()),
                   static_cast<DWORD>(size.size() + 1));
    RegCloseKey(desktops);
    return name;
}

// Gives the display back its own size, as the test display's Xvfb makes it, by a process that
// ends at once on a desktop of that size.
void restoreDisplaySize() {
    std::string desktop = desktopOfSize({2560, 1600});
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.lpDesktop = desktop.data();
    // Without arguments rundll32 only starts, on its desktop, and ends.
    char command[] = "C:\\windows\\system32\\rundll32.exe";
    PROCESS_INFORMATION started{};
    if (CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &started)) {
        WaitForSingleObject(started.hProcess, startTimeout);
        CloseHandle(started.hProcess);
        CloseHandle(started.hThread);
    }
}

} // namespace

Files usualFiles() {
    return {{"TRData.dat", onlyPuzzle},
            {"TRStats.dat", "120 3 2 40 1 5"},
            {"TRC_CONFIG.INI", "Disable_Console= 0\r\nDisable_VCCntls= 0\r\n"}};
}

HWND findWindowOf(DWORD processId, const char* className, const std::string& desktop) {
    Search search{processId, className, nullptr};
    if (desktop.empty()) {
        EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    } else if (HDESK opened = OpenDesktopA(desktop.c_str(), 0, FALSE,
                                           DESKTOP_READOBJECTS | DESKTOP_ENUMERATE)) {
        EnumDesktopWindows(opened, matchWindow, reinterpret_cast<LPARAM>(&search));
        CloseDesktop(opened);
    }
    return search.found;
}

GameCopy::GameCopy(const Files& files) : folder_(freshFolder()) {
    std::filesystem::copy_file(driverFolder() + "\\tallyrope.exe", folder_ + "tallyrope.exe");
    for (const auto& [name, bytes] : files) {
        writeBytes(folder_ + name, bytes);
    }
}

void GameCopy::addHelpFile() const {
    std::filesystem::copy_file(driverFolder() + "\\tallyrope-help.chm",
                               folder_ + "tallyrope-help.chm");
}

GameCopy::~GameCopy() {
    if (process_.hProcess != nullptr) {
        if (running()) {
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, answerTimeout);
        }
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
    if (!desktop_.empty()) {
        restoreDisplaySize();
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

PROCESS_INFORMATION GameCopy::launch() const {
    std::string program = folder_ + "tallyrope.exe";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string desktop = desktop_;
    startup.lpDesktop = desktop.empty() ? nullptr : desktop.data();
    PROCESS_INFORMATION started{};
    // Started from another working folder: the program must find its files beside itself.
    const std::string elsewhere =
        std::filesystem::path(folder_).parent_path().parent_path().string();
    if (!CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                        elsewhere.c_str(), &startup, &started)) {
        throw std::runtime_error("cannot start " + program);
    }
    return started;
}

bool GameCopy::start() {
    desktop_.clear();
    return startHere();
}

bool GameCopy::startHere() {
    if (process_.hProcess != nullptr) {
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
    process_ = launch();
    percent_ = 100;
    // Idle means in the message loop: start-up, the configuration included, is over.
    return WaitForInputIdle(process_.hProcess, startTimeout) == 0 &&
           waitUntil([this] { return shown(Window::Main); });
}

bool GameCopy::start(int dpi) {
    const DisplayDpi display(dpi);
    const bool started = start();
    percent_ = dpi * 100 / 96;
    return started;
}

bool GameCopy::start(int dpi, SIZE screen) {
    desktop_ = desktopOfSize(screen);
    const DisplayDpi display(dpi);
    const bool started = startHere();
    percent_ = dpi * 100 / 96;
    return started;
}

HANDLE GameCopy::startAnother() const {
    const PROCESS_INFORMATION another = launch();
    CloseHandle(another.hThread);
    return another.hProcess;
}

bool GameCopy::running() const {
    return process_.hProcess != nullptr &&
           WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

bool GameCopy::waitForExit(DWORD& exitCode, DWORD timeout) {
    if (WaitForSingleObject(process_.hProcess, timeout) != WAIT_OBJECT_0) {
        return false;
    }
    return GetExitCodeProcess(process_.hProcess, &exitCode) != 0;
}

HWND GameCopy::window(Window which) const {
    return findWindowOf(process_.dwProcessId, windowRow(which).className, desktop_);
}

bool GameCopy::shown(Window which) const {
    return (GetWindowLongA(window(which), GWL_STYLE) & WS_VISIBLE) != 0;
}

HWND GameCopy::control(int id) const {
    const ControlRow* row = findControl(id);
    return row == nullptr ? nullptr : GetDlgItem(window(row->parent), id);
}

LRESULT GameCopy::send(HWND target, UINT message, WPARAM wParam, LPARAM lParam) const {
    DWORD_PTR result = 0;
    if (SendMessageTimeoutA(target, message, wParam, lParam, SMTO_NORMAL, answerTimeout, &result) ==
        0) {
        throw std::runtime_error("the program did not answer message " + std::to_string(message));
    }
    return static_cast<LRESULT>(result);
}

LRESULT GameCopy::send(HWND target, UINT message, WPARAM wParam, const RECT& rect) const {
    void* copy = VirtualAllocEx(process_.hProcess, nullptr, sizeof rect, MEM_COMMIT | MEM_RESERVE,
                                PAGE_READWRITE);
    if (copy == nullptr ||
        !WriteProcessMemory(process_.hProcess, copy, &rect, sizeof rect, nullptr)) {
        throw std::runtime_error("cannot write into the program's memory");
    }
    const LRESULT result = send(target, message, wParam, reinterpret_cast<LPARAM>(copy));
    VirtualFreeEx(process_.hProcess, copy, 0, MEM_RELEASE);
    return result;
}

std::string GameCopy::text(int id) const {
    HWND shown = control(id);
    const auto length = static_cast<std::size_t>(send(shown, WM_GETTEXTLENGTH));
    std::vector<char> buffer(length + 1, '\0');
    const auto copied = static_cast<std::size_t>(
        send(shown, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data())));
    return std::string(buffer.data(), copied);
}

bool GameCopy::visible(int id) const {
    return (GetWindowLongA(control(id), GWL_STYLE) & WS_VISIBLE) != 0;
}

RECT GameCopy::screenRect(HWND target) const {
    RECT rect{};
    GetWindowRect(target, &rect);
    return rect;
}

void GameCopy::press(int id) const {
    HWND button = control(id);
    send(GetParent(button), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
         reinterpret_cast<LPARAM>(button));
}

void GameCopy::post(int id) const {
    HWND button = control(id);
    PostMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

void GameCopy::click(Window which, Point client) const {
    const LPARAM at = MAKELPARAM(client.x, client.y);
    send(window(which), WM_LBUTTONDOWN, MK_LBUTTON, at);
    send(window(which), WM_LBUTTONUP, 0, at);
}

void GameCopy::clickControl(int id) const {
    const ControlRow& row = *findControl(id);
    // The first device pixel of the table point.
    const auto device = [this](int table) { return (table * percent_ + 99) / 100; };
    click(row.parent, {device(row.x + row.width / 2), device(row.y + row.height / 2)});
}

void GameCopy::key(int virtualKey) const {
    send(window(Window::Main), WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
}

void GameCopy::type(int id, const std::string& text) const {
    send(control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool GameCopy::hasFile(const std::string& name) const {
    return std::filesystem::exists(folder_ + name);
}

std::string GameCopy::file(const std::string& name) const {
    std::ifstream in(folder_ + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace tallyrope::testing
