// The registry writer against the real registry and a real INI file.
#include "app/module_registry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/registry_win32.h"
#include "support/temp_dir.h"

namespace {

using app::ModuleRegistry::RegValue;
using Bytes = std::vector<std::uint8_t>;

// The registry writer through the real registry, under a key of its own.
class ModuleRegistryWin32 : public ::testing::Test {
 protected:
  void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str()); }
  Bytes read(const std::string& name, DWORD& type) {
    Bytes data(64);
    DWORD size = static_cast<DWORD>(data.size());
    if (::RegGetValueA(HKEY_CURRENT_USER, path_.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type, data.data(),
                       &size) != ERROR_SUCCESS) {
      return {};
    }
    data.resize(size);
    return data;
  }
  bool keyExists() {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    ::RegCloseKey(key);
    return true;
  }
  platform::win32::RegistryWin32 reg_;
  std::string path_ = "Software\\QfvModuleRegistry-" + std::to_string(::GetCurrentProcessId());
};

TEST_F(ModuleRegistryWin32, EachTypeLandsWithItsBytes) {
  struct Case {
    const char* name;
    const char* type;
    RegValue value;
    DWORD regType;
    Bytes data;
  };
  const Case cases[] = {
      {"s", "s", RegValue::text("C:\\Q\\QuillmarFolderVardel.exe"), REG_SZ, {}},
      {"b_true", "B", RegValue::boolean(true), REG_BINARY, {0xFF, 0xFF}},
      {"b_false", "b", RegValue::boolean(false), REG_BINARY, {0x00, 0x00}},
      {"d_minus_one", "D", RegValue::number(-1), REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}},
      {"d_300", "d", RegValue::number(300), REG_DWORD, {0x2C, 0x01, 0x00, 0x00}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(app::ModuleRegistry::WriteRegValue(reg_, "hkcu", path_, c.name, c.type, c.value), 0u) << c.name;
    DWORD type = 0;
    Bytes expected = c.data;
    if (c.regType == REG_SZ) {
      const std::string text = "C:\\Q\\QuillmarFolderVardel.exe";
      expected.assign(text.begin(), text.end());
      expected.push_back(0);
    }
    EXPECT_EQ(read(c.name, type), expected) << c.name;
    EXPECT_EQ(type, c.regType) << c.name;
  }
  EXPECT_EQ(app::ModuleRegistry::WriteRegValue(reg_, "HKCU", path_, "other", "Q", RegValue::text("x")), 0u);
  DWORD type = 0;
  EXPECT_TRUE(read("other", type).empty()) << "an unknown type letter writes nothing";
}

TEST_F(ModuleRegistryWin32, UnknownHiveWritesNothing) {
  EXPECT_EQ(app::ModuleRegistry::WriteRegValue(reg_, "HKEY_CURRENT_USER", path_, "v", "S", RegValue::text("x")), 99u);
  EXPECT_FALSE(keyExists());
}

TEST_F(ModuleRegistryWin32, IniModeWritesItsKey) {
  testsupport::TempDir dir;
  const std::string ini = dir.file("settings.ini");
  testsupport::writeBytes(ini, "[Other]\r\nA=1\r\n");
  EXPECT_EQ(app::ModuleRegistry::ResolveHive(reg_, ini), 1u);
  EXPECT_EQ(
      app::ModuleRegistry::WriteRegValue(reg_, ini, "Run", "QuillmarFolderVardel", "S", RegValue::text("C:\\q.exe")),
      0u);
  EXPECT_EQ(app::ModuleRegistry::WriteRegValue(reg_, ini, "Run", "Number", "D", RegValue::number(1)), 99u);
  const std::string text = testsupport::readBytes(ini);
  EXPECT_NE(text.find("[Run]"), std::string::npos) << text;
  EXPECT_NE(text.find("QuillmarFolderVardel=C:\\q.exe"), std::string::npos) << text;
  EXPECT_EQ(text.find("Number"), std::string::npos) << text;
  EXPECT_NE(text.find("A=1"), std::string::npos) << "other sections kept: " << text;
  EXPECT_EQ(app::ModuleRegistry::ResolveHive(reg_, dir.file("missing.ini")), 0u);
  EXPECT_EQ(app::ModuleRegistry::ResolveHive(reg_, dir.path().string()), 0u) << "a folder is not a file";
}

TEST_F(ModuleRegistryWin32, MachineWideKeyByItsShortName) {
  // Under Wine the test may write the machine-wide hive; on Windows it may be refused (5).
  const std::uint32_t status = app::ModuleRegistry::WriteRegValue(reg_, "hklm", path_, "v", "S", RegValue::text("x"));
  if (status == ERROR_ACCESS_DENIED) GTEST_SKIP() << "no rights on HKLM";
  ASSERT_EQ(status, 0u);
  char data[8] = {};
  DWORD size = sizeof(data);
  EXPECT_EQ(::RegGetValueA(HKEY_LOCAL_MACHINE, path_.c_str(), "v", RRF_RT_REG_SZ, nullptr, data, &size), ERROR_SUCCESS);
  EXPECT_STREQ(data, "x");
  ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, path_.c_str());
}

}  // namespace
