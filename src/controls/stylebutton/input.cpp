// The StyleButton's notifications and input state machine: focus, show and hide, mouse, keys and
// the window-procedure hook's mouse tracking.
#include "controls/stylebutton/style_button.h"

namespace controls::stylebutton {

using common::kKeyDown;
using common::kKeyLeft;
using common::kKeyRight;
using common::kKeySpace;
using common::kKeyTab;
using common::kKeyUp;
using common::kLeftButton;

void StyleButton::show() {
  isShown_ = true;
  resizeStep();
  repaint();
}

void StyleButton::hide() {
  isShown_ = false;
  // The container has its tip back; the tooltip window is left as it is.
  host_.setContainerToolTip(props_.toolTipText);
}

void StyleButton::gotFocus() {
  hasFocus_ = true;
  repaint();
}

void StyleButton::lostFocus() {
  hasFocus_ = false;
  repaint();
}

void StyleButton::ambientChanged(std::string_view name) {
  if (name == "DisplayAsDefault") repaint();
}

void StyleButton::clickHandling() {
  if (lastButton_ != kLeftButton) return;
  if (props_.buttonType == kToggleButton) {
    props_.value = !props_.value;
    host_.propertyChanged("Value");
  }
  buttonState_ = kStateHot;
  repaint();
}

void StyleButton::accessKey() {
  lastButton_ = kLeftButton;
  clickHandling();
  buttonState_ = kStateNormal;
}

void StyleButton::mouseDown(int button) {
  if (button != kLeftButton) return;
  buttonState_ = kStatePressed;
  repaint();
}

void StyleButton::mouseUp(int button) {
  if (button == kLeftButton) {
    if (props_.buttonType == kToggleButton && !props_.value) {
      buttonState_ = kStatePressed;
      repaint();
    } else {
      buttonState_ = kStateHot;
      // A leave that is waiting (the button was released outside) clears MouseInside here.
      host_.processPendingMessages();
      armTracking();
      if (mouseInside_) host_.raise(Event::Click);
      repaint();
    }
  }
  lastButton_ = button;
}

void StyleButton::click() { clickHandling(); }

void StyleButton::doubleClick() {
  if (lastButton_ == kLeftButton) mouseDown(kLeftButton);
}

void StyleButton::keyDown(int key) {
  switch (key) {
    case kKeySpace:
      buttonState_ = kStatePressed;
      repaint();
      break;
    case kKeyRight:
    case kKeyDown: host_.moveFocus(false); break;
    case kKeyLeft:
    case kKeyUp: host_.moveFocus(true); break;
    case kKeyTab: host_.raise(Event::MouseLeave); break;
    default: break;
  }
}

void StyleButton::keyUp(int key) {
  if (key != kKeySpace) return;
  clickHandling();
  host_.raise(Event::Click);
  buttonState_ = kStateNormal;
  repaint();
}

void StyleButton::terminate() {
  if (hookInstalled_) {
    host_.removeHook();
    hookInstalled_ = false;
  }
}

void StyleButton::armTracking() {
  if (trackingAvailable_) host_.armLeaveTracking();
}

void StyleButton::hookMouseMove() {
  if (mouseInside_) return;
  mouseInside_ = true;
  armTracking();
  buttonState_ = kStateHot;
  repaint();
  host_.raise(Event::MouseEnter);
  buildTooltip();
}

void StyleButton::hookMouseLeave() {
  mouseInside_ = false;
  buttonState_ = kStateNormal;
  removeTooltip();
  repaint();
  host_.raise(Event::MouseLeave);
}

}  // namespace controls::stylebutton
