// Paints every StyleButton style in its five looks, with the system colours and with custom
// colours, through the control's own repaint on the Windows surface (GDI text, uxtheme for
// style 6), and writes the sheet as one 24-bit BMP. Each button is cut to its window shape.
// Usage: stylebutton_gallery <out.bmp>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "controls/stylebutton/style_button.h"
#include "controls/stylebutton/win32/theme_win32.h"
#include "gfx/win32/dib_surface.h"
#include "platform/win32/gdi.h"
#include "platform/win32/handles.h"

namespace {

using controls::stylebutton::ButtonHost;
using controls::stylebutton::Event;
using controls::stylebutton::FontSpec;
using controls::stylebutton::Picture;
using controls::stylebutton::PropertyBag;
using controls::stylebutton::StyleButton;

constexpr int kW = 113, kH = 33, kGap = 10, kLabel = 240, kHeader = 28;
constexpr int kLooks = 5, kStyles = 11;
const char* const kLookNames[kLooks] = {"normal", "hot", "pressed", "disabled", "default button"};
const char* const kStyleNames[kStyles] = {"RaisedEdge",    "ThinEdge",      "FlatHot",     "Etched",
                                          "Tinted",        "GradientFrame", "SystemTheme", "ShadedBevel",
                                          "ShadedOutline", "SplitGloss",    "PixelSkin"};

// A container without a window: the control paints into its own DIB, text and theme on its DC.
class SheetHost final : public ButtonHost {
 public:
  SheetHost() : theme_(nullptr, [this] { return dib_.dc(); }) { dib_.resize(kW, kH); }
  void propertyChanged(std::string_view) override {}
  bool userMode() const override { return true; }
  bool displayAsDefault() const override { return asDefault; }
  std::string containerToolTip() const override { return {}; }
  void setContainerToolTip(const std::string&) override {}
  controls::stylebutton::ThemePort* theme() override { return &theme_; }
  gfx::Colour systemColour(int index) const override { return ::GetSysColor(index); }
  int width() const override { return kW; }
  int height() const override { return kH; }
  void setSize(int, int) override {}
  void setWindowEnabled(bool) override {}
  void setMousePointer(int) override {}
  void setFont(const FontSpec& f) override {
    const std::wstring face(f.face.begin(), f.face.end());
    platform::win32::FontRequest request;
    request.face = face.c_str();
    request.points = f.size;
    text_.reset();  // it holds the old font selected
    font_ = platform::win32::makeFont(request);
    spec_ = f;
    text_.emplace(dib_.dc(), font_.get());
  }
  FontSpec font() const override { return spec_; }
  void setWindowRegion(const gfx::Region& r) override { region = r; }
  std::optional<Picture> loadPicture(std::string_view) override { return std::nullopt; }
  gfx::Surface* beginPaint(int w, int h) override {
    if (!dib_.resize(w, h)) return nullptr;
    dib_.flush();
    return &dib_.surface();
  }
  void endPaint() override { dib_.flush(); }
  gfx::TextRenderer& text() override {
    if (!text_) text_.emplace(dib_.dc(), font_.get());
    return *text_;
  }
  bool findTrackingFunction() override { return true; }
  void installHook() override {}
  void removeHook() override {}
  void armLeaveTracking() override {}
  void processPendingMessages() override {}
  void moveFocus(bool) override {}
  int shellOpen(std::string_view) override { return 0; }
  void raise(Event) override {}

  const gfx::Surface& pixels() { return dib_.surface(); }
  bool asDefault = false;
  gfx::Region region;

