#include "platform/win/SkinQt.h"

#include "platform/gdi/GdiQt.h"

namespace {

QString Css(COLORREF colour) {
  return gdi::ToQColor(colour).name();
}

QString FontCss(const win::ControlSkin& skin) {
  const QFont font = win::SkinFont(skin);
  const QString size = font.pixelSize() > 0 ? QStringLiteral("%1px").arg(font.pixelSize())
                                            : QStringLiteral("%1pt").arg(font.pointSizeF());
  return QStringLiteral("font-family: \"%1\"; font-size: %2; font-weight: %3;")
      .arg(font.family(), size, font.bold() ? QStringLiteral("bold") : QStringLiteral("normal"));
}

// Fills the placeholders of a sheet: %BG% background, %FG% text, %SB% selected background,
// %SF% selected text, %DF% disabled text, %BD% border, %FONT% the font.
QString Fill(QString sheet, const win::ControlSkin& skin) {
  return sheet.replace("%BG%", Css(skin.background))
      .replace("%FG%", Css(skin.text))
      .replace("%SB%", Css(skin.selectedBackground))
      .replace("%SF%", Css(skin.selectedText))
      .replace("%DF%", Css(skin.disabledText))
      .replace("%BD%", Css(skin.border))
      .replace("%FONT%", FontCss(skin));
}

}  // namespace

namespace win {

QFont SkinFont(const ControlSkin& skin) {
  const gdi::Owned<gdi::Font> font(CreateFontIndirectA(&skin.font));
  return gdi::ToQFont(font.get());
}

// A disabled item stays unhighlighted under the mouse: its rule comes after the selected one.
QString MenuStyleSheet(const ControlSkin& skin) {
  return Fill(QStringLiteral(R"(
QMenuBar { background-color: %BG%; color: %FG%; border-bottom: 1px solid %BD%; %FONT% }
QMenuBar::item { background: transparent; padding: 3px 8px; }
QMenuBar::item:selected, QMenuBar::item:pressed { background-color: %SB%; color: %SF%; }
QMenuBar::item:disabled { color: %DF%; }
QMenu { background-color: %BG%; color: %FG%; border: 1px solid %BD%; padding: 2px; %FONT% }
QMenu::item { background: transparent; padding: 4px 24px 4px 24px; }
QMenu::item:selected { background-color: %SB%; color: %SF%; }
QMenu::item:disabled { background: transparent; color: %DF%; }
QMenu::separator { height: 1px; background: %BD%; margin: 3px 6px; }
)"),
              skin);
}

QString DropListStyleSheet(const ControlSkin& skin) {
  return Fill(QStringLiteral(R"(
QComboBox { combobox-popup: 0; %FONT% }
QComboBox QAbstractItemView { background-color: %BG%; color: %FG%; border: 1px solid %BD%;
  selection-background-color: %SB%; selection-color: %SF%; outline: 0; %FONT% }
QComboBox QAbstractItemView::item { padding: 2px 4px; }
)"),
              skin);
}

}  // namespace win
