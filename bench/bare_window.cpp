// The yardstick for start-up time: a bare Qt main window of the same size,
// with the same menu bar (every menu, submenu, entry and separator of the
// catalogue table), but nothing else: no splash, no pictures, no settings.

#include "catalogue_table.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <cstdio>

namespace {

void addItems(QMenu* menu, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        const QString caption = QString::fromStdString(item.caption);
        switch (item.kind) {
        case MenuKind::Separator:
            menu->addSeparator();
            break;
        case MenuKind::Entry:
        case MenuKind::Command:
            menu->addAction(caption);
            break;
        case MenuKind::Menu:
        case MenuKind::Group:
            addItems(menu->addMenu(caption), item.children);
            break;
        }
    }
}

int countEntries(const QMenu* menu) {
    int n = 0;
    for (const QAction* a : menu->actions()) {
        n += 1 + (a->menu() ? countEntries(a->menu()) : 0);
    }
    return n;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare window"));
    auto* client = new QWidget(&window);
    client->setFixedSize(792, 401);
    window.setCentralWidget(client);
    for (const MenuItem& item : menuBar()) {
        if (item.kind == MenuKind::Command) {
            window.menuBar()->addAction(QString::fromStdString(item.caption));
        } else {
            addItems(window.menuBar()->addMenu(QString::fromStdString(item.caption)),
                     item.children);
        }
    }
    // The figure the benchmark report quotes beside the time.
    if (QApplication::arguments().contains(QStringLiteral("--count-menu-entries"))) {
        int n = 0;
        for (const QAction* a : window.menuBar()->actions()) {
            n += 1 + (a->menu() ? countEntries(a->menu()) : 0);
        }
        std::printf("%d\n", n);
        return 0;
    }
    window.show();
    return app.exec();
}
