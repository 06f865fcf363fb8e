// The StyleButton's property table and what runs it: new instance, load, store and the setters.
#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include "controls/common/property_table.h"
#include "controls/stylebutton/style_button.h"

namespace controls::stylebutton {

namespace {

using common::kAlways;
using P = Properties;
using enum SetterEffect;

constexpr gfx::Colour kGrayMask = 0xC0C0C0;

// System colours, taken at the moment the value is needed: a stored colour equal to the system
// colour is left out and follows the system colour when loaded.
constexpr auto kSysFace = common::systemColourNow(gfx::kColorBtnFace);
constexpr auto kSysHighlight = common::systemColourNow(gfx::kColorHighlight);
constexpr auto kSysText = common::systemColourNow(gfx::kColorBtnText);
constexpr auto kSysInfoText = common::systemColourNow(gfx::kColorInfoText);
constexpr auto kSysInfoBk = common::systemColourNow(gfx::kColorInfoBk);

// What the row values are taken from.
struct Environment {
  ButtonHost& host;
  std::string_view instanceName;  // the name the container gives a new control
  bool constructing = false;      // a control not yet new or loaded holds 0 in its system colours

  gfx::Colour systemColour(int index) const { return constructing ? 0 : host.systemColour(index); }
  std::optional<Picture> loadPicture(std::string_view source) const { return host.loadPicture(source); }
};

std::string instanceName(const Environment& env) { return std::string(env.instanceName); }
std::string containersTip(const Environment& env) { return env.host.containerToolTip(); }
FontSpec hostFont(const Environment& env) { return env.host.font(); }

struct Setter {
  std::string_view notify;  // the name the container is told the change under
  SetterEffect effect;
};

using Row = common::PropertyRow<Properties, Environment, Setter>;

// In the order store writes them. ToolTipBackColor takes the info-text colour and
// ToolTipForeColor the info-background colour, not the other way round.
// clang-format off
constexpr Row kRows[] = {
    // key                    member                     New             Loaded          Written unless  setter
    {"Icon",                  &P::icon,                  "",             "",             kAlways,        {"Icon", Resize}},
    {"Style",                 &P::style,                 kRaisedEdge,    kEtched,        kEtched,        {"Style", ResizeTwice}},
    {"Caption",               &P::caption,               instanceName,   "StyleButton",  "",             {"Caption", Resize}},
    {"IconSize",              &P::iconSize,              16,             16,             16,             {"IconSize", Resize}},
    {"IconAlign",             &P::iconAlign,             kAlignLeft,     kAlignLeft,     kAlignLeft,     {"IconAlign", Resize}},
    {"CaptionAlign",          &P::captionAlign,          kAlignCenter,   kAlignCenter,   kAlignCenter,   {"CaptionAlign", Resize}},
    {"iNonThemeStyle",        &P::nonThemeStyle,         kRaisedEdge,    kGradientFrame, kGradientFrame, {"NonThemeStyle", Resize}},
    {"Enabled",               &P::enabled,               true,           true,           true,           {"Enabled", EnableWindow}},
    {"ShowFocus",             &P::showFocus,             false,          false,          false,          {"ShowFocus", Repaint}},
    {"USeCustomColors",       &P::useCustomColors,       false,          false,          false,          {"UseCustomColors", Repaint}},
    {"BackColor",             &P::backColor,             kSysFace,       kSysFace,       kSysFace,       {"BackColor", Repaint}},
    {"HighlightColor",        &P::highlightColor,        kSysHighlight,  kSysHighlight,  kSysHighlight,  {"HighlightColor", Repaint}},
    {"FontColor",             &P::fontColor,             kSysText,       kSysText,       kSysText,       {"FontColor", Repaint}},
    {"FontHighlightColor",    &P::fontHighlightColor,    kSysText,       kSysText,       kSysText,       {"FontHighlightColor", Repaint}},
    {"ToolTipText",           &P::toolTipText,           "",             "",             containersTip,  {"ToolTipText", RebuildTooltip}},
    {"Tooltiptitle",          &P::toolTipTitle,          "",             "",             kAlways,        {"TooltipTitle", Repaint}},
    {"ToolTipIcon",           &P::toolTipIcon,           kTipIconNone,   kTipIconNone,   kAlways,        {"TooltipIcon", Repaint}},
    {"ToolTipType",           &P::toolTipType,           kTipBalloon,    kTipBalloon,    kAlways,        {"ToolTipType", Repaint}},
    {"ttBackColor",           &P::toolTipBackColor,      0,              kSysInfoText,   kSysInfoText,   {"ToolTipBackColor", Repaint}},
    {"ttForeColor",           &P::toolTipForeColor,      0,              kSysInfoBk,     kSysInfoBk,     {"ToolTipForeColor", Repaint}},
    {"Font",                  &P::font,                  "Verdana,8.25", hostFont,       kAlways,        {"Font", FontToHost}},
    {"ButtonType",            &P::buttonType,            kPushButton,    kPushButton,    kPushButton,    {"ButtonType", Repaint}},
    {"Value",                 &P::value,                 false,          false,          false,          {"Value", Repaint}},
    {"MaskColor",             &P::maskColor,             0,              kGrayMask,      kGrayMask,      {"MaskColor", Repaint}},
    {"UseMaskColor",          &P::useMaskColor,          false,          false,          false,          {"UseMaskColor", Repaint}},
    {"MousePointer",          &P::mousePointer,          0,              0,              0,              {"MousePointer", PointerToHost}},
    {"RoundedBordersByTheme", &P::roundedBordersByTheme, false,          true,           true,           {"RoundedBordersByTheme", Repaint}},
    {"bRTLText",              &P::rightToLeft,           false,          false,          false,          {"bRTLText", Repaint}},
};
// clang-format on

// The load reads in an order of its own, and hands values on between the reads.
enum class Action {
  Read,            // the row's key, falling back to its Loaded value
  ToHost,          // the value goes to the host as the row's setter hands it
  TipToContainer,  // the stored tip, falling back to the control's own, becomes the container's tip
};
struct LoadStep {
  Action action;
  std::size_t row;
};
consteval LoadStep step(Action action, std::string_view key) { return {action, common::rowIndex(kRows, key)}; }
consteval LoadStep read(std::string_view key) { return step(Action::Read, key); }
consteval LoadStep toHost(std::string_view key) { return step(Action::ToHost, key); }

constexpr LoadStep kLoadSteps[] = {
    read("Icon"),
    read("Style"),
    read("Caption"),
    read("IconSize"),
    read("CaptionAlign"),
    read("IconAlign"),
    read("iNonThemeStyle"),
    read("Enabled"),
    read("ShowFocus"),
    read("USeCustomColors"),
    read("BackColor"),
    read("HighlightColor"),
    read("FontColor"),
    read("FontHighlightColor"),
    toHost("Enabled"),  // a disabled control must not take input either
    step(Action::TipToContainer, "ToolTipText"),
    read("ToolTipText"),
    read("Tooltiptitle"),
    read("ToolTipIcon"),
    read("ToolTipType"),
    read("ttBackColor"),
    read("ttForeColor"),
    read("Font"),
    toHost("Font"),
    read("ButtonType"),
    read("Value"),
    read("UseMaskColor"),
    read("MaskColor"),
    read("MousePointer"),
    toHost("MousePointer"),
    read("RoundedBordersByTheme"),
    read("bRTLText"),
};

consteval bool readsEveryRowOnce() {
  for (std::size_t i = 0; i < std::size(kRows); ++i) {
    int reads = 0;
    for (const LoadStep& s : kLoadSteps) reads += s.action == Action::Read && s.row == i;
    if (reads != 1) return false;
  }
  return true;
}
static_assert(readsEveryRowOnce(), "the load reads every stored key once");

}  // namespace

// Until initNew or load the control holds the New values, with an empty caption and 0 for the
// colours that are system colours.
StyleButton::StyleButton(ButtonHost& host) : host_(host), background_(host.systemColour(gfx::kColorBtnFace)) {
  const Environment env{host_, {}, true};
  common::applyNewValues(kRows, props_, env);
  readSystemColours();
}

void StyleButton::initNew(std::string_view name) {
  const Environment env{host_, name};
  common::applyNewValues(kRows, props_, env);
  handToHost(SetterEffect::FontToHost);
  readSystemColours();
  captionFormat_ = gfx::kTextCenter | gfx::kTextWordBreak;
  iconMargin_ = 4;
  if (const AboutPort* panel = host_.aboutPanel()) aboutStyle_ = panel->style();
}

bool StyleButton::load(const PropertyBag& bag) {
  readSystemColours();
  buttonState_ = kStateNormal;
  iconMargin_ = 0;
  const Environment env{host_, {}};
  common::PropertyReader reader(bag);
  for (const LoadStep& s : kLoadSteps) {
    const Row& row = kRows[s.row];
    switch (s.action) {
      case Action::Read:
        if (!common::loadValue(row, props_, reader, env)) return false;
        break;
      case Action::ToHost: handToHost(row.setter.effect); break;
      case Action::TipToContainer: {
        std::string tip;
        if (!common::readValue(reader, row.key, props_.toolTipText, tip, env)) return false;
        host_.setContainerToolTip(tip);
        break;
      }
    }
  }
  if (host_.userMode()) {
    trackingAvailable_ = host_.findTrackingFunction();
    if (trackingAvailable_) {
      host_.installHook();
      hookInstalled_ = true;
    }
  }
  resizeStep();
  return true;
}

void StyleButton::store(PropertyBag& bag) const {
  const Environment env{host_, {}};
  common::storeValues(kRows, props_, bag, env);
}

template <auto Member, class V>
void StyleButton::set(V&& value) {
  constexpr std::size_t index = common::rowIndex(kRows, Member);
  props_.*Member = std::forward<V>(value);
  host_.propertyChanged(kRows[index].setter.notify);
  afterSet(kRows[index].setter.effect);
}

void StyleButton::afterSet(SetterEffect effect) {
  switch (effect) {
    case SetterEffect::Repaint: repaint(); break;
    case SetterEffect::RebuildTooltip:
      buildTooltip();
      repaint();
      break;
    case SetterEffect::Resize:
      resizeStep();
      repaint();
      break;
    case SetterEffect::ResizeTwice:
      for (int i = 0; i < 2; ++i) {
        resizeStep();
        repaint();
      }
      break;
    case SetterEffect::EnableWindow:
      buttonState_ = kStateNormal;
      repaint();
      handToHost(effect);
      break;
    case SetterEffect::FontToHost:
      handToHost(effect);
      repaint();
      break;
    case SetterEffect::PointerToHost: handToHost(effect); break;
  }
}

void StyleButton::handToHost(SetterEffect effect) {
  switch (effect) {
    case SetterEffect::EnableWindow: host_.setWindowEnabled(props_.enabled); break;
    case SetterEffect::FontToHost: host_.setFont(props_.font); break;
    case SetterEffect::PointerToHost: host_.setMousePointer(props_.mousePointer); break;
    default: break;
  }
}

void StyleButton::setStyle(int v) { set<&P::style>(v); }
void StyleButton::setCaption(std::string v) { set<&P::caption>(std::move(v)); }
void StyleButton::setIcon(Picture v) { set<&P::icon>(std::move(v)); }
void StyleButton::setIconAlign(int v) { set<&P::iconAlign>(v); }
void StyleButton::setIconSize(std::int16_t v) { set<&P::iconSize>(v); }
void StyleButton::setCaptionAlign(int v) { set<&P::captionAlign>(v); }
void StyleButton::setNonThemeStyle(int v) { set<&P::nonThemeStyle>(v); }
void StyleButton::setEnabled(bool v) { set<&P::enabled>(v); }
void StyleButton::setShowFocus(bool v) { set<&P::showFocus>(v); }
void StyleButton::setUseCustomColors(bool v) { set<&P::useCustomColors>(v); }
void StyleButton::setBackColor(gfx::Colour v) { set<&P::backColor>(v); }
void StyleButton::setHighlightColor(gfx::Colour v) { set<&P::highlightColor>(v); }
void StyleButton::setFontColor(gfx::Colour v) { set<&P::fontColor>(v); }
void StyleButton::setFontHighlightColor(gfx::Colour v) { set<&P::fontHighlightColor>(v); }
void StyleButton::setToolTipText(std::string v) { set<&P::toolTipText>(std::move(v)); }
void StyleButton::setToolTipTitle(std::string v) { set<&P::toolTipTitle>(std::move(v)); }
void StyleButton::setToolTipIcon(int v) { set<&P::toolTipIcon>(v); }
void StyleButton::setToolTipType(int v) { set<&P::toolTipType>(v); }
void StyleButton::setToolTipBackColor(gfx::Colour v) { set<&P::toolTipBackColor>(v); }
void StyleButton::setToolTipForeColor(gfx::Colour v) { set<&P::toolTipForeColor>(v); }
void StyleButton::setFont(FontSpec v) { set<&P::font>(std::move(v)); }
void StyleButton::setButtonType(int v) { set<&P::buttonType>(v); }
void StyleButton::setMousePointer(std::int16_t v) { set<&P::mousePointer>(v); }
void StyleButton::setValue(bool v) { set<&P::value>(v); }
void StyleButton::setMaskColor(gfx::Colour v) { set<&P::maskColor>(v); }
void StyleButton::setUseMaskColor(bool v) { set<&P::useMaskColor>(v); }
void StyleButton::setRoundedBordersByTheme(bool v) { set<&P::roundedBordersByTheme>(v); }
void StyleButton::setRightToLeft(bool v) { set<&P::rightToLeft>(v); }

}  // namespace controls::stylebutton
