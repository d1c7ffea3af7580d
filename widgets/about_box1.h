#pragma once
// The about-this-software box ("このｿﾌﾄについて"): the learner's manual in a
// read-only text field with every line centred. The manual is read once,
// from manual.txt (UTF-8) in the program folder, when the box is first shown
// (laying out the whole manual costs as much as building the main window, so
// it stays out of the start-up); the box is created once and reused, so its
// text and scroll position stay between showings.

#include <QDialog>

#include <filesystem>

class QPushButton;
class QTextEdit;

class TAboutBox1 : public QDialog {
    Q_OBJECT
  public:
    TAboutBox1(const std::filesystem::path& programDir, QWidget* parent = nullptr);

    QPushButton* okButton() const { return ok_; }
    // The text field, with the manual in it.
    QTextEdit* memo();

    // The manual as read from the file, or a short notice when it cannot be
    // read.
    static QString loadManual(const std::filesystem::path& programDir);

    // Whether the manual has been read into the field yet.
    bool manualRead() const { return manualRead_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    std::filesystem::path programDir_;
    QPushButton* ok_;
    QTextEdit* memo_;
    bool manualRead_ = false;
};
