// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

namespace quendrel {

// The user's style, but for where a text box's text may go. The boxes are laid out for a frame of
// two pixels, as the designed toolkit drew them: a name box holds three characters of 21 pixels
// in 73, a count box two digits in 25. A style that pads its boxes more would cut the first
// character: adwaita-qt sets text margins of 8 pixels when it polishes a box, over any set before.
// So the text starts just inside a two-pixel frame, as under Fusion; the frame, the colours and
// everything else stay the style's own.
class TextBoxStyle final : public QProxyStyle {
 public:
  // Over the style of that key; owned by the one box it serves, as Qt has it for proxy styles.
  explicit TextBoxStyle(const QString& key);

  using QProxyStyle::polish;
  void polish(QWidget* widget) override;
  [[nodiscard]] QRect subElementRect(SubElement element, const QStyleOption* option,
                                     const QWidget* widget) const override;
};

}  // namespace quendrel
