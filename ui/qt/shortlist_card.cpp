// SPDX-License-Identifier: MIT
#include "ui/qt/shortlist_card.h"

#include <cmath>
#include <ranges>

#include <QPainter>

#include "ui/candidate_texts.h"
#include "ui/design/picture_figures.h"
#include "ui/qt/figure_painter.h"
#include "ui/qt/qt_strings.h"
#include "ui/result_rows.h"
#include "ui/shortlist_texts.h"

namespace quendrel {
namespace {

constexpr int kCardEms = 18;
constexpr int kRemarkLines = 4;
constexpr std::size_t kCheckLines = 3;
constexpr std::size_t kOtherLines = 2;  // one for each other school
constexpr double kNameScale = 1.3;

const ThemeRow& RowOf(AppraisalTheme theme) {
  return kThemeRows.at(static_cast<std::size_t>(theme));
}

}  // namespace

QImage TrendPicture(AppraisalTheme theme, FortuneTrend trend, int side) {
  const Figure& figure = PictureFigure(RowOf(theme).picture(trend));
  return RenderFigure(figure, static_cast<qreal>(side) / figure.size, side);
}

ShortlistCard::ShortlistCard(const QFont& font)
    : font_(font),
      nameFont_(font),
      em_(QFontMetrics(font).horizontalAdvance(QChar(u'名'))),
      line_(QFontMetrics(font).height()) {
  if (nameFont_.pixelSize() > 0) {
    nameFont_.setPixelSize(static_cast<int>(std::lround(nameFont_.pixelSize() * kNameScale)));
  } else {
    nameFont_.setPointSizeF(nameFont_.pointSizeF() * kNameScale);
  }
  nameFont_.setBold(true);
  nameLine_ = QFontMetrics(nameFont_).height();
  picture_ = line_ * 2;
}

QSize ShortlistCard::size() const {
  const int padding = em_ / 2;
  const int height = (2 * padding) + nameLine_ +
                     ((5 + static_cast<int>(kCheckLines + kOtherLines)) * line_) +
                     (3 * std::max(picture_, 2 * line_)) + (kRemarkLines * line_) + (3 * padding);
  return {kCardEms * em_, height};
}

void ShortlistCard::draw(QPainter& painter, QPoint topLeft, const ShortlistRow& row,
                         const QPalette& palette, bool current) const {
  const ShortlistedName& name = row.name;
  const QRect card{topLeft, size()};
  const int padding = em_ / 2;
  painter.save();
  painter.fillRect(card, palette.color(QPalette::Base));
  painter.setPen(QPen(palette.color(current ? QPalette::Highlight : QPalette::Mid),
                      current ? std::max(2, em_ / 6) : 1));
  painter.drawRect(card.adjusted(0, 0, -1, -1));
  painter.setPen(palette.color(QPalette::Text));

  const int left = card.left() + padding;
  const int width = card.width() - (2 * padding);
  int top = card.top() + padding;
  const auto line = [&](const QString& text, int height, int vertical = Qt::AlignVCenter) {
    painter.drawText(QRect(left, top, width, height), Qt::AlignLeft | vertical | Qt::TextWordWrap,
                     text);
    top += height;
  };

  painter.setFont(nameFont_);
  line(ToQString(row.surname + (row.surname.empty() ? "" : " ") + name.given), nameLine_);
  painter.setFont(font_);
  // A name of many readings shows as many as the line holds; what a screen reader hears, the
  // printout and the copied text give them all.
  line(painter.fontMetrics().elidedText(ToQString(name.reading), Qt::ElideRight, width), line_);
  // How its characters explain its readings; what a screen reader hears, the printout and the
  // copied text give it in full.
  const std::vector<std::string> checked = ShortlistCheckLines(name);
  for (std::size_t k = 0; k < kCheckLines; ++k) {
    const QString text = k < checked.size() ? ToQString(checked[k]) : QString{};
    line(painter.fontMetrics().elidedText(text, Qt::ElideRight, width), line_);
  }
  line(ToQString(std::string{HeaderOf(ShortlistField::Strokes)} + " " +
                 ShortlistCell(name, ShortlistField::Strokes)),
       line_);
  // The five numbers in two columns, 天格 beside 人格, 地格 beside 外格, then 総格.
  for (std::size_t k = 0; k < kGridRows.size(); ++k) {
    const QString text = ToQString(ReadingCellHeard(name.read.grids, kReadingFields.at(k)));
    const int x = k % 2 == 0 ? left : left + (width / 2);
    painter.drawText(QRect(x, top, width / 2, line_), Qt::AlignLeft | Qt::AlignVCenter, text);
    if (k % 2 == 1 || k + 1 == kGridRows.size()) {
      top += line_;
    }
  }
  // 人格 and 総格 under the other schools, where they differ; the printout, the copied text and
  // what a screen reader hears give all five numbers and the three rows.
  const std::vector<std::string> others = OtherCountingShortLines(name);
  for (std::size_t k = 0; k < kOtherLines; ++k) {
    const QString text = k < others.size() ? ToQString(others[k]) : QString{};
    line(painter.fontMetrics().elidedText(text, Qt::ElideRight, width), line_);
  }
  top += padding;

  const int rowHeight = std::max(picture_, 2 * line_);
  const int headingWidth = (em_ * 5) / 2;
  for (const ReadingField field : kReadingFields | std::views::drop(kGridRows.size())) {
    const AppraisalTheme theme = ThemeOf(field);
    painter.drawText(QRect(left, top, headingWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     ToQString(HeaderOf(field)));
    const auto& fortune = name.appraisal.theme(theme);
    const int pictureLeft = left + headingWidth;
    if (fortune) {
      const qreal ratio = painter.device()->devicePixelRatioF();
      const int side = static_cast<int>(std::lround(picture_ * ratio));
      QImage picture = TrendPicture(theme, fortune->Trend, side);
      picture.setDevicePixelRatio(ratio);
      painter.drawImage(QPoint(pictureLeft, top + ((rowHeight - picture_) / 2)), picture);
    }
    const int textLeft = pictureLeft + picture_ + (em_ / 3);
    const QString text =
        ToQString(fortune ? ShortlistTrendLine(name, theme) : std::string{kNoFortune});
    painter.drawText(QRect(textLeft, top, left + width - textLeft, rowHeight),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
    top += rowHeight;
  }
  top += padding;
  line(ToQString(ShortlistCell(name, ShortlistField::Remark)), kRemarkLines * line_, Qt::AlignTop);
  painter.restore();
}

void ShortlistCardDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
  const QVariant row = index.data(ShortlistModel::kCardRole);
  if (!row.isValid()) {
    return;
  }
  const bool current =
      (option.state & QStyle::State_HasFocus) != 0 || (option.state & QStyle::State_Selected) != 0;
  ShortlistCard{option.font}.draw(*painter, option.rect.topLeft(), row.value<ShortlistRow>(),
                                  option.palette, current);
}

QSize ShortlistCardDelegate::sizeHint(const QStyleOptionViewItem& option,
                                      const QModelIndex& /*index*/) const {
  return ShortlistCard{option.font}.size();
}

}  // namespace quendrel
