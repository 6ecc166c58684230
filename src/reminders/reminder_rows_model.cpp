#include "reminders/reminder_rows_model.h"

#include "platform/qt/display_text.h"

namespace orlevant {

void ReminderRowsModel::SetRows(std::vector<ReminderRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

void ReminderRowsModel::SetChecked(int row, bool checked) {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return;
  Row(row).RowChecked = checked;
  const QModelIndex at = index(row);
  emit dataChanged(at, at, {Qt::CheckStateRole});
}

bool ReminderRowsModel::IsRow(const QModelIndex& index) const {
  return index.isValid() && !index.parent().isValid() && index.column() == 0 && index.row() >= 0 &&
         index.row() < static_cast<int>(rows_.size());
}

int ReminderRowsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant ReminderRowsModel::data(const QModelIndex& index, int role) const {
  if (!IsRow(index)) return {};
  const ReminderRow& row = rows_[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      return DisplayPart(row.Text);
    case Qt::CheckStateRole:
      return row.RowChecked ? Qt::Checked : Qt::Unchecked;
    default:
      return {};
  }
}

bool ReminderRowsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!IsRow(index) || role != Qt::CheckStateRole) return false;
  emit CheckClicked(index.row(), value.toInt() == Qt::Checked);
  return true;
}

Qt::ItemFlags ReminderRowsModel::flags(const QModelIndex& index) const {
  if (!IsRow(index)) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren;
}

}  // namespace orlevant
