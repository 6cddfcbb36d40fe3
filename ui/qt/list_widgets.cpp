// SPDX-License-Identifier: MIT
#include "ui/qt/list_widgets.h"

#include <algorithm>

#include <QHeaderView>
#include <QLabel>
#include <QTableView>

#include "ui/qt/qt_strings.h"

namespace quendrel {

QLabel* BuddyLabel(std::string_view caption, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(ToQString(caption), parent);
  label->setBuddy(buddy);
  label->setAccessibleName(ToQString(caption.substr(0, caption.find("(&"))));
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
  return table;
}

void FitColumns(QTableView& table) {
  const int widest = table.fontMetrics().horizontalAdvance(QChar(u'名')) * 14;
  table.resizeColumnsToContents();
  for (int column = 0; column < table.model()->columnCount(); ++column) {
    table.setColumnWidth(column, std::min(table.columnWidth(column), widest));
  }
}

}  // namespace quendrel
