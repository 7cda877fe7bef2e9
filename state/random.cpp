#include "state/random.h"

#include <limits>

namespace tallyrope {

void MersenneRandom::seed(unsigned value) {
    engine_.seed(value);
}

int MersenneRandom::next() {
    return std::uniform_int_distribution<int>(0, std::numeric_limits<int>::max())(engine_);
}

} // namespace tallyrope
