#pragma once
// A container and window for the control in native tests: records what the control asks of it
// and draws on a plain surface. Text is measured as 6 x 13 pixels a character, on one line.
#include <functional>
#include <string>
#include <vector>

#include "controls/stylebutton/style_button.h"
#include "gfx/colour_ops.h"

namespace testhost {

struct TextCall {
  std::string text;
  gfx::Rect rect;
  unsigned flags;
  gfx::Colour colour;
};

class FakeText final : public gfx::TextRenderer {
 public:
  gfx::Rect measure(std::string_view utf8, gfx::Rect r, unsigned flags) override {
    lastMeasureFlags = flags;
    return {r.left, r.top, r.left + 6 * static_cast<int>(utf8.size()), r.top + 13};
  }
  void draw(gfx::Surface&, std::string_view utf8, gfx::Rect r, unsigned flags, gfx::Colour colour) override {
    drawn.push_back({std::string(utf8), r, flags, colour});
  }
  std::vector<TextCall> drawn;
  unsigned lastMeasureFlags = 0;
};

// System colours as a classic desktop has them; info text black.
inline gfx::SystemColours classicColours() {
  gfx::SystemColours c{};
  c[gfx::kColorWindow] = 0xFFFFFF;
  c[gfx::kColorHighlight] = 0x6A240A;
  c[gfx::kColorBtnFace] = 0xC8D0D4;
  c[gfx::kColorBtnShadow] = 0x808080;
  c[gfx::kColorGrayText] = 0x808080;
  c[gfx::kColorBtnText] = 0x000000;
  c[gfx::kColorBtnHighlight] = 0xFFFFFF;
  c[gfx::kColor3dDkShadow] = 0x404040;
  c[gfx::kColor3dLight] = 0xDFDFDF;
  c[gfx::kColorInfoText] = 0x000000;
  c[gfx::kColorInfoBk] = 0xE1FFFF;
  return c;
}

class FakeHost : public controls::stylebutton::ButtonHost {
 public:
  FakeHost(int w = 113, int h = 33) : w_(w), h_(h) {}

  void propertyChanged(std::string_view name) override { log.push_back("changed " + std::string(name)); }
  bool userMode() const override { return user; }
  bool displayAsDefault() const override { return asDefault; }
  controls::stylebutton::ThemePort* theme() override { return themePort; }
  std::string containerToolTip() const override { return tip; }
  void setContainerToolTip(const std::string& text) override { tip = text; }
  gfx::Colour systemColour(int index) const override { return system[static_cast<std::size_t>(index)]; }
  int width() const override { return w_; }
  int height() const override { return h_; }
  void setSize(int w, int h) override {
    w_ = w;
    h_ = h;
    log.push_back("size " + std::to_string(w) + "x" + std::to_string(h));
  }
  void setWindowEnabled(bool e) override { windowEnabled = e; }
  void setMousePointer(int p) override { pointer = p; }
  void setFont(const controls::stylebutton::FontSpec& f) override { font_ = f; }
  controls::stylebutton::FontSpec font() const override { return font_; }
  void setWindowRegion(const gfx::Region& r) override {
    region = r;
    ++regionsSet;
  }
  std::optional<controls::stylebutton::Picture> loadPicture(std::string_view source) override {
    if (source != "known.ico") return std::nullopt;
    return controls::stylebutton::Picture{std::string(source), std::make_shared<gfx::Image>(16, 16, 0xFFFF0000u), true};
  }
  gfx::Surface* beginPaint(int w, int h) override {
    if (surface.width() != w || surface.height() != h) surface = gfx::Surface(w, h);
    ++repaints;
    return &surface;
  }
  void endPaint() override {
    if (onEndPaint) onEndPaint();
  }
  gfx::TextRenderer& text() override { return textRenderer; }
  bool findTrackingFunction() override { return tracking; }
  void installHook() override { log.push_back("hook"); }
  void removeHook() override { log.push_back("unhook"); }
  void armLeaveTracking() override { log.push_back("track"); }
  void processPendingMessages() override {
    log.push_back("pending");
    if (pending) {
      auto run = std::move(pending);
      pending = nullptr;
      run();
    }
  }
  void moveFocus(bool backwards) override { log.push_back(backwards ? "focus previous" : "focus next"); }
  int shellOpen(std::string_view link) override {
    log.push_back("open " + std::string(link));
    return shellResult;
  }
  void raise(controls::stylebutton::Event e) override {
    switch (e) {
      case controls::stylebutton::Event::Click: events.push_back("Click"); break;
      case controls::stylebutton::Event::MouseEnter: events.push_back("MouseEnter"); break;
      case controls::stylebutton::Event::MouseLeave: events.push_back("MouseLeave"); break;
    }
  }

  gfx::SystemColours system = classicColours();
  controls::stylebutton::ThemePort* themePort = nullptr;  // none: no visual styles
  bool user = true, asDefault = false, tracking = true, windowEnabled = true;
  std::string tip;
  int pointer = 0, repaints = 0, shellResult = 42, regionsSet = 0;
  gfx::Region region;
  gfx::Surface surface;
  FakeText textRenderer;
  std::vector<std::string> log, events;
  std::function<void()> pending;     // what the next processPendingMessages runs
  std::function<void()> onEndPaint;  // sees the surface of each repaint as it is shown

 private:
  int w_, h_;
  controls::stylebutton::FontSpec font_{"MS Sans Serif", 8.25};
};

}  // namespace testhost
