#pragma once
// The version box ("ﾊﾞｰｼﾞｮﾝ情報"): the logo, the product name and version and
// a credits line. Created once and reused; shown modally with exec(); closed
// by OK, Return or the close box. Its panel is filled when the box is first
// shown: four more font sizes and the logo are not worth loading at every
// start for a box most starts never open.

#include <QDialog>

#include <filesystem>

class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    TAboutBox(const std::filesystem::path& programDir, QWidget* parent = nullptr);

    QPushButton* okButton() const { return ok_; }
    // Whether the panel has been filled yet.
    bool filled() const { return filled_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void fill();

    std::filesystem::path programDir_;
    QPushButton* ok_;
    bool filled_ = false;
};
