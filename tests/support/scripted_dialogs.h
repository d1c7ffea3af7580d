#pragma once
// Test doubles for the ports: dialogs answer from a script and log what the
// learner would have seen; sounds and the screen are plain records.

#include "dialogs.h"
#include "screen.h"
#include "sounds.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class ScriptedDialogs : public Dialogs {
  public:
    // What was shown, in order: "info: ...", "confirm: ...", "input: caption|prompt|initial",
    // "error: ...", "open", "save", "colour", "font", "retry: ...", "version", "about", "close".
    std::vector<std::string> log;

    std::deque<Answer> answers;     // confirmations; No when empty
    std::deque<std::string> inputs; // input boxes (CP932); Cancel when empty
    std::deque<std::optional<std::filesystem::path>> files; // open/save; Cancel when empty
    std::deque<std::optional<Colour>> colourChoices;
    std::deque<std::optional<Font>> fontChoices;
    std::deque<bool> retries; // Retry/Cancel; Cancel when empty
    std::vector<FileDialogOptions> fileOptions;

    // Runs inside every modal call, as a timer tick would while a box is open.
    std::function<void()> whileOpen;

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

    bool saw(const std::string& entry) const;
    std::vector<std::string> errors() const;
    bool closed = false;

  private:
    void modal();
};

class RecordingSounds : public Sounds {
  public:
    std::vector<Sound> played;
    int prepared = 0;
    void prepare() override { ++prepared; }
    void play(Sound s) override { played.push_back(s); }
};

class FixedScreen : public Screen {
  public:
    int w = 1280;
    int h = 1024;
    int width() const override { return w; }
    int height() const override { return h; }
};
