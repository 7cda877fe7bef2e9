#include "frontends/sdl/screen_state.h"

namespace tallyrope {

bool ScreenState::onView(Window window) const {
    const auto slot = static_cast<std::size_t>(window);
    return windowShown[slot] && !windowMinimized[slot];
}

ControlState* ScreenState::find(int id) {
    const auto found = controls.find(id);
    return found == controls.end() ? nullptr : &found->second;
}

const ControlState* ScreenState::find(int id) const {
    const auto found = controls.find(id);
    return found == controls.end() ? nullptr : &found->second;
}

} // namespace tallyrope
