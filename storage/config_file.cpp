#include "storage/config_file.h"

#include "storage/decimal.h"
#include "storage/text_file.h"

#include <optional>

namespace tallyrope {

const char* const defaultConfiguration = "Disable_Console= 1\n"
                                         "Disable_VCCntls= 1\n"
                                         "\n"
                                         "//To Enable Edit Cntls:  set value(s) to '0'\n"
                                         "//Editing this file incorrectly, or removing\n"
                                         "//content may result in program failure.  If\n"
                                         "//proper file format is lost, delete file...";

void Userchoice(Settings& settings, const std::string& TimerFile) {
    const std::optional<std::string> text = readTextFile(TimerFile);
    if (!text) {
        settings.ConsoleUse = 1;
        writeTextFileSafely(TimerFile, defaultConfiguration);
        return;
    }
    std::size_t position = 0;
    for (std::int32_t* lock : {&settings.ConsoleUse, &settings.EditingUse}) {
        position = text->find('=', position);
        if (position == std::string::npos) {
            return;
        }
        ++position;
        const std::optional<std::int32_t> value = readDecimal(*text, position);
        if (!value) {
            return;
        }
        *lock = *value;
    }
}

} // namespace tallyrope
