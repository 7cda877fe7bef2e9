// What a screen reader calls each owner-drawn button: its window text, which nothing draws.
#pragma once

namespace tallyrope {

// The name of button `id`; the sound button's says whether sound is on. Empty for a control that
// is not an owner-drawn button.
const char* buttonName(int id, bool soundOn);

} // namespace tallyrope
