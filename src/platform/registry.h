#pragma once
// The registry calls of the registry writer, kept as close to the system's as a port can be.
// Key paths, value names and data are bytes in the ANSI code page.
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The predefined root keys, with the values the system gives them.
enum class RootKey : std::uint32_t {
  ClassesRoot = 0x80000000u,
  CurrentUser = 0x80000001u,
  LocalMachine = 0x80000002u,
  Users = 0x80000003u,
  CurrentConfig = 0x80000005u,
  DynData = 0x80000006u,
};

namespace regtype {
constexpr std::uint32_t kString = 1;  // REG_SZ
constexpr std::uint32_t kBinary = 3;  // REG_BINARY
constexpr std::uint32_t kDword = 4;   // REG_DWORD
}  // namespace regtype

class Registry {
 public:
  using Key = std::uintptr_t;
  virtual ~Registry() = default;

  // Each returns 0 or the system's error code.
  virtual long createKey(RootKey root, const std::string& path, Key& key) = 0;
  virtual long setValue(Key key, const std::string& name, std::uint32_t type,
                        const std::vector<std::uint8_t>& data) = 0;
  virtual long closeKey(Key key) = 0;

  virtual bool writeProfileString(const std::string& section, const std::string& key, const std::string& value,
                                  const std::string& file) = 0;
  virtual bool fileExists(const std::string& path) = 0;
};

}  // namespace platform
