#pragma once
// The real boxes and dialogs. Each renders the Form first, because handlers
// change the display and then ask in the middle of their steps.

#include "dialogs.h"

#include <QStringList>
#include <functional>

class QWidget;
class QDialog;

class QtDialogs : public Dialogs {
  public:
    QtDialogs(QWidget* parent, std::function<void()> renderForm);

    void information(const std::string& text) override;
    Answer confirm(const std::string& text, bool withCancel) override;
    bool retryCancel(const std::string& text) override;
    std::string inputBox(const std::string& caption, const std::string& prompt,
                         const std::string& initial) override;
    std::optional<std::filesystem::path> openFile(const FileDialogOptions& options) override;
    std::optional<std::filesystem::path> saveFile(const FileDialogOptions& options) override;
    std::optional<Colour> chooseColour(Colour current) override;
    std::optional<Font> chooseFont(const Font& current) override;
    void errorReport(const std::string& message) override;
    void showVersionBox() override;
    void showAboutBox() override;
    void closeMainWindow() override;

    // While a menu is opening, error reports wait until it is open.
    void deferErrors(bool defer);
    void setBoxes(QDialog* versionBox, QDialog* aboutBox);

  private:
    std::optional<std::filesystem::path> fileDialog(const FileDialogOptions& options, bool save);
    void showDeferredOnceMenusClose();
    QWidget* parent_;
    std::function<void()> render_;
    bool defer_ = false;
    QStringList deferred_;
    QDialog* versionBox_ = nullptr;
    QDialog* aboutBox_ = nullptr;
};
