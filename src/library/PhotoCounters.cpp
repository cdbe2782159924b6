#include "library/PhotoCounters.h"

void CCounterYearList::Count(uint16_t year, uint16_t month) {
  if (calls != CCounterYear::kSaturated) ++calls;
  for (CCounterYear& node : nodes) {
    if (node.year != year) continue;
    node.Count(month);
    return;
  }
  nodes.push_back(CCounterYear{year, 0, {}});
  nodes.back().Count(month);
}

void CCounterComboList::Count(uint32_t number) {
  for (CCounterCombo& node : nodes) {
    if (node.number != number) continue;
    if (node.count < CCounterCombo::kMaxCount) ++node.count;
    return;
  }
  nodes.push_back(CCounterCombo{1, number, {}});
}

bool CCounterComboList::Contains(uint32_t number) const {
  for (const CCounterCombo& node : nodes)
    if (node.number == number) return true;
  return false;
}
