#include "frontends/sdl/screen_state.h"

namespace tallyrope {

ControlState* ScreenState::find(int id) {
    const auto found = controls.find(id);
    return found == controls.end() ? nullptr : &found->second;
}

const ControlState* ScreenState::find(int id) const {
    const auto found = controls.find(id);
    return found == controls.end() ? nullptr : &found->second;
}

} // namespace tallyrope
