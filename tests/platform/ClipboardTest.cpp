#include "platform/shell/Clipboard.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

TEST(Clipboard, AFileListReadsBackInEveryFormOtherProgramsLookFor) {
  const std::vector<Cp932String> paths{cp932::Lit("/album/Pc/写真 1.jpg"), "/album/2024/5/b.png"};
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_FALSE(OpenClipboard(nullptr)) << "held until closed";
  ASSERT_TRUE(EmptyClipboard());
  ASSERT_TRUE(SetClipboardFiles(paths, DROPEFFECT_COPY));
  ASSERT_TRUE(CloseClipboard());

  const auto files = shell::ReadClipboardFiles();
  ASSERT_TRUE(files.has_value());
  EXPECT_EQ(files->paths, paths);
  EXPECT_EQ(files->dropEffect, DROPEFFECT_COPY);
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  EXPECT_EQ(data->data("text/uri-list").trimmed(),
            "file:///album/Pc/%E5%86%99%E7%9C%9F%201.jpg\r\nfile:///album/2024/5/b.png");
  EXPECT_EQ(data->data("x-special/gnome-copied-files"),
            "copy\nfile:///album/Pc/%E5%86%99%E7%9C%9F%201.jpg\nfile:///album/2024/5/b.png");
  EXPECT_EQ(data->text(), QString::fromUtf8("/album/Pc/写真 1.jpg\n/album/2024/5/b.png"));
}

TEST(Clipboard, EveryStepRefusesWhenTheClipboardIsNotOpen) {
  EXPECT_FALSE(EmptyClipboard());
  EXPECT_FALSE(SetClipboardFiles({"/a.jpg"}, DROPEFFECT_COPY));
  EXPECT_FALSE(CloseClipboard());
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_FALSE(SetClipboardFiles({"bad\x80name"}, DROPEFFECT_COPY)) << "no disk form";
  EXPECT_FALSE(SetClipboardFiles({}, DROPEFFECT_COPY)) << "nothing to put there";
  EXPECT_TRUE(CloseClipboard());
}

}  // namespace
