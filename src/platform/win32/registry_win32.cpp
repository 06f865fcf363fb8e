#include "platform/win32/registry_win32.h"

#include "platform/win32/handles.h"

namespace platform::win32 {

HKEY rootKey(platform::RootKey root) {
  switch (root) {
    case platform::RootKey::ClassesRoot: return HKEY_CLASSES_ROOT;
    case platform::RootKey::CurrentUser: return HKEY_CURRENT_USER;
    case platform::RootKey::LocalMachine: return HKEY_LOCAL_MACHINE;
    case platform::RootKey::Users: return HKEY_USERS;
    case platform::RootKey::CurrentConfig: return HKEY_CURRENT_CONFIG;
    case platform::RootKey::DynData: return HKEY_DYN_DATA;
  }
  return nullptr;
}

long RegistryWin32::createKey(platform::RootKey root, const std::string& path, Key& key) {
  HKEY created = nullptr;
  DWORD disposition = 0;
  char emptyClass[] = "";
  const LONG rc = ::RegCreateKeyExA(rootKey(root), path.c_str(), 0, emptyClass, REG_OPTION_NON_VOLATILE,
                                    KEY_SET_VALUE | KEY_CREATE_SUB_KEY, nullptr, &created, &disposition);
  key = reinterpret_cast<Key>(created);
  return rc;
}

long RegistryWin32::setValue(Key key, const std::string& name, std::uint32_t type,
                             const std::vector<std::uint8_t>& data) {
  return ::RegSetValueExA(reinterpret_cast<HKEY>(key), name.c_str(), 0, type, data.data(),
                          static_cast<DWORD>(data.size()));
}

long RegistryWin32::closeKey(Key key) { return ::RegCloseKey(reinterpret_cast<HKEY>(key)); }

bool RegistryWin32::writeProfileString(const std::string& section, const std::string& key, const std::string& value,
                                       const std::string& file) {
  return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != FALSE;
}

bool RegistryWin32::fileExists(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {
std::string settingsPath(const std::string& app, const std::string& section) {
  return "Software\\" + app + "\\" + section;
}
}  // namespace

std::string SettingsStoreWin32::get(const std::string& app, const std::string& section, const std::string& key,
                                    const std::string& defaultValue) {
  HKEY raw = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, settingsPath(app, section).c_str(), 0, KEY_QUERY_VALUE, &raw) !=
      ERROR_SUCCESS) {
    return defaultValue;
  }
  UniqueKey opened(raw);
  DWORD type = 0;
  DWORD size = 0;
  if (::RegQueryValueExA(opened.get(), key.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return defaultValue;
  }
  std::string value(size, '\0');
  if (::RegQueryValueExA(opened.get(), key.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size) !=
      ERROR_SUCCESS) {
    return defaultValue;
  }
  value.resize(size);
  while (!value.empty() && value.back() == '\0') value.pop_back();
  return value;
}

bool SettingsStoreWin32::save(const std::string& app, const std::string& section, const std::string& key,
                              const std::string& value) {
  HKEY raw = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, settingsPath(app, section).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &raw, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  UniqueKey opened(raw);
  return ::RegSetValueExA(opened.get(), key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool SettingsStoreWin32::remove(const std::string& app, const std::string& section, const std::string& key) {
  HKEY raw = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, settingsPath(app, section).c_str(), 0, KEY_SET_VALUE, &raw) != ERROR_SUCCESS) {
    return false;
  }
  UniqueKey opened(raw);
  return ::RegDeleteValueA(opened.get(), key.c_str()) == ERROR_SUCCESS;
}

}  // namespace platform::win32
