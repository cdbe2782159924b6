#include "print/CPrintFormats.h"

#include <algorithm>
#include <ctime>
#include <string>

#include "platform/registry/Registry.h"
#include "print/PrintSettings.h"

namespace {

constexpr const char* kPrintKey = "Print";

}  // namespace

Cp932String CPrintFormats::FormatKey(int index) {
  return Cp932String(kPrintKey) + "\\Format" + std::to_string(index);
}

PrintYearMonth PrintYearMonth::Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  // Without a local date, month 0 stands for "the current month" wherever it is used.
  if (localtime_r(&now, &local) == nullptr) return {0, 0};
  return {local.tm_year + 1900, local.tm_mon + 1};
}

CPrintFormat* CPrintFormats::Get(int index) const {
  if (index < 0 || index >= count_) return nullptr;
  return formats_[index].get();
}

int CPrintFormats::Add(std::unique_ptr<CPrintFormat> style, bool makeCurrent) {
  if (style == nullptr || count_ >= kMaxFormats) return -1;
  const int slot = count_++;
  formats_[slot] = std::move(style);
  if (makeCurrent) current_ = slot;
  return slot;
}

std::unique_ptr<CPrintFormat> CPrintFormats::Remove(const CPrintFormat* style) {
  const int slot = IndexOf(style);
  if (slot < 0) return nullptr;
  std::unique_ptr<CPrintFormat> taken = std::move(formats_[slot]);
  std::move(formats_.begin() + slot + 1, formats_.begin() + count_, formats_.begin() + slot);
  --count_;
  return taken;
}

void CPrintFormats::SetCurrent(const CPrintFormat* style) {
  const int slot = IndexOf(style);
  if (slot >= 0) current_ = slot;
}

void CPrintFormats::Clear() {
  for (auto& slot : formats_) slot.reset();
  count_ = 0;
  current_ = 0;
}

int CPrintFormats::IndexOf(const CPrintFormat* style) const {
  for (int i = 0; i < count_; ++i)
    if (style != nullptr && formats_[i].get() == style) return i;
  return -1;
}

bool CPrintFormats::LoadList(PrintYearMonth today) {
  Clear();
  registry::DeferredWrites batch;
  PrintSettingsKey print(kPrintKey);
  const int stored = std::clamp(print.Int("FormatCount", 0), 0, kMaxFormats);
  const int current = print.Int("FormatCur", 0);
  LoadStored(stored);
  if (count_ == 0) {
    WriteBuiltIn(today);
    LoadStored(kBuiltInCount);
    print.Put("FormatCount", count_);
  }
  // The current index points at a loaded style whenever there is one.
  current_ = std::max(0, std::min(current, count_ - 1));
  return count_ > 0;
}

void CPrintFormats::LoadStored(int stored) {
  // Styles without a name are skipped, so the kept ones are numbered densely.
  for (int i = 0; i < stored; ++i) {
    auto style = std::make_unique<CPrintFormat>();
    if (style->Load(FormatKey(i), true) == 1) Add(std::move(style), false);
  }
}

bool CPrintFormats::SaveList() const {
  registry::DeferredWrites batch;
  PrintSettingsKey print(kPrintKey);
  print.Put("FormatCount", count_);
  print.Put("FormatCur", current_);
  for (int i = 0; i < count_; ++i) print.Also(formats_[i]->Save(FormatKey(i)));
  print.Also(batch.Commit());
  return print.written();
}

std::unique_ptr<CPrintFormat> CPrintFormats::LoadDefault() {
  auto style = std::make_unique<CPrintFormat>();
  style->Load(Cp932String(kPrintKey) + "\\DefFormat", false);
  return style;
}
