// Devices the desktop mounted: which of them are offered as the phone, and how a mounted
// device's folders and profile stand in for a phone folder's.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/phonelib/PhoneFolder.h"
#include "platform/phonelib/PhoneMounts.h"
#include "platform/phonelib/PhoneProfile.h"
#include "tests/support/TempDir.h"

namespace {

class PhoneMounts : public testing::Test {
 protected:
  std::string Folder(const std::string& relative) {
    const std::string path = temp_.file(relative);
    std::filesystem::create_directories(path);
    return path;
  }
  void Table(const std::string& lines) { std::ofstream(temp_.file("mounts")) << lines; }
  phonelib::MountSources Sources() {
    phonelib::MountSources sources;
    sources.mountTable = temp_.file("mounts");
    sources.runtimeFolder = temp_.file("run");
    sources.desktopMountRoots = {temp_.file("media") + "/"};
    return sources;
  }

  TempDir temp_;
};

TEST_F(PhoneMounts, OffersEveryMountedDeviceWithACameraFolderAndNothingElse) {
  Folder("media/CARD/dcim/100PHOTO");  // any case
  Folder("media/My Card/DCIM");
  Folder("media/STICK/docs");  // no camera folder
  Folder("elsewhere/DCIM");    // not where the desktop mounts media
  Folder("fuse/phone/Internal storage/DCIM");
  Folder("run/gvfs/mtp:host=Pixel_7/Internal shared storage/DCIM/Camera");
  Folder("run/gvfs/mtp:host=Pixel_7/SD card");  // a storage without photos
  const std::string media = temp_.file("media");
  Table("/dev/sdb1 " + media + "/CARD vfat rw 0 0\n" + "/dev/sdc1 " + media +
        "/My\\040Card exfat rw 0 0\n" + "/dev/sdd1 " + media + "/STICK vfat rw 0 0\n" +
        "/dev/sde1 " + temp_.file("elsewhere") + " vfat rw 0 0\n" + "tmpfs " + media +
        "/CARD tmpfs rw 0 0\n" + "jmtpfs " + temp_.file("fuse/phone") + " fuse.jmtpfs rw 0 0\n" +
        "garbage\n");
  std::vector<std::string> names;
  for (const phonelib::MountedPhone& phone : phonelib::FindMountedPhones(Sources()))
    names.push_back(phone.name);
  EXPECT_EQ(names, (std::vector<std::string>{"CARD", "My Card", "phone Internal storage",
                                             "Internal shared storage"}));
}

TEST_F(PhoneMounts, AMountedDeviceReadsItsCameraFolderAndTakesSentPhotosInPictures) {
  const std::string device = Folder("media/CARD");
  Folder("media/CARD/DCIM/Camera");
  EXPECT_TRUE(phonelib::IsMountedDevice(device));
  EXPECT_EQ(phonelib::AreaFolder(device, phonelib::kAreaExternal), device + "/DCIM");
  EXPECT_EQ(phonelib::AreaFolder(device, phonelib::kAreaInternal), device + "/Pictures");
  EXPECT_EQ(phonelib::ReadPhoneProfile(device), phonelib::MountedDeviceProfile());

  // A phone folder of the suite's own layout keeps its folders and its profile.
  std::ofstream(device + "/" + phonelib::kProfileFileName)
      << "Model=2\nMaxInternalBytes=1000\nMaxExternalBytes=2000\n";
  EXPECT_FALSE(phonelib::IsMountedDevice(device));
  EXPECT_EQ(phonelib::AreaFolder(device, phonelib::kAreaExternal), device + "/external");
  EXPECT_EQ(phonelib::ReadPhoneProfile(device)->maxExternalBytes, 2000u);
}

}  // namespace
