#include "game/stats.h"

namespace tallyrope {

void resetStats(Stats& stats, std::int32_t playertype) {
    if (playertype == 1) {
        stats.pscoreone = stats.pwinsone = stats.plossone = 0;
    } else if (playertype == 2) {
        stats.pscoretwo = stats.pwinstwo = stats.plosstwo = 0;
    }
}

} // namespace tallyrope