 private:
  gfx::win32::DibSurface dib_;
  platform::win32::UniqueFont font_;
  FontSpec spec_;
  std::optional<gfx::win32::GdiText> text_;
  controls::stylebutton::win32::UxTheme theme_;
};

PropertyBag settings(int style, bool custom) {
  PropertyBag bag{{"style", std::to_string(style)},
                  {"caption", std::string("Style ") + std::to_string(style)},
                  {"font", "Verdana,8.25"}};
  if (custom) {
    bag.write("usecustomcolors", "-1");
    bag.write("backcolor", std::to_string(core::fromHex(0x6D9BD1)));
    bag.write("highlightcolor", std::to_string(core::fromHex(0xF0A030)));
    bag.write("fontcolor", std::to_string(core::fromHex(0x10204A)));
    bag.write("fonthighlightcolor", std::to_string(core::fromHex(0x4A1000)));
  }
  return bag;
}

void putLook(StyleButton& b, SheetHost& host, int look) {
  switch (look) {
    case 1: b.hookMouseMove(); break;
    case 2: b.mouseDown(1); break;
    case 3: b.setEnabled(false); break;
    case 4:
      host.asDefault = true;
      b.ambientChanged("DisplayAsDefault");
      break;
    default: break;
  }
}

void label(HDC dc, const std::string& text, RECT r, UINT flags) {
  const std::wstring wide(text.begin(), text.end());
  ::DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, flags | DT_SINGLELINE | DT_VCENTER);
}

bool writeBmp(const gfx::Surface& s, const char* path) {
  const int w = s.width(), h = s.height();
  const int stride = (w * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = w;
  info.biHeight = h;  // bottom-up, as BMP files keep their rows
  info.biPlanes = 1;
  info.biBitCount = 24;
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(stride * h);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  std::vector<char> row(static_cast<std::size_t>(stride), 0);
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const gfx::Colour c = s.at(x, y);
      row[static_cast<std::size_t>(x) * 3] = static_cast<char>(core::blue(c));
      row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<char>(core::green(c));
      row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<char>(core::red(c));
    }
    out.write(row.data(), stride);
  }
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: stylebutton_gallery <out.bmp>\n");
    return 2;
  }
  const int pageW = kLabel + kLooks * (kW + kGap) + kGap;
  const int pageH = kHeader + 2 * kStyles * (kH + kGap) + kGap;
  gfx::win32::DibSurface page;
  if (!page.resize(pageW, pageH)) return 1;
  page.surface().clear(core::fromHex(0xB8C0C8));
  platform::win32::FontRequest request;
  request.face = L"Verdana";
  request.points = 8.25;
  platform::win32::UniqueFont font = platform::win32::makeFont(request);
  platform::win32::SelectObjectScope selectFont(page.dc(), font.get());
  ::SetBkMode(page.dc(), TRANSPARENT);
  for (int look = 0; look < kLooks; ++look) {
    const int x = kLabel + kGap + look * (kW + kGap);
    label(page.dc(), kLookNames[look], {x, 0, x + kW, kHeader}, DT_CENTER);
  }
  int fallbacks = 0;
  for (int custom = 0; custom < 2; ++custom) {
    for (int style = 0; style < kStyles; ++style) {
      const int row = custom * kStyles + style;
      const int y = kHeader + row * (kH + kGap);
      label(page.dc(),
            std::to_string(style) + " " + kStyleNames[style] + (custom ? ", custom colours" : ", system colours"),
            {kGap, y, kLabel, y + kH}, DT_LEFT);
      for (int look = 0; look < kLooks; ++look) {
        SheetHost host;
        StyleButton button(host);
        if (!button.load(settings(style, custom != 0))) return 1;
        button.show();
        putLook(button, host, look);
        if (style == 6 && button.style() != 6) ++fallbacks;
        ::GdiFlush();
        const int x = kLabel + kGap + look * (kW + kGap);
        const gfx::Surface& cell = host.pixels();
        for (int j = 0; j < kH; ++j)
          for (int i = 0; i < kW; ++i)
            if (host.region.contains(i, j)) page.surface().setPixel(x + i, y + j, cell.at(i, j));
      }
    }
  }
  ::GdiFlush();
  std::printf("style 6: %s\n", fallbacks ? "no visual styles here, drawn by its fallback (style 5)"
                                         : "drawn through the system's visual styles");
  return writeBmp(page.surface(), argv[1]) ? 0 : 1;
}
