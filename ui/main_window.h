#pragma once
// The main window (TTangoCard): renders the Form and forwards every widget
// event to its handler through the dispatcher. No handler touches a widget.

#include "catalogue.h"
#include "drill.h"
#include "editor.h"
#include "form.h"
#include "program_dir.h"
#include "qt_dialogs.h"

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>

class QAction;
class QDialog;
class QMenu;
class QTimer;
class AnswerField;
class SurfaceOverlay;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // `screen` may fix the screen size (tests); the primary screen otherwise.
    explicit MainWindow(const ProgramDir& programDir, std::unique_ptr<Screen> screen = nullptr);
    ~MainWindow() override;

    Drill& drill() { return *drill_; }
    Catalogue& catalogue() { return *catalogue_; }
    Editor& editor() { return *editor_; }
    QtDialogs& dialogs() { return *dialogs_; }

    // A control by its name ("Memo1", "SpdBtnkaitou", ...).
    QWidget* control(const QString& name) const { return controls_.value(name); }
    QAction* menuAction(const QString& itemName) const { return actions_.value(itemName); }
    QMenu* menu(const QString& itemName) const { return menus_.value(itemName); }
    QTimer* timer3() const { return timer3_; }
    QTimer* timer4() const { return timer4_; }
    bool formCreated() const { return formCreated_; }

    // Copies in what the learner edits, runs the handler, renders the Form.
    void handle(const std::function<void()>& handler);
    // Shows the Form as it stands; only what changed is touched.
    void render();
    // The start-up initialisation, once.
    void runFormCreate();

    void setInformationBoxes(QDialog* versionBox, QDialog* aboutBox);

  signals:
    void formCreatedSignal();

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    struct Binding;
    void buildControls();
    void buildMenus();
    void buildMenu(QMenu* parent, const MenuItem& item);
    void bindEvents();
    void copyIn();
    void renderControl(Binding& b);
    void applyScale(double ratio);
    void onMenuOpening(const MenuItem& group);
    void menuCommand(const std::string& handler);
    static void showCheck(QAction* action, bool checked);

    ProgramDir dir_;
    std::unique_ptr<Screen> screen_;
    std::unique_ptr<QtDialogs> dialogs_;
    std::unique_ptr<Sounds> sounds_;
    std::unique_ptr<Drill> drill_;
    std::unique_ptr<Catalogue> catalogue_;
    std::unique_ptr<Editor> editor_;

    QWidget* client_ = nullptr;
    SurfaceOverlay* overlay_ = nullptr;
    AnswerField* memo1_ = nullptr;
    QHash<QString, QWidget*> controls_;
    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;
    std::vector<std::unique_ptr<Binding>> bindings_;
    std::map<std::string, bool> shownChecks_;
    QTimer* timer3_ = nullptr;
    QTimer* timer4_ = nullptr;

    // What the widgets show now, to render only changes.
    std::string shownCaption_;
    std::string shownPicture_ = "\x01";
    unsigned long shownSurface_ = ~0ul;
    double shownScale_ = 1.0;
    QPoint shownPosition_{-1, -1};
    int shownTrackBar_ = -1;
    int shownRadio_ = -1;
    bool shownTimer3_ = false;
    bool shownTimer4_ = false;
    bool formCreated_ = false;
    bool rendering_ = false;
};
