// The menu bar, the toolbar and the shortcuts of the game window.

#include "ui/GameWindow.h"
#include "ui/ToolIcons.h"

#include <QAction>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>

namespace tumbla {

QAction* GameWindow::makeAction(Command command, const QString& caption, const QString& hint) {
    auto* action = new QAction(caption, this);
    if (!hint.isEmpty()) action->setToolTip(hint);
    connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    actions_[command] = action;
    return action;
}

void GameWindow::buildMenus() {
    QMenuBar* bar = menuBar();

    QMenu* hra = bar->addMenu(QStringLiteral("&Hra"));
    hra->addAction(makeAction(Command::NewGame, QStringLiteral("&Nová"),
                              QStringLiteral("generování nové náhodné situace")));
    actions_.at(Command::NewGame)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    hra->addAction(makeAction(Command::ByNumber, QStringLiteral("&Výběr"),
                              QStringLiteral("zadání čísla nové situace a její vygenerování")));
    hra->addAction(makeAction(
        Command::Load, QStringLiteral("N&ačíst"),
        QStringLiteral("načtení uložené rozehrané nebo ukončené situace nebo nastavení ")));
    hra->addAction(makeAction(Command::Save, QStringLiteral("&Uložit"),
                              QStringLiteral("uložení rozehrané situace")));
    hra->addSeparator();
    QAction* quit = makeAction(Command::Quit, QStringLiteral("&Konec"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    hra->addAction(quit);

    QMenu* akce = bar->addMenu(QStringLiteral("&Akce"));
    akce->addAction(makeAction(Command::First, QStringLiteral("&Start"),
                               QStringLiteral("přechod k prvnímu tahu")));
    akce->addAction(makeAction(Command::Back, QStringLiteral("O 1 tah &zpět"),
                               QStringLiteral("návrat o jeden tah")));
    akce->addAction(makeAction(Command::GoTo, QStringLiteral("&K pozici"),
                               QStringLiteral("přechod k zvolenému tahu")));
    akce->addAction(makeAction(Command::Forward, QStringLiteral("O 1 tah &vpřed"),
                               QStringLiteral("posun k dalšímu tahu")));
    akce->addAction(makeAction(Command::Last, QStringLiteral("K poslednímu &tahu"),
                               QStringLiteral("posun na konec provedených tahů")));
    akce->addAction(makeAction(Command::ShowMove, QStringLiteral("&Ukaž/proveď tah"),
                               QStringLiteral("ukaž následující provedený tah")));
    // The hint button of the indicator panel, from the menu and the keyboard too.
    QAction* hint = akce->addAction(QStringLiteral("&Nápověda tahu"));
    hint->setObjectName(QStringLiteral("hintAction"));
    hint->setShortcut(QKeySequence(Qt::Key_H));
    connect(hint, &QAction::triggered, this, &GameWindow::nextHint);
    akce->addSeparator();
    akce->addAction(makeAction(Command::AddMark, QStringLiteral("&Přidej značku"),
                               QStringLiteral("záznam značek")));
    akce->addAction(makeAction(Command::Marks, QStringLiteral("P&ráce se značkami"),
                               QStringLiteral("návrat ke značkám a\nmazání značek")));
    actions_.at(Command::AddMark)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    actions_.at(Command::Marks)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    akce->addSeparator();
    akce->addAction(makeAction(Command::HallOfFame, QStringLiteral("&Dvorana slávy"),
                               QStringLiteral("dvorana slávy ze všech her")));
    akce->addAction(makeAction(Command::Ranking, QStringLiteral("P&ořadí aktuální hry"),
                               QStringLiteral("dvorana slávy k aktuální hře")));
    QMenu* koru = akce->addMenu(QStringLiteral("&KORU"));
    koru->addAction(makeAction(Command::KoruMail, QStringLiteral("&E-mail"),
                               QStringLiteral("připojení na server  KORUu")));
    koru->addAction(makeAction(Command::KoruDisk, QStringLiteral("&Disketa")));
    akce->addAction(makeAction(Command::SaveForKoru, QStringLiteral("ulož ve tvaru pro KORU")));

    QMenu* nastaveni = bar->addMenu(QStringLiteral("&Nastavení"));
    nastaveni->addAction(
        makeAction(Command::Settings, QStringLiteral("&Nové"), QStringLiteral("nastavení voleb")));
    nastaveni->addAction(makeAction(Command::SavedSettings, QStringLiteral("&Uložená")));
    nastaveni->addSeparator();
    nastaveni->addAction(makeAction(Command::Level1, QStringLiteral("&Dětské")));
    nastaveni->addAction(makeAction(Command::Level2, QStringLiteral("&Lehké")));
    nastaveni->addAction(makeAction(Command::Level3, QStringLiteral("&Standard")));
    nastaveni->addAction(makeAction(Command::Level4, QStringLiteral("&Obtížnější")));
    nastaveni->addAction(makeAction(Command::Level5, QStringLiteral("&Těžké")));
    nastaveni->addSeparator();
    nastaveni->addAction(makeAction(Command::KoruTasks, QStringLiteral("úlohy KORUu")));

    QMenu* pomoc = bar->addMenu(QStringLiteral("&Pomoc"));
    pomoc->addAction(makeAction(Command::Rules, QStringLiteral("&Pravidla")));
    pomoc->addAction(makeAction(Command::About, QStringLiteral("&O hře")));
    pomoc->addAction(makeAction(Command::Demo, QStringLiteral("&Demo")));
    QMenu* body = pomoc->addMenu(QStringLiteral("&Bodování"));
    body->addAction(makeAction(Command::ScoreTable, QStringLiteral("Čí&selně")));
    body->addAction(makeAction(Command::ScoreGraph, QStringLiteral("&Graficky")));

    // Only on the toolbar.
    makeAction(Command::StoneCounts, QStringLiteral("počty a ceny kamenů"),
               QStringLiteral("zobrazit počty a ceny kamenů "));

    // The windows behind these belong to other parts of the game; they stay
    // disabled until their window is connected (see the signals of GameWindow).
    for (const Command c :
         {Command::ByNumber, Command::HallOfFame, Command::Ranking, Command::KoruMail,
          Command::KoruDisk, Command::SaveForKoru, Command::Settings, Command::Demo,
          Command::ScoreTable, Command::ScoreGraph, Command::StoneCounts})
        actions_.at(c)->setEnabled(false);

    // The help works from every window of the game.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::ApplicationShortcut);
    connect(help, &QShortcut::activated, this, &GameWindow::showRules);
    auto* search = new QShortcut(QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Backspace), this);
    search->setContext(Qt::ApplicationShortcut);
    connect(search, &QShortcut::activated, this, &GameWindow::searchRequested);

    // Undo and redo as players expect them, shown beside the step items; a
    // disabled step ignores its key as it ignores a click.
    actions_.at(Command::Back)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    actions_.at(Command::Forward)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
}

void GameWindow::buildToolBar() {
    QToolBar* tools = addToolBar(QStringLiteral("nástroje"));
    tools->setObjectName(QStringLiteral("toolbar"));
    tools->setMovable(false);
    tools->setIconSize(QSize(24, 24));
    const std::pair<Command, ToolIcon> order[] = {
        {Command::NewGame, ToolIcon::NewGame},
        {Command::ByNumber, ToolIcon::ByNumber},
        {Command::Load, ToolIcon::Load},
        {Command::Save, ToolIcon::Save},
        {Command::Quit, ToolIcon::Hint}, // separator
        {Command::First, ToolIcon::First},
        {Command::Back, ToolIcon::Back},
        {Command::GoTo, ToolIcon::GoTo},
        {Command::Forward, ToolIcon::Forward},
        {Command::Last, ToolIcon::Last},
        {Command::ShowMove, ToolIcon::ShowMove},
        {Command::Quit, ToolIcon::Hint},
        {Command::Settings, ToolIcon::Settings},
        {Command::Quit, ToolIcon::Hint},
        {Command::AddMark, ToolIcon::AddMark},
        {Command::Marks, ToolIcon::Marks},
        {Command::Quit, ToolIcon::Hint},
        {Command::StoneCounts, ToolIcon::StoneCounts},
        {Command::HallOfFame, ToolIcon::HallOfFame},
        {Command::Ranking, ToolIcon::Ranking},
        {Command::Quit, ToolIcon::Hint},
        {Command::KoruMail, ToolIcon::Submit},
    };
    for (const auto& [command, icon] : order) {
        if (command == Command::Quit) {
            tools->addSeparator();
            continue;
        }
        QAction* a = actions_.at(command);
        a->setIcon(MakeToolIcon(icon));
        // The menus show words only.
        a->setIconVisibleInMenu(false);
        tools->addAction(a);
    }
}

} // namespace tumbla
