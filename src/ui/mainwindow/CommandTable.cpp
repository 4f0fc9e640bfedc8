#include "ui/mainwindow/CommandTable.h"

#include <QAction>
#include <QKeyCombination>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>

#include <array>
#include <string_view>

namespace tumbla {

namespace {

constexpr MenuRow Item(const char* menu, Command command, const char* caption,
                       const char* hint = "", int key = 0) {
    return {menu, MenuRow::Item, command, caption, hint, key};
}

constexpr MenuRow Gap(const char* menu) {
    return {menu, MenuRow::Separator, std::nullopt};
}

constexpr int Ctrl(Qt::Key key) {
    return (Qt::CTRL | key).toCombined();
}

constexpr const char* Game = "&Hra";
constexpr const char* Play = "&Akce";
constexpr const char* Koru = "&Akce/&KORU";
constexpr const char* Options = "&Nastavení";
constexpr const char* Help = "&Pomoc";
constexpr const char* Scoring = "&Pomoc/&Bodování";

constexpr std::array Menus{
    Item(Game, Command::NewGame, "&Nová", "generování nové náhodné situace", Ctrl(Qt::Key_N)),
    Item(Game, Command::ByNumber, "&Výběr", "zadání čísla nové situace a její vygenerování"),
    Item(Game, Command::Load, "N&ačíst",
         "načtení uložené rozehrané nebo ukončené situace nebo nastavení ", Ctrl(Qt::Key_O)),
    Item(Game, Command::Save, "&Uložit", "uložení rozehrané situace", Ctrl(Qt::Key_S)),
    Gap(Game),
    Item(Game, Command::Quit, "&Konec", "", Ctrl(Qt::Key_X)),

    Item(Play, Command::First, "&Start", "přechod k prvnímu tahu"),
    // Undo and redo as players expect them, shown beside the step items; a
    // disabled step ignores its key as it ignores a click.
    Item(Play, Command::Back, "O 1 tah &zpět", "návrat o jeden tah", Ctrl(Qt::Key_Z)),
    Item(Play, Command::GoTo, "&K pozici", "přechod k zvolenému tahu"),
    Item(Play, Command::Forward, "O 1 tah &vpřed", "posun k dalšímu tahu", Ctrl(Qt::Key_Y)),
    Item(Play, Command::Last, "K poslednímu &tahu", "posun na konec provedených tahů"),
    Item(Play, Command::ShowMove, "&Ukaž/proveď tah", "ukaž následující provedený tah"),
    // The hint button of the indicator panel, from the menu and the keyboard too.
    MenuRow{Play, MenuRow::HintItem, std::nullopt, "&Nápověda tahu", "", Qt::Key_H},
    // The advisor: its best move under the marker, and where the game lost points.
    Item(Play, Command::Advice, "R&ada", "nejlepší tah podle rádce", Ctrl(Qt::Key_R)),
    Item(Play, Command::Analysis, "Roz&bor hry", "kde hra ztratila body"),
    Gap(Play),
    Item(Play, Command::AddMark, "&Přidej značku", "záznam značek", Ctrl(Qt::Key_D)),
    Item(Play, Command::Marks, "P&ráce se značkami", "návrat ke značkám a\nmazání značek",
         Ctrl(Qt::Key_B)),
    Gap(Play),
    Item(Play, Command::HallOfFame, "&Dvorana slávy", "dvorana slávy ze všech her"),
    Item(Play, Command::Ranking, "P&ořadí aktuální hry", "dvorana slávy k aktuální hře"),
    Item(Koru, Command::KoruMail, "&E-mail", "připojení na server  KORUu"),
    Item(Koru, Command::KoruDisk, "&Disketa"),
    Item(Play, Command::SaveForKoru, "ulož ve tvaru pro KORU"),

    Item(Options, Command::Settings, "&Nové", "nastavení voleb"),
    Item(Options, Command::SavedSettings, "&Uložená"),
    Gap(Options),
    Item(Options, Command::Level1, "&Dětské"),
    Item(Options, Command::Level2, "&Lehké"),
    Item(Options, Command::Level3, "&Standard"),
    Item(Options, Command::Level4, "&Obtížnější"),
    Item(Options, Command::Level5, "&Těžké"),
    Gap(Options),
    Item(Options, Command::KoruTasks, "úlohy KORUu"),

    // The rules come up on F1 from every window of the game.
    Item(Help, Command::Rules, "&Pravidla", "", Qt::Key_F1),
    Item(Help, Command::About, "&O hře"),
    Item(Help, Command::Demo, "&Demo"),
    Item(Scoring, Command::ScoreTable, "Čí&selně"),
    Item(Scoring, Command::ScoreGraph, "&Graficky"),

    Item("", Command::StoneCounts, "počty a ceny kamenů", "zobrazit počty a ceny kamenů "),
};

constexpr std::array Tools{
    ToolRow{Command::NewGame, ToolIcon::NewGame},
    ToolRow{Command::ByNumber, ToolIcon::ByNumber},
    ToolRow{Command::Load, ToolIcon::Load},
    ToolRow{Command::Save, ToolIcon::Save},
    ToolRow{},
    ToolRow{Command::First, ToolIcon::First},
    ToolRow{Command::Back, ToolIcon::Back},
    ToolRow{Command::GoTo, ToolIcon::GoTo},
    ToolRow{Command::Forward, ToolIcon::Forward},
    ToolRow{Command::Last, ToolIcon::Last},
    ToolRow{Command::ShowMove, ToolIcon::ShowMove},
    ToolRow{Command::Advice, ToolIcon::Advice},
    ToolRow{},
    ToolRow{Command::Settings, ToolIcon::Settings},
    ToolRow{},
    ToolRow{Command::AddMark, ToolIcon::AddMark},
    ToolRow{Command::Marks, ToolIcon::Marks},
    ToolRow{},
    ToolRow{Command::StoneCounts, ToolIcon::StoneCounts},
    ToolRow{Command::HallOfFame, ToolIcon::HallOfFame},
    ToolRow{Command::Ranking, ToolIcon::Ranking},
    ToolRow{},
    ToolRow{Command::KoruMail, ToolIcon::Submit},
};

} // namespace

std::span<const MenuRow> MenuRows() {
    return Menus;
}

std::span<const ToolRow> ToolRows() {
    return Tools;
}

std::map<Command, QAction*> BuildMenusAndToolBar(QMainWindow& window,
                                                 const std::function<void(Command)>& run,
                                                 const std::function<void()>& hint,
                                                 const std::function<void()>& search) {
    std::map<Command, QAction*> actions;
    std::map<std::string_view, QMenu*> menus;
    const auto menuOf = [&](std::string_view path) {
        QMenu*& menu = menus[path];
        if (menu) return menu;
        const auto slash = path.rfind('/');
        const std::string_view title = slash == path.npos ? path : path.substr(slash + 1);
        const QString caption =
            QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()));
        // A submenu stands where its first row does.
        menu = slash == path.npos ? window.menuBar()->addMenu(caption)
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
            QAction* item = menuOf(path)->addAction(QString::fromUtf8(row.caption));
            item->setObjectName(QStringLiteral("hintAction"));
            item->setShortcut(QKeySequence(row.key));
            QObject::connect(item, &QAction::triggered, &window, hint);
            break;
        }
        case MenuRow::Item: {
            QMenu* menu = path.empty() ? nullptr : menuOf(path);
            auto* action = new QAction(QString::fromUtf8(row.caption), &window);
            if (*row.hint) action->setToolTip(QString::fromUtf8(row.hint));
            QObject::connect(action, &QAction::triggered, &window,
                             [run, command = *row.command] { run(command); });
            actions[*row.command] = action;
            if (row.key != 0) action->setShortcut(QKeySequence(row.key));
            if (row.command == Command::Rules) action->setShortcutContext(Qt::ApplicationShortcut);
            if (menu) menu->addAction(action);
            break;
        }
        }
    }

    auto* searchKey = new QShortcut(QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Backspace), &window);
    searchKey->setContext(Qt::ApplicationShortcut);
    QObject::connect(searchKey, &QShortcut::activated, &window, search);

    QToolBar* tools = window.addToolBar(QStringLiteral("nástroje"));
    tools->setObjectName(QStringLiteral("toolbar"));
    tools->setMovable(false);
    tools->setIconSize(QSize(24, 24));
    for (const ToolRow& row : ToolRows()) {
        if (!row.command) {
            tools->addSeparator();
            continue;
        }
        QAction* a = actions.at(*row.command);
        a->setIcon(MakeToolIcon(row.icon));
        // The menus show words only.
        a->setIconVisibleInMenu(false);
        tools->addAction(a);
    }
    return actions;
}

} // namespace tumbla
