// Waiting for something the program does in its own time.
#pragma once

#include <windows.h>

namespace tallyrope::testing {

// How long the program may take to start under Wine, and to answer anything else.
constexpr DWORD startTimeout = 30000;
constexpr DWORD answerTimeout = 10000;

// Polls `condition` until it holds or `timeout` milliseconds have passed; true if it held.
template <class Condition> bool waitUntil(Condition condition, DWORD timeout = answerTimeout) {
    const ULONGLONG end = GetTickCount64() + timeout;
    while (!condition()) {
        if (GetTickCount64() > end) {
            return false;
        }
        Sleep(10);
    }
    return true;
}

} // namespace tallyrope::testing
