// Each player's points, wins and losses, kept between runs in the statistics file.
#pragma once

#include <cstdint>
#include <string>

namespace tallyrope {

struct Stats {
    std::int32_t pscoreone = 0;
    std::int32_t pwinsone = 0;
    std::int32_t plossone = 0;
    std::int32_t pscoretwo = 0;
    std::int32_t pwinstwo = 0;
    std::int32_t plosstwo = 0;

    // The texts the score controls show: each counter in decimal.
    std::string pallone() const { return std::to_string(pscoreone); }
    std::string pwinone() const { return std::to_string(pwinsone); }
    std::string plosone() const { return std::to_string(plossone); }
    std::string palltwo() const { return std::to_string(pscoretwo); }
    std::string pwintwo() const { return std::to_string(pwinstwo); }
    std::string plostwo() const { return std::to_string(plosstwo); }
};

} // namespace tallyrope
