#pragma once
// The thin Win32 side of the credential windows: the window from its layout table on the
// painted background, the form's fields copied in before each command and out after it, and
// each character seen by the form before the focused control does.
#include <windows.h>

#include <string>
#include <vector>

#include "credentials/forms.h"
#include "platform/win32/form_window.h"

namespace credentials::win32 {

// Control ids, shared by the four windows.
enum : int {
  kImage1 = 101,
  kLabel1 = 111,
  kLabel2,  // the heading
  kLabel3,
  kLabel4,
  kLabel5,
  kText1 = 121,
  kText2,
  kText3,
  kCombo1 = 131,
  kStyleButton1 = 141,
  kStyleButton2,
  kStyleButton3,
};

struct Layout {
  const wchar_t* className;
  const wchar_t* title;  // never displayed (no title bar); read by screen readers
  int clientWidth;
  int clientHeight;
  std::vector<platform::win32::Child> children;  // focusable controls in focus order
  int firstFocus;
};

class FormView : public platform::win32::FormWindow {
 public:
  explicit FormView(Layout layout);
  // Creates the window hidden, runs the form's creation steps and returns it. Once only.
  HWND create();

 protected:
  virtual void load() = 0;                      // the form's creation steps
  virtual void pull() = 0;                      // controls -> form fields
  virtual void push() = 0;                      // form fields -> controls
  virtual bool keyPress(int) { return false; }  // true: the key is used up
  void fillCombo(const std::vector<std::string>& items);

  HWND createChild(const platform::win32::Child& child) override;
  HFONT fontFor(const platform::win32::Child& child) override;
  COLORREF textColour(HWND child) override;
  LRESULT onMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  static LRESULT CALLBACK keyPreview(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                     DWORD_PTR self);
  void previewKeysOf(HWND child);

  Layout layout_;
  platform::win32::UniqueFont labelFont_;
  platform::win32::UniqueFont headingFont_;
};

// How one credential window's controls meet its form.
template <typename Form>
struct Binding {
  struct Field {
    int id;
    std::string Form::*member;
    bool typed;  // the user types into it: read back before each command
  };
  std::vector<Field> fields;  // shown in this order
  std::vector<std::pair<int, void (Form::*)()>> commands;
  void (Form::*keyPress)(int) = nullptr;                 // sees each character first; Enter is then used up
  std::vector<std::string> Form::*comboItems = nullptr;  // Combo1's list, filled at creation
};

template <typename Form>
class CredentialView final : public FormView {
 public:
  CredentialView(const Ports& ports, Layout layout, Binding<Form> binding)
      : FormView(std::move(layout)), form(ports), binding_(std::move(binding)) {
    for (const auto& [id, handler] : binding_.commands) {
      onClick(id, [this, handler = handler] {
        pull();
        (form.*handler)();
        push();
      });
    }
  }
  Form form;

 protected:
  void load() override {
    form.Form_Load();
    if (binding_.comboItems) fillCombo(form.*binding_.comboItems);
  }
  void pull() override {
    for (const auto& field : binding_.fields)
      if (field.typed) form.*field.member = text(field.id);
  }
  void push() override {
    for (const auto& field : binding_.fields) setText(field.id, form.*field.member);
  }
  bool keyPress(int key) override {
    if (!binding_.keyPress) return false;
    (form.*binding_.keyPress)(key);
    return key == kEnterKey;
  }

 private:
  Binding<Form> binding_;
};

}  // namespace credentials::win32
