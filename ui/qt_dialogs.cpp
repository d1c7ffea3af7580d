#include "qt_dialogs.h"
#include "path_text.h"

#include "font_choice_dialog.h"
#include "input_box.h"
#include "qt_text.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace {

const QString AppTitle = QStringLiteral("ぽとらん for TOEIC");
constexpr int MenuPollMs = 50;

// Boxes quote lines of files and file names: never read them as markup.
void plain(QMessageBox& box, const char* name) {
    box.setObjectName(QLatin1String(name));
    box.setTextFormat(Qt::PlainText);
}

} // namespace

QtDialogs::QtDialogs(QWidget* parent, std::function<void()> renderForm)
    : parent_(parent), render_(std::move(renderForm)) {}

void QtDialogs::setBoxes(QDialog* versionBox, QDialog* aboutBox) {
    versionBox_ = versionBox;
    aboutBox_ = aboutBox;
}

void QtDialogs::information(const std::string& text) {
    render_();
    QMessageBox box(QMessageBox::Information, AppTitle, fromUtf8(text), QMessageBox::Ok, parent_);
    plain(box, "information");
    box.exec();
}

Answer QtDialogs::confirm(const std::string& text, bool withCancel) {
    render_();
    QMessageBox box(QMessageBox::Question, QStringLiteral("確認"), fromUtf8(text),
                    QMessageBox::NoButton, parent_);
    plain(box, "confirm");
    QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    QPushButton* cancel = nullptr;
    if (withCancel) {
        cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
    } else {
        box.setEscapeButton(no);
    }
    box.setDefaultButton(yes);
    box.exec();
    if (box.clickedButton() == yes) {
        return Answer::Yes;
    }
    if (cancel && box.clickedButton() == cancel) {
        return Answer::Cancel;
    }
    return Answer::No;
}

bool QtDialogs::retryCancel(const std::string& text) {
    render_();
    QMessageBox box(QMessageBox::Critical, AppTitle, fromUtf8(text), QMessageBox::NoButton,
                    parent_);
    plain(box, "retryCancel");
    QPushButton* retry = box.addButton(QStringLiteral("再試行(&R)"), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(retry);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == retry;
}

std::string QtDialogs::inputBox(const std::string& caption, const std::string& prompt,
                                const std::string& initial) {
    render_();
    InputBox box(parent_, fromUtf8(caption), fromUtf8(prompt), initial);
    if (box.exec() != QDialog::Accepted) {
        return {};
    }
    return box.bytes();
}

std::optional<std::filesystem::path> QtDialogs::fileDialog(const FileDialogOptions& o, bool save) {
    render_();
    QFileDialog dialog(parent_);
    dialog.setObjectName(save ? QStringLiteral("saveDialog") : QStringLiteral("openDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!o.title.empty()) {
        dialog.setWindowTitle(fromUtf8(o.title));
    } else if (save) {
        dialog.setWindowTitle(QStringLiteral("名前を付けて保存"));
    }
    dialog.setNameFilters({QStringLiteral("問題集データ (*.txt)"), QStringLiteral("その他 (*)")});
    dialog.setDefaultSuffix(QString::fromLatin1(DefaultExtension));
    dialog.setDirectory(toQString(o.initialDir));
    if (!o.proposed.empty()) {
        dialog.selectFile(toQString(o.proposed));
    }
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !o.confirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        // The file need not exist: the loader reports a name that cannot be read.
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return toPath(dialog.selectedFiles().first());
}

std::optional<std::filesystem::path> QtDialogs::openFile(const FileDialogOptions& o) {
    return fileDialog(o, false);
}

std::optional<std::filesystem::path> QtDialogs::saveFile(const FileDialogOptions& o) {
    return fileDialog(o, true);
}

std::optional<Colour> QtDialogs::chooseColour(Colour current) {
    render_();
    QColor c = QColorDialog::getColor(toQColor(current), parent_, QStringLiteral("色の設定"),
                                      QColorDialog::DontUseNativeDialog);
    if (!c.isValid()) {
        return std::nullopt;
    }
    return fromQColor(c);
}

std::optional<Font> QtDialogs::chooseFont(const Font& current) {
    render_();
    FontChoiceDialog dialog(parent_, current);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.chosen();
}

void QtDialogs::errorReport(const std::string& message) {
    if (defer_) {
        deferred_.append(fromUtf8(message));
        return;
    }
    render_();
    QMessageBox box(QMessageBox::Critical, AppTitle, fromUtf8(message), QMessageBox::Ok, parent_);
    plain(box, "errorReport");
    box.exec();
}

void QtDialogs::deferErrors(bool defer) {
    defer_ = defer;
    if (!defer && !deferred_.isEmpty()) {
        showDeferredOnceMenusClose();
    }
}

void QtDialogs::showDeferredOnceMenusClose() {
    // A modal box closes every open menu, so the learner could never reach an
    // entry: the reports wait until the menus are gone (an entry chosen, or
    // the menu dismissed), then each different one is shown once.
    QTimer::singleShot(MenuPollMs, parent_, [this] {
        if (QApplication::activePopupWidget() || defer_) {
            showDeferredOnceMenusClose();
            return;
        }
        QStringList pending = std::exchange(deferred_, {});
        pending.removeDuplicates();
        for (const QString& m : pending) {
            errorReport(m.toStdString());
        }
    });
}

void QtDialogs::showVersionBox() {
    render_();
    if (versionBox_) {
        versionBox_->exec();
    }
}

void QtDialogs::showAboutBox() {
    render_();
    if (aboutBox_) {
        aboutBox_->exec();
    }
}

void QtDialogs::closeMainWindow() {
    if (parent_) {
        QTimer::singleShot(0, parent_, [w = parent_] { w->close(); });
    }
}
