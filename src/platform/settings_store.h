#pragma once
// The per-user application settings: application, section, key -> string.
// Values are bytes of the ANSI code page, so every code 0..255 round-trips.
#include <string>

namespace platform {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::string get(const std::string& app, const std::string& section, const std::string& key,
                          const std::string& defaultValue) = 0;
  // False when the store refused the write.
  virtual bool save(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& value) = 0;
  virtual bool remove(const std::string& app, const std::string& section, const std::string& key) = 0;
};

}  // namespace platform
