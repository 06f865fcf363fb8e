#pragma once
// A container and window for the SheenButton in native tests: records what the control asks of it,
// draws on a plain surface and stands in for the window system under the hook. Text is measured
// as 6 x 13 pixels a character.
#include <map>
#include <string>
#include <vector>

#include "controls/sheenbutton/sheen_button.h"
#include "support/fakes.h"

// Inside the control's namespace so the tests name its types as the control does.
namespace controls::sheenbutton::fake {

struct TextCall {
  std::string text;
  gfx::Rect rect;
  gfx::Colour colour;
};

class FakeText final : public gfx::TextRenderer {
 public:
  gfx::Rect measure(std::string_view utf8, gfx::Rect r, unsigned) override {
    return {r.left, r.top, r.left + 6 * static_cast<int>(utf8.size()), r.top + 13};
  }
  void draw(gfx::Surface&, std::string_view utf8, gfx::Rect r, unsigned, gfx::Colour colour) override {
    drawn.push_back({std::string(utf8), r, colour});
  }
  std::vector<TextCall> drawn;
};

class FakeEventLog final : public platform::EventLog {
 public:
  void reportError(std::string_view source, std::string_view text) override {
    entries.push_back(std::string(source) + " | " + std::string(text));
  }
  std::vector<std::string> entries;
};

// The window system as the hook sees it: windows 1 to 99 exist, 50 to 59 belong to another process.
class FakeHookSystem final : public HookSystem {
 public:
  bool isWindow(WindowHandle h) const override { return h >= 1 && h <= 99; }
  bool ownProcess(WindowHandle h) const override { return h < 50 || h > 59; }
  bool subclass(WindowHandle h, HookRegistry& r) override {
    if (refuse) return false;
    chains[h].push_back(&r);
    return true;
  }
  void unsubclass(WindowHandle h, HookRegistry& r) override { std::erase(chains[h], &r); }
  std::intptr_t callPrevious(WindowHandle, unsigned message, std::uintptr_t, std::intptr_t) override {
    log.push_back("previous " + std::to_string(message));
    return 7;
  }
  unsigned long lastError() const override { return 1400; }
  // A message as the window would get it: through every registry hooked on it, the last first.
  std::intptr_t send(WindowHandle h, unsigned message, std::uintptr_t w = 0, std::intptr_t l = 0) {
    return through(h, chains[h].size(), message, w, l);
  }

  bool refuse = false;
  std::map<WindowHandle, std::vector<HookRegistry*>> chains;
  std::vector<std::string> log;

 private:
  std::intptr_t through(WindowHandle h, std::size_t n, unsigned message, std::uintptr_t w, std::intptr_t l) {
    if (n == 0) {
      log.push_back("window " + std::to_string(message));
      return 7;
    }
    return chains[h][n - 1]->dispatch(h, message, w, l, [&] { return through(h, n - 1, message, w, l); });
  }
};

inline gfx::SystemColours classicColours() {
  gfx::SystemColours c{};
  c[gfx::kColorBtnFace] = 0xC8D0D4;
  c[gfx::kColorBtnShadow] = 0x808080;
  c[gfx::kColorBtnHighlight] = 0xFFFFFF;
  c[gfx::kColorHighlight] = 0x6A240A;
  return c;
}

class FakeHost : public SheenHost {
 public:
  FakeHost(int w = 49, int h = 41) : w_(w), h_(h) {}

  void propertyChanged(std::string_view name) override { log.push_back("changed " + std::string(name)); }
  bool userMode() const override { return user; }
  gfx::Colour systemColour(int index) const override { return system[static_cast<std::size_t>(index)]; }
  int width() const override { return w_; }
  int height() const override { return h_; }
  void setSize(int w, int h) override { w_ = w, h_ = h; }
  void setWindowEnabled(bool) override {}
  void setMousePointer(int p) override { pointer = p; }
  void setFont(const FontSpec& f) override { font_ = f; }
  FontSpec font() const override { return font_; }
  void setWindowRegion(const gfx::Region& r) override {
    region = r;
    log.push_back("shape");
  }
  std::optional<Picture> loadPicture(std::string_view source) override {
    if (source != "arrow.ico") return std::nullopt;
    return Picture{std::string(source), std::make_shared<gfx::Image>(32, 32, 0xFF00FF00u), true};
  }
  gfx::Surface* beginPaint(int w, int h) override {
    if (surface.width() != w || surface.height() != h) surface = gfx::Surface(w, h);
    return &surface;
  }
  void endPaint() override { ++paints; }
  gfx::TextRenderer& text() override { return textRenderer; }
  bool findTrackingFunction() override { return tracking; }
  void installHook() override {}
  void removeHook() override {}
  void armLeaveTracking() override { log.push_back("track"); }
  void processPendingMessages() override {}
  void moveFocus(bool) override {}
  int shellOpen(std::string_view) override { return 0; }
  void raise(controls::common::Event e) override {
    switch (e) {
      case controls::common::Event::Click: events.push_back("Click"); break;
      case controls::common::Event::MouseEnter: events.push_back("MouseEnter"); break;
      case controls::common::Event::MouseLeave: events.push_back("MouseLeave"); break;
    }
  }
  FontSpec ambientFont() const override { return {"Segoe UI", 9}; }
  std::optional<core::Colour> parentBackground() const override { return parentColour; }
  void removeWindowRegion() override {
    region = gfx::Region();
    log.push_back("no shape");
  }
  WindowHandle windowHandle() const override { return hwnd; }
  bool trackWithUser32() const override { return user32; }
  HookSystem& hookSystem() override { return hooks; }
  platform::EventLog& eventLog() override { return eventLogPort; }
  platform::Dialogs& dialogs() override { return dialogsPort; }
  void raiseDoubleClick() override { events.push_back("DblClick"); }
  void raiseMouse(MouseEvent e, MouseArgs& a) override {
    const char* name = e == MouseEvent::MouseDown ? "MouseDown" : e == MouseEvent::MouseMove ? "MouseMove" : "MouseUp";
    events.push_back(std::string(name) + " " + std::to_string(a.button) + " " + std::to_string(a.shift) + " " +
                     std::to_string(static_cast<int>(a.x)) + " " + std::to_string(static_cast<int>(a.y)));
  }

  gfx::SystemColours system = classicColours();
  bool user = true, tracking = true, user32 = true;
  WindowHandle hwnd = 5;
  int pointer = 0, paints = 0;
  std::optional<core::Colour> parentColour = 0xC8D0D4;
  gfx::Region region;
  gfx::Surface surface;
  FakeText textRenderer;
  FakeHookSystem hooks;
  FakeEventLog eventLogPort;
  testsupport::FakeDialogs dialogsPort;
  std::vector<std::string> log, events;

 private:
  int w_, h_;
  FontSpec font_{"MS Sans Serif", 8.25};
};

}  // namespace controls::sheenbutton::fake
