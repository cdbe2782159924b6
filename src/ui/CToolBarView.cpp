#include "ui/CToolBarView.h"

#include "platform/gdi/CDC.h"
#include "platform/win/ListCtrl.h"
#include "ui/CCButton.h"
#include "ui/CCtrlDropList.h"
#include "ui/CDrawObject.h"
#include "ui/Skin.h"

const MessageMap<CToolBarView>& CToolBarView::GetMessageMap() {
  static const MessageMap<CToolBarView> map{
      .messages =
          {
              {WM_COMMAND, &CToolBarView::OnForwardCommand},
              {WM_NOTIFY, &CToolBarView::OnForwardNotify},
          },
      .commands = {},
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CToolBarView, CWnd)

CToolBarView::CToolBarView() = default;
CToolBarView::~CToolBarView() = default;

bool CToolBarView::Create(HWND parent, UINT id) {
  return CWnd::Create({}, WS_CHILD | WS_VISIBLE, RECT{0, 0, 100, kHeight}, parent, id);
}

template <class Control>
Control* CToolBarView::Keep(std::unique_ptr<Control> control) {
  Control* kept = control.get();
  controls_.push_back(std::move(control));
  return kept;
}

CCButton* CToolBarView::AddButton(const Cp932String& text, const RECT& rect, UINT id) {
  auto button = std::make_unique<CCButton>();
  if (!button->Create(text, rect, this, id)) return nullptr;
  return Keep(std::move(button));
}

CCtrlDropList* CToolBarView::AddDropList(const RECT& rect, UINT id) {
  auto list = std::make_unique<CCtrlDropList>();
  if (!list->Create(rect, this, id)) return nullptr;
  return Keep(std::move(list));
}

CWnd* CToolBarView::GetControl(UINT id) const {
  for (const auto& control : controls_)
    if (IsWindow(control.get()) && control->GetDlgCtrlID() == id) return control.get();
  return nullptr;
}

// The controls' commands and notifications belong to the frame, not to the bar.
LRESULT CToolBarView::Forward(UINT message, WPARAM w, LPARAM l) {
  return IsWindow(target_) ? ::SendMessage(target_, message, w, l) : 0;
}

LRESULT CToolBarView::OnForwardCommand(WPARAM w, LPARAM l) {
  return Forward(WM_COMMAND, w, l);
}

LRESULT CToolBarView::OnForwardNotify(WPARAM w, LPARAM l) {
  return Forward(WM_NOTIFY, w, l);
}

void CToolBarView::OnPaint() {
  CPaintDC dc(this);
  Draw(dc);
}

void CToolBarView::Draw(CDC& dc) {
  CDrawObject& draw = skin::Draw();
  const RECT client = GetClientRect();
  const RECT band{client.left, client.top, client.right, client.bottom - 1};
  skin::FillGradient(dc, band, draw.GetColor(skin::kBarTop), draw.GetColor(skin::kBarBottom));
  dc.FillSolidRect(RECT{client.left, client.bottom - 1, client.right, client.bottom},
                   draw.GetColor(skin::kCtrlFrame));
}
