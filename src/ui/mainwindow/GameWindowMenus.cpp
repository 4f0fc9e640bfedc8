// The menu bar, the toolbar and the shortcuts of the game window.

#include "ui/mainwindow/GameWindow.h"

#include "ui/art/ToolIcons.h"
#include "ui/mainwindow/CommandTable.h"

#include <QAction>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>

#include <map>
#include <string_view>

namespace tumbla {

QAction* GameWindow::makeAction(Command command, const QString& caption, const QString& hint) {
    auto* action = new QAction(caption, this);
    if (!hint.isEmpty()) action->setToolTip(hint);
    connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    actions_[command] = action;
    return action;
}

void GameWindow::buildMenus() {
    std::map<std::string_view, QMenu*> menus;
    const auto menuOf = [&](std::string_view path) {
        QMenu*& menu = menus[path];
        if (menu) return menu;
        const auto slash = path.rfind('/');
        const std::string_view title = slash == path.npos ? path : path.substr(slash + 1);
        const QString caption =
            QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()));
        // A submenu stands where its first row does.
        menu = slash == path.npos ? menuBar()->addMenu(caption)
                                  : menus.at(path.substr(0, slash))->addMenu(caption);
        return menu;
    };
    for (const MenuRow& row : MenuRows()) {
        const std::string_view path = row.menu;
        switch (row.kind) {
        case MenuRow::Separator:
            menuOf(path)->addSeparator();
            break;
        case MenuRow::HintItem: {
            QAction* hint = menuOf(path)->addAction(QString::fromUtf8(row.caption));
            hint->setObjectName(QStringLiteral("hintAction"));
            hint->setShortcut(QKeySequence(row.key));
            connect(hint, &QAction::triggered, this, &GameWindow::nextHint);
            break;
        }
        case MenuRow::Item: {
            QMenu* menu = path.empty() ? nullptr : menuOf(path);
            QAction* action = makeAction(*row.command, QString::fromUtf8(row.caption),
                                         QString::fromUtf8(row.hint));
            if (row.key != 0) action->setShortcut(QKeySequence(row.key));
            if (row.command == Command::Rules) action->setShortcutContext(Qt::ApplicationShortcut);
            if (menu) menu->addAction(action);
            break;
        }
        }
    }

    auto* search = new QShortcut(QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Backspace), this);
    search->setContext(Qt::ApplicationShortcut);
    connect(search, &QShortcut::activated, this, &GameWindow::searchRequested);
}

void GameWindow::buildToolBar() {
    QToolBar* tools = addToolBar(QStringLiteral("nástroje"));
    tools->setObjectName(QStringLiteral("toolbar"));
    tools->setMovable(false);
    tools->setIconSize(QSize(24, 24));
    for (const ToolRow& row : ToolRows()) {
        if (!row.command) {
            tools->addSeparator();
            continue;
        }
        QAction* a = actions_.at(*row.command);
        a->setIcon(MakeToolIcon(row.icon));
        // The menus show words only.
        a->setIconVisibleInMenu(false);
        tools->addAction(a);
    }
}

} // namespace tumbla
