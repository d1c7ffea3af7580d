#include "waiting_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

WaitingKeys::WaitingKeys(QWidget* window, std::function<bool()> waiting,
                         std::function<void()> acknowledge)
    : QObject(window), window_(window), waiting_(std::move(waiting)),
      acknowledge_(std::move(acknowledge)) {
    qApp->installEventFilter(this);
}

bool WaitingKeys::concernsWindow(QObject* watched) const {
    // A box or a menu opened over the window keeps its own keyboard.
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        return false;
    }
    if (auto* w = qobject_cast<QWidget*>(watched)) {
        return w->window() == window_;
    }
    if (auto* w = qobject_cast<QWindow*>(watched)) {
        return w == window_->windowHandle();
    }
    return false;
}

bool WaitingKeys::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
        type != QEvent::ShortcutOverride) {
        return false;
    }
    if (!waiting_() || !concernsWindow(watched)) {
        return false;
    }
    // Taken here, the key reaches neither a shortcut nor the menu bar.
    event->accept();
    if (type != QEvent::KeyPress) {
        return true;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const bool plain =
        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const int k = key->key();
    if (plain && (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space)) {
        acknowledge_();
    }
    return true;
}
