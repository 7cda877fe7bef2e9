#include "state/session.h"

namespace tallyrope {

Paths Paths::inFolder(const std::string& folder) {
    return Paths{folder,
                 folder + "tallyrope-help.chm",
                 folder + "TRStats.dat",
                 folder + "TRData.dat",
                 folder + "TRC_CONFIG.INI",
                 folder + "OnLoad.dat"};
}

} // namespace tallyrope
