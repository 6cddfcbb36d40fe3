// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

class QAbstractItemModel;
class QLabel;
class QTableView;
class QWidget;

// The pieces that the pages of 「名前の候補」 build their forms and lists from.
namespace quendrel {

// A caption with its access key, "姓(&S)"; a screen reader hears it without the key's letter, as
// it announces the key itself.
QLabel* BuddyLabel(std::string_view caption, QWidget* buddy, QWidget* parent);

QLabel* WrappedLabel(std::string_view text, QWidget* parent);

// A read-only table of whole rows, one chosen at a time, rows a line and a half high. When its
// model is reset, the row with the kIdentityRole of the one the user chose is chosen again, else
// the first.
QTableView* ListTable(QAbstractItemModel* model, std::string_view heard, QWidget* parent);

// Each column as wide as what the first rows show in it, but a long list of readings, which the
// cell's eliding shortens and a screen reader still reads whole.
void FitColumns(QTableView& table);

}  // namespace quendrel
