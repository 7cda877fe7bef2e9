// The one message handler of the three windows.
#pragma once

#include <windows.h>

namespace tallyrope {

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace tallyrope
