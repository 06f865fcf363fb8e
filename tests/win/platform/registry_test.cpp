#include "platform/win32/registry_win32.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.h"

namespace {

// Every test works under its own key and removes it, even when it fails.
class RegistryWin32Test : public ::testing::Test {
 protected:
  void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\" + app_).c_str()); }
  std::vector<std::uint8_t> read(const std::string& name, DWORD& type) {
    std::vector<std::uint8_t> data(64);
    DWORD size = static_cast<DWORD>(data.size());
    const std::string path = "Software\\" + app_ + "\\Sub";
    if (::RegGetValueA(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type, data.data(),
                       &size) != ERROR_SUCCESS) {
      return {};
    }
    data.resize(size);
    return data;
  }
  std::string app_ = "QfvTest-" + std::to_string(::GetCurrentProcessId());
};

TEST_F(RegistryWin32Test, CreateSetCloseStoresTypeAndBytes) {
  platform::win32::RegistryWin32 reg;
  platform::Registry::Key key = 0;
  ASSERT_EQ(reg.createKey(platform::RootKey::CurrentUser, "Software\\" + app_ + "\\Sub", key), 0);
  EXPECT_EQ(reg.setValue(key, "s", platform::regtype::kString, {'a', 'b', 0}), 0);
  EXPECT_EQ(reg.setValue(key, "b", platform::regtype::kBinary, {0xFF, 0xFF}), 0);
  EXPECT_EQ(reg.setValue(key, "d", platform::regtype::kDword, {0xFF, 0xFF, 0xFF, 0xFF}), 0);
  EXPECT_EQ(reg.closeKey(key), 0);

  DWORD type = 0;
  EXPECT_EQ(read("s", type), (std::vector<std::uint8_t>{'a', 'b', 0}));
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(read("b", type), (std::vector<std::uint8_t>{0xFF, 0xFF}));
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(read("d", type), (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
}

TEST_F(RegistryWin32Test, RootKeysMapToThePredefinedHandles) {
  EXPECT_EQ(platform::win32::rootKey(platform::RootKey::CurrentUser), HKEY_CURRENT_USER);
  EXPECT_EQ(platform::win32::rootKey(platform::RootKey::LocalMachine), HKEY_LOCAL_MACHINE);
  EXPECT_EQ(platform::win32::rootKey(platform::RootKey::ClassesRoot), HKEY_CLASSES_ROOT);
  EXPECT_EQ(platform::win32::rootKey(platform::RootKey::Users), HKEY_USERS);
  EXPECT_EQ(platform::win32::rootKey(platform::RootKey::CurrentConfig), HKEY_CURRENT_CONFIG);
  EXPECT_EQ(platform::win32::rootKey(platform::RootKey::DynData), HKEY_DYN_DATA);
}

TEST_F(RegistryWin32Test, ProfileStringAndFileExists) {
  testsupport::TempDir dir;
  const std::string ini = dir.file("x.ini");
  platform::win32::RegistryWin32 reg;
  EXPECT_FALSE(reg.fileExists(ini));
  EXPECT_TRUE(reg.writeProfileString("Sec", "Key", "Value", ini));
  EXPECT_TRUE(reg.fileExists(ini));
  EXPECT_FALSE(reg.fileExists(dir.path().string())) << "a folder is not a file";
  const std::string text = testsupport::readBytes(ini);
  EXPECT_NE(text.find("[Sec]"), std::string::npos) << text;
  EXPECT_NE(text.find("Key=Value"), std::string::npos) << text;
}

TEST_F(RegistryWin32Test, SettingsRoundTripEveryAnsiCodeAndDefaultWhenMissing) {
  platform::win32::SettingsStoreWin32 settings;
  std::string bytes;
  for (int c = 1; c < 256; ++c) bytes += static_cast<char>(c);
  EXPECT_EQ(settings.get(app_, "Settings", "init", "dflt"), "dflt");
  ASSERT_TRUE(settings.save(app_, "Settings", "init", bytes));
  EXPECT_EQ(settings.get(app_, "Settings", "init", ""), bytes);
  ASSERT_TRUE(settings.save(app_, "Settings", "init", ""));
  EXPECT_EQ(settings.get(app_, "Settings", "init", "dflt"), "");
  EXPECT_TRUE(settings.remove(app_, "Settings", "init"));
  EXPECT_EQ(settings.get(app_, "Settings", "init", "dflt"), "dflt");

  // Stored where the design says: HKCU\Software\<app>\<section>, a REG_SZ per key.
  ASSERT_TRUE(settings.save(app_, "Settings", "cmds", "v"));
  char data[8] = {};
  DWORD size = sizeof(data);
  DWORD type = 0;
  ASSERT_EQ(::RegGetValueA(HKEY_CURRENT_USER, ("Software\\" + app_ + "\\Settings").c_str(), "cmds", RRF_RT_ANY, &type,
                           data, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_STREQ(data, "v");
}

}  // namespace
