#include "ui/text_fit.h"

namespace tallyrope {

std::size_t longestFit(std::size_t count, const std::function<bool(std::size_t)>& fits) {
    if (fits(count)) {
        return count;
    }
    std::size_t fitting = 0;
    std::size_t tooWide = count;
    while (tooWide - fitting > 1) {
        const std::size_t middle = fitting + (tooWide - fitting) / 2;
        if (fits(middle)) {
            fitting = middle;
        } else {
            tooWide = middle;
        }
    }
    return fitting;
}

} // namespace tallyrope
