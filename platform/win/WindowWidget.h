// The widget behind a window object: turns the toolkit's events into window messages.
// Only the platform layer and the host program include this header.
#pragma once

#include <QRegion>
#include <QWidget>

#include "platform/win/WinTypes.h"

class CWnd;

class WindowWidget : public QWidget {
 public:
  WindowWidget(CWnd* owner, QWidget* parent);
  ~WindowWidget() override;

  CWnd* owner() const { return owner_; }
  // The part being painted while a paint runs; the whole widget otherwise.
  QRegion paintRegion() const { return paintRegion_.isEmpty() ? QRegion(rect()) : paintRegion_; }
  // Forgets the window object, which is going away; events are then ignored.
  void Detach() { owner_ = nullptr; }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  LRESULT Send(UINT message, WPARAM w, LPARAM l);
  void SendMouse(UINT message, QMouseEvent* event);
  void SendCharacters(const QString& text);

  CWnd* owner_;
  QRegion paintRegion_;
};

// Finds the window object of a widget or of its nearest ancestor that has one.
CWnd* WindowOfWidget(QWidget* widget);

// Key codes of the platform for the keys the album binds.
UINT VirtualKeyFromQt(int qtKey);
int QtKeyFromVirtualKey(UINT vk);
