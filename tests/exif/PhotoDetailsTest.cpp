// The rows of the details dialog as the command-line tool prints them too: the file's
// facts, and the shooting information from Exif or from the file's text comments.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <ctime>

#include "exif/PhotoDetails.h"
#include "platform/fileio/FileIo.h"
#include "platform/imaging/Imaging.h"
#include "tests/exif/ExifFixture.h"

using namespace exif_test;

namespace {

// The rows as "label=value" in UTF-8, a heading marked with a leading "#".
std::vector<std::string> Texts(const std::vector<ExifListRow>& rows) {
  std::vector<std::string> texts;
  for (const ExifListRow& row : rows)
    texts.push_back((row.isHeading() ? "#" : "") + cp932::ToUtf8Lossy(row.label) + "=" +
                    cp932::ToUtf8Lossy(row.value));
  return texts;
}

std::string Encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes.toStdString();
}

// A real 40 x 30 JPEG with the segments put right behind its start marker.
std::string JpegWith(const std::vector<std::string>& segments) {
  QImage image(40, 30, QImage::Format_RGB32);
  image.fill(Qt::darkCyan);
  std::string jpeg = Encoded(image, "JPG");
  std::string inserted;
  for (const std::string& s : segments) inserted += s;
  return jpeg.insert(2, inserted);
}

// Sets the file's last change to noon of the local day.
void SetChanged(const std::string& path, int year, int month, int day) {
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_hour = 12;
  local.tm_isdst = -1;
  const fileio::FileTime time{static_cast<int64_t>(std::mktime(&local)), 0};
  ASSERT_TRUE(fileio::SetFileTimes(path, nullptr, &time));
}

class PhotoDetails : public ExifFixture {};

TEST_F(PhotoDetails, JpegWithExifListsItsFileFactsAndItsTagTree) {
  const std::string jpeg = JpegWith({ExifSegment(CameraBlock(false))});
  const std::string path = Photo(jpeg, "shot.JPG");
  SetChanged(path, 2008, 5, 4);
  EXPECT_EQ(details::SourceKindOf(path), details::kSourceJpeg) << "any case of the extension";

  const std::vector<std::string> general = Texts(details::GeneralRows(path, nullptr));
  ASSERT_EQ(general.size(), 6u);
  EXPECT_NE(general[0], "ファイルの種類=") << "the desktop names the JPEG type";
  EXPECT_EQ(general[1], "幅=40");
  EXPECT_EQ(general[2], "高さ=30");
  EXPECT_EQ(general[3], "深さ=24ビット");
  EXPECT_EQ(general[4], "サイズ=" + std::to_string(jpeg.size()) + "バイト");
  EXPECT_EQ(general[5], "携帯更新日時=2008年 5月 4日 (日曜日)");

  const std::vector<std::string> shooting =
      Texts(details::ShootingRows(path, details::kSourceJpeg, work_));
  ASSERT_GE(shooting.size(), 3u);
  EXPECT_EQ(shooting[0], "#主な情報=");
  EXPECT_EQ(shooting[1], "メーカ名=Kaiwa");
  EXPECT_NE(std::find(shooting.begin(), shooting.end(), "#GPS情報="), shooting.end());
  EXPECT_NE(std::find(shooting.begin(), shooting.end(), "測地系=TOKYO"), shooting.end());
}

// Without Exif the comments stand in; a file with neither says so, and a file that is
// no picture keeps only the rows the file system can give.
TEST_F(PhotoDetails, WithoutExifTheCommentsOrTheNothingRowStandIn) {
  const std::string commented = Photo(JpegWith({Segment(0xFE, "Quarn Port")}), "c.jpg");
  EXPECT_EQ(Texts(details::ShootingRows(commented, details::kSourceJpeg, work_)),
            std::vector<std::string>{"解説=Quarn Port"});

  const std::string notes = Photo(std::string("\0\1\2\3\4\5\6\7\10\11\12\13\14", 13), "notes.xyzq");
  EXPECT_EQ(details::SourceKindOf(notes), details::kSourceOther);
  EXPECT_EQ(Texts(details::ShootingRows(notes, details::kSourceOther, work_)),
            std::vector<std::string>{"撮影情報はありません="});
  const std::vector<std::string> general = Texts(details::GeneralRows(notes, nullptr));
  ASSERT_EQ(general.size(), 3u) << "no width, height or depth without file information";
  EXPECT_EQ(general[0], "ファイルの種類=xyzqファイル");
  EXPECT_EQ(general[1], "サイズ=13バイト");
  EXPECT_EQ(cp932::ToUtf8Lossy(details::FileTypeText(temp_.file("untyped"))), "ファイル");

  const std::vector<std::string> missing =
      Texts(details::GeneralRows(temp_.file("gone.jpg"), nullptr));
  ASSERT_EQ(missing.size(), 3u);
  EXPECT_EQ(missing[2], "携帯更新日時=0年 0月 0日 (☆曜日)");
}

// A PNG lists its text chunks in the dialog's order, never an Exif block, and a comment
// set for the next save does not show as the file's own.
TEST_F(PhotoDetails, PngListsItsTextChunksInTheDialogsOrder) {
  QImage image(20, 10, QImage::Format_RGB32);
  image.fill(Qt::white);
  image.setText("Software", "Paint 3");
  image.setText("Title", "Harbour");
  image.setText("Copyright", "K. Sato");
  const std::string path = Photo(Encoded(image, "PNG"), "p.png");
  imaging::SetComment(3, "pending", 7);

  EXPECT_EQ(details::SourceKindOf(path), details::kSourcePng);
  EXPECT_EQ(
      Texts(details::ShootingRows(path, details::kSourcePng, work_)),
      (std::vector<std::string>{"著作権=K. Sato", "題名=Harbour", "制作ソフトウェア=Paint 3"}));
  EXPECT_EQ(imaging::GetComment(3, nullptr, 0), -1);
}

}  // namespace
