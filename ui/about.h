// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "ui/version.h"

namespace quendrel {

inline constexpr std::string_view kApplicationTitle = "quendrel";

// What the About dialog frmAbout sets each time it is loaded.
struct AboutTexts {
  std::string caption;
  std::string version;
  std::string title;
};
AboutTexts form_load();

// The fixed texts of frmAbout.
std::string_view AboutDescription();
std::string_view AboutDisclaimer();

}  // namespace quendrel
