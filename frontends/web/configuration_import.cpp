#include "frontends/web/configuration_import.h"

#include "state/settings.h"
#include "storage/config_file.h"

#include <cstdint>
#include <limits>

namespace tallyrope {

namespace {

Settings readFrom(const std::string& path, std::int32_t unread) {
    Settings settings;
    settings.ConsoleUse = unread;
    settings.EditingUse = unread;
    Userchoice(settings, path);
    return settings;
}

} // namespace

// The reader leaves a lock it cannot read as it was: read from two different starting values,
// a lock it found comes out the same both times.
bool yieldsBothLocks(const std::string& path) {
    const Settings low = readFrom(path, std::numeric_limits<std::int32_t>::min());
    const Settings high = readFrom(path, std::numeric_limits<std::int32_t>::max());
    return low.ConsoleUse == high.ConsoleUse && low.EditingUse == high.EditingUse;
}

} // namespace tallyrope
