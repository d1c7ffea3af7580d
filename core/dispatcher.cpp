#include "dispatcher.h"

#include "cp932.h"
#include "dialogs.h"
#include "errors.h"

#include <exception>

void Dispatcher::run(const std::function<void()>& handler) {
    ++depth_;
    try {
        handler();
    } catch (const RuntimeError& e) {
        --depth_;
        dialogs_.errorReport(e.what());
        return;
    } catch (const std::exception& e) {
        // Anything else a handler lets escape (a folder scan's filesystem
        // error, memory running out) ends that handler only, as the four
        // runtime failures do; its text is outside text and quoted cut.
        --depth_;
        dialogs_.errorReport("エラーが発生しました: " + cp932::utf8Excerpt(e.what()));
        return;
    } catch (...) {
        --depth_;
        throw;
    }
    --depth_;
}
