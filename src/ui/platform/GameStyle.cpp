#include "ui/platform/GameStyle.h"

#include "ui/art/ToolIcons.h"

namespace tumbla {

int GameStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returned) const {
    if (hint == SH_ToolTip_WakeUpDelay) return 5;
    return QProxyStyle::styleHint(hint, option, widget, returned);
}

QIcon GameStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                              const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton) return MakeToolIcon(ToolIcon::MoreRight);
    if (icon == SP_ToolBarVerticalExtensionButton) return MakeToolIcon(ToolIcon::MoreDown);
    return QProxyStyle::standardIcon(icon, option, widget);
}

} // namespace tumbla
