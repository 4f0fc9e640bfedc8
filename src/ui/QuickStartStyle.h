#pragma once
// The platform's style, with drawn overflow arrows for the menu bar and the
// toolbar. Both ask for their arrow while they are built, and the style's own
// arrows are pictures whose reading loads every image-format plugin of the
// system (and the libraries behind them) before the window can be shown; a
// drawn arrow costs nothing. The game window is never narrow enough to show
// one.

#include <QProxyStyle>

namespace tumbla {

class QuickStartStyle : public QProxyStyle {
    Q_OBJECT
  public:
    // `key` names the style to wrap: the one the application chose.
    explicit QuickStartStyle(const QString& key) : QProxyStyle(key) {}

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace tumbla
