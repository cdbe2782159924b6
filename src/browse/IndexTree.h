// The album's categories in the host's index tree: all photos, one node per year, the
// favourites, the burst shots while there are any, and the search results after a search.
#pragma once

#include <vector>

#include "platform/win/TreeCtrl.h"

class CPhotoManager;

namespace indextree {

constexpr LPARAM kAll = 0x10000;
constexpr LPARAM kFavourites = 0x20000;
constexpr LPARAM kSearch = 0x40000;
constexpr LPARAM kBurst = 0x20000000;
constexpr LPARAM kSetAside = 0x40000000;

struct Categories {
  std::vector<int> years;  // ascending
  bool hasBurst = false;
};

// The categories of the library's tallies: its years, ascending, and whether it holds
// burst composites.
Categories CategoriesOf(const CPhotoManager* library);

// The values of the nodes the categories make, in the tree's order: "全て", the years,
// "お気に入り" and, while there are any, "連続".
std::vector<LPARAM> NodeValues(const Categories& categories);
// The text of a category's node: "全て", "%d年", "お気に入り", "連続", "検索結果"; empty
// for the set-aside view, which has no node.
Cp932String LabelOf(LPARAM category);

// Removes every node and adds the categories, then selects the node of the remembered
// category, or "全て" when no node has that value.
void Build(CTreeCtrl* tree, const Categories& categories, LPARAM remembered);
// Keeps "全て" and adds the other categories again.
void Rebuild(CTreeCtrl* tree, const Categories& categories);
// Adds "検索結果" once; a later call does nothing while it is present.
void AddSearchNode(CTreeCtrl* tree);
void RemoveSearchNode(CTreeCtrl* tree);
// Selects the first node with the value; false when no node has it.
bool SelectByValue(CTreeCtrl* tree, LPARAM value);
// The value of the selected node, or 0.
LPARAM SelectedValue(const CTreeCtrl* tree);

}  // namespace indextree
