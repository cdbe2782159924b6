// The read settings record and the read request as the read command fills it.
#include <gtest/gtest.h>

#include "library/PhotoKind.h"
#include "phone/CRegReadOption.h"
#include "phone/PhoneReadRequest.h"
#include "tests/library/LibraryTestSupport.h"

namespace {

using phoneread::StorageMask;

struct Present {
  std::string name;
  uint32_t size;
  bool operator==(const Present&) const = default;
};

class PhoneReadRequest : public LibraryFixture {
 protected:
  // Each test is its own user and starts from the read settings' defaults, also when the
  // tests run again.
  void SetUp() override {
    user_ = testing::UnitTest::GetInstance()->current_test_info()->name();
    LibraryFixture::SetUp();
    const Cp932String key =
        TheApp().GetPath(CHarboPhotoApp::Path::kAlbumRegistryKey) + "\\" + CRegReadOption::kSection;
    RegDeleteKeyA(TheApp().registryRoot(), key.c_str());
  }

  CPhotoItem* Add(const std::string& relative, uint32_t flags, const std::string& sourceName) {
    CPhotoItem* item = AddPhoto(relative, flags);
    if (item != nullptr) item->SetSourceName(sourceName);
    return item;
  }

  static std::vector<Present> PresentList(const CCdmaFilesOption& request) {
    std::vector<Present> out;
    const CCdmaOptionFileInfoList& list = request.PresentFiles();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
      const CCdmaOptionFileInfo& entry = list.GetNext(pos);
      EXPECT_EQ(entry.GetMask(),
                CCdmaOptionFileInfo::kCompareName | CCdmaOptionFileInfo::kCompareSize);
      out.push_back({entry.GetName(), entry.GetSize()});
    }
    return out;
  }
};

TEST_F(PhoneReadRequest, SettingsReadAStorageAreaThatNamesNoAreaAsBoth) {
  CRegReadOption option;
  for (int stored : {0, 4, 7, -1}) {
    TheApp().WriteInt(CRegReadOption::kSection, "StorageArea", stored);
    option.Load();
    EXPECT_EQ(option.storageArea, CRegReadOption::kBoth) << stored;
  }
  TheApp().WriteInt(CRegReadOption::kSection, "StorageArea", 2);
  TheApp().WriteInt(CRegReadOption::kSection, "FileDisp", 5);
  TheApp().WriteInt(CRegReadOption::kSection, "Ext3gp", 0);
  option.Load();
  EXPECT_EQ(option.storageArea, 2);
  EXPECT_EQ(option.fileDisp, 1);
  EXPECT_EQ(option.types, (std::array<uint8_t, 5>{1, 1, 1, 0, 1}));
}

TEST_F(PhoneReadRequest, SettingsWriteTheSourceAndTheConfirmationScreenOnly) {
  CRegReadOption option;
  option.storageArea = 1;
  option.fileDisp = 0;
  option.types = {0, 0, 0, 0, 0};
  option.Save();
  EXPECT_EQ(TheApp().ReadInt(CRegReadOption::kSection, "StorageArea", -1), 1);
  EXPECT_EQ(TheApp().ReadInt(CRegReadOption::kSection, "FileDisp", -1), 0);
  EXPECT_EQ(TheApp().ReadInt(CRegReadOption::kSection, "ExtJpg", -1), -1);
}

struct MaskCase {
  uint8_t storageArea;
  bool lacksExternalMemory;
  int mask;
};

class PhoneReadMaskRule : public testing::TestWithParam<MaskCase> {};

TEST_P(PhoneReadMaskRule, IsTheStorageAreaUnlessThePhoneHasNoExternalMemory) {
  CRegReadOption option;
  option.storageArea = GetParam().storageArea;
  EXPECT_EQ(StorageMask(option, GetParam().lacksExternalMemory), GetParam().mask);
}

INSTANTIATE_TEST_SUITE_P(Areas, PhoneReadMaskRule,
                         testing::Values(MaskCase{3, false, 3}, MaskCase{1, false, 1},
                                         MaskCase{2, false, 2}, MaskCase{3, true, 1},
                                         MaskCase{2, true, 1}, MaskCase{1, true, 1}));

TEST_F(PhoneReadRequest, FillsTheFlagsTypesStagingFoldersMaskAndSwitches) {
  CCdmaFilesOption request;
  CRegReadOption option;
  option.storageArea = 2;
  option.fileDisp = 0;
  option.types = {0, 0, 0, 0, 0};
  ASSERT_TRUE(phoneread::FillRequest(request, option, false, library_, 7));
  EXPECT_EQ(request.GetFlags(), 0x09u);
  EXPECT_EQ(request.GetExtensions(), (std::vector<Cp932String>{"jpg", "png", "amc", "3gp", "3g2"}))
      << "the request names all five types, whatever the hidden group holds";
  const std::string work = TheApp().GetPath(CHarboPhotoApp::Path::kWorkFolder);
  EXPECT_EQ(request.GetStrIntPath(), work + "/StrInt");
  EXPECT_EQ(request.GetStrExtPath(), work + "/StrExt");
  EXPECT_EQ(request.GetStorageMask(), 2);
  EXPECT_EQ(request.GetFileDisp(), 0);
  EXPECT_EQ(request.GetSubFolderSW(), 1);
  EXPECT_EQ(request.GetSkipPresentSW(), 1);
  EXPECT_EQ(request.GetAppValue(), 7);

  ASSERT_TRUE(phoneread::FillRequest(request, option, true, library_, 0));
  EXPECT_EQ(request.GetStorageMask(), 1);
  EXPECT_EQ(request.GetExtensions().size(), 5u) << "filling again does not add the types twice";
}

TEST_F(PhoneReadRequest, ListsThePhonesFilesByNameAndByTheirNameOnThePhone) {
  Add("2024/5/A.JPG", PhotoKind::kStill, "a.jpg");
  Add("2024/5/renamed.jpg", PhotoKind::kStill | PhotoKind::kBurstMember, "NOVA_0001.jpg");
  Add("2024/5/card.3gp", PhotoKind::kMovieCode | PhotoKind::kFromMemoryCard, "card.3gp");
  Add("Pc/imported.jpg", PhotoKind::kStill | PhotoKind::kFromPc, "imported.jpg");
  PhotoFileRecord composite = RecordFor(AlbumFile("Combo/burst.Jpg"), PhotoKind::kBurstComposite);
  composite.comboNumber = 1;
  ASSERT_NE(library_.AddRecord(composite, nullptr), nullptr);
  CCdmaFilesOption request;
  phoneread::AddPresentFiles(library_, request);
  EXPECT_EQ(PresentList(request),
            (std::vector<Present>{
                {"A.JPG", 4}, {"renamed.jpg", 4}, {"NOVA_0001.jpg", 4}, {"card.3gp", 4}}));
}

TEST_F(PhoneReadRequest, RefusesAStagingFolderLongerThanTheRequestHolds) {
  const std::string deep(CCdmaFilesOption::kMaxPathBytes, 'w');
  fileio::CreateFolderPath(dataRoot_, false);
  CCdmaFilesOption request;
  CRegReadOption option;
  // A work folder that long leaves no room for "/StrInt".
  TheApp().SetDataFolder(dataRoot_ + "/" + deep.substr(0, 200) + "/" + deep.substr(0, 50),
                         cp932::Lit("taro"));
  EXPECT_FALSE(phoneread::FillRequest(request, option, false, library_, 0));
}

}  // namespace
