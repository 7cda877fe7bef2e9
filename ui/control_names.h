// What a screen reader calls each control whose meaning its art shows: the owner-drawn buttons
// and the edit boxes. The Windows program gives a button its name as its window text, which
// nothing draws; the page gives each its accessible name.
#pragma once

#include <string>

namespace tallyrope {

// The name of control `id` in the language of `code`; the sound button's says whether sound is
// on. Empty for a control without one.
const char* controlName(int id, bool soundOn, const std::string& code);

} // namespace tallyrope
