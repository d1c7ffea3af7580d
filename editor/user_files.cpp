// Opening and saving the learner's own sets in the UserFile folder.
#include "editor.h"

#include "cp932.h"
#include "errors.h"
#include "file_writer.h"
#include "set_loader.h"

namespace fs = std::filesystem;

namespace {

// A name the dialog gives without a folder belongs in the folder it showed.
fs::path fullPath(const fs::path& folder, const fs::path& chosen) {
    return chosen.is_absolute() ? chosen : folder / chosen;
}

} // namespace

fs::path Editor::userFileDir() const {
    return drill_.programDir().userFileDir();
}

void Editor::makeUserFileDir() const {
    // A missing folder is created so that a first save never fails for it;
    // if that is refused, the dialog and the write report what follows.
    std::error_code ec;
    fs::create_directories(userFileDir(), ec);
}

void Editor::YomikomiClick() {
    DrillState& s = drill_.state;
    Form& form = drill_.form;
    Dialogs& dialogs = drill_.dialogs();
    drill_.changeClick();
    form.Caption = UserFileCaption;
    form.Timer3Enabled = false;
    while (true) {
        makeUserFileDir();
        const auto chosen = dialogs.openFile(
            {"ユーザーファイルを開きます", userFileDir(), s.CurrentFileName, false});
        if (!chosen) {
            break;
        }
        const fs::path path = fullPath(userFileDir(), *chosen);
        LineList lines;
        try {
            lines = loadSetFile(path, path.string());
        } catch (const FileOpenError& e) {
            if (dialogs.retryCancel(e.what())) {
                continue;
            }
            break;
        } catch (const SetTooLargeError& e) {
            dialogs.errorReport(e.what());
            break;
        }
        if (lines.empty()) {
            dialogs.information("ファイル " + path.string() +
                                " は空です。問題集として読み込めません。");
            break;
        }
        s.QuestionList = std::move(lines);
        s.CurrentFileName = path;
        s.CurrentBase = 2;
        form.Caption = std::string(UserFileCaption) + " : " + cp932::excerpt(s.QuestionList[0]) +
                       "   " + path.filename().string();
        drill_.BeginPass();
        break;
    }
    drill_.kotakesuClick();
}

void Editor::SaveUserFile(int minimumLines) {
    DrillState& s = drill_.state;
    if (static_cast<long>(s.QuestionList.size()) < minimumLines) {
        return;
    }
    makeUserFileDir();
    // The lines the learner asked to save. Should a tick end the pass and
    // close the set while the dialog is open, these are still written.
    const LineList lines = s.QuestionList;
    const std::uint64_t generation = s.generation();
    const auto chosen = drill_.dialogs().saveFile({"", userFileDir(), s.CurrentFileName, true});
    if (!chosen) {
        return;
    }
    const fs::path path = fullPath(userFileDir(), *chosen);
    if (s.generation() == generation) {
        s.CurrentFileName = path;
    }
    FileWriter::writeLines(path, lines, path.string());
}

void Editor::HozonClick() {
    SaveUserFile(3);
    focusAnswer();
}
