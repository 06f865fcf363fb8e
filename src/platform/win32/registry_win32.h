#pragma once
#include <windows.h>

#include "platform/registry.h"
#include "platform/settings_store.h"

namespace platform::win32 {

HKEY rootKey(platform::RootKey root);

class RegistryWin32 final : public platform::Registry {
 public:
  long createKey(platform::RootKey root, const std::string& path, Key& key) override;
  long setValue(Key key, const std::string& name, std::uint32_t type, const std::vector<std::uint8_t>& data) override;
  long closeKey(Key key) override;
  bool writeProfileString(const std::string& section, const std::string& key, const std::string& value,
                          const std::string& file) override;
  bool fileExists(const std::string& path) override;
};

// Settings under HKEY_CURRENT_USER\Software\<app>\<section>, one REG_SZ per key, written and read
// through the ANSI calls so that codes 128..255 round-trip through the system code page.
class SettingsStoreWin32 final : public platform::SettingsStore {
 public:
  std::string get(const std::string& app, const std::string& section, const std::string& key,
                  const std::string& defaultValue) override;
  bool save(const std::string& app, const std::string& section, const std::string& key,
            const std::string& value) override;
  bool remove(const std::string& app, const std::string& section, const std::string& key) override;
};

}  // namespace platform::win32
