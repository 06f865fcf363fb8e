#pragma once
// Base of the program's top-level windows: a layout table of child controls, the focus given
// back when the window is active again, labels that show the window's background through them,
// centring, and commands dispatched from a table of control id and notification.
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/window.h"

namespace platform::win32 {

enum class ChildKind {
  Label,     // static text
  Link,      // static text that reports clicks, with the hand pointer over it
  Picture,   // an empty static: the window's background shows the picture
  Password,  // a masked edit field
  DropDown,  // an editable drop-down list; the height given is the closed field's
  Button,    // made by the window itself (the controls are not the platform's)
  Other,     // likewise
};

struct Child {
  int id;
  ChildKind kind;
  const wchar_t* text;
  int x, y, width, height;
  DWORD style = 0;  // added to the kind's own style
};

struct FormArgs {
  const wchar_t* className;
  const wchar_t* title;
  DWORD style;
  DWORD exStyle;
  int clientWidth;
  int clientHeight;
  bool centred = false;  // on the work area; else where the system puts a new window
  HICON icon = nullptr;
};

class FormWindow : public Window {
 public:
  HWND control(int id) const;
  std::string text(int id) const;
  // Leaves a control whose text is already the same alone: no caret move, no change notice.
  void setText(int id, const std::string& utf8);
  // The tip text the window keeps for a child control, as a container does; a control that shows
  // its own tip takes it from here and gives it back.
  std::string tipText(HWND child) const;
  void setTipText(HWND child, const std::string& utf8);

 protected:
  // Registers the class, creates the window hidden and then its children in table order,
  // which is the order Tab walks.
  bool createForm(const FormArgs& form, const std::vector<Child>& children);
  void rememberFocus(HWND control) { lastFocus_ = control; }
  // The window's background, also shown through its labels.
  void setBackground(UniqueBitmap picture);
  void onCommand(int id, int code, std::function<void()> handler);
  void onClick(int id, std::function<void()> handler) { onCommand(id, BN_CLICKED, std::move(handler)); }

  virtual HWND createChild(const Child& child);  // Button and Other: the window's own
  virtual HFONT fontFor(const Child&) { return nullptr; }
  virtual COLORREF textColour(HWND) { return RGB(0, 0, 0); }
  virtual HBRUSH childBrush(HWND child, HDC dc);
  virtual void paintBackground(HDC dc);

  LRESULT onMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  HWND createStandardChild(const Child& child);

  std::map<int, HWND> controls_;
  std::vector<HWND> links_;
  std::map<std::pair<int, int>, std::function<void()>> commands_;
  std::map<HWND, std::string> tips_;
  UniqueBitmap background_;
  UniqueBrush backgroundBrush_;
  HWND lastFocus_ = nullptr;
};

}  // namespace platform::win32
