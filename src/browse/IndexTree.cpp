#include "browse/IndexTree.h"

#include <algorithm>
#include <string>

#include "library/CPhotoManager.h"

namespace indextree {

Categories CategoriesOf(const CPhotoManager* library) {
  Categories categories;
  if (library == nullptr) return categories;
  for (const CCounterYear& node : library->yearTallies().nodes)
    categories.years.push_back(node.year);
  std::sort(categories.years.begin(), categories.years.end());
  categories.hasBurst = !library->comboTallies().nodes.empty();
  return categories;
}

namespace {

HTREEITEM FindByValue(const CTreeCtrl* tree, LPARAM value) {
  for (int i = 0; i < tree->GetCount(); ++i) {
    const HTREEITEM item = tree->GetItemAt(i);
    if (tree->GetItemData(item) == value) return item;
  }
  return 0;
}

// Everything after "全て": the years, the favourites and, while there are any, the bursts.
void AddCategoriesAfterAll(CTreeCtrl* tree, const Categories& categories) {
  for (LPARAM value : NodeValues(categories))
    if (value != kAll) tree->InsertItem(LabelOf(value), value);
}

}  // namespace

std::vector<LPARAM> NodeValues(const Categories& categories) {
  std::vector<LPARAM> values{kAll};
  for (int year : categories.years) values.push_back(year);
  values.push_back(kFavourites);
  if (categories.hasBurst) values.push_back(kBurst);
  return values;
}

Cp932String LabelOf(LPARAM category) {
  switch (category) {
    case kAll:
      return cp932::Lit("全て");
    case kFavourites:
      return cp932::Lit("お気に入り");
    case kBurst:
      return cp932::Lit("連続");
    case kSearch:
      return cp932::Lit("検索結果");
    default:
      if (category > 0 && category < kAll) return std::to_string(category) + cp932::Lit("年");
      return {};
  }
}

void Build(CTreeCtrl* tree, const Categories& categories, LPARAM remembered) {
  if (tree == nullptr || !IsWindow(tree)) return;
  tree->DeleteAllItems();
  tree->InsertItem(cp932::Lit("全て"), kAll);
  AddCategoriesAfterAll(tree, categories);
  if (!SelectByValue(tree, remembered)) SelectByValue(tree, kAll);
}

void Rebuild(CTreeCtrl* tree, const Categories& categories) {
  if (tree == nullptr || !IsWindow(tree)) return;
  for (int i = tree->GetCount() - 1; i >= 0; --i) {
    const HTREEITEM item = tree->GetItemAt(i);
    if (tree->GetItemData(item) != kAll) tree->DeleteItem(item);
  }
  AddCategoriesAfterAll(tree, categories);
}

void AddSearchNode(CTreeCtrl* tree) {
  if (tree == nullptr || !IsWindow(tree) || FindByValue(tree, kSearch) != 0) return;
  tree->InsertItem(LabelOf(kSearch), kSearch);
}

void RemoveSearchNode(CTreeCtrl* tree) {
  if (tree == nullptr || !IsWindow(tree)) return;
  if (const HTREEITEM item = FindByValue(tree, kSearch)) tree->DeleteItem(item);
}

bool SelectByValue(CTreeCtrl* tree, LPARAM value) {
  if (tree == nullptr || !IsWindow(tree)) return false;
  const HTREEITEM item = FindByValue(tree, value);
  return item != 0 && tree->SelectItem(item);
}

LPARAM SelectedValue(const CTreeCtrl* tree) {
  if (tree == nullptr) return 0;
  const HTREEITEM item = tree->GetSelectedItem();
  return item != 0 ? tree->GetItemData(item) : 0;
}

}  // namespace indextree
