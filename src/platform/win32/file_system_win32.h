#pragma once
#include <string>

#include "platform/file_system.h"

namespace platform::win32 {

// Paths of MAX_PATH or more get the \\?\ form so folders of any length can be held.
std::wstring extendedPath(const std::string& utf8Path);

class FileSystemWin32 final : public platform::FileSystem {
 public:
  platform::HandleValue openDirectory(const std::string& path, std::uint32_t shareMode) override;
  bool lastOpenBusy() const override { return lastOpenBusy_; }
  bool closeHandle(platform::HandleValue handle) override;
  std::optional<std::vector<platform::DirEntry>> listHeld(platform::HandleValue directory) override;
  platform::HandleValue holdEntry(const std::string& path, platform::HoldAs as, bool link) override;
  std::optional<std::uint32_t> attributes(const std::string& path) override;
  bool setAttributes(const std::string& path, std::uint32_t attributes) override;
  bool exists(const std::string& path) override;
  bool deleteFile(const std::string& path) override;
  bool createDirectory(const std::string& path) override;
  bool removeDirectory(const std::string& path) override;
  std::optional<std::string> readFile(const std::string& path) override;
  bool replaceFile(const std::string& path, const std::string& bytes) override;
  bool createFile(const std::string& path, const std::string& bytes) override;
  std::string nameKey(const std::string& path) override;
  std::string systemDirectory() override;
  std::string commonDataDirectory() override;

 private:
  bool lastOpenBusy_ = false;
};

}  // namespace platform::win32
