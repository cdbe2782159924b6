#include "platform/win/ListCtrl.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <numeric>
#include <set>
#include <vector>

#include "platform/gdi/CDCBridge.h"
#include "platform/gdi/GdiQt.h"
#include "platform/shell/ShellIcons.h"
#include "platform/shell/ShellIconsQt.h"
#include "platform/win/QtText.h"
#include "platform/win/SkinQt.h"
#include "platform/win/WindowWidget.h"

namespace {

constexpr int kRowHeight = 17;
// Room left and right of a cell's text, and between column 0's icon and its text.
constexpr int kTextPadding = 2;
constexpr int kIconLeft = 1;
// The model's role for a row's tick (the toolkit's own check role would draw the toolkit's
// indicator at the toolkit's size; the list draws its own in kListTickBoxWidth pixels).
constexpr int kTickedRole = Qt::UserRole + 1;

Qt::Alignment AlignmentOf(int format) {
  if (format == LVCFMT_RIGHT) return Qt::AlignRight | Qt::AlignVCenter;
  if (format == LVCFMT_CENTER) return Qt::AlignHCenter | Qt::AlignVCenter;
  return Qt::AlignLeft | Qt::AlignVCenter;
}

RECT ToRect(const QRect& r) {
  return RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

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
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return draggable ? flags | Qt::ItemIsDragEnabled : flags;
  }
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(headings.size()))
      return {};
    if (role == Qt::DisplayRole) return headings[static_cast<size_t>(section)];
    if (role == Qt::TextAlignmentRole)
      return QVariant::fromValue(AlignmentOf(formats[static_cast<size_t>(section)]));
    return {};
  }

  void InsertRows(int row, const std::vector<LPARAM>& values) {
    if (values.empty()) return;
    beginInsertRows({}, row, row + static_cast<int>(values.size()) - 1);
    rows.insert(rows.begin() + row, values.begin(), values.end());
    endInsertRows();
  }
  void RemoveRow(int row) {
    beginRemoveRows({}, row, row);
    rows.erase(rows.begin() + row);
    endRemoveRows();
  }
  void InsertColumn(int column, const QString& heading, int format) {
    beginInsertColumns({}, column, column);
    headings.insert(headings.begin() + column, heading);
    formats.insert(formats.begin() + column, format);
    endInsertColumns();
  }
  void SetHeading(int column, const QString& heading) {
    headings[static_cast<size_t>(column)] = heading;
    emit headerDataChanged(Qt::Horizontal, column, column);
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
  std::vector<int> formats;
  bool draggable = false;

 private:
  QVariant RowColour(int row, bool text) const;

  WindowWidget* widget_;
};

// Paints a skinned list's cells: the background of the row's state (selected, under the
// mouse, the parent's colour, the skin's), column 0's icon, the text in the column's
// alignment cut with an ellipsis, and the grid lines. Unskinned lists keep the toolkit's
// painting.
class ListDelegate : public QStyledItemDelegate {
 public:
  explicit ListDelegate(QObject* parent) : QStyledItemDelegate(parent) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  // Draws the tick box; answers the rest of the cell.
  static QRect DrawTickBox(QPainter* painter, const QStyleOptionViewItem& option, bool ticked);
};

// The header: the toolkit's look, or every section drawn by the list's header object.
class ListHeader : public QHeaderView {
 public:
  explicit ListHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setMouseTracking(true);
  }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override {
    SetHot(logicalIndexAt(event->position().toPoint()));
    QHeaderView::mouseMoveEvent(event);
  }
  void mousePressEvent(QMouseEvent* event) override {
    pressed_ = logicalIndexAt(event->position().toPoint());
    viewport()->update();
    QHeaderView::mousePressEvent(event);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    pressed_ = -1;
    viewport()->update();
    QHeaderView::mouseReleaseEvent(event);
  }
  void leaveEvent(QEvent* event) override {
    SetHot(-1);
    QHeaderView::leaveEvent(event);
  }

 private:
  CListCtrl* List() const;
  void SetHot(int section) {
    if (section == hot_) return;
    hot_ = section;
    viewport()->update();
  }

  int hot_ = -1;
  int pressed_ = -1;
};

