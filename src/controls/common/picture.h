#pragma once
// A picture property of a control: where it came from (what the settings store) and its pixels.
#include <memory>
#include <string>

#include "gfx/image.h"

namespace controls::common {

struct Picture {
  std::string source;
  std::shared_ptr<const gfx::Image> image;
  bool isIcon = true;  // an icon is drawn at its own size; a bitmap is used as it is
  bool empty() const { return !image; }
};

}  // namespace controls::common
