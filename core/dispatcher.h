#pragma once
// Every event handler is entered here. A handler that fails ends at the
// failing step; its message is reported and the program goes on. Re-entrant:
// a timer tick may run a handler while another waits in a modal box.

#include <functional>

class Dialogs;

class Dispatcher {
  public:
    explicit Dispatcher(Dialogs& dialogs) : dialogs_(dialogs) {}

    void run(const std::function<void()>& handler);
    int depth() const { return depth_; }

  private:
    Dialogs& dialogs_;
    int depth_ = 0;
};
