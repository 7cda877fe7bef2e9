// One running copy per data folder: two copies on the same files would overwrite each other's
// working file and could leave the store holding only the purge notice.
#pragma once

#include <string>

namespace tallyrope {

class FolderLock {
  public:
    // Locks `folder` itself (no file is made); a lock held by a running copy is not taken.
    explicit FolderLock(const std::string& folder);
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock();

    bool taken() const { return taken_; }

  private:
    int descriptor_ = -1;
    bool taken_ = false;
};

} // namespace tallyrope
