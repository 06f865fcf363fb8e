#include "controls/common/property_bag.h"

#include <gtest/gtest.h>

namespace {

using controls::common::PropertyBag;

TEST(PropertyBag, KeysMatchIgnoringCaseAndKeepTheirOrder) {
  PropertyBag bag{{"style", "10"}, {"Caption", "Ok"}};
  EXPECT_EQ(bag.find("Style").value_or("?"), "10");
  EXPECT_EQ(bag.find("CAPTION").value_or("?"), "Ok");
  EXPECT_FALSE(bag.find("Styl").has_value());
  bag.write("STYLE", "3");
  ASSERT_EQ(bag.entries().size(), 2u);
  EXPECT_EQ(bag.entries()[0].first, "style");
  EXPECT_EQ(bag.entries()[0].second, "3");
}

TEST(PropertyBag, TextFormRoundTripsAwkwardValues) {
  PropertyBag bag{{"caption", "a=b\\c\nd\re"}, {"tooltiptitle", ""}, {"font", "Verdana,8.25"}};
  const std::string text = bag.toText();
  EXPECT_EQ(text, "caption=a=b\\\\c\\nd\\re\ntooltiptitle=\nfont=Verdana,8.25\n");
  const PropertyBag back = PropertyBag::fromText(text);
  EXPECT_EQ(back.entries(), bag.entries());
}

TEST(PropertyBag, ValueForms) {
  EXPECT_EQ(controls::common::parseInteger("10"), 10);
  EXPECT_EQ(controls::common::parseInteger(" -1 "), -1);
  EXPECT_EQ(controls::common::parseInteger("0xC0C0C0"), 0xC0C0C0);
  EXPECT_FALSE(controls::common::parseInteger("").has_value());
  EXPECT_FALSE(controls::common::parseInteger("1e3").has_value());
  EXPECT_FALSE(controls::common::parseInteger("ten").has_value());
  EXPECT_EQ(controls::common::parseBoolean("-1"), true);
  EXPECT_EQ(controls::common::parseBoolean("0"), false);
  EXPECT_EQ(controls::common::parseBoolean("True"), true);
  EXPECT_EQ(controls::common::parseBoolean("7"), true);
  EXPECT_FALSE(controls::common::parseBoolean("yes").has_value());
}

}  // namespace
