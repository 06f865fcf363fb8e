#include <gtest/gtest.h>

#include <string>

#include "unit/protect/ini_invariants.h"

namespace {

// The short run of the fuzz: a few seconds under the sanitizers. scripts/fuzz-ini makes the
// long one.
TEST(IniFuzz, ShortSeededRun) {
  constexpr std::uint64_t kCount = 100000;
  const protecttest::ini::Run run = protecttest::ini::fuzz(kCount, 20261210);
  ASSERT_FALSE(run.fault.has_value()) << "edit " << run.done << ": " << run.why << ": "
                                      << protecttest::ini::describe(*run.fault, run.got);
  EXPECT_EQ(run.done, kCount);
}

// A fuzz is only as good as its check: each of these wrong results must be caught, for the
// reason given.
struct WrongEdit {
  const char* name;
  std::string content, section, key, value;
  std::string got;
  std::string why;
};

const WrongEdit kWrongEdits[] = {
    {"two line breaks at the end", "[a]\r\nx=1\r\n", "a", "k", "v", "[a]\r\nk=v\r\nx=1\r\n\r\n",
     "more than one line break at the end"},
    {"no line break at the end", "[a]\r\n", "a", "k", "v", "[a]\r\nk=v", "no CR LF at the end"},
    {"leading control character kept", "\t[a]\r\n", "a", "k", "v", "\t[a]\r\nk=v\r\n",
     "a control character at the start"},
    {"two blank lines kept", "[a]\r\n\r\n\r\n\r\nx=1\r\n", "a", "k", "v", "[a]\r\nk=v\r\n\r\n\r\nx=1\r\n",
     "two blank lines in a row"},
    {"the key twice in its section", "[a]\r\nx=1\r\n", "a", "k", "v", "[a]\r\nk=v\r\nk=v\r\nx=1\r\n",
     "the key is not once in its section"},
    {"the old key line kept beside the new", "[a]\r\nk=1\r\n", "a", "k", "v", "[a]\r\nk=v\r\nk=1\r\n",
     "key lines in the section added or lost"},
    {"the key written in another section", "[b]\r\n[a]\r\n", "a", "k", "v", "[b]\r\nk=v\r\n[a]\r\n",
     "the key is missing from its section"},
    {"another line changed", "[a]\r\nx=1\r\n", "a", "k", "v", "[a]\r\nk=v\r\nx=2\r\n",
     "lines outside the edit changed"},
    {"a line lost", "[a]\r\nx=1\r\ny=2\r\n", "a", "k", "v", "[a]\r\nk=v\r\ny=2\r\n", "lines outside the edit changed"},
    {"the value cut", "[a]\r\n", "a", "k", "value", "[a]\r\nk=val\r\n", "the key line is wrong"},
    {"a second key line dropped", "[a]\r\nk=1\r\nk=2\r\n", "a", "k", "v", "[a]\r\nk=v\r\n",
     "key lines in the section added or lost"},
    // The trim makes a header of the first line; the edit belongs in the section appended.
    {"the key in a header made by the trim", "\x01[A]\r\nIconFile=\r\nIconFile=", "a", "IconFile", "",
     "[A]\r\nIconFile=\r\nIconFile=\r\n\r\n[a]\r\n", "the key is missing from its section"},
    {"the section not added", "[b]\r\nx=1\r\n", "a", "k", "v", "[b]\r\nk=v\r\nx=1\r\n", "the section is missing"},
};

TEST(IniFuzz, TheCheckCatchesWrongEdits) {
  for (const WrongEdit& w : kWrongEdits) {
    const std::string why = protecttest::ini::broken(w.content, w.section, w.key, w.value, w.got);
    EXPECT_EQ(why.substr(0, w.why.size()), w.why) << w.name << ": got \"" << why << "\"";
    // The writer itself gets each of these right.
    EXPECT_EQ(protecttest::ini::brokenEdit({w.content, w.section, w.key, w.value}), "") << w.name;
  }
}

// A failure is shown small: the shrink keeps the fault and drops the noise around it.
TEST(IniFuzz, ShrinkKeepsAFaultAndDropsTheRest) {
  const protecttest::ini::Edit noisy{"x=1\r\ny=2\r\n[b]\r\nz=3\r\n", "a", "k", "v"};
  const auto faulty = [](const protecttest::ini::Edit& e) { return e.content.find("[b]\r\n") != std::string::npos; };
  const protecttest::ini::Edit small = protecttest::ini::shrinkWith(noisy, faulty);
  EXPECT_EQ(protecttest::ini::shown(small.content), "[b]\\r\\n");
}

}  // namespace
