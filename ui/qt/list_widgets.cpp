// SPDX-License-Identifier: MIT
#include "ui/qt/list_widgets.h"

#include <algorithm>
#include <memory>

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QStyle>
#include <QTableView>

#include "ui/qt/list_model.h"
#include "ui/qt/qt_strings.h"

namespace quendrel {
namespace {

// A row the user chose is found again by its identity; the first row, which the table chose
// itself, gives way to the new first.
void KeepChosenThroughResets(QTableView& table) {
  struct Choice {
    QVariant identity;
    bool byUser = false;
  };
  QAbstractItemModel& model = *table.model();
  auto choice = std::make_shared<Choice>();
  QObject::connect(table.selectionModel(), &QItemSelectionModel::currentRowChanged, &table,
                   [choice] { choice->byUser = true; });
  QObject::connect(&model, &QAbstractItemModel::modelAboutToBeReset, &table, [&table, choice] {
    choice->identity = choice->byUser ? table.currentIndex().data(kIdentityRole) : QVariant{};
  });
  QObject::connect(&model, &QAbstractItemModel::modelReset, &table, [&table, &model, choice] {
    const QModelIndexList found =
        model.match(model.index(0, 0), kIdentityRole, choice->identity, 1, Qt::MatchExactly);
    table.selectRow(found.isEmpty() ? 0 : found.front().row());
    choice->byUser = !found.isEmpty();
  });
}

}  // namespace

QLabel* BuddyLabel(std::string_view caption, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(ToQString(caption), parent);
  label->setBuddy(buddy);
  label->setAccessibleName(ToQString(caption.substr(0, caption.find("(&"))));
  // Qt would name the control by the caption with its key's letter, 「よみ(Y)」, which a reader
  // says after the caption it has already read.
  if (buddy->accessibleName().isEmpty()) {
    buddy->setAccessibleName(label->accessibleName());
  }
  return label;
}

QLabel* WrappedLabel(std::string_view text, QWidget* parent) {
  auto* label = new QLabel(ToQString(text), parent);
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QTableView* ListTable(QAbstractItemModel* model, std::string_view heard, QWidget* parent) {
  auto* table = new QTableView(parent);
  table->setModel(model);
  table->setAccessibleName(ToQString(heard));
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setTabKeyNavigation(false);
  table->verticalHeader()->hide();
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() * 3 / 2);
  table->setWordWrap(false);
  KeepChosenThroughResets(*table);
  return table;
}

void FitColumns(QTableView& table) {
  const QFontMetrics& metrics = table.fontMetrics();
  const int widest = metrics.horizontalAdvance(QChar(u'名')) * 14;
  // As a cell's own hint pads its text.
  const int padding =
      2 * (table.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &table) + 1);
  table.resizeColumnsToContents();
  for (int column = 0; column < table.model()->columnCount(); ++column) {
    const QString longest =
        table.model()->headerData(column, Qt::Horizontal, kWidestRole).toString();
    const int needed = longest.isEmpty() ? 0 : metrics.horizontalAdvance(longest) + padding;
    table.setColumnWidth(column, std::min(std::max(table.columnWidth(column), needed), widest));
  }
}

}  // namespace quendrel
