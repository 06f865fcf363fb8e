#pragma once
// The thin Win32 side of a credential window: builds the controls from a layout table, paints
// the background picture, copies the form's fields in and out around each command and lets the
// window see each character before the focused control does.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/window.h"

namespace credentials::view {

enum class Kind { Picture, Heading, Label, Masked, Combo, Button };

struct Control {
  int id;
  Kind kind;
  int x, y, width, height;
  const char* text;  // UTF-8; a button's caption
};

// Control ids, shared by the four windows.
enum : int {
  kImage1 = 101,
  kLabel1 = 111,
  kLabel2,
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

class FormView : public win::Window {
 public:
  struct Layout {
    const wchar_t* className;
    const wchar_t* title;  // never displayed (no title bar); read by screen readers
    int clientWidth;
    int clientHeight;
    std::vector<Control> layout;  // focusable controls in focus order
    int firstFocus;
  };
  explicit FormView(Layout desc) : spec_(std::move(desc)) {}

  // Creates the window hidden, runs the form's creation steps and returns it. Once only.
  HWND create();
  HWND control(int id) const;

 protected:
  virtual void load() = 0;                      // the form's creation steps
  virtual void pull() = 0;                      // controls -> form fields
  virtual void push() = 0;                      // form fields -> controls
  virtual void command(int id) = 0;             // a button was clicked
  virtual bool keyPress(int) { return false; }  // true: the key is used up

  std::string text(int id) const;
  void setText(int id, const std::string& utf8);

  LRESULT onMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  static LRESULT CALLBACK keyPreview(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                     DWORD_PTR self);
  void createControl(const Control& c);
  HBRUSH backgroundFor(HWND child, HDC dc);
  void runCommand(int id);

  Layout spec_;
  std::map<int, HWND> controls_;
  win::UniqueBitmap background_;
  win::UniqueBrush backgroundBrush_;
  win::UniqueFont labelFont_;
  win::UniqueFont headingFont_;
  HWND lastFocus_ = nullptr;
};

}  // namespace credentials::view
