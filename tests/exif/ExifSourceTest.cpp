#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QImage>

#include "exif/CExifSource.h"
#include "tests/exif/ExifFixture.h"
#include "tests/support/HangGuard.h"

using namespace exif_test;

namespace {

// A listing row in UTF-8: group, heading mark, label, value.
std::string RowText(const ExifListRow& row) {
  return std::to_string(row.group()) + (row.isHeading() ? " H " : " - ") +
         cp932::ToUtf8Lossy(row.label) + "=" + cp932::ToUtf8Lossy(row.value);
}

std::vector<std::string> Listing(CExifSource& source) {
  std::vector<ExifListRow> rows;
  EXPECT_EQ(source.FillList(&rows), 1);
  std::vector<std::string> texts;
  for (const auto& row : rows) texts.push_back(RowText(row));
  return texts;
}

const std::vector<std::string> kCameraListing = {
    "0 H 主な情報=",
    "0 - メーカ名=Kaiwa",
    "0 - モデル名=KW-10",
    "0 - 画像方向=左上",
    "0 - 画像幅の解像度=72/1",
    "0 - 画像幅と高さの解像度の単位=インチ",
    "1 H サブ情報=",
    "1 - Exifバージョン=0220",
    "1 - 原画像生成日時=2008:05:04 10:20:30",
    "1 - 各コンポーネントの意味=YCbCr",
    "1 - 色空間情報=Uncalibrated",
    "1 - 実効画像幅=640",
    "1 H GPS情報=",
    "1 - GPSバージョン=2.2.0.0",
    "1 - 緯度(N/S)=N",
    "1 - 緯度(数値)=35度 40分 12.34秒",
    "1 - 経度(数値)=139度 45分 0.00秒",
    "1 - GPS時間(UTC)=15: 30: 45.23",
    "1 - 測地系=TOKYO",
    "1 - 測位方式=ASCII   GPS",
};

class ByteOrderTest : public ExifFixture, public testing::WithParamInterface<bool> {};

}  // namespace

TEST_P(ByteOrderTest, ReadsMakerDateGpsAndListingAlike) {
  CExifSource source;
  ASSERT_EQ(Open(source, Jpeg({ExifSegment(CameraBlock(GetParam()))})), 1);
  EXPECT_EQ(TempFiles(), 1);
  Cp932String text;
  EXPECT_EQ(source.Maker(&text), 1);
  EXPECT_EQ(text, "Kaiwa");
  EXPECT_EQ(source.DateTaken(&text), 1);
  EXPECT_EQ(text, "2008:05:04 10:20:30");
  double lat = 0, lon = 0;
  int datum = -1;
  EXPECT_EQ(source.GpsPosition(&lat, &lon, &datum), 1);
  EXPECT_DOUBLE_EQ(lat, 35 * 921600.0 + 40 * 15360.0 + 1234 * 256 / 100.0);
  EXPECT_DOUBLE_EQ(lon, 139 * 921600.0 + 45 * 15360.0);
  EXPECT_EQ(datum, 0);
  EXPECT_EQ(Listing(source), kCameraListing);
}

INSTANTIATE_TEST_SUITE_P(Orders, ByteOrderTest, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "MM" : "II"; });

TEST_F(ExifFixture, GivesZeroDateEmptyMakerAndDatumOneWhenTagsAreMissing) {
  TiffWriter w(false);
  w.Ascii(w.Directory(), 272, "KW-10");
  CExifSource source;
  ASSERT_EQ(Open(source, Jpeg({ExifSegment(w.Build())})), 1);
  Cp932String text = "x";
  EXPECT_EQ(source.Maker(&text), 0);
  EXPECT_EQ(text, "");
  EXPECT_EQ(source.DateTaken(&text), 0);
  EXPECT_EQ(text, "0");
  double lat = 0, lon = 0;
  int datum = -1;
  EXPECT_EQ(source.GpsPosition(&lat, &lon, &datum), 0);
  EXPECT_EQ(datum, 1);
}

TEST_F(ExifFixture, ReadsDatumFlagIgnoringCase) {
  for (auto [datum, flag] : {std::pair{"tokyo", 0}, {"WGS-84", 1}, {"TOKYO ", 1}}) {
    TiffWriter w(true);
    const int gps = w.Directory();
    w.Rationals(gps, 2, {{35, 1}, {0, 1}, {0, 1}});
    w.Rationals(gps, 4, {{139, 1}, {0, 1}, {0, 1}});
    w.Ascii(gps, 18, datum);
    CExifSource source;
    ASSERT_EQ(Open(source, Jpeg({ExifSegment(w.Build())})), 1);
    double lat = 0, lon = 0;
    int got = -1;
    EXPECT_EQ(source.GpsPosition(&lat, &lon, &got), 1);
    EXPECT_EQ(got, flag) << datum;
  }
}

