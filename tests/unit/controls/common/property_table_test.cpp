// The property-table machinery on a small table of its own.
#include "controls/common/property_table.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using controls::common::FontSpec;
using controls::common::kAlways;
using controls::common::Picture;
using controls::common::PropertyBag;
using controls::common::PropertyReader;
using controls::common::StoredForm;

struct Host {
  core::Colour face = 0x123456;
  core::Colour systemColour(int index) const { return index == 15 ? face : 0; }
  std::optional<Picture> loadPicture(std::string_view source) const {
    if (source != "known.ico") return std::nullopt;
    return Picture{std::string(source), std::make_shared<gfx::Image>(1, 1, 0xFF000000u), true};
  }
};
// What the machinery asks of a control's environment: system colours and pictures.
struct Env {
  const Host& host;
  std::string name;
  core::Colour systemColour(int index) const { return host.systemColour(index); }
  std::optional<Picture> loadPicture(std::string_view source) const { return host.loadPicture(source); }
};
std::string givenName(const Env& env) { return env.name; }

struct Props {
  int number{};
  std::int16_t small{};
  bool flag{};
  core::Colour colour{};
  std::string text;
  Picture picture;
  FontSpec font;
};
struct Setter {
  int id;
};
using Row = controls::common::PropertyRow<Props, Env, Setter>;

constexpr auto kFace = controls::common::systemColourNow(15);

// clang-format off
constexpr Row kRows[] = {
    // key      member           New         Loaded           Written unless  setter
    {"Number",  &Props::number,  1,          2,               2,              {10}},
    {"Small",   &Props::small,   3,          4,               kAlways,        {11}},
    {"Flag",    &Props::flag,    true,       false,           false,          {12}},
    {"Colour",  &Props::colour,  0,          kFace,           kFace,          {13}},
    {"Picture", &Props::picture, "",         "",              kAlways,        {14}},
    {"Font",    &Props::font,    "Tahoma,9", "Arial,10,bold", kAlways,        {15}},
    {"Text",    &Props::text,    givenName,  "loaded",        "",             {16}},
};
// clang-format on

static_assert(controls::common::rowIndex(kRows, "Flag") == 2);
static_assert(controls::common::rowIndex(kRows, &Props::font) == 5);
static_assert(kRows[controls::common::rowIndex(kRows, &Props::text)].setter.id == 16);

std::vector<std::string> keys(const PropertyBag& bag) {
  std::vector<std::string> out;
  for (const auto& e : bag.entries()) out.push_back(e.first);
  return out;
}

TEST(StoredForm, WritesAndReadsEachType) {
  EXPECT_EQ(StoredForm<int>::write(-7), "-7");
  EXPECT_EQ(StoredForm<bool>::write(true), "-1");
  EXPECT_EQ(StoredForm<bool>::write(false), "0");
  EXPECT_EQ(StoredForm<core::Colour>::write(0xFFFFFFFFu), "4294967295");
  EXPECT_EQ(StoredForm<FontSpec>::write(FontSpec{"Tahoma", 9, true}), "Tahoma,9,bold");
  EXPECT_EQ(StoredForm<Picture>::write(Picture{"a.ico", nullptr, true}), "a.ico");

  EXPECT_EQ(StoredForm<int>::read("2147483647"), 2147483647);
  EXPECT_FALSE(StoredForm<int>::read("2147483648"));
  EXPECT_EQ(StoredForm<std::int16_t>::read("-32768"), -32768);
  EXPECT_FALSE(StoredForm<std::int16_t>::read("40000"));
  EXPECT_EQ(StoredForm<core::Colour>::read("-1"), 0xFFFFFFFFu) << "a negative colour wraps";
  EXPECT_EQ(StoredForm<core::Colour>::read("4294967295"), 0xFFFFFFFFu);
  EXPECT_FALSE(StoredForm<core::Colour>::read("4294967296"));
  EXPECT_FALSE(StoredForm<core::Colour>::read("-2147483649"));
  EXPECT_EQ(StoredForm<bool>::read("True"), true);
  EXPECT_FALSE(StoredForm<bool>::read("yes"));
  EXPECT_FALSE(StoredForm<FontSpec>::read("Tahoma"));
}

TEST(PropertyTable, NewValuesAreTakenAtTheMoment) {
  const Host host;
  Props p;
  controls::common::applyNewValues(kRows, p, Env{host, "Button7"});
  EXPECT_EQ(p.number, 1);
  EXPECT_EQ(p.small, 3);
  EXPECT_TRUE(p.flag);
  EXPECT_EQ(p.colour, 0u);
  EXPECT_EQ(p.text, "Button7");
  EXPECT_TRUE(p.picture.empty());
  EXPECT_EQ(p.font, (FontSpec{"Tahoma", 9}));
}

TEST(PropertyTable, MissingKeysLoadTheLoadedValues) {
  const Host host;
  const Env env{host, ""};
  Props p;
  const PropertyBag empty;
  PropertyReader reader(empty);
  for (const Row& row : kRows) ASSERT_TRUE(controls::common::loadValue(row, p, reader, env)) << row.key;
  EXPECT_EQ(p.number, 2);
  EXPECT_EQ(p.small, 4);
  EXPECT_FALSE(p.flag);
  EXPECT_EQ(p.colour, 0x123456u) << "the system colour";
  EXPECT_EQ(p.text, "loaded");
  EXPECT_EQ(p.font, (FontSpec{"Arial", 10, true}));
}

TEST(PropertyTable, AValueThatCannotBeReadStopsTheReader) {
  struct Case {
    const char* key;
    const char* value;
  };
  const Case cases[] = {{"small", "40000"}, {"flag", "maybe"}, {"picture", "missing.ico"}, {"font", "Arial"}};
  const Host host;
  const Env env{host, ""};
  for (const Case& c : cases) {
    Props p;
    const PropertyBag bag{{"number", "5"}, {c.key, c.value}, {"text", "read"}};
    PropertyReader reader(bag);
    bool failed = false;
    for (const Row& row : kRows) failed |= !controls::common::loadValue(row, p, reader, env);
    EXPECT_TRUE(failed) << c.key;
    EXPECT_FALSE(reader.ok()) << c.key;
    EXPECT_EQ(p.number, 5) << c.key << ": read before the failure";
    EXPECT_EQ(p.text, "") << c.key << ": not read after it";
  }
}

TEST(PropertyTable, StoredKeysAndPicturesFromTheHost) {
  const Host host;
  const Env env{host, ""};
  Props p;
  const PropertyBag stored{{"PICTURE", "known.ico"}, {"colour", "0x123456"}};
  PropertyReader reader(stored);
  for (const Row& row : kRows) ASSERT_TRUE(controls::common::loadValue(row, p, reader, env)) << row.key;
  ASSERT_FALSE(p.picture.empty());
  EXPECT_EQ(p.picture.source, "known.ico");

  PropertyBag bag;
  controls::common::storeValues(kRows, p, bag, env);
  // Number (2), Flag (false), Colour (the system colour) equal their written-unless values.
  EXPECT_EQ(keys(bag), (std::vector<std::string>{"Small", "Picture", "Font", "Text"}));
  EXPECT_EQ(bag.find("Picture"), "known.ico");
  EXPECT_EQ(bag.find("Font"), "Arial,10,bold");

  Host other;
  other.face = 0x654321;
  PropertyBag followed;
  controls::common::storeValues(kRows, p, followed, Env{other, ""});
  EXPECT_EQ(followed.find("Colour"), "1193046") << "no longer the system colour";
}

}  // namespace
