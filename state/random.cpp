#include "state/random.h"

#include <limits>

namespace tallyrope {

void CLibraryRandom::seed(unsigned value) {
    engine_.seed(value);
}

int CLibraryRandom::next() {
    return std::uniform_int_distribution<int>(0, std::numeric_limits<int>::max())(engine_);
}

} // namespace tallyrope