// The table of a list: a drag of selected rows becomes the list's LVN_BEGINDRAG, the
// toolkit's own drag never starts; Shift with a click or an arrow takes the range from the
// anchor row as the only selection, as the system's lists do.
class ListTable : public QTableView {
 public:
  explicit ListTable(QWidget* parent) : QTableView(parent) {}
  QPoint pressPoint;

 protected:
  void startDrag(Qt::DropActions /*actions*/) override;
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override {
    QItemSelectionModel::SelectionFlags command = QTableView::selectionCommand(index, event);
    if (command.testFlag(QItemSelectionModel::Current) &&
        !command.testFlag(QItemSelectionModel::Deselect))
      command |= QItemSelectionModel::Clear;
    return command;
  }
};

// The widget of a list control: a window widget holding the toolkit's table view.
class ListWidget : public WindowWidget {
 public:
  ListWidget(CListCtrl* owner, QWidget* parent)
      : WindowWidget(owner, parent), view(new ListTable(this)), model(new ListModel(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    setFocusProxy(view);
    view->setHorizontalHeader(new ListHeader(view));
    view->setModel(model);
    view->setItemDelegate(new ListDelegate(view));
    SetUpView();
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
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

  // Converts between the list's client coordinates and the rows' area.
  QPoint ToRows(POINT point) const {
    return view->viewport()->mapFrom(this, QPoint(point.x, point.y));
  }
  QRect FromRows(const QRect& rect) const {
    return QRect(view->viewport()->mapTo(this, rect.topLeft()), rect.size());
  }

  // The colours the parent gives a row in the paint under way (asked once per row).
  const NMLVCUSTOMDRAW* RowColours(int row) {
    if (!wantsRowColours || list() == nullptr) return nullptr;
    auto it = rowColours.find(row);
    if (it == rowColours.end()) it = rowColours.emplace(row, list()->AskRowColours(row)).first;
    return &it->second;
  }

  ListTable* view;
  ListModel* model;
  QFont skinFont;
  int hoverRow = -1;
  bool clickPending = false;
  bool wantsRowColours = false;
  std::map<int, NMLVCUSTOMDRAW> rowColours;
  // Set while the list itself takes rows away or reorders them: the rows' states do not
  // change then, though the toolkit may say they do.
  bool quiet = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (list() == nullptr) return false;
    if (watched == view && event->type() == QEvent::KeyPress)
      return KeyPressed(static_cast<QKeyEvent*>(event));
    if (watched == view->viewport()) RowsEvent(event);
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
    view->setIconSize(QSize(shell::kSmallIconSize, shell::kSmallIconSize));
    view->setDragDropMode(QAbstractItemView::DragOnly);
  }

  // Every key is told to the parent first; Enter and Escape then belong to the dialog
  // around the list, not to the view.
  bool KeyPressed(QKeyEvent* event) {
    const UINT vk = VirtualKeyFromQt(event->key());
    if (vk != 0) list()->KeyPressed(vk, event->isAutoRepeat());
    if (list() == nullptr) return true;
    const int key = event->key();
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

  // The rows' area: the start of a paint, presses, the left button's release (a click) and
  // the right button's (the context menu, as a window asks for it), double clicks and the
  // row under the mouse.
  void RowsEvent(QEvent* event) {
    switch (event->type()) {
      case QEvent::Paint:
        rowColours.clear();
        wantsRowColours = list()->AskPaintStart();
        return;
      case QEvent::MouseButtonPress:
        view->pressPoint = static_cast<QMouseEvent*>(event)->position().toPoint();
        clickPending = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        return;
      case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
          ContextMenuAt(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
          Released(static_cast<QMouseEvent*>(event));
        return;
      case QEvent::MouseButtonDblClick:
        clickPending = false;
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
          LeftClicked(static_cast<QMouseEvent*>(event), NM_DBLCLK);
        return;
      case QEvent::MouseMove:
        SetHoverRow(view->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()).row());
        return;
      case QEvent::Leave:
        SetHoverRow(-1);
        return;
      default:
        return;
    }
  }

  // A release is a click when it ends a press of its own (not the second of a double
  // click) that did not move as far as a drag.
  void Released(const QMouseEvent* event) {
    const bool click =
        clickPending && (event->position().toPoint() - view->pressPoint).manhattanLength() <
                            QApplication::startDragDistance();
    clickPending = false;
    if (click) LeftClicked(event, NM_CLICK);
  }

  void LeftClicked(const QMouseEvent* event, UINT code) {
    const QPoint p = view->viewport()->mapTo(this, event->position().toPoint());
    list()->Clicked(POINT{p.x(), p.y()}, code);
  }

  void ContextMenuAt(const QPoint& global) {
    const LPARAM at = MAKELPARAM(static_cast<WORD>(static_cast<int16_t>(global.x())),
                                 static_cast<WORD>(static_cast<int16_t>(global.y())));
    ::SendMessage(list(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list()), at);
  }

  void SetHoverRow(int row) {
    if (row == hoverRow) return;
    hoverRow = row;
    if (list()->skin() != nullptr) view->viewport()->update();
  }

  void ColumnClicked(int column) {
    if (list() != nullptr) list()->ClickColumn(column);
  }

  void FocusMoved(int now, int before) {
    if (list() == nullptr || quiet) return;
    if (before >= 0 && before != now)
      list()->StateChanged(before, StateOf(before) | LVIS_FOCUSED, StateOf(before));
    if (now >= 0) list()->StateChanged(now, StateOf(now) & ~LVIS_FOCUSED, StateOf(now));
  }

  void SelectionMoved(const QItemSelection& on, const QItemSelection& off) {
    if (list() == nullptr || quiet) return;
    for (int row : RowsOf(off))
      list()->StateChanged(row, StateOf(row) | LVIS_SELECTED, StateOf(row));
    for (int row : RowsOf(on))
      list()->StateChanged(row, StateOf(row) & ~LVIS_SELECTED, StateOf(row));
  }

  static std::set<int> RowsOf(const QItemSelection& selection) {
    std::set<int> rows;
    for (const QItemSelectionRange& range : selection)
      for (int row = range.top(); row <= range.bottom(); ++row) rows.insert(row);
    return rows;
  }
};

QVariant ListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  auto* list = static_cast<CListCtrl*>(widget_->owner());
  if (list == nullptr) return {};
  switch (role) {
    case Qt::DisplayRole:
      return QtText::FromCp932(list->GetItemText(index.row(), index.column()));
    case Qt::DecorationRole: {
      if (index.column() != 0) return {};
      const QIcon icon = shell::IconOfIndex(list->GetItemImage(index.row()));
      return icon.isNull() ? QVariant() : QVariant(icon);
    }
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(AlignmentOf(formats[static_cast<size_t>(index.column())]));
    case kTickedRole:
      if (index.column() != 0 || (list->GetExtendedStyle() & LVS_EX_CHECKBOXES) == 0) return {};
      return list->GetItemTicked(index.row());
    case Qt::BackgroundRole:
      return RowColour(index.row(), false);
    case Qt::ForegroundRole:
      return RowColour(index.row(), true);
    default:
      return {};
  }
}

QVariant ListModel::RowColour(int row, bool text) const {
  const NMLVCUSTOMDRAW* colours = static_cast<ListWidget*>(widget_)->RowColours(row);
  if (colours == nullptr) return {};
  const COLORREF colour = text ? colours->clrText : colours->clrTextBk;
  if (colour == CLR_DEFAULT) return {};
  return QBrush(gdi::ToQColor(colour));
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

// A row's tick box: the style's item check indicator in the cell's first pixels.
QRect ListDelegate::DrawTickBox(QPainter* painter, const QStyleOptionViewItem& option,
                                bool ticked) {
  const int box = kListTickBoxWidth - 1;
  const QRect cell = option.rect;
  QStyleOptionViewItem tick(option);
  tick.rect = QRect(cell.left() + 1, cell.top() + (cell.height() - box) / 2, box, box);
  tick.state = (tick.state & ~(QStyle::State_On | QStyle::State_Off)) |
               (ticked ? QStyle::State_On : QStyle::State_Off);
  const QWidget* view = option.widget;
  view->style()->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &tick, painter, view);
  return cell.adjusted(kListTickBoxWidth + kTextPadding, 0, 0, 0);
}

void ListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
  auto* widget = static_cast<ListWidget*>(option.widget->parentWidget());
  const CListCtrl* list = widget->list();
  const win::ControlSkin* skin = list != nullptr ? list->skin() : nullptr;
  const QVariant ticked = index.data(kTickedRole);
  if (skin == nullptr && ticked.isValid()) {
    // The row's background under the box, then the toolkit's cell beside it.
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    const QWidget* view = option.widget;
    view->style()->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, view);
    cell.rect = DrawTickBox(painter, cell, ticked.toBool());
    view->style()->drawControl(QStyle::CE_ItemViewItem, &cell, painter, view);
    return;
  }
  if (skin == nullptr) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  const bool selected = (option.state & QStyle::State_Selected) != 0;
  const QVariant back = index.data(Qt::BackgroundRole);
  const QVariant fore = index.data(Qt::ForegroundRole);
  QColor background = gdi::ToQColor(skin->background);
  if (selected)
    background = gdi::ToQColor(skin->selectedBackground);
  else if (index.row() == widget->hoverRow)
    background = gdi::ToQColor(skin->hover);
  else if (back.isValid())
    background = back.value<QBrush>().color();
  QColor text = gdi::ToQColor(selected ? skin->selectedText : skin->text);
  if (!selected && fore.isValid()) text = fore.value<QBrush>().color();

  const QRect cell = option.rect;
  painter->save();
  painter->fillRect(cell, background);
  QRect textArea = cell.adjusted(kTextPadding, 0, -kTextPadding, 0);
  if (ticked.isValid()) textArea.setLeft(DrawTickBox(painter, option, ticked.toBool()).left());
  const QVariant icon = index.data(Qt::DecorationRole);
  if (icon.isValid()) {
    const int size = shell::kSmallIconSize;
    icon.value<QIcon>().paint(painter, QRect(cell.left() + kIconLeft,
                                             cell.top() + (cell.height() - size) / 2, size, size));
    textArea.setLeft(cell.left() + kIconLeft + size + kTextPadding);
  }
  painter->setFont(widget->skinFont);
  painter->setPen(text);
  const QString shown = painter->fontMetrics().elidedText(index.data(Qt::DisplayRole).toString(),
                                                          Qt::ElideRight, textArea.width());
  painter->drawText(
      textArea,
      static_cast<int>(AlignmentOf(widget->model->formats[static_cast<size_t>(index.column())])),
      shown);
  if ((list->GetExtendedStyle() & LVS_EX_GRIDLINES) != 0) {
    painter->setPen(gdi::ToQColor(skin->border));
    painter->drawLine(cell.topRight(), cell.bottomRight());
    painter->drawLine(cell.bottomLeft(), cell.bottomRight());
  }
  painter->restore();
}

