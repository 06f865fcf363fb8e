#pragma once
// The machine's drives and folders, as the main window's drive and directory lists read them.
#include "protect/main_window_dirs.h"

namespace win {

class DirListSource final : public protect::DirSource {
 public:
  std::vector<protect::DriveInfo> drives() override;
  std::optional<std::vector<std::string>> subfolders(const std::string& path) override;
};

}  // namespace win
