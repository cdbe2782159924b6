// harbo-album styles: every style of the user's list (restored from the built-in set when
// it is empty, as printing does) and the three easy-print styles, one block each: a title
// line, then "field<TAB>value" lines, then an empty line.
#include <cstdio>
#include <string>

#include "cli/CliCommands.h"
#include "print/CPrintFormats.h"

namespace {

std::string Utf8(const Cp932String& text) {
  return cp932::ToUtf8Lossy(text);
}

void Field(const char* name, const std::string& value) {
  std::printf("  %s\t%s\n", name, value.c_str());
}

const char* KindName(int32_t attr) {
  switch (attr) {
    case CPrintFormat::kBasic:
      return "basic";
    case CPrintFormat::kSeal:
      return "label";
    case CPrintFormat::kCalendar:
      return "calendar";
    default:
      return "unknown";
  }
}

std::string Pair(int32_t a, int32_t b, const char* between) {
  return std::to_string(a) + between + std::to_string(b);
}

std::string PhotoFit(const CPrintPhotoOption& o) {
  if (o.stretch != 0) return "stretched";
  return o.scaleOver != 0 ? "whole photo" : "filled";
}

std::string Caption(const char* what, uint8_t shown, uint8_t position, const CPrintFont& font) {
  return std::string(what) + (shown != 0 ? " shown" : " hidden") + " at " +
         std::to_string(position) + " (" + Utf8(font.faceName) + " " + std::to_string(font.point) +
         ")";
}

std::string Captions(const CPrintPhotoOption& o) {
  return Caption("name", o.nameVisible, o.namePosition, o.nameFont) + ", " +
         Caption("date", o.dateVisible, o.datePosition, o.dateFont) + ", " +
         Caption("memo", o.memoVisible, o.memoPosition, o.memoFont) + " size " +
         std::to_string(o.memoWidth) + (o.memoAlternate != 0 ? " alternating" : "");
}

std::string MarginText(const CPrintMarginText& t) {
  return std::string(t.show != 0 ? "shown" : "hidden") + " \"" + Utf8(t.text) + "\" at " +
         std::to_string(t.position);
}

void PrintBlock(const std::string& prefix, const CPrintParam& p) {
  Field((prefix + "cells").c_str(),
        Pair(p.cols, p.rows, " x ") + (p.indexEvenRowShunt != 0 ? " shifted" : ""));
  Field((prefix + "photo-size").c_str(),
        p.autoPhotoSize != 0 ? "auto" : Pair(p.photoSizeX, p.photoSizeY, " x "));
  Field((prefix + "spacing").c_str(),
        p.autoSpaceSize != 0 ? "auto" : Pair(p.spaceSizeX, p.spaceSizeY, " x "));
  Field((prefix + "photo-fit").c_str(), PhotoFit(p.photoOption));
  Field((prefix + "captions").c_str(), Captions(p.photoOption));
}

void PrintCalendar(const CPrintParam& p) {
  Field("calendar", "first year " + std::to_string(p.calendarStartYear) + ", first month " +
                        std::to_string(p.calendarStartMonth) + ", months " +
                        std::to_string(p.calendarMonthCount) + ", position " +
                        std::to_string(p.calendarArea) + ", share " +
                        std::to_string(p.calendarWidth));
}

void PrintStyle(const std::string& title, const CPrintFormat& s) {
  std::printf("%s\t%s\n", title.c_str(), Utf8(s.name).c_str());
  const CPrintPaper& paper = s.paper;
  Field("kind", KindName(s.attr));
  Field("paper", std::to_string(paper.sizeId) +
                     (paper.enableArea != 0 ? ", printable area" : ", whole sheet") + ", align " +
                     Pair(paper.leaningX, paper.leaningY, "/"));
  Field("orientation", paper.vLine != 0 ? "portrait" : "landscape");
  Field("margins", Pair(paper.spaceLeft, paper.spaceTop, "/") + "/" +
                       Pair(paper.spaceRight, paper.spaceBottom, "/"));
  PrintBlock("", s.paramMain);
  if (s.attr == CPrintFormat::kCalendar) PrintCalendar(s.paramMain);
  if (s.mix != 0) {
    Field("mixed", std::string(s.mixLine != 0 ? "upper and lower" : "left and right") + " at " +
                       std::to_string(s.mixWidth));
    PrintBlock("sub-", s.paramSub);
  }
  Field("header", MarginText(paper.header));
  Field("footer", MarginText(paper.footer));
  std::printf("\n");
}

}  // namespace

int RunStyles(CliSession& /*session*/, const std::vector<std::string>& args) {
  if (!args.empty()) {
    std::fprintf(stderr, "usage: harbo-album styles\n");
    return 2;
  }
  CPrintFormats list;
  if (!list.LoadList()) {
    std::fprintf(stderr, "harbo-album: no print style could be loaded\n");
    return 1;
  }
  for (int i = 0; i < list.count(); ++i)
    PrintStyle("style " + std::to_string(i) + (i == list.currentIndex() ? " (current)" : ""),
               *list.Get(i));
  using EasyPrint = CPrintFormats::EasyPrint;
  const std::pair<EasyPrint, const char*> easy[] = {
      {EasyPrint::kIndex, "easy-print basic"},
      {EasyPrint::kSeal, "easy-print label"},
      {EasyPrint::kCalendar, "easy-print calendar"},
  };
  for (const auto& [which, title] : easy) {
    CPrintFormat style;
    CPrintFormats::LoadEasyPrint(which, style);
    PrintStyle(title, style);
  }
  return 0;
}
