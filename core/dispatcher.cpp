#include "dispatcher.h"

#include "dialogs.h"
#include "errors.h"

void Dispatcher::run(const std::function<void()>& handler) {
    ++depth_;
    try {
        handler();
    } catch (const RuntimeError& e) {
        --depth_;
        dialogs_.errorReport(e.what());
        return;
    } catch (...) {
        --depth_;
        throw;
    }
    --depth_;
}
