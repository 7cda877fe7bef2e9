#include "state/random.h"

#include <cstdlib>

namespace tallyrope {

void CLibraryRandom::seed(unsigned value) {
    std::srand(value);
}

int CLibraryRandom::next() {
    return std::rand();
}

} // namespace tallyrope
