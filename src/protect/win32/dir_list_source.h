#pragma once
// The machine's drives and folders, as the main window's drive and directory lists read them.
#include "protect/form1_lists.h"

namespace protect::win32 {

class DirListSource final : public protect::DirSource {
 public:
  std::vector<protect::DriveInfo> drives() override;
  std::optional<std::vector<std::string>> subfolders(const std::string& path) override;
};

}  // namespace protect::win32
