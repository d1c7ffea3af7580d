#pragma once
// Shows the Form on the window's widgets and copies back what the learner
// edits. A render touches only what changed since the last one, so it never
// restarts a running countdown, and it never wipes the text the learner is
// typing: the answer field is written only when a handler changed its text.

#include "control_factory.h"
#include "form.h"

#include <QHash>
#include <QPoint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QTimer;

class FormView {
  public:
    // Every control of formControls() must be among `controls`.
    FormView(Form& form, const Controls& controls, QWidget& window, PicturePath pictures);
    ~FormView();

    void setMenuActions(const QHash<QString, QAction*>* actions) { actions_ = actions; }
    void setTimers(QTimer* timer3, QTimer* timer4);
    // Called with the ratio when the window is scaled for a narrow screen.
    void setOnScaled(std::function<void(double)> onScaled) { onScaled_ = std::move(onScaled); }
    // From the initialisation on, the window's position and scale follow the Form.
    void setCreated() { created_ = true; }

    // The learner's answer and the font-size slider into the Form.
    void copyIn();
    void render();
    // True while a render runs: widget signals then are not the learner's.
    bool rendering() const { return rendering_; }

    static void showCheck(QAction* action, bool checked);

  private:
    struct Binding;
    void renderControl(Binding& b);
    void renderWindow();
    void applyScale(double ratio);

    Form& form_;
    const Controls& controls_;
    QWidget& window_;
    PicturePath pictures_;
    const QHash<QString, QAction*>* actions_ = nullptr;
    QTimer* timer3_ = nullptr;
    QTimer* timer4_ = nullptr;
    std::function<void(double)> onScaled_;
    std::vector<std::unique_ptr<Binding>> bindings_;
    Binding* memo1_ = nullptr;

    // What the widgets show now.
    std::map<std::string, bool> shownChecks_;
    std::string shownCaption_;
    std::string shownPicture_ = "\x01";
    unsigned long shownSurface_ = ~0ul;
    double shownScale_ = 1.0;
    QPoint shownPosition_{-1, -1};
    int shownTrackBar_ = -1;
    int shownRadio_ = -1;
    bool shownTimer3_ = false;
    bool shownTimer4_ = false;
    bool created_ = false;
    bool rendering_ = false;
};
