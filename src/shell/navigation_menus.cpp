// SPDX-License-Identifier: MIT
#include "navigation_menus.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <string>

namespace vora::shell {

namespace {

QMenu* Submenu(QWidget* parent, const MenuItem& item) {
    auto* menu = new QMenu(item.caption, parent);
    menu->setObjectName(item.name);
    return menu;
}

void Run(Command command, WindowId target, WindowId self, Navigation& windows) {
    switch (command) {
    case Command::None:
        break;
    case Command::ShowPage:
        windows.ShowPage(target);
        break;
    case Command::ShowOnly:
        windows.ShowOnly(target);
        break;
    case Command::ReturnHome:
        windows.ReturnHome(self);
        break;
    case Command::Exit:
        windows.ExitProgram();
        break;
    case Command::DcFromAc:
        // The capacitor and inductor pages keep their state here.
        for (WindowId id :
             {WindowId::FrmAC, WindowId::frmmain, WindowId::frmThreeLtop, WindowId::FrmThreePtoL})
            windows.Hide(id);
        windows.ShowOnly(WindowId::frmDC);
        break;
    }
}

// Qt closes every open popup when an ordinary window is shown: QWidget's
// show asks each active popup to close until one refuses. Showing FrmAC
// while the AC submenu pops up would therefore close the Engineering menu
// under that submenu, and QMenu, still in the middle of the popup, then
// follows the parent's cleared active-submenu pointer and crashes. While an
// object of this class lives, the open menus refuse to close, so the page
// appears behind them and the menus stay open and usable.
class MenusStayOpen : public QObject {
public:
    MenusStayOpen() { qApp->installEventFilter(this); }
    ~MenusStayOpen() override {
        qApp->removeEventFilter(this);
        // The page was mapped after the menus; keep them on top of it.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<QMenu*>(w) && w->isVisible()) w->raise();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close && qobject_cast<QMenu*>(watched)) {
            event->ignore();
            return true;
        }
        return false;
    }
};

void AddItem(QMenu* menu, const MenuItem& item, WindowId self, Navigation& windows) {
    QAction* action = menu->addAction(item.caption);
    action->setObjectName(item.name);
    if (*item.shortcut) action->setShortcut(QKeySequence(item.shortcut));
    action->setEnabled(!item.disabled);
    QObject::connect(action, &QAction::triggered, action,
                     [command = item.command, target = item.target, self, &windows] {
                         Run(command, target, self, windows);
                     });
}

// A calculation page that the window's own table does not list gets an item
// at the end of the Engineering menu, named after the page.
void AddUnlistedPages(QMenu* engineering, const WindowMenus& m, WindowId self,
                      Navigation& windows) {
    for (const WindowEntry& page : kWindows) {
        if (!page.calculationPage) continue;
        bool listed = false;
        for (const MenuItem* item :
             {&m.dc, &m.cd, &m.ei, &m.single, &m.lineToPhase, &m.phaseToLine})
            listed = listed || item->target == page.id;
        if (listed) continue;
        // Kept alive by the menu: the action's name and caption are copied,
        // the command and target captured by value.
        const std::string name = *page.menuName ? page.menuName : std::string("mnu") + page.name;
        AddItem(engineering,
                {.name = name.c_str(),
                 .caption = page.menuCaption,
                 .command = self == WindowId::frmmain ? Command::ShowOnly : Command::ShowPage,
                 .target = page.id,
                 .disabled = self == page.id},
                self, windows);
    }
}

} // namespace

void InstallNavigationMenus(QMainWindow& window, WindowId id, Navigation& windows) {
    const WindowMenus& m = MenusOf(id);
    QMenuBar* bar = window.menuBar();
    // The menu bar keeps the desktop's own colours, whatever the page's
    // background, so that it reads the same on every window.
    QPalette desktop = QApplication::palette();
    for (auto role : {QPalette::Window, QPalette::WindowText, QPalette::Button,
                      QPalette::ButtonText, QPalette::Highlight, QPalette::HighlightedText})
        desktop.setColor(role, desktop.color(role)); // set, so the window's colours don't override
    bar->setPalette(desktop);
    bar->setAutoFillBackground(true);
    // The page's own menus (the Reset menu) stay between Engineering and Help.
    QAction* own = bar->actions().isEmpty() ? nullptr : bar->actions().first();

    QMenu* file = Submenu(&window, m.file);
    AddItem(file, m.home, id, windows);
    AddItem(file, m.exit, id, windows);

    QMenu* engineering = Submenu(&window, m.engineering);
    AddItem(engineering, m.dc, id, windows);
    AddItem(engineering, m.cd, id, windows);
    AddItem(engineering, m.ei, id, windows);
    QMenu* ac = Submenu(engineering, m.ac);
    engineering->addMenu(ac);
    AddItem(ac, m.single, id, windows);
    QMenu* poly = Submenu(ac, m.poly);
    ac->addMenu(poly);
    AddItem(poly, m.lineToPhase, id, windows);
    AddItem(poly, m.phaseToLine, id, windows);
    AddUnlistedPages(engineering, m, id, windows);
    if (m.acShowsOnOpen)
        QObject::connect(ac, &QMenu::aboutToShow, ac, [&windows] {
            MenusStayOpen keep;
            windows.ShowOnly(WindowId::FrmAC, false);
        });

    QMenu* help = Submenu(&window, m.help);
    AddItem(help, m.content, id, windows);
    AddItem(help, m.about, id, windows);

    if (own) {
        bar->insertMenu(own, file);
        bar->insertMenu(own, engineering);
    } else {
        bar->addMenu(file);
        bar->addMenu(engineering);
    }
    bar->addMenu(help);
}

} // namespace vora::shell
