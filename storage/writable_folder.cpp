#include "storage/writable_folder.h"

#include <cstdio>

namespace tallyrope {

bool canCreateFilesIn(const std::string& folder) {
    const std::string probe = folder + "TRProbe.tmp";
    std::FILE* file = std::fopen(probe.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    std::remove(probe.c_str());
    return true;
}

} // namespace tallyrope
