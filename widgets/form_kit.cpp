#include "form_kit.h"
#include "path_text.h"

#include "classic_look.h"
#include "picture_file.h"
#include "program_dir.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace formkit {
namespace {

void dress(QLabel* l, const QFont& font, Colour colour) {
    l->setTextFormat(Qt::PlainText);
    l->setFont(font);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, classic::color(colour));
    l->setPalette(palette);
    l->setContentsMargins(0, 0, 0, 0);
    l->setIndent(0);
}

} // namespace

QLabel* label(QWidget* parent, const QString& text, QPoint at, const QFont& font, Colour colour) {
    auto* l = new QLabel(text, parent);
    dress(l, font, colour);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->move(at);
    l->adjustSize();
    return l;
}

QLabel* fixedLabel(QWidget* parent, const QString& text, const QRect& place, const QFont& font,
                   Colour colour, bool wordWrap) {
    auto* l = new QLabel(text, parent);
    dress(l, font, colour);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setWordWrap(wordWrap);
    l->setGeometry(place);
    return l;
}

QLabel* logo(QWidget* parent, const std::filesystem::path& programDir, const QRect& place) {
    auto* l = new QLabel(parent);
    l->setGeometry(place);
    l->setScaledContents(true);
    const ProgramDir dir(programDir);
    // The logo beside the program; the generated picture folder as a second
    // source until a BMP copy is installed.
    for (const char* name : {"logo.bmp", "pictures\\logo.png"}) {
        const QPixmap picture = readPixmap(toQString(dir.resolve(name)));
        if (!picture.isNull()) {
            l->setPixmap(picture);
            break;
        }
    }
    return l;
}

void classicFace(QWidget* window, const QFont& font, Colour text) {
    window->setFont(font);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, classic::color(colours::BtnFace));
    palette.setColor(QPalette::WindowText, classic::color(text));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void centreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QRect area = screen->geometry();
    const QSize outer = window->frameGeometry().size();
    window->move(area.x() + (area.width() - outer.width()) / 2,
                 area.y() + (area.height() - outer.height()) / 2);
}

} // namespace formkit
