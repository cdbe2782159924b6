// The header or the footer of a print style: its text with the placeholders "&p" (page
// number), "&s" (number of pages), "&d" (date) and "&t" (time), whether it is shown, where
// it sits in its band and its font. Whether it is the header or the footer is fixed when it
// is made and decides its defaults.
#pragma once

#include <cstdint>

#include "print/CPrintFont.h"

class CPrintMarginText {
 public:
  enum Role : int32_t { kHeader = 0, kFooter = 1 };
  // "Postion" bits 0-1: the horizontal place; bits 2-4: the vertical place.
  enum Placement : int32_t {
    kLeft = 0,
    kCentre = 1,
    kRight = 2,
    kTop = 0,
    kMiddle = 8,
    kBottom = 16,
  };

  // Starts with the role's defaults: shown, with its default text and place.
  explicit CPrintMarginText(Role role);
  CPrintMarginText(const CPrintMarginText& other) = default;
  // Copies everything but the role.
  CPrintMarginText& operator=(const CPrintMarginText& other);
  virtual ~CPrintMarginText() = default;

  void Load(const Cp932String& key);
  bool Save(const Cp932String& key) const;
  void CopyFrom(const CPrintMarginText& other) { *this = other; }
  Role role() const { return role_; }

  bool operator==(const CPrintMarginText& other) const = default;

  CPrintFont font;
  Cp932String text;
  int32_t show = 1;
  int32_t position = 0;

 private:
  Cp932String DefaultText() const;
  int32_t DefaultPosition() const;

  Role role_;
};
