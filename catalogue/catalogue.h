#pragma once
// Start-up and finish, the menus of built-in sets, completion marks and the
// appearance choices, acting on a Drill's Form and DrillState. Handlers keep
// the names of the window events they serve; they throw the runtime failures
// of core, which the window's dispatcher reports.

#include "drill.h"
#include "menu_item.h"
#include "settings_file.h"

#include <initializer_list>
#include <string>

class Catalogue {
  public:
    // Installs the drill's set-completed hook: the entry gets its check mark
    // and is appended to checked.txt (Button9Click); and its answer-colour
    // hook, which reads the colour from the settings held since start-up.
    explicit Catalogue(Drill& drill);
    ~Catalogue();
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;

    // One-time initialisation, run on the main window's first activation.
    // The window fills form.Width/Height (its outer size) first. On a narrow
    // screen (geometry::isNarrow) it leaves form.ScaleRatio, the scaled
    // form.Width/Height and the control font sizes already scaled in the Form;
    // the window scales positions and sizes of its widgets by the ratio and
    // moves itself to form.Left/Top. A second call does nothing.
    void FormCreate();
    bool created() const { return created_; }

    // The finish button: confirm, save font.txt, close the main window.
    void SpdBtnTojiruClick();

    // Menu handlers by name, for every item of the table that has one: a group
    // opening ("K11Click", run when its submenu opens), an entry
    // ("TOEIC5502158Click", when chosen), "K60Click" and "About1Click".
    // Handler name = item name + "Click". Returns false for a name that is
    // not the catalogue's (the user-file item's "YomikomiClick" among them).
    bool menuClick(const std::string& handlerName);
    // What a menu item does, `group` being an entry's submenu. False for an
    // item the catalogue does not run (the user-file item is the editor's).
    bool run(const MenuItem& item, const MenuItem* group);

    void openGroup(const MenuItem& group);
    void chooseEntry(const MenuItem& entry, const MenuItem& group);
    void K60Click();
    void About1Click();

    // Appends the name of LoadedBy to checked.txt; nothing without one.
    void Button9Click();

    // Appearance.
    void SpdBtnColor1Click();
    void color2Click();
    void color3Click();
    void SpdBtnFontClick();
    void KotaefontClick();

  private:
    void setCompleted(const std::string& entry);
    void fitToScreen();
    void centreOnScreen();
    void chooseBackground(std::initializer_list<Control Form::*> fields);
    void helpBox(bool about);

    Drill& drill_;
    bool created_ = false;
    LiveLines liveSettings_;
};
