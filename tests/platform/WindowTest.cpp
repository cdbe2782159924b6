#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <stdexcept>

#include "platform/win/Controls.h"
#include "platform/win/Dialog.h"
#include "platform/win/Edit.h"
#include "platform/win/FrameWnd.h"
#include "platform/win/HandlerFailure.h"
#include "platform/win/ListCtrl.h"
#include "platform/win/Menu.h"
#include "platform/win/TreeCtrl.h"
#include "platform/win/WindowWidget.h"
#include "platform/win/Wnd.h"

namespace {

// A window with a message map, recording what it handles.
class MappedWindow : public CFrameWnd {
  HARBO_DECLARE_MESSAGE_MAP(MappedWindow)

 public:
  std::vector<UINT> seen;
  int commands = 0;
  bool enabledState = false;

 private:
  LRESULT OnPrivate(WPARAM w, LPARAM) {
    seen.push_back(static_cast<UINT>(w));
    return 42;
  }
  void OnCommandA() { ++commands; }
  void OnUpdateA(CCmdUI* ui) {
    ui->Enable(enabledState);
    ui->SetCheck(1);
  }
};

const MessageMap<MappedWindow>& MappedWindow::GetMessageMap() {
  static const MessageMap<MappedWindow> map{
      .messages = {{WM_USER + 1, &MappedWindow::OnPrivate}},
      .commands = {{100, &MappedWindow::OnCommandA}},
      .updates = {{100, &MappedWindow::OnUpdateA}},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(MappedWindow, CFrameWnd)

RECT Rect() {
  return RECT{0, 0, 100, 100};
}

}  // namespace

TEST(Windows, AMessageToADestroyedWindowIsANoOp) {
  auto* window = new MappedWindow();
  ASSERT_TRUE(window->Create("w", 0, Rect(), nullptr));
  HWND handle = window;
  EXPECT_TRUE(IsWindow(handle));
  EXPECT_EQ(SendMessage(handle, WM_USER + 1, 7, 0), 42);
  window->DestroyWindow();
  EXPECT_FALSE(IsWindow(handle));
  delete window;
  EXPECT_EQ(SendMessage(handle, WM_USER + 1, 7, 0), 0);
  EXPECT_EQ(PostMessage(handle, WM_USER + 1, 7, 0), 0);
  EXPECT_FALSE(IsWindow(nullptr));
}

TEST(Windows, PostedMessagesArriveInOrderAndAreDroppedWhenTheWindowGoes) {
  MappedWindow a;
  auto* b = new MappedWindow();
  ASSERT_TRUE(a.Create("a", 0, Rect(), nullptr));
  ASSERT_TRUE(b->Create("b", 0, Rect(), nullptr));
  for (UINT i = 1; i <= 3; ++i) a.PostMessage(WM_USER + 1, i, 0);
  b->PostMessage(WM_USER + 1, 9, 0);
  EXPECT_TRUE(a.seen.empty());
  delete b;  // destroyed with its message still queued
  PumpMessages();
  EXPECT_EQ(a.seen, (std::vector<UINT>{1, 2, 3}));
}

TEST(Windows, AChildWindowNeedsALiveParentAndGoesWithIt) {
  MappedWindow parent;
  MappedWindow child;
  EXPECT_FALSE(child.Create("c", WS_CHILD, Rect(), nullptr));
  ASSERT_TRUE(parent.Create("p", 0, Rect(), nullptr));
  ASSERT_TRUE(child.Create("c", WS_CHILD, RECT{5, 6, 25, 36}, &parent));
  EXPECT_EQ(child.GetParent(), &parent);
  EXPECT_EQ(child.GetWindowRect().bottom, 36);
  parent.DestroyWindow();
  EXPECT_FALSE(IsWindow(&child));
}

// A window that looks at itself while it is told that it goes, as frames that store their
// placement do.
class SelfInspectingWindow : public CWnd {
 public:
  RECT clientAtDestroy{1, 1, 1, 1};
  bool told = false;

  LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override {
    if (message == WM_DESTROY) {
      told = true;
      clientAtDestroy = GetClientRect();
      IsWindowVisible();
      ShowWindow(SW_HIDE);
      MoveWindow(0, 0, 10, 10, true);
      EnableWindow(false);
      Invalidate();
      SetWindowText("gone");
      GetWindowText();
    }
    return CWnd::WindowProc(message, w, l);
  }
};

TEST(Windows, AWindowWhoseWidgetTheToolkitDeletedFirstAnswersAsOneWithoutSize) {
  SelfInspectingWindow window;
  ASSERT_TRUE(window.Create("w", 0, Rect(), nullptr));
  delete window.widget();
  EXPECT_TRUE(window.told);
  EXPECT_EQ(window.clientAtDestroy.right, 0);
  EXPECT_FALSE(IsWindow(&window));
}

TEST(Windows, CommandsRouteThroughTheMapAndUpdatesFillTheState) {
  MappedWindow w;
  ASSERT_TRUE(w.Create("w", 0, Rect(), nullptr));
  w.SendMessage(WM_COMMAND, MAKEWPARAM(100, 0), 0);
  w.SendMessage(WM_COMMAND, MAKEWPARAM(101, 0), 0);
  EXPECT_EQ(w.commands, 1);
  CCmdUI ui(100);
  EXPECT_TRUE(w.OnCmdMsg(100, &ui));
  EXPECT_FALSE(ui.enabled());
  EXPECT_EQ(ui.checked(), 1);
  CCmdUI none(101);
  EXPECT_FALSE(w.OnCmdMsg(101, &none));
  EXPECT_TRUE(w.HasCommandHandler(100));
  EXPECT_FALSE(w.HasCommandHandler(101));
}

TEST(Accelerators, TranslateKeysWithTheirModifiersIntoCommands) {
  MappedWindow w;
  ASSERT_TRUE(w.Create("w", 0, Rect(), nullptr));
  const CAcceleratorTable table({{FVIRTKEY | FCONTROL, 'A', 100}, {FVIRTKEY, VK_F5, 100}});
  w.SetAccelerators(&table);
  MSG key{&w, WM_KEYDOWN, 'A', 1, 0, {}};
  win::SetKeyModifiersForTest(false, false, false);
  EXPECT_EQ(w.PreTranslateMessage(&key), 0);
  win::SetKeyModifiersForTest(false, true, false);
  EXPECT_EQ(w.PreTranslateMessage(&key), 1);
  win::SetKeyModifiersForTest(true, true, false);
  EXPECT_EQ(w.PreTranslateMessage(&key), 0);
  win::SetKeyModifiersForTest(false, false, false);
  MSG f5{&w, WM_KEYDOWN, VK_F5, 1, 0, {}};
  EXPECT_EQ(w.PreTranslateMessage(&f5), 1);
  win::ClearKeyModifiersForTest();
  EXPECT_EQ(w.commands, 2);
}

TEST(Accelerators, TheMainWindowTranslatesKeysOfItsChildrenButNotOfItsDialogs) {
  MappedWindow w;
  ASSERT_TRUE(w.Create("w", 0, Rect(), nullptr));
  const CAcceleratorTable table({{FVIRTKEY, VK_RETURN, 100}});
  w.SetAccelerators(&table);
  CWinApp app;
  app.SetMainWindow(&w);
  CWnd child;
  ASSERT_TRUE(child.Create("child", WS_CHILD, Rect(), &w));
  CDialog dialog(1, &w);
  ASSERT_TRUE(dialog.Create("dialog", 0, Rect(), &w, 1));
  CWnd edit;
  ASSERT_TRUE(edit.Create("edit", WS_CHILD, Rect(), &dialog));
  MSG inChild{&child, WM_KEYDOWN, VK_RETURN, 1, 0, {}};
  MSG inDialog{&edit, WM_KEYDOWN, VK_RETURN, 1, 0, {}};
  EXPECT_EQ(app.PreTranslateMessage(&inChild), 1);
  app.PreTranslateMessage(&inDialog);
  EXPECT_EQ(w.commands, 1) << "Enter in a dialog is the dialog's";
}

// Records the commands a dialog's keys give it.
class KeyedDialog : public CDialog {
 public:
  KeyedDialog() : CDialog(1, nullptr) {}
  std::vector<WORD> commands;
  LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override {
    if (message == DM_GETDEFID) return MAKELPARAM(7, DC_HASDEFID);
    if (message == WM_COMMAND) commands.push_back(LOWORD(w));
    return message == WM_COMMAND ? 0 : CDialog::WindowProc(message, w, l);
  }
};

TEST(Dialogs, EscapeCancelsAndEnterPressesTheFocusedOrDefaultButtonButBreaksMemoLines) {
  KeyedDialog dialog;
  ASSERT_TRUE(dialog.Create("dialog", 0, Rect(), nullptr, 1));
  CEdit line, lines;
  CButton button;
  ASSERT_TRUE(line.Create("", WS_CHILD, Rect(), &dialog, 10));
  ASSERT_TRUE(lines.Create("", WS_CHILD | ES_MULTILINE, Rect(), &dialog, 11));
  ASSERT_TRUE(button.Create("b", WS_CHILD, Rect(), &dialog, 12));
  for (CWnd* from : std::initializer_list<CWnd*>{&line, &lines, &button}) {
    MSG enter{from, WM_KEYDOWN, VK_RETURN, 1, 0, {}};
    dialog.PreTranslateMessage(&enter);
  }
  MSG escape{&line, WM_KEYDOWN, VK_ESCAPE, 1, 0, {}};
  EXPECT_EQ(dialog.PreTranslateMessage(&escape), 1);
  EXPECT_EQ(dialog.commands, (std::vector<WORD>{7, 12, IDCANCEL}));
}

TEST(Menus, KeepItemsSubMenusAndStates) {
  CMenu bar;
  CMenu& file = bar.AppendPopup("File");
  file.AppendItem(10, "Open");
  file.AppendSeparator();
  file.AppendItem(11, "Close", MF_GRAYED);
  EXPECT_EQ(bar.GetMenuItemID(0), static_cast<UINT>(-1));
  EXPECT_EQ(bar.GetSubMenu(0), &file);
  EXPECT_EQ(file.GetMenuItemID(1), 0u);
  EXPECT_EQ(file.GetMenuItemID(9), 0u);
  EXPECT_FALSE(file.IsItemEnabled(2));
  file.EnableItem(2, true);
  file.CheckItem(0, 1, true);
  EXPECT_TRUE(file.IsItemEnabled(2));
  EXPECT_TRUE(file.IsItemChecked(0));
  ASSERT_NE(bar.FindItem(11), nullptr);
  EXPECT_EQ(bar.FindItem(11)->text, "Close");
  EXPECT_EQ(bar.FindItem(99), nullptr);
}

TEST(Dialogs, AResponderAnswersInsteadOfAPerson) {
  win::SetDialogResponder([](CDialog& d) -> intptr_t {
    d.SendMessage(WM_COMMAND, IDOK, 0);
    return 99;
  });
  CDialog dialog(1, nullptr);
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_FALSE(IsWindow(&dialog));
  win::SetDialogResponder(nullptr);

  std::string text;
  win::SetMessageBoxResponder([&](const win::MessageBoxRequest& r) {
    text = r.text;
    return IDNO;
  });
  EXPECT_EQ(MessageBoxA(nullptr, cp932::Lit("削除してよろしいですか？").c_str(), "", MB_YESNO),
            IDNO);
  EXPECT_EQ(text, "削除してよろしいですか？");
  win::SetMessageBoxResponder(nullptr);
}

TEST(TreeControl, KeepsNodesWithValuesAndReportsSelection) {
  CTreeCtrl tree;
  ASSERT_TRUE(tree.Create("t", 0, Rect(), nullptr));
  std::vector<std::pair<HTREEITEM, HTREEITEM>> changes;
  tree.SetSelectionHandler([&](HTREEITEM now, HTREEITEM before) {
    changes.push_back({now, before});
  });
  const HTREEITEM all = tree.InsertItem(cp932::Lit("全て"), 0x10000);
  const HTREEITEM year = tree.InsertItem(cp932::Lit("2026年"), 2026);
  EXPECT_EQ(tree.GetCount(), 2);
  EXPECT_EQ(tree.GetItemData(year), 2026);
  EXPECT_EQ(tree.GetItemText(all), cp932::Lit("全て"));
  ASSERT_TRUE(tree.SelectItem(all));
  ASSERT_TRUE(tree.SelectItem(year));
  ASSERT_GE(changes.size(), 2u);
  EXPECT_EQ(changes.back(), std::make_pair(year, all));
  EXPECT_TRUE(tree.DeleteItem(year));
  EXPECT_FALSE(tree.DeleteItem(year));
  EXPECT_EQ(tree.GetItemData(year), 0);
  EXPECT_FALSE(tree.SelectItem(12345));
}

namespace {

// A window whose handlers throw, from the message map and from the typed handlers.
class ThrowingWindow : public CFrameWnd {
  HARBO_DECLARE_MESSAGE_MAP(ThrowingWindow)

 protected:
  void OnTimer(uintptr_t) override { throw std::runtime_error("the timer handler failed"); }
  void OnPaint() override { throw std::runtime_error("the paint handler failed"); }

 private:
  LRESULT OnThrow(WPARAM, LPARAM) { throw std::runtime_error("the message handler failed"); }
  LRESULT OnAnswer(WPARAM, LPARAM) { return 7; }
};

const MessageMap<ThrowingWindow>& ThrowingWindow::GetMessageMap() {
  static const MessageMap<ThrowingWindow> map{
      .messages = {{WM_USER + 1, &ThrowingWindow::OnThrow},
                   {WM_USER + 2, &ThrowingWindow::OnAnswer}},
      .commands = {},
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(ThrowingWindow, CFrameWnd)

std::vector<std::string> g_reported;

class HandlerFailures : public testing::Test {
 protected:
  void SetUp() override {
    g_reported.clear();
    win::SetHandlerFailureSink([](const char* what) { g_reported.emplace_back(what); });
    ASSERT_TRUE(window_.Create("w", 0, Rect(), nullptr));
  }
  void TearDown() override {
    window_.DestroyWindow();
    win::SetHandlerFailureSink(nullptr);
  }

  // Runs the event loop until something was reported or a few seconds passed.
  static void RunUntilReported() {
    QElapsedTimer clock;
    clock.start();
    while (g_reported.empty() && clock.elapsed() < 5000) QCoreApplication::processEvents();
  }

  // The process goes on: the window still answers.
  void ExpectReportedAndStillAnswering(const char* text) {
    ASSERT_EQ(g_reported.size(), 1u);
    EXPECT_NE(g_reported[0].find(text), std::string::npos) << g_reported[0];
    EXPECT_EQ(window_.SendMessage(WM_USER + 2), 7);
  }

  ThrowingWindow window_;
};

TEST_F(HandlerFailures, ASentMessageIsAnsweredWithZero) {
  EXPECT_EQ(window_.SendMessage(WM_USER + 1), 0);
  ExpectReportedAndStillAnswering("the message handler failed");
}

TEST_F(HandlerFailures, APostedMessageDoesNotLeaveTheMessageLoop) {
  ASSERT_EQ(window_.PostMessage(WM_USER + 1), 1);
  RunUntilReported();
  ExpectReportedAndStillAnswering("the message handler failed");
}

TEST_F(HandlerFailures, ATimerGoesOnRunning) {
  window_.SetTimer(1, 1);
  RunUntilReported();
  window_.KillTimer(1);
  ASSERT_FALSE(g_reported.empty());
  g_reported.resize(1);
  ExpectReportedAndStillAnswering("the timer handler failed");
}

TEST_F(HandlerFailures, APaintLeavesTheToolkitsPaintingAlone) {
  window_.ShowWindow(SW_SHOW);
  window_.widget()->repaint();
  RunUntilReported();
  ASSERT_FALSE(g_reported.empty());
  g_reported.resize(1);
  ExpectReportedAndStillAnswering("the paint handler failed");
}

TEST_F(HandlerFailures, ATreeSelectionHandlerIsCaughtAtTheToolkitsSignal) {
  CTreeCtrl tree;
  ASSERT_TRUE(tree.Create("t", 0, Rect(), nullptr));
  tree.SetSelectionHandler(
      [](HTREEITEM, HTREEITEM) { throw std::logic_error("selection failed"); });
  EXPECT_TRUE(tree.SelectItem(tree.InsertItem("a", 1)));
  ExpectReportedAndStillAnswering("selection failed");
}

}  // namespace
