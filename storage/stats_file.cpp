#include "storage/stats_file.h"

#include "storage/decimal.h"
#include "storage/text_file.h"

namespace tallyrope {

void loadScores(Stats& stats, const std::string& path) {
    const std::optional<std::string> text = readTextFile(path);
    if (!text) {
        return;
    }
    std::size_t position = 0;
    for (std::int32_t* counter : {&stats.pscoreone, &stats.pwinsone, &stats.plossone,
                                  &stats.pscoretwo, &stats.pwinstwo, &stats.plosstwo}) {
        const std::optional<std::int32_t> value = readDecimal(*text, position);
        if (!value) {
            return;
        }
        *counter = *value;
    }
}

bool saveScores(const Stats& stats, const std::string& path) {
    const std::string text = stats.pallone() + " " + stats.pwinone() + " " + stats.plosone() + " " +
                             stats.palltwo() + " " + stats.pwintwo() + " " + stats.plostwo();
    return writeTextFileSafely(path, text);
}

} // namespace tallyrope
