#include "credentials/forms.h"

#include <gtest/gtest.h>

#include "credentials/pass_codec.h"
#include "unit/credentials/world.h"

namespace {

using credentials::frmpass;
using credentials::frmpasschange;
using credentials::frmpassfirst;
using credentials::frmpassforgot;
using credentialstest::World;
using platform::MsgIcon;
using platform::WindowId;
using testsupport::Log;

const std::string kAutostartData = "C:\\Program Files\\Quillmar Folder Vardel\\QuillmarFolderVardel.exe";

std::string encode(const std::string& ansi) { return credentials::modpass::PassCodec(ansi, "encode").value(); }
std::optional<std::string> decode(const std::string& stored) {
  return credentials::modpass::PassCodec(stored, "decode");
}

// A world where the first run is done: password "Secret1", question and answer stored.
void storeCredentials(World& w, const std::string& password = "Secret1") {
  w.settings.qm("init") = encode(password);
  w.settings.qm("cmdsq") = encode("Pet's Name");
  w.settings.qm("cmds") = encode("Rex the 2nd");
}

void expectAutostart(World& w) {
  const auto it = w.registry.values.find(
      {platform::RootKey::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "QuillmarFolderVardel"});
  ASSERT_NE(it, w.registry.values.end()) << "no autostart value";
  EXPECT_EQ(it->second.type, platform::regtype::kString);
  std::vector<std::uint8_t> data(kAutostartData.begin(), kAutostartData.end());
  data.push_back(0);
  EXPECT_EQ(it->second.data, data);
}

void expectOneError(const World& w, WindowId owner, const std::string& text) {
  ASSERT_EQ(w.dialogs.shown.size(), 1u) << "expected: " << text;
  const auto& [shownOwner, message] = w.dialogs.shown[0];
  EXPECT_EQ(message.text, text);
  EXPECT_EQ(message.icon, MsgIcon::Error) << text;
  EXPECT_EQ(message.buttons, platform::MsgButtons::Ok) << text;
  EXPECT_EQ(message.title, "Quillmar Folder Vardel") << text;
  EXPECT_EQ(shownOwner, owner) << text;
}

// ---------------------------------------------------------------- first run

TEST(frmpassfirst, LoadFillsTheQuestionsInOrder) {
  World w;
  frmpassfirst form(w.ports);
  EXPECT_EQ(form.Combo1, "Pet's Name");
  form.Form_Load();
  const std::vector<std::string> expected = {"Pet's Name", "Mother's Maiden Name", "You father's birth year",
                                             "Your grand father's birth date"};
  EXPECT_EQ(form.Combo1List, expected);
  EXPECT_TRUE(w.log.empty());
}

struct FirstRunRefusal {
  const char* name;
  const char* text1;
  const char* text2;
  const char* combo1;
  const char* text3;
  const char* message;
};

const FirstRunRefusal kFirstRunRefusals[] = {
    {"all empty: password first", "", "", "Pet's Name", "", "Error!!Please enter the password."},
    {"re-entry empty", "abcdef", "", "Pet's Name", "a", "Error!!Please enter the password."},
    {"first entry empty", "", "abcdef", "Pet's Name", "a", "Error!!Please enter the password."},
    {"answer checked before the comparison", "abcdef", "abcdeg", "Pet's Name", "",
     "Error!!Please enter the secret answer.This will be used for password recovery."},
    {"case differs", "Abcdef", "abcdef", "Pet's Name", "a", "Error!!The passwords do not match"},
    {"trailing space differs", "abcdef ", "abcdef", "Pet's Name", "a", "Error!!The passwords do not match"},
    {"five characters", "abcde", "abcde", "Pet's Name", "a", "Error!!The password length must be at least 6"},
    {"five characters, five bytes short of UTF-8", "\xC3\xA9\xC3\xA9\xC3\xA9", "\xC3\xA9\xC3\xA9\xC3\xA9", "Pet's Name",
     "a", "Error!!The password length must be at least 6"},
    {"empty question", "abcdef", "abcdef", "", "a", "Error!!Please enter the secret question."},
    {"password the codec cannot carry", "caf\xC3\xA9 au lait", "caf\xC3\xA9 au lait", "Pet's Name", "a",
     "Error!!The password cannot contain \"\xC3\xA9\": this character cannot be stored."},
    {"question the codec cannot carry", "abcdef", "abcdef", "Gr\xC3\xBC\xC3\x9F Gott", "a",
     "Error!!The secret question cannot contain \"\xC3\xBC\": this character cannot be stored."},
    {"answer the codec cannot carry", "abcdef", "abcdef", "Pet's Name", "5 \xE2\x82\xAC",
     "Error!!The secret answer cannot contain \"\xE2\x82\xAC\": this character cannot be stored."},
};

TEST(frmpassfirst, OkRefusalsInCheckOrderLeaveEverythingAsTyped) {
  for (const auto& c : kFirstRunRefusals) {
    SCOPED_TRACE(c.name);
    World w;
    frmpassfirst form(w.ports);
    form.Form_Load();
    form.Text1 = c.text1;
    form.Text2 = c.text2;
    form.Combo1 = c.combo1;
    form.Text3 = c.text3;
    form.StyleButton1_Click();
    expectOneError(w, WindowId::frmpassfirst, c.message);
    EXPECT_TRUE(w.settings.writes.empty());
    EXPECT_TRUE(w.flow.events.empty());
    EXPECT_EQ(form.Text1, c.text1);
    EXPECT_EQ(form.Text2, c.text2);
    EXPECT_EQ(form.Combo1, c.combo1);
    EXPECT_EQ(form.Text3, c.text3);
  }
}

struct FirstRunAccepted {
  const char* name;
  std::string password;
  std::string question;
  std::string answer;
};

TEST(frmpassfirst, OkStoresTheThreeEncodedAndHandsOverToLogin) {
  const FirstRunAccepted cases[] = {
      {"six characters", "abcdef", "Pet's Name", "Rex"},
      {"six spaces", "      ", "Mother's Maiden Name", " x "},
      {"typed question, kept as typed", "Pass Word 9", "  Where did I live in 1999?  ", "Lyon"},
      // Only codes up to 255 minus the key letter fit: Š (138) first, ‰ (137) fourth.
      {"characters of the code page",
       "\xC5\xA0"
       "abc\xE2\x80\xB0"
       "x",
       "\xC5\xA0?", "abc\xE2\x80\xB0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    World w;
    frmpassfirst form(w.ports);
    form.Form_Load();
    form.Text1 = c.password;
    form.Text2 = c.password;
    form.Combo1 = c.question;
    form.Text3 = c.answer;
    form.StyleButton1_Click();

    EXPECT_TRUE(w.dialogs.shown.empty()) << (w.dialogs.shown.empty() ? "" : w.dialogs.shown[0].message.text);
    EXPECT_EQ(w.log, (Log{"show frmpass", "hide frmpassfirst"}));
    const auto ansi = [&](const std::string& s) { return w.codePage.toAnsi(s).value(); };
    EXPECT_EQ(decode(w.settings.qm("init")), ansi(c.password));
    EXPECT_EQ(decode(w.settings.qm("cmdsq")), ansi(c.question));
    EXPECT_EQ(decode(w.settings.qm("cmds")), ansi(c.answer));
    EXPECT_NE(w.settings.qm("init"), ansi(c.password)) << "stored encoded";
    // The fields keep what they carried to the store last.
    EXPECT_EQ(form.Text1, w.codePage.toUtf8(w.settings.qm("cmdsq")));
    EXPECT_EQ(form.Text2, c.password);
    EXPECT_EQ(form.Text3, w.codePage.toUtf8(w.settings.qm("cmds")));
    EXPECT_EQ(form.Combo1, c.question);
  }
}

TEST(frmpassfirst, PasswordIsWrittenLastSoAFailedWriteLeavesNoPassword) {
  World w;
  frmpassfirst form(w.ports);
  form.Text1 = form.Text2 = "abcdefg";
  form.Text3 = "a";
  form.StyleButton1_Click();
  EXPECT_EQ(w.settings.writes, (std::vector<std::string>{"cmdsq", "cmds", "init"}));

  World failing;
  failing.settings.refuse = {"cmds"};
  frmpassfirst again(failing.ports);
  again.Text1 = again.Text2 = "abcdefg";
  again.Text3 = "a";
  again.StyleButton1_Click();
  expectOneError(failing, WindowId::frmpassfirst, "Error!!The settings could not be saved.");
  EXPECT_FALSE(failing.settings.hasQm("init"));
  EXPECT_TRUE(failing.flow.events.empty());
  EXPECT_EQ(again.Text1, "abcdefg");
  EXPECT_EQ(again.Text3, "a");
}

TEST(frmpassfirst, EnterRunsOkAndOtherKeysDoNothing) {
  World w;
  frmpassfirst form(w.ports);
  form.Form_KeyPress('a');
  form.Form_KeyPress(10);
  EXPECT_TRUE(w.log.empty());
  form.Form_KeyPress(13);
  EXPECT_EQ(w.dialogs.texts(), (std::vector<std::string>{"Error!!Please enter the password."}));
}

// ---------------------------------------------------------------- login

TEST(frmpass, LoadWritesTheAutostartValue) {
  World w;
  frmpass form(w.ports);
  form.Form_Load();
  expectAutostart(w);
  EXPECT_TRUE(w.log.empty());
}

TEST(frmpass, AutostartFailuresAreSilent) {
  World w;
  w.registry.createError = 5;  // no rights on the machine-wide key
  frmpass form(w.ports);
  form.Form_Load();
  EXPECT_TRUE(w.log.empty());

  World other;
  other.shell.appDir = "C:\\\xE6\xBC\xA2";  // no ANSI spelling: nothing is registered
  frmpass second(other.ports);
  second.Form_Load();
  EXPECT_TRUE(other.registry.calls.empty());
}

struct LoginCase {
  const char* name;
  std::optional<std::string> stored;  // as decoded; nullopt: a value the codec did not make
  const char* typed;
  bool accepted;
};

TEST(frmpass, OkComparesWithTheStoredPasswordExactly) {
  const LoginCase cases[] = {
      {"correct", "Secret1", "Secret1", true},
      {"other case", "Secret1", "secret1", false},
      {"trailing space", "Secret1", "Secret1 ", false},
      {"empty field", "Secret1", "", false},
      {"nothing stored, nothing typed", "", "", false},
      {"spaces", "      ", "      ", true},
      {"undecodable stored value", std::nullopt, "A", false},
      {"code page character",
       "\x8A"
       "abcdef",
       "\xC5\xA0"
       "abcdef",
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    World w;
    w.settings.qm("init") = c.stored ? encode(*c.stored) : "A";
    frmpass form(w.ports);
    form.Text1 = c.typed;
    form.StyleButton1_Click();
    if (c.accepted) {
      EXPECT_EQ(w.log, (Log{"show Form1", "hide frmpass"}));
      EXPECT_EQ(form.Text1, "");
    } else {
      expectOneError(w, WindowId::frmpass, "Error !! The password is incorrect.");
      EXPECT_TRUE(w.flow.events.empty());
      EXPECT_EQ(form.Text1, c.typed);
    }
  }
}

TEST(frmpass, PasswordIsReadAfreshOnEveryOk) {
  World w;
  storeCredentials(w, "FirstOne");
  frmpass form(w.ports);
  form.Text1 = "FirstOne";
  w.settings.qm("init") = encode("SecondOne");
  form.StyleButton1_Click();
  expectOneError(w, WindowId::frmpass, "Error !! The password is incorrect.");
  form.Text1 = "SecondOne";
  form.StyleButton1_Click();
  EXPECT_EQ(w.flow.events, (std::vector<std::string>{"show Form1", "hide frmpass"}));
}

TEST(frmpass, CancelAndForgot) {
  World w;
  storeCredentials(w);
  frmpass form(w.ports);
  form.Text1 = "typed";
  form.StyleButton2_Click();
  EXPECT_EQ(w.log, (Log{"hide frmpass"}));
  EXPECT_EQ(form.Text1, "typed");
  w.log.clear();
  form.StyleButton3_Click();
  EXPECT_EQ(w.log, (Log{"hide frmpass", "show frmpassforgot"}));
  EXPECT_EQ(form.Text1, "typed");
}

TEST(frmpass, EnterRunsOk) {
  World w;
  storeCredentials(w);
  frmpass form(w.ports);
  form.Text1 = "Secret1";
  form.Form_KeyPress(' ');
  EXPECT_TRUE(w.log.empty());
  form.Form_KeyPress(13);
  EXPECT_EQ(w.log, (Log{"show Form1", "hide frmpass"}));
}

// ---------------------------------------------------------------- recovery

TEST(frmpassforgot, LoadShowsTheStoredQuestionAndWritesAutostart) {
  World w;
  storeCredentials(w);
  frmpassforgot form(w.ports);
  EXPECT_EQ(form.Label4, "NA");
  form.Form_Load();
  EXPECT_EQ(form.Label4, "Pet's Name");
  expectAutostart(w);

  World empty;
  frmpassforgot none(empty.ports);
  none.Form_Load();
  EXPECT_EQ(none.Label4, "") << "no stored question: empty, not NA";
}

struct RecoveryCase {
  const char* name;
  const char* typed;
  bool accepted;
};

TEST(frmpassforgot, OkComparesTheAnswerExactly) {
  const RecoveryCase cases[] = {
      {"correct", "Rex the 2nd", true},
      {"other case", "rex the 2nd", false},
      {"not trimmed", "Rex the 2nd ", false},
      {"empty", "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    World w;
    storeCredentials(w, "my pass 1");
    frmpassforgot form(w.ports);
    form.Form_Load();
    form.Text1 = c.typed;
    form.StyleButton1_Click();
    if (c.accepted) {
      EXPECT_EQ(w.log, (Log{"message Your password is my pass 1", "hide frmpassforgot", "show frmpass"}));
      EXPECT_EQ(w.dialogs.shown.at(0).message.icon, MsgIcon::Information);
      EXPECT_EQ(w.dialogs.shown.at(0).message.title, "Quillmar Folder Vardel");
      EXPECT_EQ(w.dialogs.shown.at(0).owner, WindowId::frmpassforgot);
    } else {
      expectOneError(w, WindowId::frmpassforgot, "The secret answer is incorrect.");
      EXPECT_TRUE(w.flow.events.empty());
    }
    EXPECT_EQ(form.Text1, c.typed);
  }
}

TEST(frmpassforgot, PasswordIsTheOneStoredAtOkButTheAnswerTheOneStoredAtCreation) {
  World w;
  storeCredentials(w, "OldPassword");
  frmpassforgot form(w.ports);
  form.Form_Load();
  w.settings.qm("init") = encode("NewPassword");
  w.settings.qm("cmds") = encode("changed");
  form.Text1 = "changed";
  form.StyleButton1_Click();
  expectOneError(w, WindowId::frmpassforgot, "The secret answer is incorrect.");
  w.log.clear();
  form.Text1 = "Rex the 2nd";
  form.StyleButton1_Click();
  EXPECT_EQ(w.log.at(0), "message Your password is NewPassword");
}

TEST(frmpassforgot, NoStoredAnswerAcceptsAnEmptyFieldButAnUndecodableOneAcceptsNothing) {
  World w;
  w.settings.qm("init") = encode("abcdef");
  frmpassforgot form(w.ports);
  form.Form_Load();
  form.StyleButton1_Click();
  EXPECT_EQ(w.log.at(0), "message Your password is abcdef");

  for (const char* typed : {"", "A", "\x01"}) {
    World bad;
    bad.settings.qm("init") = encode("abcdef");
    bad.settings.qm("cmds") = "A";  // decodes below 0
    frmpassforgot f(bad.ports);
    f.Form_Load();
    f.Text1 = typed;
    f.StyleButton1_Click();
    expectOneError(bad, WindowId::frmpassforgot, "The secret answer is incorrect.");
  }
}

TEST(frmpassforgot, AnUndecodablePasswordIsNotRevealedAsSomethingElse) {
  World w;
  storeCredentials(w);
  w.settings.qm("init") = "A";
  frmpassforgot form(w.ports);
  form.Form_Load();
  form.Text1 = "Rex the 2nd";
  form.StyleButton1_Click();
  expectOneError(w, WindowId::frmpassforgot, "Error!!The stored password cannot be read.");
  EXPECT_TRUE(w.flow.events.empty());
}

TEST(frmpassforgot, CancelOnlyHidesAndEnterRunsOk) {
  World w;
  storeCredentials(w);
  frmpassforgot form(w.ports);
  form.Form_Load();
  form.Text1 = "typed";
  form.StyleButton2_Click();
  EXPECT_EQ(w.log, (Log{"hide frmpassforgot"}));
  EXPECT_EQ(form.Text1, "typed");
  w.log.clear();
  form.Text1 = "Rex the 2nd";
  form.Form_KeyPress(13);
  EXPECT_EQ(w.log, (Log{"message Your password is Secret1", "hide frmpassforgot", "show frmpass"}));
}

// ---------------------------------------------------------------- change

struct ChangeRefusal {
  const char* name;
  const char* text1;
  const char* text2;
  const char* message;
};

TEST(frmpasschange, OkRefusalsInCheckOrder) {
  const ChangeRefusal cases[] = {
      {"both empty", "", "", "Error!!Please enter the password."},
      {"old empty", "", "abcdefg", "Error!!Please enter the password."},
      {"new empty", "Secret1", "", "Error!!Please enter the password."},
      {"length before the old password", "wrong", "abcde", "Error!!The password length must be at least 6"},
      {"old password in the other case", "secret1", "abcdefg", "Error !! The old password entered is incorrect."},
      {"new password the codec cannot carry", "Secret1", "\xC3\xA9t\xC3\xA9 2024",
       "Error!!The new password cannot contain \"\xC3\xA9\": this character cannot be stored."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    World w;
    storeCredentials(w);
    const std::string before = w.settings.qm("init");
    frmpasschange form(w.ports);
    form.Form_Load();
    form.Text1 = c.text1;
    form.Text2 = c.text2;
    form.StyleButton1_Click();
    expectOneError(w, WindowId::frmpasschange, c.message);
    EXPECT_TRUE(w.settings.writes.empty());
    EXPECT_EQ(w.settings.qm("init"), before);
    EXPECT_TRUE(w.flow.events.empty());
    EXPECT_EQ(form.Text1, c.text1);
    EXPECT_EQ(form.Text2, c.text2);
  }
}

TEST(frmpasschange, StoredValueThatIsEmptyOrUndecodableNeverMatches) {
  for (const char* stored : {"", "A"}) {
    World w;
    w.settings.qm("init") = stored;
    frmpasschange form(w.ports);
    form.Text1 = "anything";
    form.Text2 = "abcdefg";
    form.StyleButton1_Click();
    expectOneError(w, WindowId::frmpasschange, "Error !! The old password entered is incorrect.");
  }
}

TEST(frmpasschange, SuccessStoresTheNewPasswordForLoginAndRecovery) {
  World w;
  storeCredentials(w);
  const std::string question = w.settings.qm("cmdsq");
  const std::string answer = w.settings.qm("cmds");
  frmpasschange form(w.ports);
  form.Form_Load();
  form.Text1 = "Secret1";
  form.Text2 = "Brand new";
  form.StyleButton1_Click();

  EXPECT_EQ(w.log, (Log{"message The password has been changed successfully.", "hide frmpasschange"}));
  EXPECT_EQ(w.dialogs.shown.at(0).message.icon, MsgIcon::Information);
  EXPECT_EQ(decode(w.settings.qm("init")), "Brand new");
  EXPECT_EQ(w.settings.qm("cmdsq"), question);
  EXPECT_EQ(w.settings.qm("cmds"), answer);
  // What a later show presents: the old password as typed, the new one as it was stored.
  EXPECT_EQ(form.Text1, "Secret1");
  EXPECT_EQ(form.Text2, w.codePage.toUtf8(w.settings.qm("init")));

  w.log.clear();
  frmpass login(w.ports);
  login.Text1 = "Secret1";
  login.StyleButton1_Click();
  EXPECT_EQ(w.log, (Log{"message Error !! The password is incorrect."}));
  w.log.clear();
  login.Text1 = "Brand new";
  login.StyleButton1_Click();
  EXPECT_EQ(w.log, (Log{"show Form1", "hide frmpass"}));

  w.log.clear();
  frmpassforgot recovery(w.ports);
  recovery.Form_Load();
  recovery.Text1 = "Rex the 2nd";
  recovery.StyleButton1_Click();
  EXPECT_EQ(w.log.at(0), "message Your password is Brand new");
}

TEST(frmpasschange, NewPasswordMayEqualTheOld) {
  World w;
  storeCredentials(w);
  frmpasschange form(w.ports);
  form.Text1 = form.Text2 = "Secret1";
  form.StyleButton1_Click();
  EXPECT_EQ(w.dialogs.texts(), (std::vector<std::string>{"The password has been changed successfully."}));
  EXPECT_EQ(decode(w.settings.qm("init")), "Secret1");
}

TEST(frmpasschange, LoadEmptiesCancelHidesForgotShowsRecoveryAndStays) {
  World w;
  storeCredentials(w);
  frmpasschange form(w.ports);
  form.Text1 = "x";
  form.Text2 = "y";
  form.Form_Load();
  EXPECT_EQ(form.Text1, "");
  EXPECT_EQ(form.Text2, "");
  form.Text1 = "typed";
  form.StyleButton3_Click();
  EXPECT_EQ(w.log, (Log{"show frmpassforgot"}));
  form.StyleButton2_Click();
  EXPECT_EQ(w.log, (Log{"show frmpassforgot", "hide frmpasschange"}));
  EXPECT_EQ(form.Text1, "typed");

  World failing;
  storeCredentials(failing);
  failing.settings.refuse = {"init"};
  frmpasschange f(failing.ports);
  f.Text1 = "Secret1";
  f.Text2 = "abcdefgh";
  f.StyleButton1_Click();
  expectOneError(failing, WindowId::frmpasschange, "Error!!The settings could not be saved.");
  EXPECT_EQ(f.Text2, "abcdefgh");
  EXPECT_TRUE(failing.flow.events.empty());
}

}  // namespace
