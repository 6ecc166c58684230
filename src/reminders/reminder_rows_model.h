#pragma once
// The reminders dialog's list as a model over its rows. The rows stay plain values made once; the
// view asks only for the rows it draws, so a list of 32000 events opens as quickly as one of twenty
// and holds no object per row.
//
// The check boxes only ask: a click on one becomes CheckClicked, and the mark changes when the
// dialog, which may refuse it, calls SetChecked.

#include <QAbstractListModel>

#include <vector>

#include "core/reminder_rows.h"

namespace orlevant {

class ReminderRowsModel : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  // Puts `rows` in place of the list as a whole; the view forgets its selection.
  void SetRows(std::vector<ReminderRow> rows);
  const std::vector<ReminderRow>& Rows() const { return rows_; }
  ReminderRow& Row(int row) { return rows_[static_cast<std::size_t>(row)]; }
  void SetChecked(int row, bool checked);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 signals:
  // The user clicked the check box of `row` (or pressed Space on it) to make it `checked`.
  void CheckClicked(int row, bool checked);

 private:
  bool IsRow(const QModelIndex& index) const;

  std::vector<ReminderRow> rows_;
};

}  // namespace orlevant
