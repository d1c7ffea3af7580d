#pragma once
// The window shown while the program starts: borderless, on top, centred,
// painted before the main window is built. It ignores clicks and releases
// itself once, when it loses the activation or when release() is called
// (the main window's first activation), whichever comes first.

#include <QWidget>

#include <filesystem>

class TSplashWindow : public QWidget {
    Q_OBJECT
  public:
    // Takes the program folder, where the logo picture lies.
    explicit TSplashWindow(const std::filesystem::path& programDir);

    // Shows the window and returns once it is on screen and painted, before
    // any event loop runs.
    void showAndPaint();

    // Destroys the window once the current event has been handled; later
    // calls do nothing.
    void release();
    bool released() const { return released_; }

  protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    bool released_ = false;
};
