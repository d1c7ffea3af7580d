#pragma once
// The main window (TTangoCard): renders the Form and forwards every widget
// event to its handler through the dispatcher. No handler touches a widget.

#include "catalogue.h"
#include "control_factory.h"
#include "drill.h"
#include "editor.h"
#include "form.h"
#include "form_view.h"
#include "menu_builder.h"
#include "program_dir.h"
#include "qt_dialogs.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QDialog;
class QMenu;
class QTimer;

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
    QWidget* control(const QString& name) const { return controls_.byName.value(name); }
    QAction* menuAction(const QString& itemName) const { return menus_.actions.value(itemName); }
    QMenu* menu(const QString& itemName) const { return menus_.menus.value(itemName); }
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
    void bindEvents();
    void runMenuItem(const MenuItem& item, const MenuItem* group);
    void onMenuOpening(const MenuItem& group);
    void click(const char* name, std::function<void()> handler);

    ProgramDir dir_;
    std::unique_ptr<Screen> screen_;
    std::unique_ptr<QtDialogs> dialogs_;
    std::unique_ptr<Sounds> sounds_;
    std::unique_ptr<Drill> drill_;
    std::unique_ptr<Catalogue> catalogue_;
    std::unique_ptr<Editor> editor_;

    QWidget* client_ = nullptr;
    Controls controls_;
    MenuWidgets menus_;
    std::unique_ptr<FormView> view_;
    QTimer* timer3_ = nullptr;
    QTimer* timer4_ = nullptr;
    bool formCreated_ = false;
};
