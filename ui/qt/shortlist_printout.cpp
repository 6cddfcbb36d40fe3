// SPDX-License-Identifier: MIT
#include "ui/qt/shortlist_printout.h"

#include <array>
#include <cmath>

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include "ui/candidate_texts.h"
#include "ui/qt/qt_conversions.h"
#include "ui/qt/qt_strings.h"
#include "ui/qt/shortlist_card.h"
#include "ui/shortlist_texts.h"

namespace quendrel {
namespace {

constexpr qreal kMarginMillimetres = 15;
constexpr qreal kTextPoints = 9;
constexpr qreal kSmallPoints = 7.5;
constexpr qreal kHeadingPoints = 14;
constexpr qreal kPictureMillimetres = 7;

// Each column's share of the width, in the order of kShortlistColumns; the readings' check and
// the numbers under the other schools and the remark have a row of their own beneath their name's.
constexpr std::size_t kBeneath = 3;
constexpr std::array<qreal, kShortlistColumns.size() - kBeneath> kWidths = {
    0.11, 0.13, 0.09, 0.05, 0.05, 0.05, 0.05, 0.05, 0.14, 0.14, 0.14};

QFont Font(qreal points, bool bold = false) {
  QFont font{FontFor({}).family()};
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

// Lays out and draws the pages, top to bottom, in the printer's device pixels.
class Printout {
 public:
  Printout(QPrinter& printer, const Shortlist& list)
      : printer_(printer),
        list_(list),
        painter_(&printer),
        area_(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size()),
        millimetre_(printer.resolution() / 25.4),
        text_(Font(kTextPoints)),
        small_(Font(kSmallPoints)),
        line_(QFontMetrics(text_, &printer).height()),
        rowHeight_(std::max(
            2 * line_, static_cast<int>(std::lround((kPictureMillimetres + 1) * millimetre_)))) {
    qreal left = area_.left();
    for (std::size_t k = 0; k < kWidths.size(); ++k) {
      const qreal right = left + (kWidths.at(k) * area_.width());
      columns_.at(k) =
          QRect(QPoint(static_cast<int>(left), 0), QPoint(static_cast<int>(right) - 1, 0));
      left = right;
    }
    painter_.setPen(QPen(Qt::black, std::max(1.0, 0.2 * millimetre_)));
  }

  void print(std::chrono::year_month_day date) {
    heading(date);
    header();
    for (std::size_t place = 0; place < list_.size(); ++place) {
      row(list_[place]);
    }
    painter_.end();
  }

 private:
  [[nodiscard]] int padding() const { return static_cast<int>(std::lround(millimetre_)); }

  [[nodiscard]] QRect cell(std::size_t column, int height) const {
    const QRect& c = columns_.at(column);
    return {c.left(), top_, c.width(), height};
  }

  void text(const QRect& rect, const QString& text,
            Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    painter_.drawText(rect.adjusted(padding(), 0, -padding(), 0),
                      static_cast<int>(alignment) | Qt::TextWordWrap, text);
  }

  void heading(std::chrono::year_month_day date) {
    painter_.setFont(Font(kHeadingPoints, true));
    const int height = QFontMetrics(painter_.font(), &printer_).height();
    const QRect line{area_.left(), top_, area_.width(), height};
    painter_.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, ToQString(PrintHeading(list_)));
    painter_.setFont(text_);
    painter_.drawText(line, Qt::AlignRight | Qt::AlignVCenter, ToQString(PrintedDate(date)));
    top_ += height + padding();
    painter_.setFont(small_);
    const QString rule = ToQString(kFortuneRule);
    const QRect ruleRect =
        painter_.boundingRect(QRect(area_.left(), top_, area_.width(), 0), Qt::TextWordWrap, rule);
    painter_.drawText(ruleRect, Qt::TextWordWrap, rule);
    top_ += ruleRect.height() + (3 * padding());
  }

  void header() {
    painter_.setFont(text_);
    const int height = line_ + (2 * padding());
    for (std::size_t k = 0; k < columns_.size(); ++k) {
      const QRect rect = cell(k, height);
      painter_.fillRect(rect, QColor(230, 230, 230));
      painter_.drawRect(rect);
      text(rect, ToQString(HeaderOf(kShortlistColumns.at(k))), Qt::AlignCenter);
    }
    top_ += height;
  }

  void row(const ShortlistedName& name) {
    const std::string checked = ShortlistCell(name, ShortlistField::Fit);
    const QString beneath = ToQString((checked.empty() ? "" : checked + "\n") +
                                      ShortlistCell(name, ShortlistField::Others) + "\n" +
                                      ShortlistCell(name, ShortlistField::Remark));
    const QRect whole{area_.left(), 0, area_.width(), 0};
    painter_.setFont(small_);
    const int beneathHeight =
        painter_
            .boundingRect(whole.adjusted(padding(), 0, -padding(), 0), Qt::TextWordWrap, beneath)
            .height() +
        padding();
    if (top_ + rowHeight_ + beneathHeight > area_.bottom()) {
      printer_.newPage();
      top_ = 0;
      header();
    }
    painter_.setFont(text_);
    for (std::size_t k = 0; k < columns_.size(); ++k) {
      const QRect rect = cell(k, rowHeight_);
      painter_.drawRect(rect);
      const ShortlistColumn column = kShortlistColumns.at(k);
      if (IsTheme(column)) {
        themeCell(rect, name, ThemeOf(std::get<ReadingField>(column)));
      } else {
        const Qt::Alignment side =
            std::holds_alternative<ReadingField>(column) ? Qt::AlignRight : Qt::AlignLeft;
        text(rect, fitting(rect, ToQString(ShortlistCell(name, column))), side | Qt::AlignVCenter);
      }
    }
    top_ += rowHeight_;
    painter_.setFont(small_);
    const QRect beneathRect{area_.left(), top_, area_.width(), beneathHeight};
    painter_.drawRect(beneathRect);
    text(beneathRect, beneath);
    top_ += beneathHeight;
  }

  // A cell's text cut with "…" where it would run past the cell: a name's many readings are all
  // given, each with its check, in the row beneath.
  [[nodiscard]] QString fitting(const QRect& rect, const QString& text) {
    const QRect inside = rect.adjusted(padding(), 0, -padding(), 0);
    if (painter_.boundingRect(inside, Qt::TextWordWrap, text).height() <= inside.height()) {
      return text;
    }
    constexpr qreal kWrapLoss = 0.8;  // what wrapping leaves unused at the ends of lines
    const qreal lines = std::floor(static_cast<qreal>(inside.height()) / line_);
    return QFontMetrics(painter_.font(), &printer_)
        .elidedText(text, Qt::ElideRight,
                    static_cast<int>(lines * kWrapLoss * static_cast<qreal>(inside.width())));
  }

  void themeCell(const QRect& rect, const ShortlistedName& name, AppraisalTheme theme) {
    const auto& fortune = name.appraisal.theme(theme);
    if (!fortune) {
      text(rect, ToQString(kNoFortune));
      return;
    }
    const int side = static_cast<int>(std::lround(kPictureMillimetres * millimetre_));
    const QRect picture{rect.left() + padding(), rect.top() + ((rect.height() - side) / 2), side,
                        side};
    painter_.drawImage(picture, TrendPicture(theme, fortune->Trend, side));
    const QString words =
        ToQString(fortune->FortuneName) + QChar(u'\n') + ToQString(TrendName(fortune->Trend));
    text(rect.adjusted(side + padding(), 0, 0, 0), words);
  }

  QPrinter& printer_;
  const Shortlist& list_;
  QPainter painter_;
  QRect area_;
  qreal millimetre_;
  QFont text_;
  QFont small_;
  int line_;
  int rowHeight_;
  std::array<QRect, kWidths.size()> columns_{};
  int top_ = 0;
};

}  // namespace

void PrepareForShortlist(QPrinter& printer) {
  printer.setPageLayout(QPageLayout(
      QPageSize(QPageSize::A4), QPageLayout::Portrait,
      QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
      QPageLayout::Millimeter));
}

void PrintShortlist(QPrinter& printer, const Shortlist& list, std::chrono::year_month_day date) {
  Printout{printer, list}.print(date);
}

}  // namespace quendrel
