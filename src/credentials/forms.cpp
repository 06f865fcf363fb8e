#include "credentials/forms.h"

#include "credentials/pass_codec.h"
#include "credentials/settings.h"

namespace credentials {
namespace {

using platform::WindowId;

constexpr std::size_t kMinimumLength = 6;

std::size_t characterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < utf8.size(); ++count) nextCharacter(utf8, at);
  return count;
}

std::string cannotCarry(const std::string& what, const std::string& character) {
  return "Error!!The " + what + " cannot contain \"" + character + "\": this character cannot be stored.";
}

constexpr const char* kSaveFailed = "Error!!The settings could not be saved.";

}  // namespace

// --- frmpassfirst ---

void frmpassfirst::Form_Load() {
  Combo1List = {"Pet's Name", "Mother's Maiden Name", "You father's birth year", "Your grand father's birth date"};
}

void frmpassfirst::Form_KeyPress(int keyAscii) {
  if (keyAscii == kEnterKey) StyleButton1_Click();
}

void frmpassfirst::StyleButton1_Click() {
  constexpr WindowId self = WindowId::frmpassfirst;
  if (Text1.empty() || Text2.empty()) return showError(ports_, self, "Error!!Please enter the password.");
  if (Text3.empty()) {
    return showError(ports_, self, "Error!!Please enter the secret answer.This will be used for password recovery.");
  }
  if (Text1 != Text2) return showError(ports_, self, "Error!!The passwords do not match");
  if (characterCount(Text1) < kMinimumLength) {
    return showError(ports_, self, "Error!!The password length must be at least 6");
  }
  // Recovery shows the question; an empty one would leave the user nothing to answer.
  if (Combo1.empty()) return showError(ports_, self, "Error!!Please enter the secret question.");

  const Encoded password = encodeTyped(Text1, ports_.codePage);
  if (!password.refused.empty()) return showError(ports_, self, cannotCarry("password", password.refused));
  const Encoded question = encodeTyped(Combo1, ports_.codePage);
  if (!question.refused.empty()) return showError(ports_, self, cannotCarry("secret question", question.refused));
  const Encoded answer = encodeTyped(Text3, ports_.codePage);
  if (!answer.refused.empty()) return showError(ports_, self, cannotCarry("secret answer", answer.refused));

  // The password goes last: a stored password is what ends the first run, so it must not be
  // there unless the question and answer are.
  if (!writeStored(ports_.settings, kQuestionKey, question.ansi) ||
      !writeStored(ports_.settings, kAnswerKey, answer.ansi) ||
      !writeStored(ports_.settings, kPasswordKey, password.ansi)) {
    return showError(ports_, self, kSaveFailed);
  }
  // The fields carried the encoded values to the store and keep what they carried last.
  Text1 = ports_.codePage.toUtf8(question.ansi);
  Text3 = ports_.codePage.toUtf8(answer.ansi);

  ports_.flow.show(WindowId::frmpass);
  ports_.flow.hide(self);
}

// --- frmpass ---

void frmpass::Form_Load() { writeAutostart(ports_); }

void frmpass::Form_KeyPress(int keyAscii) {
  if (keyAscii == kEnterKey) StyleButton1_Click();
}

void frmpass::StyleButton1_Click() {
  const auto stored = readDecoded(ports_.settings, kPasswordKey);
  if (!stored || stored->empty() || !matches(Text1, stored, ports_.codePage)) {
    return showError(ports_, WindowId::frmpass, "Error !! The password is incorrect.");
  }
  ports_.flow.show(WindowId::Form1);
  Text1.clear();
  ports_.flow.hide(WindowId::frmpass);
}

void frmpass::StyleButton2_Click() { ports_.flow.hide(WindowId::frmpass); }

void frmpass::StyleButton3_Click() {
  ports_.flow.hide(WindowId::frmpass);
  ports_.flow.show(WindowId::frmpassforgot);
}

// --- frmpassforgot ---

void frmpassforgot::Form_Load() {
  if (auto question = readDecoded(ports_.settings, kQuestionKey)) question_ = std::move(*question);
  answer_ = readDecoded(ports_.settings, kAnswerKey);
  Label4 = ports_.codePage.toUtf8(question_);
  writeAutostart(ports_);
}

void frmpassforgot::Form_KeyPress(int keyAscii) {
  if (keyAscii == kEnterKey) StyleButton1_Click();
}

void frmpassforgot::StyleButton1_Click() {
  constexpr WindowId self = WindowId::frmpassforgot;
  // Read afresh: after a change this is the new password.
  const auto password = readDecoded(ports_.settings, kPasswordKey);
  if (!matches(Text1, answer_, ports_.codePage)) return showError(ports_, self, "The secret answer is incorrect.");
  if (!password) return showError(ports_, self, "Error!!The stored password cannot be read.");
  showInformation(ports_, self, "Your password is " + ports_.codePage.toUtf8(*password));
  ports_.flow.hide(self);
  ports_.flow.show(WindowId::frmpass);
}

void frmpassforgot::StyleButton2_Click() { ports_.flow.hide(WindowId::frmpassforgot); }

// --- frmpasschange ---

void frmpasschange::Form_Load() {
  Text1.clear();
  Text2.clear();
}

void frmpasschange::StyleButton1_Click() {
  constexpr WindowId self = WindowId::frmpasschange;
  if (Text2.empty() || Text1.empty()) return showError(ports_, self, "Error!!Please enter the password.");
  if (characterCount(Text2) < kMinimumLength) {
    return showError(ports_, self, "Error!!The password length must be at least 6");
  }
  const auto stored = readDecoded(ports_.settings, kPasswordKey);
  if (!stored || stored->empty() || !matches(Text1, stored, ports_.codePage)) {
    return showError(ports_, self, "Error !! The old password entered is incorrect.");
  }
  const Encoded password = encodeTyped(Text2, ports_.codePage);
  if (!password.refused.empty()) return showError(ports_, self, cannotCarry("new password", password.refused));
  if (!writeStored(ports_.settings, kPasswordKey, password.ansi)) return showError(ports_, self, kSaveFailed);
  Text2 = ports_.codePage.toUtf8(password.ansi);
  showInformation(ports_, self, "The password has been changed successfully.");
  ports_.flow.hide(self);
}

void frmpasschange::StyleButton2_Click() { ports_.flow.hide(WindowId::frmpasschange); }

void frmpasschange::StyleButton3_Click() { ports_.flow.show(WindowId::frmpassforgot); }

}  // namespace credentials
