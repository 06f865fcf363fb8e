#pragma once
#include "credentials/code_page.h"

namespace credentials::win32 {

// The system's ANSI code page (CP_ACP), the one values of earlier installs were stored in.
class SystemCodePage final : public CodePage {
 public:
  std::optional<std::string> toAnsi(std::string_view utf8) const override;
  std::string toUtf8(std::string_view ansi) const override;
};

}  // namespace credentials::win32
