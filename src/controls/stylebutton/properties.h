#pragma once
// The StyleButton's properties and their enumerations. The numbers are what the settings store;
// a property holds any 32-bit number, so a value without a name is kept as it is (the pipeline
// has a rule for unknown styles and alignments).
#include <cstdint>
#include <string>

#include "controls/common/font.h"
#include "controls/common/picture.h"
#include "core/colour.h"

namespace controls::stylebutton {

enum StyleValue : int {
  kRaisedEdge = 0,
  kThinEdge = 1,
  kFlatHot = 2,
  kEtched = 3,
  kTinted = 4,
  kGradientFrame = 5,
  kSystemTheme = 6,
  kShadedBevel = 7,
  kShadedOutline = 8,
  kSplitGloss = 9,
  kPixelSkin = 10,
};

enum ButtonTypeValue : int { kPushButton = 0, kToggleButton = 1 };

// IconAlign and CaptionAlign.
enum AlignValue : int { kAlignCenter = 0, kAlignLeft = 1, kAlignRight = 2, kAlignTop = 3, kAlignBottom = 4 };

// Any ToolTipType but kTipBalloon is a standard rectangular tip.
enum ToolTipTypeValue : int { kTipStandard = 0, kTipBalloon = 1 };
enum ToolTipIconValue : int { kTipIconNone = 0, kTipIconInfo = 1, kTipIconWarning = 2, kTipIconError = 3 };

// ButtonState; kStateDefaulted is only handed to painters.
enum ButtonStateValue : int {
  kStateNormal = 1,
  kStateHot = 2,
  kStatePressed = 3,
  kStateDisabled = 4,
  kStateDefaulted = 5,
};

// The values; what each starts as, is stored as and does when set is the table in properties.cpp.
struct Properties {
  int style{};  // a StyleValue
  std::string caption;
  common::Picture icon;
  int iconAlign{};  // an AlignValue
  std::int16_t iconSize{};
  int captionAlign{};   // an AlignValue
  int nonThemeStyle{};  // a StyleValue
  bool enabled{};
  bool showFocus{};
  bool useCustomColors{};
  core::Colour backColor{}, highlightColor{}, fontColor{}, fontHighlightColor{};
  std::string toolTipText, toolTipTitle;
  int toolTipIcon{};  // a ToolTipIconValue
  int toolTipType{};  // a ToolTipTypeValue
  core::Colour toolTipBackColor{}, toolTipForeColor{};
  common::FontSpec font;
  int buttonType{};             // a ButtonTypeValue
  std::int16_t mousePointer{};  // the host's mouse-pointer code, 0 the default arrow
  bool value{};
  core::Colour maskColor{};
  bool useMaskColor{};
  bool roundedBordersByTheme{};
  bool rightToLeft{};
};

// What a setter does after it stored the value and told the container.
enum class SetterEffect {
  Repaint,
  RebuildTooltip,  // the tooltip is built again (its text taken from the container's), repaint
  Resize,          // resize step, repaint
  ResizeTwice,     // resize step, repaint, resize step, repaint
  EnableWindow,    // state normal, repaint, then the host window is enabled or disabled to match
  FontToHost,      // the font goes to the host's drawing surface, repaint
  PointerToHost,   // the pointer goes to the host window; no repaint
};

}  // namespace controls::stylebutton
