#include "platform/win/TreeCtrl.h"

#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/win/HandlerFailure.h"
#include "platform/win/QtText.h"
#include "platform/win/WindowWidget.h"

namespace {
constexpr int kHandleRole = Qt::UserRole;
constexpr int kValueRole = Qt::UserRole + 1;
}  // namespace

// The widget of a tree control: a window widget holding the toolkit's tree.
class TreeWidget : public WindowWidget {
 public:
  TreeWidget(CTreeCtrl* owner, QWidget* parent)
      : WindowWidget(owner, parent), view(new QTreeWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    view->setHeaderHidden(true);
    view->setRootIsDecorated(false);
    QObject::connect(view, &QTreeWidget::currentItemChanged,
                     [owner](QTreeWidgetItem* now, QTreeWidgetItem* before) {
                       owner->SelectionChanged(HandleOf(now), HandleOf(before));
                     });
  }

  static HTREEITEM HandleOf(const QTreeWidgetItem* item) {
    return item != nullptr ? item->data(0, kHandleRole).value<qlonglong>() : 0;
  }

  QTreeWidgetItem* Find(HTREEITEM handle) const {
    if (handle == 0) return nullptr;
    for (int i = 0; i < view->topLevelItemCount(); ++i) {
      QTreeWidgetItem* item = view->topLevelItem(i);
      if (HandleOf(item) == handle) return item;
    }
    return nullptr;
  }

  QTreeWidget* view;
};

WindowWidget* CTreeCtrl::MakeWidget(WindowWidget* parent) {
  return new TreeWidget(this, parent);
}

TreeWidget* CTreeCtrl::tree() const {
  return static_cast<TreeWidget*>(widget());
}

HTREEITEM CTreeCtrl::InsertItem(const Cp932String& text, LPARAM value) {
  if (tree() == nullptr) return 0;
  auto* item = new QTreeWidgetItem(QStringList{QtText::FromCp932(text)});
  const HTREEITEM handle = nextHandle_++;
  item->setData(0, kHandleRole, QVariant::fromValue<qlonglong>(handle));
  item->setData(0, kValueRole, QVariant::fromValue<qlonglong>(value));
  tree()->view->addTopLevelItem(item);
  return handle;
}

bool CTreeCtrl::DeleteItem(HTREEITEM handle) {
  if (tree() == nullptr) return false;
  QTreeWidgetItem* item = tree()->Find(handle);
  if (item == nullptr) return false;
  delete item;
  return true;
}

void CTreeCtrl::DeleteAllItems() {
  if (tree() != nullptr) tree()->view->clear();
}

int CTreeCtrl::GetCount() const {
  return tree() != nullptr ? tree()->view->topLevelItemCount() : 0;
}

HTREEITEM CTreeCtrl::GetItemAt(int index) const {
  if (tree() == nullptr || index < 0 || index >= GetCount()) return 0;
  return TreeWidget::HandleOf(tree()->view->topLevelItem(index));
}

LPARAM CTreeCtrl::GetItemData(HTREEITEM handle) const {
  QTreeWidgetItem* item = tree() != nullptr ? tree()->Find(handle) : nullptr;
  return item != nullptr ? static_cast<LPARAM>(item->data(0, kValueRole).value<qlonglong>()) : 0;
}

Cp932String CTreeCtrl::GetItemText(HTREEITEM handle) const {
  QTreeWidgetItem* item = tree() != nullptr ? tree()->Find(handle) : nullptr;
  return item != nullptr ? QtText::ToCp932Lossy(item->text(0)) : Cp932String();
}

bool CTreeCtrl::SetItemText(HTREEITEM handle, const Cp932String& text) {
  QTreeWidgetItem* item = tree() != nullptr ? tree()->Find(handle) : nullptr;
  if (item == nullptr) return false;
  item->setText(0, QtText::FromCp932(text));
  return true;
}

bool CTreeCtrl::SelectItem(HTREEITEM handle) {
  QTreeWidgetItem* item = tree() != nullptr ? tree()->Find(handle) : nullptr;
  if (item == nullptr) return false;
  tree()->view->setCurrentItem(item);
  return true;
}

HTREEITEM CTreeCtrl::GetSelectedItem() const {
  return tree() != nullptr ? TreeWidget::HandleOf(tree()->view->currentItem()) : 0;
}

// Called from the toolkit's signal, so nothing the handler throws may leave here.
void CTreeCtrl::SelectionChanged(HTREEITEM selected, HTREEITEM previous) {
  if (!handler_) return;
  win::CallHandler(0, [&] {
    handler_(selected, previous);
    return 0;
  });
}
