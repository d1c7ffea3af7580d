#include "menu_builder.h"

#include "catalogue_table.h"
#include "menu_bar_pictures.h"
#include "picture_file.h"

#include <QMenu>
#include <QMenuBar>
#include <algorithm>

namespace {

constexpr int MenuPixels = 12;
constexpr int MinMenuPixels = 10;

struct Builder {
    MenuWidgets& w;
    const MenuCallbacks& callbacks;

    void command(QAction* a, const MenuItem& item, const MenuItem* group) {
        const QString name = QString::fromStdString(item.name);
        a->setObjectName(name);
        w.actions.insert(name, a);
        QObject::connect(a, &QAction::triggered, a,
                         [chosen = callbacks.chosen, &item, group, a] { chosen(item, group, a); });
    }

    // A menu's items, `m` holding them; a catalogue group runs its handler
    // as it opens.
    void fill(QMenu* m, const MenuItem& item) {
        const QString name = QString::fromStdString(item.name);
        m->setObjectName(name);
        w.menus.insert(name, m);
        w.actions.insert(name, m->menuAction());
        if (item.kind == MenuKind::Group) {
            QObject::connect(m, &QMenu::aboutToShow, m,
                             [opening = callbacks.opening, &item] { opening(item); });
        }
        for (const MenuItem& child : item.children) {
            add(m, child, &item);
        }
    }

    void add(QMenu* parent, const MenuItem& item, const MenuItem* group) {
        switch (item.kind) {
        case MenuKind::Separator: {
            QAction* s = parent->addSeparator();
            s->setObjectName(QString::fromStdString(item.name));
            w.actions.insert(s->objectName(), s);
            return;
        }
        case MenuKind::Entry:
        case MenuKind::Command:
            command(parent->addAction(QString::fromStdString(item.caption)), item, group);
            return;
        case MenuKind::Menu:
        case MenuKind::Group:
            fill(parent->addMenu(QString::fromStdString(item.caption)), item);
            return;
        }
    }
};

} // namespace

MenuWidgets buildMenuBar(QMenuBar* bar, const QString& picture, const MenuCallbacks& callbacks) {
    MenuWidgets widgets;
    Builder b{widgets, callbacks};
    // The menu font of the classic desktop: every top-level menu fits the bar.
    QFont menuFont(QStringLiteral("IPAPGothic"));
    menuFont.setPixelSize(MenuPixels);
    bar->setFont(menuFont);
    for (const MenuItem& item : menuBar()) {
        if (item.kind == MenuKind::Command) {
            b.command(bar->addAction(QString::fromStdString(item.caption)), item, nullptr);
            continue;
        }
        auto* m = new QMenu(QString::fromStdString(item.caption), bar);
        bar->addMenu(m);
        if (item.picture) {
            m->menuAction()->setIcon(QIcon(readPixmap(picture)));
        }
        b.fill(m, item);
    }
    showPicturesBesideCaptions(bar);
    return widgets;
}

void scaleMenuBar(QMenuBar* bar, double ratio) {
    // Rounding down keeps all nine menus in view instead of behind an
    // overflow button; below 10 pixels the Japanese captions are illegible.
    QFont menuFont = bar->font();
    menuFont.setPixelSize(std::max(MinMenuPixels, static_cast<int>(MenuPixels * ratio)));
    bar->setFont(menuFont);
}
