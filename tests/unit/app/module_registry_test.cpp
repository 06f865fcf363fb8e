#include "app/module_registry.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <limits>
#include <random>

#include "support/fakes.h"

namespace {

using app::ModuleRegistry::RegValue;
using platform::RootKey;
using Bytes = std::vector<std::uint8_t>;

struct HiveCase {
  const char* name;
  std::uint32_t expected;
};

TEST(ModuleRegistry, ResolveHiveIgnoresCaseAndFallsBackToAnExistingFile) {
  testsupport::FakeRegistry reg;
  reg.files = {"c:\\x.ini", "HKEY_CURRENT_USER"};
  const HiveCase cases[] = {
      {"HKCU", 0x80000001u},
      {"hkcu", 0x80000001u},
      {"HKLM", 0x80000002u},
      {"hklm", 0x80000002u},
      {"HkU", 0x80000003u},
      {"hkdd", 0x80000006u},
      {"HKCC", 0x80000005u},
      {"hKcR", 0x80000000u},
      {"HKEY_LOCAL_MACHINE", 0},  // written out in full: not a hive, and no such file
      {"HKEY_CURRENT_USER", 1},   // ... unless a file of that name exists
      {"c:\\x.ini", 1},           // looked up as passed, not upper-cased
      {"", 0},
      {" HKLM", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(app::ModuleRegistry::ResolveHive(reg, c.name), c.expected) << c.name;
}

struct WriteCase {
  const char* name;
  const char* type;
  RegValue value;
  std::uint32_t regType;
  Bytes data;
};

TEST(ModuleRegistry, EachTypeLetterStoresItsTypeAndBytes) {
  const WriteCase cases[] = {
      {"S text",
       "S",
       RegValue::text("C:\\a b\\x.exe"),
       1,
       {'C', ':', '\\', 'a', ' ', 'b', '\\', 'x', '.', 'e', 'x', 'e', 0}},
      {"s lower case", "s", RegValue::text("v"), 1, {'v', 0}},
      {"S empty", "S", RegValue::text(""), 1, {0}},
      {"S ANSI bytes kept", "S", RegValue::text("\xE9\x80"), 1, {0xE9, 0x80, 0}},
      {"S number", "S", RegValue::number(-12), 1, {'-', '1', '2', 0}},
      {"S Boolean", "S", RegValue::boolean(true), 1, {'T', 'r', 'u', 'e', 0}},
      {"B true", "B", RegValue::boolean(true), 3, {0xFF, 0xFF}},
      {"b false", "b", RegValue::boolean(false), 3, {0x00, 0x00}},
      {"B text False", "B", RegValue::text("fALSE"), 3, {0x00, 0x00}},
      {"B number 2", "B", RegValue::number(2), 3, {0xFF, 0xFF}},
      {"D -1", "D", RegValue::number(-1), 4, {0xFF, 0xFF, 0xFF, 0xFF}},
      {"d 300", "d", RegValue::number(300), 4, {0x2C, 0x01, 0x00, 0x00}},
      {"D lowest", "D", RegValue::number(-32768), 4, {0x00, 0x80, 0xFF, 0xFF}},
      {"D highest", "D", RegValue::text(" 32767 "), 4, {0xFF, 0x7F, 0x00, 0x00}},
      {"D half to even", "D", RegValue::number(2.5), 4, {0x02, 0x00, 0x00, 0x00}},
      {"D true", "D", RegValue::boolean(true), 4, {0xFF, 0xFF, 0xFF, 0xFF}},
  };
  for (const auto& c : cases) {
    testsupport::FakeRegistry reg;
    EXPECT_EQ(app::ModuleRegistry::WriteRegValue(reg, "hkcu", "Software\\T", "v", c.type, c.value), 0u) << c.name;
    const std::vector<std::string> calls = {"create 80000001 Software\\T", "set v", "close"};
    EXPECT_EQ(reg.calls, calls) << c.name;
    const testsupport::FakeRegistry::Value expected{c.regType, c.data};
    ASSERT_EQ(reg.values.size(), 1u) << c.name;
    EXPECT_EQ((reg.values[{RootKey::CurrentUser, "Software\\T", "v"}]), expected) << c.name;
  }
}

TEST(ModuleRegistry, OtherTypeLettersOpenAndCloseTheKeyAndWriteNothing) {
  for (const char* type : {"X", "SZ", "", "dword"}) {
    testsupport::FakeRegistry reg;
    EXPECT_EQ(app::ModuleRegistry::WriteRegValue(reg, "HKLM", "K", "v", type, RegValue::text("1")), 0u) << type;
    EXPECT_EQ(reg.calls, (std::vector<std::string>{"create 80000002 K", "close"})) << type;
    EXPECT_TRUE(reg.values.empty()) << type;
  }
}

TEST(ModuleRegistry, UnknownHiveWritesNothingAndReturns99) {
  testsupport::FakeRegistry reg;
  EXPECT_EQ(app::ModuleRegistry::WriteRegValue(reg, "HKEY_LOCAL_MACHINE", "K", "v", "S", RegValue::text("x")), 99u);
  EXPECT_TRUE(reg.calls.empty());
}

TEST(ModuleRegistry, IniFileModeWritesOnlyStrings) {
  testsupport::FakeRegistry reg;
  reg.files = {"C:\\app.ini"};
  EXPECT_EQ(app::ModuleRegistry::WriteRegValue(reg, "C:\\app.ini", "Section", "Key", "s", RegValue::number(5)), 0u);
  EXPECT_EQ(reg.profile["C:\\app.ini|Section|Key"], "5");
  EXPECT_EQ(app::ModuleRegistry::WriteRegValue(reg, "C:\\app.ini", "Section", "Other", "D", RegValue::number(5)), 99u);
  EXPECT_EQ(reg.profile.count("C:\\app.ini|Section|Other"), 0u);
  EXPECT_EQ(reg.calls, (std::vector<std::string>{"profile C:\\app.ini"})) << "never the registry";
}

TEST(ModuleRegistry, RegistryErrorsAreReturnedAndTheKeyIsClosed) {
  {
    testsupport::FakeRegistry reg;
    reg.createError = 5;
    EXPECT_EQ(app::ModuleRegistry::WriteRegValue(reg, "HKLM", "K", "v", "S", RegValue::text("x")), 5u);
    EXPECT_EQ(reg.calls, (std::vector<std::string>{"create 80000002 K"}));
  }
  {
    testsupport::FakeRegistry reg;
    reg.setError = 1021;
    reg.closeError = 6;  // the set's error wins
    EXPECT_EQ(app::ModuleRegistry::WriteRegValue(reg, "HKLM", "K", "v", "D", RegValue::number(1)), 1021u);
    EXPECT_EQ(reg.calls, (std::vector<std::string>{"create 80000002 K", "set v", "close"}));
  }
  {
    testsupport::FakeRegistry reg;
    reg.closeError = 6;
    EXPECT_EQ(app::ModuleRegistry::WriteRegValue(reg, "HKLM", "K", "v", "S", RegValue::text("x")), 6u);
  }
}

TEST(ModuleRegistry, ValuesWithoutABooleanOrShortFormWriteNothing) {
  const std::pair<const char*, RegValue> cases[] = {
      {"B", RegValue::text("yes")},   {"D", RegValue::number(32768)}, {"D", RegValue::number(-32769)},
      {"D", RegValue::text("12abc")}, {"D", RegValue::text("")},
  };
  for (const auto& [type, value] : cases) {
    testsupport::FakeRegistry reg;
    EXPECT_EQ(app::ModuleRegistry::WriteRegValue(reg, "HKCU", "K", "v", type, value), app::ModuleRegistry::kBadValue)
        << type << " " << value.asText();
    EXPECT_TRUE(reg.calls.empty()) << type << " " << value.asText();
  }
}

// A number's text is the standard library's shortest form, without linking its tables.
TEST(RegValueText, NumbersReadBackAsTheShortestStandardText) {
  std::vector<double> values = {0.0, -0.0, 1, -1, 2.5, 0.1, 1.0 / 3, 100000, 123456, 1234567, 1e15, 1e16, 1e21, 1e22,
                                1e-5, 1.5e-7, 0.001, 5e-324, std::numeric_limits<double>::max(),
                                std::numeric_limits<double>::min(), 9007199254740993.0, 4.35, 65535, -32768.5};
  std::mt19937_64 rng(7);
  for (int i = 0; i < 20000; ++i) {
    const std::uint64_t bits = rng();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    if (std::isfinite(v)) values.push_back(v);
    values.push_back(static_cast<double>(static_cast<std::int32_t>(rng())) / 100.0);
  }
  for (const double v : values) {
    char expected[40];
    const auto end = std::to_chars(expected, expected + sizeof expected, v).ptr;
    ASSERT_EQ(app::ModuleRegistry::RegValue::number(v).asText(), std::string(expected, end));
  }
}

TEST(RegValueText, OnlyPlainDecimalTextIsANumber) {
  struct Case {
    const char* text;
    std::optional<std::int16_t> expected;
  } cases[] = {{"12", 12},         {" +12 ", 12},    {"-2.5", -2},       {"3.5", 4},        {".5", 0},
               {"1.", 1},          {"1e3", 1000},    {"1E+3", 1000},     {"25e-1", 2},      {"0x10", std::nullopt},
               {"1e", std::nullopt}, {"", std::nullopt}, {"-", std::nullopt}, {".", std::nullopt},
               {"inf", std::nullopt}, {"nan", std::nullopt}, {"1e400", std::nullopt}, {"\t5", std::nullopt},
               {"5x", std::nullopt}, {"1e-400", std::nullopt}};
  for (const Case& c : cases) {
    EXPECT_EQ(app::ModuleRegistry::RegValue::text(c.text).asInt16(), c.expected) << "\"" << c.text << "\"";
  }
}

}  // namespace
