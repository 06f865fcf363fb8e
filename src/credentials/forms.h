#pragma once
// The four credential windows as portable forms: each holds its fields (UTF-8, as the controls
// show them) and runs its commands. The Win32 views copy the fields in before a command and out
// after it.
#include <optional>
#include <string>
#include <vector>

#include "credentials/ports.h"

namespace credentials {

inline constexpr int kEnterKey = 13;

// First-run setup: sets the password, the secret question and the secret answer.
class frmpassfirst {
 public:
  explicit frmpassfirst(const Ports& ports) : ports_(ports) {}

  std::string Text1;  // password
  std::string Text2;  // password again
  std::string Combo1 = "Pet's Name";
  std::vector<std::string> Combo1List;
  std::string Text3;  // answer

  void Form_Load();
  void Form_KeyPress(int keyAscii);
  void StyleButton1_Click();  // Ok

 private:
  Ports ports_;  // a bundle of references: held by value so a temporary bundle cannot dangle
};

// Login: the stored password opens the main window.
class frmpass {
 public:
  explicit frmpass(const Ports& ports) : ports_(ports) {}

  std::string Text1;  // password

  void Form_Load();
  void Form_KeyPress(int keyAscii);
  void StyleButton1_Click();  // Ok
  void StyleButton2_Click();  // Cancel
  void StyleButton3_Click();  // Forgot Password?

 private:
  Ports ports_;  // a bundle of references: held by value so a temporary bundle cannot dangle
};

// Recovery: the secret answer reveals the password.
class frmpassforgot {
 public:
  explicit frmpassforgot(const Ports& ports) : ports_(ports) {}

  std::string Label4 = "NA";  // the question
  std::string Text1;          // answer

  void Form_Load();
  void Form_KeyPress(int keyAscii);
  void StyleButton1_Click();  // Ok
  void StyleButton2_Click();  // Cancel

 private:
  Ports ports_;  // a bundle of references: held by value so a temporary bundle cannot dangle
  std::string question_;
  // Read once, at creation. An answer that cannot be decoded matches nothing.
  std::optional<std::string> answer_ = std::string();
};

// Password change: the old password and a new one. Enter has no command here.
class frmpasschange {
 public:
  explicit frmpasschange(const Ports& ports) : ports_(ports) {}

  std::string Text1;  // old password
  std::string Text2;  // new password

  void Form_Load();
  void StyleButton1_Click();  // Ok
  void StyleButton2_Click();  // Cancel
  void StyleButton3_Click();  // Forgot Password?

 private:
  Ports ports_;  // a bundle of references: held by value so a temporary bundle cannot dangle
};

}  // namespace credentials
