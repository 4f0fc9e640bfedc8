#pragma once
// The platform's style with the game's own touches:
// - hints come up at once, as the game's controls ask for them;
// - the menu bar's and the toolbar's overflow arrows are the game's own,
//   painted only when shown. Both bars ask for their arrow while they are
//   built; the style's own arrows are pictures whose reading loads every
//   image-format plugin of the system (and the libraries behind them) before
//   the window can be shown. The game window is never narrow enough to show one.

#include <QProxyStyle>

namespace tumbla {

class GameStyle : public QProxyStyle {
    Q_OBJECT
  public:
    // Wraps the style the platform would choose.
    GameStyle() = default;

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returned = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace tumbla
