#include "ui/CDrawObject.h"

#include "host/SuitePath.h"
#include "platform/fileio/FileIo.h"
#include "ui/DrawResourceTables.h"

std::optional<std::string> CDrawObject::ReadSchemeFile(const Cp932String& path) {
  const std::optional<uint64_t> size = fileio::FileSize(path);
  if (!size || *size > kMaxSchemeFileBytes) return std::nullopt;
  std::optional<std::string> text = fileio::ReadFile(path);
  if (!text || text->size() > kMaxSchemeFileBytes) return std::nullopt;
  return text;
}

bool CDrawObject::Load(const Cp932String& path, bool clear) {
  const std::optional<std::string> text = ReadSchemeFile(path);
  if (clear) Clear();
  if (!text) return false;
  ApplyText(*text);
  return true;
}

std::vector<colorscheme::Entry> CDrawObject::ApplyText(std::string_view text) {
  std::vector<colorscheme::Entry> entries =
      colorscheme::Parse(text, [this](std::string_view key) { return KeyToIndex(key); });
  for (const colorscheme::Entry& entry : entries) Replace(entry);
  return entries;
}

COLORREF CDrawObject::GetColor(int32_t index) {
  return RecordOf(index).color;
}

HPEN CDrawObject::GetPen(int32_t index) {
  Record& record = RecordOf(index);
  if (!record.pen) record.pen.reset(CreatePenFor(index, record.color));
  return record.pen.get();
}

HBRUSH CDrawObject::GetBrush(int32_t index) {
  Record& record = RecordOf(index);
  if (!record.brush) record.brush.reset(CreateBrushFor(index, record.color));
  return record.brush.get();
}

HFONT CDrawObject::GetFont(int32_t index) {
  Record& record = RecordOf(index);
  if (!record.font) record.font.reset(CreateFontFor(index));
  return record.font.get();
}

Cp932String CDrawObject::GetBitmapFile(int32_t index) const {
  const auto found = records_.find(index);
  return found == records_.end() ? Cp932String() : found->second.text;
}

Cp932String CDrawObject::GetBitmapPath(int32_t index) const {
  const Cp932String name = GetBitmapFile(index);
  if (name.empty()) return {};
  const Cp932String& folder = schemeFolder_.empty() ? suite::InstallFolder() : schemeFolder_;
  const Cp932String path = suite::JoinPath({folder, name});
  return fileio::IsFile(path) ? path : Cp932String();
}

COLORREF CDrawObject::DefaultColor(int32_t index) {
  const drawres::DefaultColor source = drawres::DefaultColorOf(index);
  switch (source.kind) {
    case drawres::DefaultColor::Kind::kFixed:
      return source.color;
    case drawres::DefaultColor::Kind::kFollows:
      return GetColor(source.follows);
    case drawres::DefaultColor::Kind::kSystem:
      break;
  }
  return GetSysColor(index);
}

HPEN CDrawObject::CreatePenFor(int32_t index, COLORREF color) {
  return CreatePen(index == drawres::kCalMinuteBorderIndex ? PS_DOT : PS_SOLID, 1, color);
}

HBRUSH CDrawObject::CreateBrushFor(int32_t /*index*/, COLORREF color) {
  return CreateSolidBrush(color);
}

HFONT CDrawObject::CreateFontFor(int32_t index) {
  const LOGFONTA font = drawres::FontOf(index);
  return CreateFontIndirectA(&font);
}

int32_t CDrawObject::KeyToIndex(std::string_view key) {
  return colorscheme::KeyToIndex(key, drawres::IndexOfKeyName);
}

CDrawObject::Record& CDrawObject::RecordOf(int32_t index) {
  const auto found = records_.find(index);
  if (found != records_.end()) return found->second;
  // The default may itself ask for the index it follows, so it is taken before inserting.
  const COLORREF color = DefaultColor(index);
  Record& record = records_[index];
  record.color = color;
  return record;
}

void CDrawObject::Replace(const colorscheme::Entry& entry) {
  if (entry.index >= drawres::kFirstBitmapIndex) {
    RecordOf(entry.index).text = entry.text;
    return;
  }
  Record& record = records_[entry.index];
  record = Record{};
  record.color = entry.color;
}
