#include "images/CImageItem.h"

namespace {

const Cp932String& NoText() {
  static const Cp932String empty;
  return empty;
}

// The date and time numbers of a photo whose date is unknown.
constexpr int32_t kUnknownNumber =
    (CPhotoItem::kUnknown * 100 + CPhotoItem::kUnknown) * 100 + CPhotoItem::kUnknown;

}  // namespace

uint8_t CImageItem::selected() const {
  return record_ != nullptr ? record_->selected() : 0;
}

void CImageItem::SetSelected(uint8_t mark) {
  if (record_ != nullptr) record_->SetSelected(mark);
}

int32_t CImageItem::DateNumber() const {
  return record_ != nullptr ? record_->DateNumber() : kUnknownNumber;
}

int32_t CImageItem::TimeNumber() const {
  return record_ != nullptr ? record_->TimeNumber() : kUnknownNumber;
}

int32_t CImageItem::size() const {
  return record_ != nullptr ? record_->size() : 0;
}

const Cp932String& CImageItem::title() const {
  return record_ != nullptr ? record_->title() : NoText();
}

const Cp932String& CImageItem::memo() const {
  return record_ != nullptr ? record_->memo() : NoText();
}

uint32_t CImageItem::favourites() const {
  return record_ != nullptr ? record_->favourites() : 0;
}

void CImageItem::SetFavourites(uint32_t bits) {
  if (record_ != nullptr) record_->SetFavourites(bits);
}

void CImageItem::SetDeleted(uint8_t mark) {
  if (record_ != nullptr) record_->SetDeleted(mark);
}

uint32_t CImageItem::flags() const {
  return record_ != nullptr ? record_->flags() : 0;
}
