#pragma once
// The version box ("ﾊﾞｰｼﾞｮﾝ情報"): the logo, the product name and version and
// a credits line. Created once and reused; shown modally with exec(); closed
// by OK, Return or the close box.

#include <QDialog>

#include <filesystem>

class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    TAboutBox(const std::filesystem::path& programDir, QWidget* parent = nullptr);

    QPushButton* okButton() const { return ok_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPushButton* ok_;
};
