#include "print/CPrintSealSheet.h"

#include "print/CPrintFormat.h"

namespace {

void ApplyGrid(CPrintParam& block, int32_t width, int32_t height, int32_t spaceX, int32_t spaceY,
               int32_t cols, int32_t rows) {
  block.photoSizeX = width;
  block.photoSizeY = height;
  block.SetSpaces(spaceX, spaceY);
  block.SetCells(cols, rows);
  block.autoSpaceSize = 0;
  block.autoPhotoSize = 0;
  block.autoColRowCnt = 0;
  block.indexEvenRowShunt = 0;
}

}  // namespace

void CPrintSealSheet::ApplyTo(CPrintFormat& style) const {
  style.attr = CPrintFormat::kSeal;
  CPrintPaper& paper = style.paper;
  paper.enableArea = 0;
  paper.leaningX = paper.leaningY = 0;
  paper.sizeId = sizeId;
  paper.vLine = vLine;
  paper.SetMargins(spaceLeft, spaceTop, spaceRight, spaceBottom);
  ApplyGrid(style.paramMain, photoSizeX, photoSizeY, spaceSizeX, spaceSizeY, cols, rows);
  style.mix = mix;
  // A sheet of one group leaves the style's split and sub block as they were: unused.
  if (mix == 0) return;
  style.mixLine = mixLine;
  style.mixWidth = mixWidth;
  ApplyGrid(style.paramSub, subPhotoSizeX, subPhotoSizeY, subSpaceSizeX, subSpaceSizeY, subCols,
            subRows);
}
