#include "platform/win/ListCtrl.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>
#include <set>
#include <vector>

#include "platform/win/QtText.h"
#include "platform/win/WindowWidget.h"

namespace {

constexpr int kRowHeight = 17;

}  // namespace

// The rows and headings of a list. A cell's text is asked of the list's parent each time
// the view shows the cell.
class ListModel : public QAbstractTableModel {
 public:
  explicit ListModel(WindowWidget* widget) : QAbstractTableModel(widget), widget_(widget) {}

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows.size());
  }
  int columnCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(headings.size());
  }
  Qt::ItemFlags flags(const QModelIndex& index) const override {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  }
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section < 0 || section >= static_cast<int>(headings.size())) return {};
    return headings[static_cast<size_t>(section)];
  }

  void InsertRow(int row, LPARAM value) {
    beginInsertRows({}, row, row);
    rows.insert(rows.begin() + row, value);
    endInsertRows();
  }
  void InsertColumn(int column, const QString& heading) {
    beginInsertColumns({}, column, column);
    headings.insert(headings.begin() + column, heading);
    endInsertColumns();
  }
  void Clear() {
    beginResetModel();
    rows.clear();
    endResetModel();
  }
  // Puts the rows in a new order (order[new row] = old row); the view's focus and selection
  // follow their rows.
  void Reorder(const std::vector<int>& order);

  std::vector<LPARAM> rows;
  std::vector<QString> headings;

 private:
  WindowWidget* widget_;
};

// The widget of a list control: a window widget holding the toolkit's table view.
class ListWidget : public WindowWidget {
 public:
  ListWidget(CListCtrl* owner, QWidget* parent)
      : WindowWidget(owner, parent), view(new QTableView(this)), model(new ListModel(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    setFocusProxy(view);
    view->setModel(model);
    SetUpView();
    view->installEventFilter(this);
    QObject::connect(view->horizontalHeader(), &QHeaderView::sectionClicked,
                     [this](int column) { ColumnClicked(column); });
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged,
                     [this](const QModelIndex& now, const QModelIndex& before) {
                       FocusMoved(now.row(), before.row());
                     });
    QObject::connect(
        view->selectionModel(), &QItemSelectionModel::selectionChanged,
        [this](const QItemSelection& on, const QItemSelection& off) { SelectionMoved(on, off); });
  }

  CListCtrl* list() const { return static_cast<CListCtrl*>(owner()); }

  UINT StateOf(int row) const {
    if (row < 0) return 0;
    const QModelIndex index = model->index(row, 0);
    UINT state = view->selectionModel()->isSelected(index) ? LVIS_SELECTED : 0;
    if (view->currentIndex().isValid() && view->currentIndex().row() == row) state |= LVIS_FOCUSED;
    return state;
  }

  QTableView* view;
  ListModel* model;

 protected:
  // Enter and Escape belong to the dialog around the list, not to the view.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != view || event->type() != QEvent::KeyPress || list() == nullptr) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      list()->PressDefaultButton();
      return true;
    }
    if (key == Qt::Key_Escape) {
      ::SendMessage(list()->GetParent(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      return true;
    }
    return false;
  }

 private:
  void SetUpView() {
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView* header = view->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectItems);
    view->setShowGrid(false);
    view->setWordWrap(false);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTabKeyNavigation(false);
  }

  void ColumnClicked(int column) {
    if (list() != nullptr) list()->ClickColumn(column);
  }

  void FocusMoved(int now, int before) {
    if (list() == nullptr) return;
    if (before >= 0 && before != now)
      list()->StateChanged(before, StateOf(before) | LVIS_FOCUSED, StateOf(before));
    if (now >= 0) list()->StateChanged(now, StateOf(now) & ~LVIS_FOCUSED, StateOf(now));
  }

  void SelectionMoved(const QItemSelection& on, const QItemSelection& off) {
    if (list() == nullptr) return;
    for (int row : RowsOf(off))
      list()->StateChanged(row, StateOf(row) | LVIS_SELECTED, StateOf(row));
    for (int row : RowsOf(on))
      list()->StateChanged(row, StateOf(row) & ~LVIS_SELECTED, StateOf(row));
  }

  static std::set<int> RowsOf(const QItemSelection& selection) {
    std::set<int> rows;
    for (const QModelIndex& index : selection.indexes()) rows.insert(index.row());
    return rows;
  }
};

