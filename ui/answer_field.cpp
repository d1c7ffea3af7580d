#include "answer_field.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTextDocument>

AnswerField::AnswerField(QWidget* parent) : QPlainTextEdit(parent) {
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(Qt::AlignHCenter);
    document()->setDefaultTextOption(option);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    viewport()->setCursor(Qt::ArrowCursor);
}

void AnswerField::setCentredText(const QString& text) {
    setPlainText(text);
    // The learner types on at the end; a field that only shows (the right
    // answer, the hint) shows its start.
    moveCursor(isReadOnly() ? QTextCursor::Start : QTextCursor::End);
}

void AnswerField::setInputMethodAllowed(bool allowed) {
    if (allowed == inputMethodAllowed_) {
        return;
    }
    inputMethodAllowed_ = allowed;
    if (hasFocus()) {
        QGuiApplication::inputMethod()->reset();
        QGuiApplication::inputMethod()->update(Qt::ImEnabled);
    }
}

QVariant AnswerField::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImEnabled && !inputMethodAllowed_) {
        return false;
    }
    return QPlainTextEdit::inputMethodQuery(query);
}

void AnswerField::typeCharacter(const QString& ch) {
    KeyAction action = keyFilter(ch.toStdString());
    if (action == KeyAction::Drop) {
        return;
    }
    QTextCursor cursor = textCursor();
    if (action == KeyAction::Backspace || ch == QLatin1String("\b")) {
        cursor.deletePreviousChar();
    } else {
        cursor.insertText(ch);
    }
    setTextCursor(cursor);
}

void AnswerField::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool isBackspace = event->key() == Qt::Key_Backspace;
    if (!keyFilter || isReadOnly()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    if (isReturn) {
        typeCharacter(QStringLiteral("\r"));
        return;
    }
    if (isBackspace) {
        typeCharacter(QStringLiteral("\b"));
        return;
    }
    if (text.isEmpty() || text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7F ||
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    QPointer<AnswerField> self(this);
    for (qsizetype i = 0; i < text.size() && self;) {
        qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        typeCharacter(text.mid(i, n));
        i += n;
    }
}

void AnswerField::inputMethodEvent(QInputMethodEvent* event) {
    if (!keyFilter || event->commitString().isEmpty()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    // Show the preedit as usual, but commit character by character through
    // the filter.
    const QString commit = event->commitString();
    QInputMethodEvent preeditOnly(event->preeditString(), event->attributes());
    QPlainTextEdit::inputMethodEvent(&preeditOnly);
    QPointer<AnswerField> self(this);
    for (qsizetype i = 0; i < commit.size() && self;) {
        qsizetype n = commit.at(i).isHighSurrogate() && i + 1 < commit.size() ? 2 : 1;
        typeCharacter(commit.mid(i, n));
        i += n;
    }
}

void AnswerField::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit pressed();
    }
    QPlainTextEdit::mousePressEvent(event);
}

void AnswerField::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit doubleClicked();
        return;
    }
    QPlainTextEdit::mouseDoubleClickEvent(event);
}