// Group numbers follow the directory each row stands in: a heading and the rows below it
// take the next group, and the rows behind a sub-directory go back to their own.
TEST_F(ExifFixture, NumbersGroupsOfNestedDirectoriesAndOfDirectoryOne) {
  TiffWriter w(false);
  const int main = w.Directory(), exif = w.Directory(), gps = w.Directory(), one = w.Directory();
  w.Pointer(main, 34665, exif);
  w.Ascii(main, 271, "Kaiwa");
  w.Pointer(exif, 34853, gps);
  w.Bytes(exif, 36864, 7, "0220");
  w.Ascii(gps, 1, "S");
  w.Chain(main, one);
  w.Shorts(one, 296, {3});
  CExifSource source;
  ASSERT_EQ(Open(source, Jpeg({ExifSegment(w.Build())})), 1);
  std::vector<ExifListRow> rows = {{"general", "x", 5}};
  ASSERT_EQ(source.FillList(&rows), 1);
  std::vector<std::string> texts;
  for (size_t i = 1; i < rows.size(); ++i) texts.push_back(RowText(rows[i]));
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "0 H 主な情報=", "1 H サブ情報=", "2 H GPS情報=", "2 - 緯度(N/S)=S",
                       "1 - Exifバージョン=0220", "0 - メーカ名=Kaiwa",
                       "0 - 画像幅と高さの解像度の単位=センチ"}));
}

TEST_F(ExifFixture, KeepsOneTemporaryFileWhileOpenAndRemovesItOnEveryClose) {
  const std::string photo = Photo(Jpeg({ExifSegment(CameraBlock(false))}));
  {
    CExifSource source;
    ASSERT_EQ(source.Open(photo, work_), 1);
    ASSERT_EQ(source.Open(photo, work_), 1);
    EXPECT_EQ(TempFiles(), 1);
    source.Close();
    EXPECT_EQ(TempFiles(), 0);
    Cp932String text;
    EXPECT_EQ(source.Maker(&text), 0);
    EXPECT_EQ(source.FillList(nullptr), 0);
    ASSERT_EQ(source.Open(photo, work_), 1);
    EXPECT_EQ(source.Open(temp_.file("missing.jpg"), work_), 0);
    EXPECT_FALSE(source.IsOpen());
    ASSERT_EQ(source.Open(photo, work_), 1);
  }
  EXPECT_EQ(TempFiles(), 0);
}

// A named pipe or a folder called like a photo is refused before it is opened, so the
// reader neither blocks on the pipe nor makes a temporary file.
TEST_F(ExifFixture, RefusesANamedPipeOrAFolderCalledLikeAPhotoWithoutBlocking) {
  const std::string pipe = temp_.file("x.jpg"), folder = temp_.file("y.jpg");
  ASSERT_TRUE(hangguard::MakePipe(pipe));
  ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
  CExifSource source;
  int fromPipe = -1, fromFolder = -1;
  EXPECT_TRUE(hangguard::FinishesInTime("CExifSource::Open", pipe, [&] {
    fromPipe = source.Open(pipe, work_);
    fromFolder = source.Open(folder, work_);
  }));
  EXPECT_EQ(fromPipe, 0);
  EXPECT_EQ(fromFolder, 0);
  EXPECT_FALSE(source.IsOpen());
}

TEST_F(ExifFixture, NeverChangesThePhotoAndReadsJapaneseNames) {
  const std::string bytes = Jpeg({ExifSegment(CameraBlock(true))});
  const std::string photo = Photo(bytes, "写真.jpg");
  CExifSource source;
  ASSERT_EQ(source.Open(*cp932::FromUtf8(photo), *cp932::FromUtf8(work_)), 1);
  std::vector<ExifListRow> rows;
  source.FillList(&rows);
  source.Close();
  std::ifstream in(photo, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), bytes);
}

TEST_F(ExifFixture, MakesAMissingTemporaryFolderAndFailsWhenItCannotBeMade) {
  const std::string photo = Photo(Jpeg({ExifSegment(CameraBlock(false))}));
  CExifSource source;
  EXPECT_EQ(source.Open(photo, work_ + "/a/b"), 1);
  source.Close();
  std::filesystem::remove_all(work_);
  Photo("not a folder", "file");
  EXPECT_EQ(source.Open(photo, temp_.file("file") + "/work"), 0);
  EXPECT_EQ(source.Open(photo, ""), 0);
}

// A photo as an encoder writes it, with its own JFIF segment, gets our block after SOI.
TEST_F(ExifFixture, ReadsAPhotoMadeByAnEncoder) {
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(Qt::darkGreen);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(image.save(&buffer, "JPG"));
  std::string bytes = buffer.data().toStdString();
  bytes.insert(2, ExifSegment(CameraBlock(true)));
  CExifSource source;
  ASSERT_EQ(Open(source, bytes), 1);
  Cp932String text;
  EXPECT_EQ(source.DateTaken(&text), 1);
  EXPECT_EQ(text, "2008:05:04 10:20:30");
}
