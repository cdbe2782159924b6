// An initialised application on a user of its own with its data folder made, for the
// calendar events and their dialogs: the message boxes shown, and the calendar-changed
// notices the host received.
#pragma once

#include <QCoreApplication>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/shell/ColorDialog.h"
#include "tests/print/PrintStyleFixture.h"

class CalendarFixture : public PrintStyleFixture {
 protected:
  void SetUp() override {
    PrintStyleFixture::SetUp();
    std::filesystem::create_directories(usersFolder_);
  }
  void TearDown() override {
    shell::SetColorDialogResponderForTest(nullptr);
    PrintStyleFixture::TearDown();
  }

  std::string DataFolderFile() const { return usersFolder_ + "/PimEvt.dat"; }
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : boxes_) texts.push_back(box.text);
    return texts;
  }
  int CalendarNotices() {
    QCoreApplication::processEvents();
    return suite_.host.Count(kHostMsgCalendarChanged);
  }
};
