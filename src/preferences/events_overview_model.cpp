#include "preferences/events_overview_model.h"

#include "platform/qt/display_text.h"

namespace orlevant {

void EventsOverviewModel::Fill(std::vector<OverviewItem> items) {
  std::vector<int> ascending = OverviewOrder(items);
  beginResetModel();
  items_ = std::move(items);
  ascending_ = std::move(ascending);
  endResetModel();
}

void EventsOverviewModel::SetDescending(bool descending) {
  if (descending == descending_) return;
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  descending_ = descending;
  const QModelIndexList before = persistentIndexList();
  QModelIndexList after;
  after.reserve(before.size());
  const int last = rowCount() - 1;
  for (const QModelIndex& index : before) after.append(this->index(last - index.row()));
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

const OverviewItem& EventsOverviewModel::Item(int row) const {
  return items_.at(static_cast<std::size_t>(Position(row)));
}

int EventsOverviewModel::Position(int row) const {
  return ascending_.at(static_cast<std::size_t>(descending_ ? rowCount() - 1 - row : row));
}

int EventsOverviewModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(items_.size());
}

QVariant EventsOverviewModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
    return {};
  return DisplayPart(Item(index.row()).text);
}

}  // namespace orlevant