QVariant ListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  auto* list = static_cast<CListCtrl*>(widget_->owner());
  if (list == nullptr) return {};
  return QtText::FromCp932(list->GetItemText(index.row(), index.column()));
}

void ListModel::Reorder(const std::vector<int>& order) {
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  std::vector<int> newRowOf(order.size());
  std::vector<LPARAM> sorted(order.size());
  for (size_t i = 0; i < order.size(); ++i) {
    newRowOf[static_cast<size_t>(order[i])] = static_cast<int>(i);
    sorted[i] = rows[static_cast<size_t>(order[i])];
  }
  const QModelIndexList before = persistentIndexList();
  QModelIndexList after;
  for (const QModelIndex& index : before)
    after.append(this->index(newRowOf[static_cast<size_t>(index.row())], index.column()));
  changePersistentIndexList(before, after);
  rows = std::move(sorted);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

WindowWidget* CListCtrl::MakeWidget(WindowWidget* parent) {
  return new ListWidget(this, parent);
}

ListWidget* CListCtrl::list() const {
  return static_cast<ListWidget*>(widget());
}

int CListCtrl::InsertColumn(int column, const Cp932String& heading, int width) {
  if (list() == nullptr || column < 0) return -1;
  column = std::min(column, GetColumnCount());
  list()->model->InsertColumn(column, QtText::FromCp932(heading));
  SetColumnWidth(column, width);
  return column;
}

int CListCtrl::GetColumnCount() const {
  return list() != nullptr ? static_cast<int>(list()->model->headings.size()) : 0;
}

int CListCtrl::GetColumnWidth(int column) const {
  if (column < 0 || column >= GetColumnCount()) return 0;
  return list()->view->horizontalHeader()->sectionSize(column);
}

bool CListCtrl::SetColumnWidth(int column, int width) {
  if (column < 0 || column >= GetColumnCount() || width < 0) return false;
  list()->view->horizontalHeader()->resizeSection(column, width);
  return true;
}

Cp932String CListCtrl::GetColumnHeading(int column) const {
  if (column < 0 || column >= GetColumnCount()) return {};
  return QtText::ToCp932Lossy(list()->model->headings[static_cast<size_t>(column)]);
}

int CListCtrl::InsertItem(int row, LPARAM value) {
  if (list() == nullptr || row < 0) return -1;
  row = std::min(row, GetItemCount());
  list()->model->InsertRow(row, value);
  return row;
}

void CListCtrl::DeleteAllItems() {
  if (list() != nullptr) list()->model->Clear();
}

int CListCtrl::GetItemCount() const {
  return list() != nullptr ? static_cast<int>(list()->model->rows.size()) : 0;
}

LPARAM CListCtrl::GetItemData(int row) const {
  if (row < 0 || row >= GetItemCount()) return 0;
  return list()->model->rows[static_cast<size_t>(row)];
}

Cp932String CListCtrl::GetItemText(int row, int column) const {
  if (row < 0 || row >= GetItemCount() || column < 0 || column >= GetColumnCount()) return {};
  // Asking is a message to the parent, which is no change of the list itself.
  return const_cast<CListCtrl*>(this)->AskText(row, column, GetItemData(row));
}

Cp932String CListCtrl::AskText(int row, int column, LPARAM value) {
  NMLVDISPINFO info;
  info.iItem = row;
  info.iSubItem = column;
  info.lParam = value;
  Notify(info, LVN_GETDISPINFO);
  return info.text;
}

void CListCtrl::Notify(NMHDR& header, UINT code) {
  header.hwndFrom = this;
  header.idFrom = GetDlgCtrlID();
  header.code = code;
  ::SendMessage(GetParent(), WM_NOTIFY, GetDlgCtrlID(), reinterpret_cast<LPARAM>(&header));
}

void CListCtrl::StateChanged(int row, UINT oldState, UINT newState) {
  NMLISTVIEW change;
  change.iItem = row;
  change.uOldState = oldState;
  change.uNewState = newState;
  change.lParam = GetItemData(row);
  Notify(change, LVN_ITEMCHANGED);
}

void CListCtrl::SetExtendedStyle(DWORD style) {
  extendedStyle_ = style;
  if (list() == nullptr) return;
  list()->view->setSelectionBehavior((style & LVS_EX_FULLROWSELECT) != 0
                                         ? QAbstractItemView::SelectRows
                                         : QAbstractItemView::SelectItems);
  list()->view->setShowGrid((style & LVS_EX_GRIDLINES) != 0);
}

bool CListCtrl::SelectItem(int row) {
  if (row < 0 || row >= GetItemCount()) return false;
  const QModelIndex index = list()->model->index(row, 0);
  list()->view->selectionModel()->setCurrentIndex(
      index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  list()->view->scrollTo(index);
  return true;
}

int CListCtrl::GetFocusedItem() const {
  if (list() == nullptr) return -1;
  const QModelIndex current = list()->view->currentIndex();
  return current.isValid() ? current.row() : -1;
}

bool CListCtrl::IsItemSelected(int row) const {
  if (row < 0 || row >= GetItemCount()) return false;
  return (list()->StateOf(row) & LVIS_SELECTED) != 0;
}

bool CListCtrl::SortItems(const CompareFunc& compare) {
  if (list() == nullptr || !compare) return false;
  const std::vector<LPARAM>& rows = list()->model->rows;
  std::vector<int> order(rows.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return compare(rows[static_cast<size_t>(a)], rows[static_cast<size_t>(b)]) < 0;
  });
  list()->model->Reorder(order);
  return true;
}

void CListCtrl::SetSortArrow(int column, bool ascending) {
  arrowColumn_ = column >= 0 && column < GetColumnCount() ? column : -1;
  arrowAscending_ = ascending;
  ApplySortArrow();
}

void CListCtrl::ApplySortArrow() {
  if (list() == nullptr) return;
  QHeaderView* header = list()->view->horizontalHeader();
  header->setSortIndicatorShown(arrowColumn_ >= 0);
  header->setSortIndicator(arrowColumn_,
                           arrowAscending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void CListCtrl::ClickColumn(int column) {
  if (column < 0 || column >= GetColumnCount()) return;
  // The toolkit turns its arrow round on a click by itself; the parent decides instead.
  ApplySortArrow();
  NMLISTVIEW click;
  click.iSubItem = column;
  Notify(click, LVN_COLUMNCLICK);
}

void CListCtrl::PressDefaultButton() {
  const LRESULT answer = ::SendMessage(GetParent(), DM_GETDEFID, 0, 0);
  if (HIWORD(static_cast<uintptr_t>(answer)) != DC_HASDEFID) return;
  const WORD id = LOWORD(static_cast<uintptr_t>(answer));
  ::SendMessage(GetParent(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

RECT CListCtrl::GetClientRect() const {
  if (list() == nullptr) return {};
  const QTableView* view = list()->view;
  const int frame = view->frameWidth();
  const QScrollBar* bar = view->verticalScrollBar();
  const int barWidth = bar->isVisibleTo(view) ? bar->width() : 0;
  return RECT{0, 0, std::max(0, list()->width() - 2 * frame - barWidth),
              std::max(0, list()->height() - 2 * frame)};
}
