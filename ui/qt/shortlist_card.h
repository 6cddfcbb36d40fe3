// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QImage>
#include <QPalette>
#include <QRect>
#include <QStyledItemDelegate>

#include "core/shortlist.h"
#include "ui/qt/shortlist_model.h"

class QPainter;

namespace quendrel {

// A theme row's rating picture for a trend, the one the main window shows there, drawn `side`
// device pixels square and sharp at that size.
QImage TrendPicture(AppraisalTheme theme, FortuneTrend trend, int side);

// One shortlisted name as a card, which the shortlist shows side by side with the others: the
// name and its reading, the counts and the five numbers, the three theme rows with their
// pictures and trend lines, and the remark. Its size follows the font.
class ShortlistCard {
 public:
  explicit ShortlistCard(const QFont& font);

  [[nodiscard]] QSize size() const;
  void draw(QPainter& painter, QPoint topLeft, const ShortlistRow& row, const QPalette& palette,
            bool current) const;

 private:
  QFont font_;
  QFont nameFont_;
  int em_;
  int line_;
  int nameLine_;
  int picture_;
};

// Draws each row of a ShortlistModel as its card.
class ShortlistCardDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                               const QModelIndex& index) const override;
};

}  // namespace quendrel
