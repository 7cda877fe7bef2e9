#include "state/session.h"

namespace tallyrope {

namespace {

std::string puzzleFileName(const std::string& stem, const std::string& languageCode) {
    return languageCode == "en" ? stem + ".dat" : stem + "-" + languageCode + ".dat";
}

} // namespace

Paths Paths::inFolder(const std::string& folder, const std::string& languageCode) {
    Paths paths{folder,
                folder + "tallyrope-help.chm",
                folder + "TRStats.dat",
                "",
                folder + "TRC_CONFIG.INI",
                "",
                folder + "TRLanguage.dat"};
    paths.forLanguage(languageCode);
    return paths;
}

void Paths::forLanguage(const std::string& languageCode) {
    WordsFile = getDrivePath + puzzleFileName("TRData", languageCode);
    LoadsFile = getDrivePath + puzzleFileName("OnLoad", languageCode);
}

} // namespace tallyrope