CListCtrl* ListHeader::List() const {
  auto* widget = dynamic_cast<ListWidget*>(
      parentWidget() != nullptr ? parentWidget()->parentWidget() : nullptr);
  return widget != nullptr ? widget->list() : nullptr;
}

// A header object draws each visible section and the empty part right of the last one.
void ListHeader::paintEvent(QPaintEvent* event) {
  CListCtrl* list = List();
  CHeaderCtrl* drawer = list != nullptr ? list->GetHeaderCtrl() : nullptr;
  if (drawer == nullptr) {
    QHeaderView::paintEvent(event);
    return;
  }
  QPainter painter(viewport());
  const std::unique_ptr<CDC> dc = gdi::WrapPainter(&painter, viewport()->size());
  int right = 0;
  for (int visual = 0; visual < count(); ++visual) {
    const int column = logicalIndex(visual);
    if (isSectionHidden(column)) continue;
    const int left = sectionViewportPosition(column);
    right = left + sectionSize(column);
    HeaderSection section;
    section.column = column;
    section.rect = RECT{left, 0, right, viewport()->height()};
    section.text = list->GetColumnHeading(column);
    section.format = list->GetColumnFormat(column);
    section.hot = column == hot_;
    section.pressed = column == pressed_;
    painter.save();
    drawer->DrawItem(*dc, section);
    painter.restore();
  }
  if (right >= viewport()->width()) return;
  HeaderSection rest;
  rest.rect = RECT{right, 0, viewport()->width(), viewport()->height()};
  drawer->DrawItem(*dc, rest);
}

