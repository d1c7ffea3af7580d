#pragma once
// The about-this-software box ("このｿﾌﾄについて"): the learner's manual in a
// read-only text field with every line centred. The manual is read once,
// from manual.txt (UTF-8) in the program folder; the box is created once and
// reused, so its text and scroll position stay between showings.

#include <QDialog>

#include <filesystem>

class QPushButton;
class QTextEdit;

class TAboutBox1 : public QDialog {
    Q_OBJECT
  public:
    TAboutBox1(const std::filesystem::path& programDir, QWidget* parent = nullptr);

    QPushButton* okButton() const { return ok_; }
    QTextEdit* memo() const { return memo_; }

    // The manual as read from the file, or a short notice when it cannot be
    // read.
    static QString loadManual(const std::filesystem::path& programDir);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPushButton* ok_;
    QTextEdit* memo_;
};
