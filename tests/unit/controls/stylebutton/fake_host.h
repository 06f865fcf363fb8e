#pragma once
// A container and window for the control in native tests: records what the control asks of it
// and draws on a plain surface. Text is measured as 6 x 13 pixels a character, on one line.
#include <cstdio>
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

inline std::string hex(std::uint32_t v) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(v));
  return buffer;
}

// A tooltip window as the calls made on it, written into *log (the test may point it at the log
// the events go to). refuse names a call that fails.
class FakeTooltip final : public controls::stylebutton::TooltipPort {
 public:
  bool exists() const override { return alive; }
  bool create(unsigned style) override {
    log->push_back("create " + hex(style));
    if (refuse == "create") return false;
    alive = true;
    ++made;
    return true;
  }
  bool addTool(gfx::Rect r, const std::string& text) override {
    log->push_back("add " + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
                   std::to_string(r.bottom) + " \"" + text + "\"");
    return refuse != "add";
  }
  bool setTitle(int icon, const std::string& title) override {
    log->push_back("title " + std::to_string(icon) + " \"" + title + "\"");
    return refuse != "title";
  }
  bool setTextColour(std::uint32_t c) override {
    log->push_back("text colour " + hex(c));
    return refuse != "text colour";
  }
  bool setBackColour(std::uint32_t c) override {
    log->push_back("back colour " + hex(c));
    return true;
  }
  void remove() override {
    log->push_back("remove");
    alive = false;
  }

  std::vector<std::string> own;
  std::vector<std::string>* log = &own;
  std::string refuse;
  bool alive = false;
  int made = 0;
};

// The about panel as the calls made on it.
class FakeAbout final : public controls::stylebutton::AboutPort {
 public:
  std::uint32_t style() const override { return designStyle; }
  bool show() override { return step("show"); }
  bool setStyle(std::uint32_t s) override { return step("style " + hex(s)); }
  bool makeTopmost() override { return step("topmost"); }
  bool applyFrame() override { return step("frame"); }
  bool setTitle(std::string_view t) override { return step("title \"" + std::string(t) + "\""); }
  bool detach() override { return step("detach"); }

  std::uint32_t designStyle = 0;
  std::vector<std::string> log;
  std::string refuse;  // the first word of a call that fails

 private:
  bool step(std::string call) {
    const bool ok = refuse.empty() || call.rfind(refuse, 0) != 0;
    log.push_back(std::move(call));
    return ok;
  }
};

class FakeHost : public controls::stylebutton::ButtonHost {
 public:
  FakeHost(int w = 113, int h = 33) : w_(w), h_(h) {}

  void propertyChanged(std::string_view name) override { log.push_back("changed " + std::string(name)); }
  bool userMode() const override { return user; }
  bool displayAsDefault() const override { return asDefault; }
  controls::stylebutton::ThemePort* theme() override { return themePort; }
  controls::stylebutton::TooltipPort* tooltip() override { return tooltipPort; }
  controls::stylebutton::AboutPort* aboutPanel() override { return aboutPort; }
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
  controls::stylebutton::TooltipPort* tooltipPort = nullptr;
  controls::stylebutton::AboutPort* aboutPort = nullptr;
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
