#include "scripted_dialogs.h"

#include "cp932.h"

#include <algorithm>

void ScriptedDialogs::modal() {
    if (whileOpen) {
        whileOpen();
    }
}

void ScriptedDialogs::information(const std::string& text) {
    log.push_back("info: " + text);
    modal();
}

Answer ScriptedDialogs::confirm(const std::string& text, bool withCancel) {
    log.push_back(std::string(withCancel ? "confirm3: " : "confirm: ") + text);
    modal();
    if (answers.empty()) {
        return Answer::No;
    }
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

bool ScriptedDialogs::retryCancel(const std::string& text) {
    log.push_back("retry: " + text);
    modal();
    if (retries.empty()) {
        return false;
    }
    bool r = retries.front();
    retries.pop_front();
    return r;
}

std::string ScriptedDialogs::inputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& initial) {
    log.push_back("input: " + caption + "|" + prompt + "|" + cp932::decode(initial));
    modal();
    if (inputs.empty()) {
        return {};
    }
    std::string s = inputs.front();
    inputs.pop_front();
    return s.substr(0, InputBoxMaxBytes);
}

std::optional<std::filesystem::path> ScriptedDialogs::openFile(const FileDialogOptions& o) {
    log.push_back("open");
    fileOptions.push_back(o);
    modal();
    if (files.empty()) {
        return std::nullopt;
    }
    auto f = files.front();
    files.pop_front();
    return f;
}

std::optional<std::filesystem::path> ScriptedDialogs::saveFile(const FileDialogOptions& o) {
    log.push_back("save");
    fileOptions.push_back(o);
    modal();
    if (files.empty()) {
        return std::nullopt;
    }
    auto f = files.front();
    files.pop_front();
    return f;
}

std::optional<Colour> ScriptedDialogs::chooseColour(Colour) {
    log.push_back("colour");
    modal();
    if (colourChoices.empty()) {
        return std::nullopt;
    }
    auto c = colourChoices.front();
    colourChoices.pop_front();
    return c;
}

std::optional<Font> ScriptedDialogs::chooseFont(const Font&) {
    log.push_back("font");
    modal();
    if (fontChoices.empty()) {
        return std::nullopt;
    }
    auto f = fontChoices.front();
    fontChoices.pop_front();
    return f;
}

void ScriptedDialogs::errorReport(const std::string& message) {
    log.push_back("error: " + message);
}
void ScriptedDialogs::showVersionBox() {
    log.push_back("version");
    modal();
}
void ScriptedDialogs::showAboutBox() {
    log.push_back("about");
    modal();
}
void ScriptedDialogs::closeMainWindow() {
    log.push_back("close");
    closed = true;
}

bool ScriptedDialogs::saw(const std::string& entry) const {
    return std::find(log.begin(), log.end(), entry) != log.end();
}

std::vector<std::string> ScriptedDialogs::errors() const {
    std::vector<std::string> out;
    for (const auto& l : log) {
        if (l.rfind("error: ", 0) == 0) {
            out.push_back(l.substr(7));
        }
    }
    return out;
}
