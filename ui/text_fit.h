// How much of a typed or pasted text an edit box that never scrolls takes in.
#pragma once

#include <cstddef>
#include <functional>

namespace tallyrope {

// The most of `count` characters that fit, where `fits(n)` says whether the first n do; a text
// only grows wider as characters are added, so the answer is searched for.
std::size_t longestFit(std::size_t count, const std::function<bool(std::size_t)>& fits);

} // namespace tallyrope
