#pragma once
#include "platform/shell.h"

namespace platform::win32 {

class ShellWin32 final : public platform::Shell {
 public:
  bool isUserAnAdmin() override;
  bool open(const std::string& target) override;
  void folderChanged(const std::string& path) override;
  void directoryChanged(const std::string& path) override;
  std::string applicationDirectory() override;
};

}  // namespace platform::win32
