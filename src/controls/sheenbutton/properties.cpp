// The SheenButton's property table and what runs it: create, load, store, the setters and the
// colour schemes.
#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include "controls/common/property_table.h"
#include "controls/sheenbutton/sheen_button.h"

namespace controls::sheenbutton {

namespace {

using common::kAlways;
using P = Properties;
using enum SetterEffect;

constexpr core::Colour kUp = core::fromHex(0x5099E9), kHover = core::fromHex(0x90C0FF),
                       kBright = core::fromHex(0xB0EDFF), kGreen = core::fromHex(0x00FF00);

struct Environment {
  SheenHost& host;
  std::string_view instanceName;
  const Properties* current = nullptr;

  gfx::Colour systemColour(int index) const { return host.systemColour(index); }
  std::optional<Picture> loadPicture(std::string_view source) const { return host.loadPicture(source); }
};

std::string instanceName(const Environment& env) { return std::string(env.instanceName); }
FontSpec ambientFont(const Environment& env) { return env.host.ambientFont(); }
bool currentChecked(const Environment& env) { return env.current && env.current->checked; }

struct Setter {
  std::string_view notify;
  SetterEffect effect;
};

using Row = common::PropertyRow<Properties, Environment, Setter>;

// In the order store writes them.
// clang-format off
constexpr Row kRows[] = {
    // key                   member                    New          Loaded          Written unless  setter
    {"Enabled",              &P::enabled,              true,        true,           true,           {"Enabled", Repaint}},
    {"Font",                 &P::font,                 "Tahoma,9",  ambientFont,    ambientFont,    {"Font", FontToSurface}},
    {"Caption",              &P::caption,              instanceName, "SheenButton", "SheenButton",  {"Caption", Repaint}},
    {"IconHighLite",         &P::iconHighLite,         false,       false,          false,          {"IconHighLite", Notify}},
    {"IconHighLiteColor",    &P::iconHighLiteColor,    0,           kGreen,         kGreen,         {"IconHighLiteColor", Notify}},
    {"CaptionHighLite",      &P::captionHighLite,      false,       false,          false,          {"CaptionHighLite", Notify}},
    {"CaptionHighLiteColor", &P::captionHighLiteColor, 0,           kGreen,         kGreen,         {"CaptionHighLiteColor", Notify}},
    {"ForeColor",            &P::foreColor,            0,           0,              0,              {"ForeColor", ForeToSurface}},
    {"Picture",              &P::picture,              "",          "",             "",             {"Picture", Repaint}},
    {"PictureAlignment",     &P::pictureAlignment,     kPictureTop, kPictureTop,    kPictureTop,    {"PictureAlignment", OnChange}},
    {"Style",                &P::style,                kFramed,     kFramed,        kFramed,        {"Style", StyleChange}},
    {"Checked",              &P::checked,              false,       currentChecked, kAlways,        {"Checked", CheckedLook}},
    {"ColorButtonHover",     &P::colorButtonHover,     kHover,      kHover,         kAlways,        {"m_ColorButtonHover", ColourReset}},
    {"ColorButtonUp",        &P::colorButtonUp,        kUp,         kUp,            kAlways,        {"m_ColorButtonUp", ColourReset}},
    {"ColorButtonDown",      &P::colorButtonDown,      kUp,         kUp,            kAlways,        {"m_ColorButtonDown", ColourReset}},
    {"BorderBrightness",     &P::borderBrightness,     0,           0,              kAlways,        {"m_BorderBrightness", Clamp}},
    {"ColorBright",          &P::colorBright,          kBright,     kBright,        kAlways,        {"m_ColorBright", ColourReset}},
    {"DisplayHand",          &P::displayHand,          false,       false,          kAlways,        {"DisplayHand", Nothing}},
    {"ColorScheme",          &P::colorScheme,          0,           0,              kAlways,        {"m_ColorScheme", Scheme}},
};
// clang-format on

// Load reads in an order of its own; the font goes to the surface as soon as it is read.
constexpr std::string_view kLoadOrder[] = {
    "Enabled",
    "Font",
    "Caption",
    "CaptionHighLite",
    "CaptionHighLiteColor",
    "IconHighLite",
    "IconHighLiteColor",
    "ForeColor",
    "Picture",
    "PictureAlignment",
    "Style",
    "Checked",
    "ColorButtonHover",
    "ColorButtonUp",
    "ColorButtonDown",
    "ColorBright",
    "BorderBrightness",
    "DisplayHand",
    "ColorScheme",
};

consteval bool loadReadsEveryRowOnce() {
  for (const Row& row : kRows) {
    int reads = 0;
    for (std::string_view key : kLoadOrder) reads += key == row.key;
    if (reads != 1) return false;
  }
  return std::size(kLoadOrder) == std::size(kRows);
}
static_assert(loadReadsEveryRowOnce(), "the load reads every stored key once");

struct SchemeColours {
  core::Colour up, hover, down, bright;
};
// Schemes 1 to 6.
constexpr SchemeColours kSchemes[] = {
    {core::fromHex(0x2067D0), core::fromHex(0x5099E9), core::fromHex(0x1067A0), core::fromHex(0xB0EDFF)},
    {core::fromHex(0x6090D0), core::fromHex(0x0060E0), core::fromHex(0x5080A9), core::fromHex(0xFAFAFF)},
    {core::fromHex(0x000080), core::fromHex(0x0000A0), core::fromHex(0x0000F0), core::fromHex(0x0000FF)},
    {core::fromHex(0x800000), core::fromHex(0xA00000), core::fromHex(0xF00000), core::fromHex(0xFF0000)},
    {core::fromHex(0x008000), core::fromHex(0x00A000), core::fromHex(0x00C000), core::fromHex(0x00FF00)},
    {core::fromHex(0x808000), core::fromHex(0xA0A000), core::fromHex(0xC0C000), core::fromHex(0xFFFF00)},
};

constexpr std::size_t kFontRow = common::rowIndex(kRows, "Font");

}  // namespace

SheenButton::SheenButton(SheenHost& host)
    : host_(host), hook_(kTypeName, *this, host.hookSystem(), host.eventLog(), host.dialogs()) {}

void SheenButton::initNew(std::string_view name) {
  if (!host_.userMode()) {
    const Environment env{host_, name, &props_};
    common::applyNewValues(kRows, props_, env);
    props_.caption = "SheenButton";
    props_.picture = Picture();  // the surface's background picture
    host_.setFont(props_.font);
  }
  props_.caption = std::string(name);
  isReady_ = true;
}

bool SheenButton::load(const PropertyBag& bag) {
  const Environment env{host_, {}, &props_};
  common::PropertyReader reader(bag);
  for (std::string_view key : kLoadOrder) {
    const Row* row = nullptr;
    for (const Row& r : kRows)
      if (r.key == key) row = &r;
    if (!common::loadValue(*row, props_, reader, env)) return false;
    if (row == &kRows[kFontRow]) host_.setFont(props_.font);
  }
  host_.setMousePointer(props_.displayHand ? kPointerCustom : kPointerArrow);
  textColour_ = props_.foreColor;
  if (host_.userMode()) {
    trackingAvailable_ = host_.findTrackingFunction();
    trackWithUser32_ = trackingAvailable_ && host_.trackWithUser32();
    if (trackingAvailable_) {
      const WindowHandle hwnd = host_.windowHandle();
      hook_.sc_Subclass(hwnd, 0, 1, nullptr, true);
      hook_.HookAddMessage(hwnd, static_cast<int>(kWmPaint), kHookBefore);
      hook_.HookAddMessage(hwnd, static_cast<int>(kWmMouseMove), kHookAfter);
      hook_.HookAddMessage(hwnd, static_cast<int>(kWmMouseLeave), kHookAfter);
    }
  }
  isReady_ = true;
  return true;
}

void SheenButton::store(PropertyBag& bag) const {
  const Environment env{host_, {}, &props_};
  common::storeValues(kRows, props_, bag, env);
}

template <auto Member, class V>
void SheenButton::set(V&& value) {
  constexpr std::size_t index = common::rowIndex(kRows, Member);
  const Setter& setter = kRows[index].setter;
  if constexpr (std::is_same_v<std::remove_cvref_t<decltype(props_.*Member)>, int>) {
    if ((setter.effect == StyleChange || setter.effect == OnChange) && props_.*Member == value) return;
  }
  props_.*Member = std::forward<V>(value);
  afterSet(setter.effect, setter.notify);
}

void SheenButton::resetScheme() {
  if (props_.colorScheme == 0) return;
  props_.colorScheme = 0;
  host_.propertyChanged("m_ColorScheme");
}

void SheenButton::afterSet(SetterEffect effect, std::string_view notify) {
  switch (effect) {
    case Nothing: return;
    case Notify: host_.propertyChanged(notify); return;
    case ColourReset: resetScheme(); break;
    case Clamp: props_.borderBrightness = std::clamp(props_.borderBrightness, -100, 100); break;
    case ForeToSurface: textColour_ = props_.foreColor; break;
    case FontToSurface: host_.setFont(props_.font); break;
    case StyleChange:
      host_.propertyChanged(notify);
      buildShape();
      redraw(kSheenNormal);
      return;
    case CheckedLook:
      redraw(props_.checked ? kSheenChecked : mouseOver_ ? kSheenHover : kSheenNormal);
      host_.propertyChanged(notify);
      return;
    case Scheme:  // setColorScheme does the rest
    case Repaint:
    case OnChange: break;
  }
  host_.propertyChanged(notify);
  redraw(kSheenNormal);
}

void SheenButton::setColorScheme(int v) {
  if (v >= 1 && v <= 6) {
    const SchemeColours& c = kSchemes[v - 1];
    setColorButtonUp(c.up);
    setColorButtonHover(c.hover);
    setColorButtonDown(c.down);
    setColorBright(c.bright);
  }
  set<&P::colorScheme>(v);
}

void SheenButton::setDisplayHand(bool v) { set<&P::displayHand>(v); }
void SheenButton::setEnabled(bool v) { set<&P::enabled>(v); }
void SheenButton::setBorderBrightness(int v) { set<&P::borderBrightness>(v); }
void SheenButton::setIconHighLite(bool v) { set<&P::iconHighLite>(v); }
void SheenButton::setIconHighLiteColor(Colour v) { set<&P::iconHighLiteColor>(v); }
void SheenButton::setCaptionHighLite(bool v) { set<&P::captionHighLite>(v); }
void SheenButton::setCaptionHighLiteColor(Colour v) { set<&P::captionHighLiteColor>(v); }
void SheenButton::setColorBright(Colour v) { set<&P::colorBright>(v); }
void SheenButton::setColorButtonDown(Colour v) { set<&P::colorButtonDown>(v); }
void SheenButton::setColorButtonUp(Colour v) { set<&P::colorButtonUp>(v); }
void SheenButton::setColorButtonHover(Colour v) { set<&P::colorButtonHover>(v); }
void SheenButton::setForeColor(Colour v) { set<&P::foreColor>(v); }
void SheenButton::setPicture(Picture v) { set<&P::picture>(std::move(v)); }
void SheenButton::setChecked(bool v) { set<&P::checked>(v); }
void SheenButton::setStyle(int v) { set<&P::style>(v); }
void SheenButton::setPictureAlignment(int v) { set<&P::pictureAlignment>(v); }
void SheenButton::setCaption(std::string v) { set<&P::caption>(std::move(v)); }
void SheenButton::setFont(FontSpec v) { set<&P::font>(std::move(v)); }

}  // namespace controls::sheenbutton
