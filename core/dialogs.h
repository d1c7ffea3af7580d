#pragma once
// What the logic asks of the learner. Every call is modal and returns the
// answer. Texts are UTF-8 unless said otherwise.

#include "colour.h"
#include "font.h"

#include <filesystem>
#include <optional>
#include <string>

enum class Answer { Yes, No, Cancel };

struct FileDialogOptions {
    std::string title; // empty: the platform's default
    std::filesystem::path initialDir;
    std::filesystem::path proposed;
    bool confirmOverwrite = false;
};

// The filter every set-file dialog offers, the first entry preselected.
inline constexpr const char* SetFileFilter = "問題集データ (*.txt)|*.txt|その他 (*.*)|*.*";
inline constexpr const char* DefaultExtension = "txt";

constexpr std::size_t InputBoxMaxBytes = 255;

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // Caption "ぽとらん for TOEIC", one OK button.
    virtual void information(const std::string& text) = 0;
    // Caption "確認"; Yes/No, or Yes/No/Cancel when `withCancel`.
    virtual Answer confirm(const std::string& text, bool withCancel) = 0;
    // The error box of the user-file loader; true means Retry.
    virtual bool retryCancel(const std::string& text) = 0;
    // Text input: `initial` and the result are CP932 bytes. The box takes at
    // most 255 CP932 bytes and refuses characters CP932 cannot carry, so the
    // result always fits. Accepted unchanged, it gives back the initial
    // bytes as they were (cut to 255), even those CP932 cannot read. Cancel
    // returns the empty text.
    virtual std::string inputBox(const std::string& caption, const std::string& prompt,
                                 const std::string& initial) = 0;
    // File dialogs with the set-file filter and default extension "txt": a
    // name typed without an extension gets ".txt".
    virtual std::optional<std::filesystem::path> openFile(const FileDialogOptions& options) = 0;
    virtual std::optional<std::filesystem::path> saveFile(const FileDialogOptions& options) = 0;
    virtual std::optional<Colour> chooseColour(Colour current) = 0;
    // Returns a whole font, colour and style bits included.
    virtual std::optional<Font> chooseFont(const Font& current) = 0;
    // The application-wide report of a handler's failure.
    virtual void errorReport(const std::string& message) = 0;
    // The two information boxes of the help menu.
    virtual void showVersionBox() = 0;
    virtual void showAboutBox() = 0;
    // Closes the main window, which ends the program.
    virtual void closeMainWindow() = 0;
};
