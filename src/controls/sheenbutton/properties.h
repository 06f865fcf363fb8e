#pragma once
// The SheenButton's properties and their enumerations. The numbers are what the settings store; a
// property holds any 32-bit number, so a value without a name is kept as it is (the pipeline has
// a rule for unknown styles, alignments and schemes).
#include <string>

#include "controls/common/font.h"
#include "controls/common/picture.h"
#include "core/colour.h"

namespace controls::sheenbutton {

// Style: 0 framed, 1 flat, 2 to 5 and 7 sheen, 6 glass.
enum StyleValue : int {
  kFramed = 0,
  kFlat = 1,
  kSheenWide = 2,
  kSheenFixedCorner = 3,
  kSheenNarrow = 4,
  kSheenHigh = 5,
  kGlass = 6,
  kSheenCentred = 7,
};

enum PictureAlignmentValue : int { kPictureTop = 0, kPictureBottom = 1, kPictureLeft = 2, kPictureRight = 3 };

// The state a repaint is asked for; Checked overrides it.
enum SheenState : int { kSheenNormal = 0, kSheenPressed = 1, kSheenFocused = 2, kSheenHover = 3, kSheenChecked = 4 };

// The host's mouse-pointer codes the control sets at load.
inline constexpr int kPointerArrow = 1;
inline constexpr int kPointerCustom = 99;

struct Properties {
  bool displayHand{};
  bool enabled{};
  int colorScheme{};
  int borderBrightness{};
  bool iconHighLite{};
  core::Colour iconHighLiteColor{};
  bool captionHighLite{};
  core::Colour captionHighLiteColor{};
  core::Colour colorBright{}, colorButtonDown{}, colorButtonUp{}, colorButtonHover{};
  core::Colour foreColor{};
  common::Picture picture;
  bool checked{};
  int style{};             // a StyleValue
  int pictureAlignment{};  // a PictureAlignmentValue
  std::string caption;
  common::FontSpec font;
};

// What a setter does after it stored the value.
enum class SetterEffect {
  Nothing,        // not even a notification
  Notify,         // tell the container only
  Repaint,        // notify, repaint normal
  ColourReset,    // back to the control's own colours, notify, repaint normal
  Scheme,         // the scheme's colours through their setters, notify, repaint normal
  Clamp,          // clamped first, then notify and repaint normal
  CheckedLook,    // repaint in the look Checked calls for, then notify
  StyleChange,    // only on a change: notify, new shape, repaint normal
  OnChange,       // only on a change: notify, repaint normal
  ForeToSurface,  // the surface's text colour, notify, repaint normal
  FontToSurface,  // the surface's font, notify, repaint normal
};

}  // namespace controls::sheenbutton
