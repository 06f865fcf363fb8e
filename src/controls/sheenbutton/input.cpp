// The SheenButton's notifications and the hook's callback: which look it shows and which events
// it raises.
#include "controls/sheenbutton/sheen_button.h"

namespace controls::sheenbutton {

using common::kKeyEnter;
using common::kLeftButton;

void SheenButton::pressed(MouseArgs& args) {
  hasFocus_ = true;
  redraw(kSheenPressed);
  host_.raiseMouse(MouseEvent::MouseDown, args);
}

void SheenButton::released(MouseArgs& args) {
  if (!props_.checked) {
    if (mouseOver_) redraw(kSheenHover);
    else if (hasFocus_) redraw(kSheenFocused);
  }
  host_.raiseMouse(MouseEvent::MouseUp, args);
}

void SheenButton::mouseDown(MouseArgs args) {
  if (props_.enabled) pressed(args);
}

void SheenButton::mouseMove(MouseArgs args) {
  if (!props_.enabled) return;
  host_.raiseMouse(MouseEvent::MouseMove, args);
  const double W = host_.width(), H = host_.height();
  if (args.button == kLeftButton && (args.x < 0 || args.x > W || args.y < 0 || args.y > H)) {
    mouseOver_ = false;
    redraw(kSheenNormal);
  }
}

void SheenButton::mouseUp(MouseArgs args) {
  if (props_.enabled) released(args);
}

void SheenButton::click() {
  if (props_.enabled) host_.raise(Event::Click);
}

void SheenButton::doubleClick() {
  if (!props_.enabled) return;
  redraw(kSheenPressed);
  host_.raiseDoubleClick();
}

void SheenButton::keyDown(int key) {
  if (!props_.enabled || key != kKeyEnter) return;
  MouseArgs args{kLeftButton, 0, 0, 0};
  pressed(args);
}

void SheenButton::keyUp(int key) {
  if (!props_.enabled || key != kKeyEnter) return;
  MouseArgs args{kLeftButton, 0, 0, 0};
  released(args);
  host_.raise(Event::Click);
}

void SheenButton::gotFocus() {
  hasFocus_ = true;
  if (props_.enabled && !props_.checked && !mouseOver_) redraw(kSheenFocused);
}

void SheenButton::lostFocus() {
  hasFocus_ = false;
  if (props_.enabled && !props_.checked) redraw(kSheenNormal);
}

void SheenButton::resizeOrShow() {
  buildShape();
  redraw(kSheenNormal);
}

void SheenButton::terminate() {
  hook_.HookReleaseAll();
  innerShape_.reset();
}

void SheenButton::requestLeaveNotice() {
  if (trackingAvailable_) host_.armLeaveTracking();
}

void SheenButton::hookCallback(bool, bool&, std::intptr_t&, WindowHandle, unsigned message, std::uintptr_t wparam,
                               std::intptr_t lparam) {
  switch (message) {
    case kWmPaint: buildShape(); break;
    case kWmMouseMove: {
      if (wparam == 1 || mouseOver_) break;  // the left button alone: a drag from elsewhere
      const auto x = static_cast<std::int16_t>(lparam & 0xFFFF);
      const auto y = static_cast<std::int16_t>((lparam >> 16) & 0xFFFF);
      if (x > 0 && y > 0 && x < host_.width() && y < host_.height()) {
        mouseOver_ = true;
        requestLeaveNotice();
        host_.raise(Event::MouseEnter);
        redraw(kSheenHover);
      }
      break;
    }
    case kWmMouseLeave:
      mouseOver_ = false;
      host_.raise(Event::MouseLeave);
      if (!props_.checked) redraw(hasFocus_ ? kSheenFocused : kSheenNormal);
      break;
    default: break;
  }
}

}  // namespace controls::sheenbutton
