#pragma once
// The rows of the events overview as a list model: the items are sorted once when filled, and the
// other direction reads that order backwards, so a change of direction moves no text and lays out
// none.
// Row texts become QStrings only when the view asks for a row it shows.

#include <QAbstractListModel>

#include <vector>

#include "core/event_statistics.h"

namespace orlevant {

class EventsOverviewModel : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  // Replaces every row with `items`, sorted for the present direction.
  void Fill(std::vector<OverviewItem> items);
  // The chosen row, the current row and the selection stay on their items.
  void SetDescending(bool descending);

  const OverviewItem& Item(int row) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  int Position(int row) const;

  std::vector<OverviewItem> items_;  // file order
  std::vector<int> ascending_;        // positions in items_
  bool descending_ = false;
};

}  // namespace orlevant
