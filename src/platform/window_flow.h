#pragma once
// Which windows exist and which are shown. Every window is created the first time it is shown
// and only hidden and shown after that.

namespace platform {

enum class WindowId { frmTest, Form1, frmpass, frmpassfirst, frmpassforgot, frmpasschange, frmSplash };

class WindowFlow {
 public:
  virtual ~WindowFlow() = default;
  virtual void show(WindowId id) = 0;
  virtual void hide(WindowId id) = 0;
  virtual bool isVisible(WindowId id) = 0;
  virtual bool isCreated(WindowId id) = 0;
};

}  // namespace platform
