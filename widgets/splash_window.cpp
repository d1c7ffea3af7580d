#include "splash_window.h"

#include "bevel_frame.h"
#include "bevel_panel.h"
#include "classic_look.h"
#include "font.h"
#include "form_kit.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWindow>

namespace {

const QString gothic = QStringLiteral("ＭＳ Ｐゴシック");

} // namespace

TSplashWindow::TSplashWindow(const std::filesystem::path& programDir)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(345, 160);
    formkit::classicFace(this, classic::font(gothic, 12), colours::WindowText);

    auto* panel1 = new BevelPanel(this);
    panel1->setGeometry(0, 0, 345, 161);
    panel1->setBevelInner(BevelPanel::Raised);
    panel1->setBevelWidth(2);

    auto* panel2 = new BevelPanel(panel1);
    panel2->setGeometry(10, 10, 325, 141);
    panel2->setBevelInner(BevelPanel::Raised);
    panel2->setBevelOuter(BevelPanel::Lowered);
    panel2->setBorderWidth(1);

    const QRect logoPlace(8, 8, 89, 97);
    formkit::logo(panel2, programDir, logoPlace);
    (new BevelFrame(panel2))->setGeometry(logoPlace);

    formkit::label(panel2, QStringLiteral("英語学習ソフト"), {160, 16},
                   classic::font(gothic, 15, fontstyle::Bold | fontstyle::Underline),
                   colours::Purple);
    formkit::label(panel2, QStringLiteral("ぽとらん for TOEIC"), {135, 47},
                   classic::font(gothic, 15), colours::Navy);
    formkit::label(panel2, QStringLiteral("Version 3.0"), {163, 80},
                   classic::font(gothic, 19, fontstyle::Underline), colours::Blue);
    formkit::fixedLabel(
        panel2, QStringLiteral("Free drill software for learners of English  \u00A9 Potoran"),
        QRect(20, 112, 297, 13), classic::font(QStringLiteral("Times New Roman"), 13),
        colours::Black, false);

    formkit::centreOnScreen(this);
}

void TSplashWindow::showAndPaint() {
    show();
    raise();
    activateWindow();
    // Nothing else runs yet: wait here for the window system to map the
    // window, then paint it at once.
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < 2000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    repaint();
    QCoreApplication::processEvents();
    QGuiApplication::sync();
}

void TSplashWindow::release() {
    if (released_) {
        return;
    }
    released_ = true;
    deleteLater();
}

bool TSplashWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate) {
        release();
    }
    return QWidget::event(event);
}

// Clicks on the splash window do nothing.
void TSplashWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
}
void TSplashWindow::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}
void TSplashWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}
