// The print styles kept in the registry: the user's list of up to 64 named styles with its
// current one (packed at the front, owned), the built-in set it is restored from, the
// default style, and the three easy-print styles, one per kind.
#pragma once

#include <array>
#include <memory>

#include "print/CPrintFormat.h"

// The month a calendar starts from when a style says "the current one".
struct PrintYearMonth {
  int year = 0;
  int month = 0;
  // Today's year and month on this machine's clock.
  static PrintYearMonth Now();
};

class CPrintFormats {
 public:
  static constexpr int kMaxFormats = 64;
  // The number of built-in styles.
  static constexpr int kBuiltInCount = 10;
  // The easy print panel's styles, one per kind, in the order of the kinds.
  enum class EasyPrint { kIndex, kSeal, kCalendar };

  CPrintFormats() = default;
  CPrintFormats(const CPrintFormats&) = delete;
  CPrintFormats& operator=(const CPrintFormats&) = delete;
  virtual ~CPrintFormats() = default;

  int count() const { return count_; }
  int currentIndex() const { return current_; }
  // The style at an index, or null outside 0 ... count - 1.
  CPrintFormat* Get(int index) const;
  CPrintFormat* current() const { return Get(current_); }
  // Takes the style into the first empty slot and returns its index, making it current when
  // asked; -1 when all 64 slots are taken (the style is then dropped, the list unchanged).
  int Add(std::unique_ptr<CPrintFormat> style, bool makeCurrent);
  // Takes the style out, moving the ones after it down, and hands it back; null for a style
  // not in the list. The current index stays as it was.
  std::unique_ptr<CPrintFormat> Remove(const CPrintFormat* style);
  void SetCurrent(int index) { current_ = index; }
  void SetCurrent(const CPrintFormat* style);
  void Clear();

  // The key of the user's style at an index: "Print\\Format%d".
  static Cp932String FormatKey(int index);

  // Loads the user's list; an empty one is restored from the built-in set first. False
  // when no style at all could be loaded.
  bool LoadList(PrintYearMonth today = PrintYearMonth::Now());
  // Writes the count, the current index and every style; false when a write failed.
  bool SaveList() const;
  // Writes the built-in set over the user's keys, starting from the easy-print styles;
  // returns the number written.
  static int WriteBuiltIn(PrintYearMonth today = PrintYearMonth::Now());
  // A new style from the default key ("DefFormat"), read defaults where it is absent.
  static std::unique_ptr<CPrintFormat> LoadDefault();
  // Loads an easy-print style into the style; when none was saved, the kind's defaults.
  static void LoadEasyPrint(EasyPrint which, CPrintFormat& style,
                            PrintYearMonth today = PrintYearMonth::Now());
  static bool SaveEasyPrint(EasyPrint which, const CPrintFormat& style);

 private:
  int IndexOf(const CPrintFormat* style) const;
  // Appends the named styles among the first keys "Format%d".
  void LoadStored(int stored);

  std::array<std::unique_ptr<CPrintFormat>, kMaxFormats> formats_;
  int current_ = 0;
  int count_ = 0;
};