void ListTable::startDrag(Qt::DropActions /*actions*/) {
  auto* widget = dynamic_cast<ListWidget*>(parentWidget());
  if (widget == nullptr || widget->list() == nullptr) return;
  const QPoint p = viewport()->mapTo(widget, pressPoint);
  widget->list()->DragBegun(indexAt(pressPoint).row(), POINT{p.x(), p.y()});
}

CHeaderCtrl::~CHeaderCtrl() {
  if (list_ != nullptr && list_->header_ == this) list_->SetHeaderCtrl(nullptr);
}

void CHeaderCtrl::Invalidate() {
  if (list_ != nullptr && list_->list() != nullptr)
    list_->list()->view->horizontalHeader()->viewport()->update();
}

CListCtrl::~CListCtrl() {
  if (header_ != nullptr) header_->list_ = nullptr;
}

WindowWidget* CListCtrl::MakeWidget(WindowWidget* parent) {
  return new ListWidget(this, parent);
}

ListWidget* CListCtrl::list() const {
  return static_cast<ListWidget*>(widget());
}

int CListCtrl::InsertColumn(int column, const Cp932String& heading, int width, int format) {
  if (list() == nullptr || column < 0) return -1;
  column = std::min(column, GetColumnCount());
  list()->model->InsertColumn(column, QtText::FromCp932(heading),
                              std::clamp(format, LVCFMT_LEFT, LVCFMT_CENTER));
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

bool CListCtrl::SetColumnHeading(int column, const Cp932String& heading) {
  if (column < 0 || column >= GetColumnCount()) return false;
  list()->model->SetHeading(column, QtText::FromCp932(heading));
  return true;
}

int CListCtrl::GetColumnFormat(int column) const {
  if (column < 0 || column >= GetColumnCount()) return LVCFMT_LEFT;
  return list()->model->formats[static_cast<size_t>(column)];
}

int CListCtrl::InsertItem(int row, LPARAM value) {
  if (list() == nullptr || row < 0) return -1;
  row = std::min(row, GetItemCount());
  list()->model->InsertRows(row, {value});
  return row;
}

void CListCtrl::AppendItems(const std::vector<LPARAM>& values) {
  if (list() != nullptr) list()->model->InsertRows(GetItemCount(), values);
}

// The rows' states do not change for the parent while a row goes, except that the focus
// may pass to another row, which the parent is told.
bool CListCtrl::DeleteItem(int row) {
  if (row < 0 || row >= GetItemCount()) return false;
  const int focused = GetFocusedItem();
  const LPARAM focusedValue = focused != row ? GetItemData(focused) : 0;
  list()->quiet = true;
  list()->model->RemoveRow(row);
  list()->quiet = false;
  const int now = GetFocusedItem();
  if (now >= 0 && (focused == row || GetItemData(now) != focusedValue))
    StateChanged(now, list()->StateOf(now) & ~LVIS_FOCUSED, list()->StateOf(now));
  return true;
}

void CListCtrl::DeleteAllItems() {
  if (list() == nullptr) return;
  list()->quiet = true;
  list()->model->Clear();
  list()->quiet = false;
}

int CListCtrl::GetItemCount() const {
  return list() != nullptr ? static_cast<int>(list()->model->rows.size()) : 0;
}

LPARAM CListCtrl::GetItemData(int row) const {
  if (row < 0 || row >= GetItemCount()) return 0;
  return list()->model->rows[static_cast<size_t>(row)];
}

int CListCtrl::FindItem(LPARAM value) const {
  if (list() == nullptr) return -1;
  const std::vector<LPARAM>& rows = list()->model->rows;
  const auto it = std::find(rows.begin(), rows.end(), value);
  return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

Cp932String CListCtrl::GetItemText(int row, int column) const {
  if (row < 0 || row >= GetItemCount() || column < 0 || column >= GetColumnCount()) return {};
  // Asking is a message to the parent, which is no change of the list itself.
  return const_cast<CListCtrl*>(this)->AskText(row, column, GetItemData(row));
}

int CListCtrl::GetItemImage(int row) const {
  if (!smallIcons_ || row < 0 || row >= GetItemCount()) return -1;
  NMLVDISPINFO info;
  info.mask = LVIF_IMAGE;
  info.iItem = row;
  info.lParam = GetItemData(row);
  const_cast<CListCtrl*>(this)->Notify(info, LVN_GETDISPINFO);
  return info.iImage;
}

bool CListCtrl::GetItemTicked(int row) const {
  if ((extendedStyle_ & LVS_EX_CHECKBOXES) == 0 || row < 0 || row >= GetItemCount()) return false;
  NMLVDISPINFO info;
  info.mask = LVIF_STATE;
  info.iItem = row;
  info.lParam = GetItemData(row);
  const_cast<CListCtrl*>(this)->Notify(info, LVN_GETDISPINFO);
  return info.ticked;
}

Cp932String CListCtrl::AskText(int row, int column, LPARAM value) {
  NMLVDISPINFO info;
  info.iItem = row;
  info.iSubItem = column;
  info.lParam = value;
  Notify(info, LVN_GETDISPINFO);
  return info.text;
}

LRESULT CListCtrl::Notify(NMHDR& header, UINT code) {
  header.hwndFrom = this;
  header.idFrom = GetDlgCtrlID();
  header.code = code;
  return ::SendMessage(GetParent(), WM_NOTIFY, GetDlgCtrlID(), reinterpret_cast<LPARAM>(&header));
}

void CListCtrl::StateChanged(int row, UINT oldState, UINT newState) {
  NMLISTVIEW change;
  change.iItem = row;
  change.uOldState = oldState;
  change.uNewState = newState;
  change.lParam = GetItemData(row);
  Notify(change, LVN_ITEMCHANGED);
}

void CListCtrl::KeyPressed(UINT vk, bool repeated) {
  NMLVKEYDOWN key;
  key.wVKey = static_cast<WORD>(vk);
  key.flags = repeated ? KF_REPEAT : 0;
  Notify(key, LVN_KEYDOWN);
}

void CListCtrl::Clicked(POINT point, UINT code) {
  NMITEMACTIVATE click;
  click.iItem = HitTest(point, &click.iSubItem);
  click.ptAction = point;
  Notify(click, code);
}

void CListCtrl::DragBegun(int row, POINT point) {
  NMLISTVIEW drag;
  drag.iItem = row;
  drag.lParam = GetItemData(row);
  drag.ptAction = point;
  Notify(drag, LVN_BEGINDRAG);
}

bool CListCtrl::AskPaintStart() {
  NMLVCUSTOMDRAW paint;
  paint.dwDrawStage = CDDS_PREPAINT;
  return (Notify(paint, NM_CUSTOMDRAW) & CDRF_NOTIFYITEMDRAW) != 0;
}

NMLVCUSTOMDRAW CListCtrl::AskRowColours(int row) {
  NMLVCUSTOMDRAW paint;
  paint.dwDrawStage = CDDS_ITEMPREPAINT;
  paint.iItem = row;
  paint.lItemlParam = GetItemData(row);
  Notify(paint, NM_CUSTOMDRAW);
  return paint;
}

void CListCtrl::SetExtendedStyle(DWORD style) {
  extendedStyle_ = style;
  if (list() == nullptr) return;
  QTableView* view = list()->view;
  view->setSelectionBehavior((style & LVS_EX_FULLROWSELECT) != 0 ? QAbstractItemView::SelectRows
                                                                 : QAbstractItemView::SelectItems);
  // A skinned list draws its own grid lines.
  view->setShowGrid((style & LVS_EX_GRIDLINES) != 0 && !skinned_);
  const bool multiple = (style & LVS_EX_MULTISELECT) != 0;
  view->setSelectionMode(multiple ? QAbstractItemView::ExtendedSelection
                                  : QAbstractItemView::SingleSelection);
  // The rows of a multi-select list can be dragged out of it.
  view->setDragEnabled(multiple);
  list()->model->draggable = multiple;
}

void CListCtrl::ShowSystemSmallIcons(bool show) {
  smallIcons_ = show;
  if (list() != nullptr) list()->view->viewport()->update();
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

int CListCtrl::GetSelectedCount() const {
  if (list() == nullptr) return 0;
  return static_cast<int>(list()->view->selectionModel()->selectedRows().size());
}

bool CListCtrl::SetItemState(int row, UINT state, UINT mask) {
  if (list() == nullptr || row < -1 || row >= GetItemCount()) return false;
  QItemSelectionModel* selection = list()->view->selectionModel();
  const int last = GetItemCount() - 1;
  if ((mask & LVIS_SELECTED) != 0 && last >= 0) {
    const bool on = (state & LVIS_SELECTED) != 0;
    const bool single = (extendedStyle_ & LVS_EX_MULTISELECT) == 0;
    QItemSelectionModel::SelectionFlags flags =
        on ? QItemSelectionModel::Select : QItemSelectionModel::Deselect;
    if (on && single) flags = QItemSelectionModel::ClearAndSelect;
    const int top = row < 0 ? 0 : row;
    const int bottom = row < 0 ? last : row;
    if (!(on && single && row < 0))
      selection->select(QItemSelection(list()->model->index(top, 0),
                                       list()->model->index(bottom, GetColumnCount() - 1)),
                        flags);
  }
  if ((mask & LVIS_FOCUSED) != 0) {
    if ((state & LVIS_FOCUSED) != 0 && row >= 0)
      selection->setCurrentIndex(list()->model->index(row, 0), QItemSelectionModel::NoUpdate);
    else if ((state & LVIS_FOCUSED) == 0 && (row < 0 || row == GetFocusedItem()))
      selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
  }
  return true;
}

UINT CListCtrl::GetItemState(int row, UINT mask) const {
  if (row < 0 || row >= GetItemCount()) return 0;
  return list()->StateOf(row) & mask;
}

bool CListCtrl::EnsureVisible(int row) {
  if (row < 0 || row >= GetItemCount()) return false;
  list()->view->scrollTo(list()->model->index(row, 0));
  return true;
}

int CListCtrl::HitTest(POINT point, int* column) const {
  if (column != nullptr) *column = -1;
  if (list() == nullptr) return -1;
  const QTableView* view = list()->view;
  const QPoint at = list()->ToRows(point);
  if (!view->viewport()->rect().contains(at)) return -1;
  const QModelIndex index = view->indexAt(at);
  if (!index.isValid()) return -1;
  if (column != nullptr) *column = index.column();
  return index.row();
}

bool CListCtrl::GetItemRect(int row, RECT* rect, int /*code*/) const {
  RECT first{};
  RECT last{};
  if (!GetSubItemRect(row, 0, &first) || !GetSubItemRect(row, GetColumnCount() - 1, &last))
    return false;
  *rect = RECT{std::min(first.left, last.left), first.top, std::max(first.right, last.right),
               first.bottom};
  return true;
}

bool CListCtrl::GetSubItemRect(int row, int column, RECT* rect) const {
  if (rect == nullptr || row < 0 || row >= GetItemCount() || column < 0 ||
      column >= GetColumnCount())
    return false;
  const QRect cell = list()->view->visualRect(list()->model->index(row, column));
  *rect = ToRect(list()->FromRows(cell));
  return true;
}

bool CListCtrl::SortItems(const CompareFunc& compare) {
  if (list() == nullptr || !compare) return false;
  const std::vector<LPARAM>& rows = list()->model->rows;
  std::vector<int> order(rows.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return compare(rows[static_cast<size_t>(a)], rows[static_cast<size_t>(b)]) < 0;
  });
  list()->quiet = true;
  list()->model->Reorder(order);
  list()->quiet = false;
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

void CListCtrl::SetSkin(const win::ControlSkin& skin) {
  skin_ = skin;
  skinned_ = true;
  if (list() == nullptr) return;
  ListWidget* widget = list();
  widget->skinFont = win::SkinFont(skin);
  QPalette palette = widget->view->palette();
  palette.setColor(QPalette::Base, gdi::ToQColor(skin.background));
  palette.setColor(QPalette::Window, gdi::ToQColor(skin.background));
  palette.setColor(QPalette::Text, gdi::ToQColor(skin.text));
  palette.setColor(QPalette::Highlight, gdi::ToQColor(skin.selectedBackground));
  palette.setColor(QPalette::HighlightedText, gdi::ToQColor(skin.selectedText));
  widget->view->setPalette(palette);
  widget->view->horizontalHeader()->setFont(widget->skinFont);
  widget->view->viewport()->setMouseTracking(true);
  SetExtendedStyle(extendedStyle_);
  widget->view->viewport()->update();
  widget->view->horizontalHeader()->viewport()->update();
}

void CListCtrl::SetHeaderCtrl(CHeaderCtrl* header) {
  if (header_ != nullptr && header_ != header) header_->list_ = nullptr;
  header_ = header;
  if (header != nullptr) {
    if (header->list_ != nullptr && header->list_ != this) header->list_->header_ = nullptr;
    header->list_ = this;
  }
  if (list() != nullptr) list()->view->horizontalHeader()->viewport()->update();
}

int CListCtrl::GetHeaderHeight() const {
  if (list() == nullptr) return 0;
  const QHeaderView* header = list()->view->horizontalHeader();
  return header->isHidden() ? 0 : header->sizeHint().height();
}

void CListCtrl::PressDefaultButton() {
  const LRESULT answer = ::SendMessage(GetParent(), DM_GETDEFID, 0, 0);
  if (HIWORD(static_cast<uintptr_t>(answer)) != DC_HASDEFID) return;
  const WORD id = LOWORD(static_cast<uintptr_t>(answer));
  ::SendMessage(GetParent(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

// As the system's default handling does for a child window, the context menu request goes
// up to the parent.
LRESULT CListCtrl::DefWindowProc(UINT message, WPARAM w, LPARAM l) {
  if (message == WM_CONTEXTMENU && IsWindow(GetParent()))
    return ::SendMessage(GetParent(), WM_CONTEXTMENU, w, l);
  return CWnd::DefWindowProc(message, w, l);
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
