// The host's index tree for tests that run the frame: every selection is reported to the
// frame as the host reports it, and the suite context points at the tree until Disconnect.
#pragma once

#include "host/CMainFrame.h"
#include "host/SuiteContext.h"
#include "platform/win/TreeCtrl.h"

class HostIndexTree {
 public:
  bool Connect(SuiteContext& context) {
    if (!tree_.Create("tree", 0, RECT{0, 0, 150, 400}, nullptr)) return false;
    tree_.SetSelectionHandler([](HTREEITEM now, HTREEITEM before) {
      if (CMainFrame* frame = MainFrame())
        SendMessage(frame, WM_USER + 0x221, static_cast<WPARAM>(now), before);
    });
    context.indexTree = &tree_;
    context_ = &context;
    return true;
  }
  void Disconnect() {
    tree_.SetSelectionHandler(nullptr);
    if (context_ != nullptr) context_->indexTree = nullptr;
    context_ = nullptr;
  }
  ~HostIndexTree() { Disconnect(); }

  CTreeCtrl& tree() { return tree_; }

 private:
  CTreeCtrl tree_;
  SuiteContext* context_ = nullptr;
};
