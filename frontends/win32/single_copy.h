// One running copy per program folder: two copies on the same files would overwrite each
// other's working file and could leave the store holding only the purge notice.
#pragma once

#include <string>

#include <windows.h>

namespace tallyrope {

// The name of the mutex that marks `folder` as in use. Folders that differ only in the case
// of their letters are the same folder.
std::string folderMutexName(const std::string& folder);

class FolderClaim {
  public:
    // Claims `folder`; a claim already held by a running copy is not taken.
    explicit FolderClaim(const std::string& folder);
    FolderClaim(const FolderClaim&) = delete;
    FolderClaim& operator=(const FolderClaim&) = delete;
    ~FolderClaim();

    bool taken() const { return taken_; }

  private:
    HANDLE mutex_ = nullptr;
    bool taken_ = false;
};

// Brings the main window of the copy running from `folder` to the front, restoring it when
// minimized.
void bringRunningCopyForward(const std::string& folder);

} // namespace tallyrope
