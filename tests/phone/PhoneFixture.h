// A phone folder in a temporary folder, set as the connected phone, and a window that
// records the messages it is sent, for driving transfers to their end.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/phonelib/PhoneLib.h"
#include "platform/phonelib/PhoneProfile.h"
#include "platform/win/Wnd.h"
#include "tests/support/TempDir.h"

class RecordingWnd : public CWnd {
 public:
  struct Record {
    UINT message;
    WPARAM w;
    LPARAM l;
  };
  std::vector<Record> received;

  int Count(UINT message) const {
    int n = 0;
    for (const Record& r : received) n += r.message == message ? 1 : 0;
    return n;
  }

  LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override {
    if (message >= WM_USER) received.push_back({message, w, l});
    return CWnd::WindowProc(message, w, l);
  }
};

class PhoneTest : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(Internal());
    std::filesystem::create_directories(External());
    WriteText(dir_.file(std::string("phone/") + phonelib::kProfileFileName),
              phonelib::FormatPhoneProfile({1, 100000, 2000000}));
    phonelib::SetPhoneFolder(dir_.file("phone"));
    ASSERT_TRUE(window_.Create("notify", 0, RECT{0, 0, 10, 10}, nullptr));
  }
  void TearDown() override { phonelib::SetPhoneFolder(""); }

  std::string Phone() const { return dir_.file("phone"); }
  std::string Internal() const { return Phone() + "/" + phonelib::kInternalFolderName; }
  std::string External() const { return Phone() + "/" + phonelib::kExternalFolderName; }
  std::string Work(const std::string& name) const { return dir_.file("work/" + name); }

  static void WriteText(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }
  static std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  static std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    if (!std::filesystem::is_directory(folder)) return names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  // Pumps messages until the window gets the message once more than it had, for at most a
  // bounded number of rounds.
  bool PumpUntil(UINT message) {
    const int before = window_.Count(message);
    for (int round = 0; round < 500 && window_.Count(message) == before; ++round) PumpMessages();
    return window_.Count(message) > before;
  }

  TempDir dir_;
  RecordingWnd window_;
};
