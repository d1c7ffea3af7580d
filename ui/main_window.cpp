#include "main_window.h"
#include "path_text.h"

#include "answer_field.h"
#include "backdrop_image.h"
#include "catalogue_table.h"
#include "control_layout.h"
#include "cp932.h"
#include "deferred_sounds.h"
#include "display_field.h"
#include "errors.h"
#include "menu_bar_pictures.h"
#include "picture_file.h"
#include "qt_screen.h"
#include "qt_text.h"
#include "sounds_module.h"
#include "surface_overlay.h"
#include "t_shadow_label.h"
#include "waiting_keys.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <cmath>

namespace {

constexpr int MenuPixels = 12;
constexpr int MinMenuPixels = 10;

// The render of one Form control onto its widget.
enum class BindKind { Field, Memo, Label, Button, Shadow, Group };

QFrame::Shape shapeFor(Bevel b) {
    return b == Bevel::None ? QFrame::NoFrame : QFrame::Panel;
}

// The classic panels: Panel4 a raised inner and a lowered outer bevel,
// henko_panel a single border and a raised inner bevel.
QList<DisplayField::Ring> ringsFor(Bevel b) {
    const QColor light = toQColor(colours::BtnHighlight);
    const QColor shadow = toQColor(colours::BtnShadow);
    const QColor frame = toQColor(colours::WindowFrame);
    if (b == Bevel::RaisedLowered) {
        return {{shadow, light}, {light, shadow}};
    }
    return {{frame, frame}, {light, shadow}};
}

// The sunken 3D border of an edit field in the classic colours: a lowered
// ring of button shadow and highlight around one of dark shadow and light.
void sunken3D(QFrame* f) {
    f->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    QPalette p = f->palette();
    p.setColor(QPalette::Dark, toQColor(colours::BtnShadow));
    p.setColor(QPalette::Light, toQColor(colours::BtnHighlight));
    p.setColor(QPalette::Shadow, toQColor(colours::DkShadow3D));
    p.setColor(QPalette::Midlight, toQColor(colours::Light3D));
    f->setPalette(p);
}

void setColours(QWidget* w, QPalette::ColorRole background, Colour bg, QPalette::ColorRole text,
                Colour fg) {
    QPalette p = w->palette();
    p.setColor(background, toQColor(bg));
    p.setColor(text, toQColor(fg));
    w->setPalette(p);
}

} // namespace

struct MainWindow::Binding {
    Control Form::*member;
    QWidget* widget;
    BindKind kind;
    double fontScale = 1.0;
    Control shown;
    bool fresh = true;
    // The text of a hidden text field waits until the field is shown.
    bool textPending = false;
};

MainWindow::MainWindow(const ProgramDir& programDir, std::unique_ptr<Screen> screen)
    : dir_(programDir), screen_(screen ? std::move(screen) : std::make_unique<QtScreen>()) {
    setObjectName(QStringLiteral("TangoCard"));
    dialogs_ = std::make_unique<QtDialogs>(this, [this] { render(); });
    auto sounds = std::make_unique<DeferredSounds>(
        this, QCoreApplication::applicationDirPath() + u'/' + QLatin1String(SoundsModuleFile),
        std::array{dir_.resolve("seikai.wav"), dir_.resolve("batu.wav"),
                   dir_.resolve("seikai2.wav")});
    sounds->reportMissing = [this](const std::string& name) {
        dialogs_->errorReport(FileOpenError(name).what());
    };
    sounds_ = std::move(sounds);
    drill_ = std::make_unique<Drill>(dir_, *dialogs_, *sounds_, *screen_);
    catalogue_ = std::make_unique<Catalogue>(*drill_);
    editor_ = std::make_unique<Editor>(*drill_);

    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(QIcon(readPixmap(toQString(dir_.resolve("pictures\\icon.png")))));
    buildControls();
    buildMenus();
    bindEvents();

    timer3_ = new QTimer(this);
    timer3_->setInterval(1000);
    timer4_ = new QTimer(this);
    timer4_->setInterval(1000);
    connect(timer3_, &QTimer::timeout, this, [this] { handle([this] { drill_->Panel4Click(); }); });
    connect(timer4_, &QTimer::timeout, this,
            [this] { handle([this] { drill_->Button8Click(); }); });

    render();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    drill_->form.Width = frameGeometry().width();
    drill_->form.Height = frameGeometry().height();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(ClientWidth, ClientHeight);
    client_->setAutoFillBackground(true);
    setColours(client_, QPalette::Window, colours::Navy, QPalette::WindowText, colours::Black);
    setCentralWidget(client_);
    Form& form = drill_->form;

    auto path = [this](const char* name) { return toQString(dir_.resolve(name)); };

    for (const ControlRow& row : controlLayout()) {
        const QString name = QString::fromLatin1(row.name);
        QWidget* parent = *row.parent ? controls_.value(QString::fromLatin1(row.parent)) : client_;
        QWidget* w = nullptr;
        switch (row.kind) {
        case ControlKind::Backdrop:
            w = new BackdropImage(parent, path("pictures\\backdrop.png"));
            break;
        case ControlKind::Surface:
            overlay_ = new SurfaceOverlay(parent, form.surface);
            w = overlay_;
            break;
        case ControlKind::PictureButton:
        case ControlKind::FlatButton: {
            auto* b = new QToolButton(parent);
            b->setIcon(QIcon(readPixmap(path(glyphFor(name).toUtf8().constData()))));
            b->setIconSize(row.kind == ControlKind::FlatButton ? QSize(11, 11) : QSize(40, 30));
            b->setAutoRaise(row.kind == ControlKind::FlatButton);
            b->setFocusPolicy(Qt::NoFocus);
            w = b;
            break;
        }
        case ControlKind::Panel: {
            auto* f = new DisplayField(parent);
            if (row.bevel == Bevel::Raised || row.bevel == Bevel::RaisedLowered) {
                f->setRings(ringsFor(row.bevel));
            } else {
                f->setFrameShape(shapeFor(row.bevel));
                f->setFrameShadow(QFrame::Sunken);
            }
            f->setAlignment(Qt::AlignCenter);
            w = f;
            break;
        }
        case ControlKind::Field: {
            auto* f = new DisplayField(parent);
            f->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            f->setIndent(2);
            w = f;
            break;
        }
        case ControlKind::Picture: {
            auto* l = new QLabel(parent);
            l->setScaledContents(true);
            w = l;
            break;
        }
        case ControlKind::Memo:
        case ControlKind::HintBox: {
            auto* m = new AnswerField(parent);
            if (row.kind == ControlKind::HintBox) {
                m->setFrameStyle(QFrame::NoFrame);
                m->setReadOnly(true);
                QTextOption o;
                o.setWrapMode(QTextOption::WrapAnywhere);
                m->document()->setDefaultTextOption(o);
                m->setFocusPolicy(Qt::NoFocus);
            } else if (row.bevel == Bevel::Sunken3D) {
                sunken3D(m);
            }
            w = m;
            break;
        }
        case ControlKind::RadioGroup: {
            auto* g = new QGroupBox(QStringLiteral("解答時間の設定"), parent);
            auto* layout = new QHBoxLayout(g);
            layout->setContentsMargins(6, 0, 6, 0);
            auto* group = new QButtonGroup(g);
            const char* items[] = {"3秒", "10秒", "20秒", "30秒", "無し"};
            for (int i = 0; i < 5; ++i) {
                auto* r = new QRadioButton(QString::fromUtf8(items[i]), g);
                r->setObjectName(QStringLiteral("RadioGroup1_%1").arg(i));
                group->addButton(r, i);
                layout->addWidget(r);
            }
            group->button(2)->setChecked(true);
            connect(group, &QButtonGroup::idClicked, this,
                    [this](int id) { handle([this, id] { drill_->RadioGroup1Click(id); }); });
            g->setAutoFillBackground(true);
            setColours(g, QPalette::Window, colours::Black, QPalette::WindowText, colours::Silver);
            QFont f(QStringLiteral("IPAPGothic"));
            f.setPixelSize(15);
            g->setFont(f);
            w = g;
            break;
        }
        case ControlKind::PushButton: {
            auto* b = new QPushButton(parent);
            w = b;
            break;
        }
        case ControlKind::ShadowLabel: {
            auto* l = new TShadowLabel(parent);
            l->setAutoSize(false);
            w = l;
            break;
        }
        case ControlKind::Slider: {
            auto* s = new QSlider(Qt::Horizontal, parent);
            s->setRange(10, 30);
            s->setPageStep(5);
            s->setValue(22);
            s->setTickPosition(QSlider::NoTicks);
            s->setFocusPolicy(Qt::NoFocus);
            w = s;
            break;
        }
        }
        w->setObjectName(name);
        w->setGeometry(row.x, row.y, row.w, row.h);
        if (*row.hint) {
            w->setToolTip(QString::fromUtf8(row.hint));
        }
        w->setCursor(row.cursor);
        controls_.insert(name, w);
    }

    // Push buttons with their captions and fonts.
    const std::pair<const char*, const char*> captions[] = {
        {"Henkou", "変更"},      {"Tuika", "追加"},        {"Sakujo", "削除"},
        {"Button2", "ﾀｲﾄﾙ変更"}, {"Button6", "×"},         {"NewMondai", "新規問題作成"},
        {"Hozon", "保存"},       {"kotakesu", "kotakesu"}, {"Kotaefont", "Font 2"},
        {"Button1", "Button1"},  {"change", "change"},     {"SpdBtnClear", "clear"},
        {"Button9", "Button9"},
    };
    for (auto [name, caption] : captions) {
        auto* b = static_cast<QPushButton*>(control(QString::fromLatin1(name)));
        b->setText(QString::fromUtf8(caption));
    }
    static_cast<QPushButton*>(control("kotakesu"))->setAutoDefault(true);
    // The buttons the program clicks itself are out of the learner's reach:
    // Tab, arrows or a click on them would run a handler out of turn. The
    // acknowledgement button still takes the focus the program gives it.
    for (const char* n : {"kotakesu", "Button1", "change", "SpdBtnClear", "Button9"}) {
        control(QString::fromLatin1(n))->setFocusPolicy(Qt::NoFocus);
    }
    control("Button9")->hide();
    memo1_ = static_cast<AnswerField*>(control("Memo1"));
    memo1_->viewport()->setCursor(Qt::ArrowCursor);
    static_cast<AnswerField*>(control("Memo2"))->setReadOnly(true);
    static_cast<AnswerField*>(control("Memo2"))->setFocusPolicy(Qt::NoFocus);

    // The title tile, the title and the footer: gradation from light blue to
    // the label colour, shadow and highlight.
    auto label = [this](const char* name, const char* family, int pixels, Colour colour) {
        auto* l = static_cast<TShadowLabel*>(control(QString::fromLatin1(name)));
        l->setColor(7415561);
        l->setGradation(true);
        l->setGradateVert(true);
        l->setGradationColor(16702650);
        QFont f(QString::fromLatin1(family));
        f.setPixelSize(pixels);
        l->setFont(f);
        l->setFontColor(colour);
        return l;
    };
    TShadowLabel* tile = label("ShadowLabel4", "Liberation Serif", 15, colours::Aqua);
    tile->setLayout(TShadowLabel::tlBottom);
    tile->highlight().setColor(colours::White);
    tile->highlight().setOffsetLeft(-1);
    tile->highlight().setOffsetTop(-1);
    tile->shadow().setColor(colours::Silver);

    TShadowLabel* title = label("ShadowLabel2", "IPAPGothic", 21, colours::White);
    title->setLayout(TShadowLabel::tlCenter);
    title->setWordWrap(true);
    title->highlight().setColor(colours::Black);
    title->highlight().setOffsetLeft(0);
    title->highlight().setOffsetTop(0);
    title->shadow().setColor(colours::Black);

    TShadowLabel* footer = label("ShadowLabel1", "IPAPGothic", 10, 16769992);
    footer->setCaption(QStringLiteral("ぽとらん for TOEIC 英単語 ver.3.0   "));
    footer->setAlignment(TShadowLabel::taRightJustify);
    footer->setLayout(TShadowLabel::tlCenter);
    footer->highlight().setColor(colours::White);
    footer->highlight().setOffsetLeft(0);
    footer->highlight().setOffsetTop(0);
    footer->shadow().setColor(10420224);
    footer->shadow().setOffsetLeft(-1);
    footer->shadow().setOffsetTop(-1);

    // The frames and fixed colours of the panels that hold others.
    for (const char* n : {"Panel1", "Panel2", "Panel7"}) {
        auto* f = static_cast<DisplayField*>(control(n));
        f->setLineWidth(1);
    }
    setColours(control("Panel1"), QPalette::Window, colours::Blue, QPalette::WindowText,
               colours::Black);
    setColours(control("Panel2"), QPalette::Window, colours::White, QPalette::WindowText,
               colours::Black);
    setColours(control("Panel7"), QPalette::Window, 16735067, QPalette::WindowText, colours::Black);

    // Form-driven controls.
    auto bind = [this](const char* name, Control Form::*member, BindKind kind, double scale = 1.0) {
        bindings_.push_back(std::make_unique<Binding>(
            Binding{member, control(QString::fromLatin1(name)), kind, scale, {}, true}));
    };
    bind("Bangodisp", &Form::Bangodisp, BindKind::Field);
    bind("tangodisp", &Form::tangodisp, BindKind::Field);
    bind("imidisp", &Form::imidisp, BindKind::Field);
    bind("imidisp2", &Form::imidisp2, BindKind::Field);
    bind("imidisp3", &Form::imidisp3, BindKind::Field);
    bind("Memo1", &Form::Memo1, BindKind::Memo);
    bind("Memo2", &Form::Memo2, BindKind::Memo);
    bind("Memo3", &Form::Memo3, BindKind::Memo);
    bind("Memo4", &Form::Memo4, BindKind::Memo);
    bind("allmondai", &Form::allmondai, BindKind::Label);
    bind("Panel4", &Form::Panel4, BindKind::Label);
    bind("henko_panel", &Form::henko_panel, BindKind::Label);
    bind("AllCountR_", &Form::AllCountR_, BindKind::Label);
    bind("AllCountW_", &Form::AllCountW_, BindKind::Label);
    bind("tokuten", &Form::tokuten, BindKind::Label);
    bind("ShadowLabel2", &Form::ShadowLabel2, BindKind::Shadow);
    for (const char* n : {"SpdBtnTimer", "SpdBtnhint", "SpdBtnSaku", "Henkou", "Tuika", "Sakujo",
                          "Button2", "NewMondai", "Hozon", "Button6"}) {
        static const std::map<std::string, Control Form::*> members = {
            {"SpdBtnTimer", &Form::SpdBtnTimer},
            {"SpdBtnhint", &Form::SpdBtnhint},
            {"SpdBtnSaku", &Form::SpdBtnSaku},
            {"Henkou", &Form::Henkou},
            {"Tuika", &Form::Tuika},
            {"Sakujo", &Form::Sakujo},
            {"Button2", &Form::Button2},
            {"NewMondai", &Form::NewMondai},
            {"Hozon", &Form::Hozon},
            {"Button6", &Form::Button6}};
        bind(n, members.at(n), BindKind::Button);
    }
    bind("RadioGroup1", &Form::RadioGroup1, BindKind::Group);

    // Stacking: the overlay right above the backdrop, below every control.
    control("Image1")->lower();
    overlay_->stackUnder(control("SpdBtnModoru"));
}

void MainWindow::buildMenu(QMenu* parent, const MenuItem& item) {
    const QString name = QString::fromStdString(item.name);
    const QString caption = QString::fromStdString(item.caption);
    switch (item.kind) {
    case MenuKind::Separator: {
        QAction* s = parent->addSeparator();
        s->setObjectName(name);
        actions_.insert(name, s);
        return;
    }
    case MenuKind::Entry:
    case MenuKind::Command: {
        QAction* a = parent->addAction(caption);
        a->setObjectName(name);
        actions_.insert(name, a);
        const std::string handler = item.handler;
        const std::string entry = item.name;
        connect(a, &QAction::triggered, this, [this, handler, entry, a] {
            handle([this, handler] { menuCommand(handler); });
            // A click never toggles a mark: the Form decides.
            showCheck(a, drill_->form.isChecked(entry));
        });
        return;
    }
    case MenuKind::Menu:
    case MenuKind::Group: {
        QMenu* m = parent->addMenu(caption);
        m->setObjectName(name);
        menus_.insert(name, m);
        actions_.insert(name, m->menuAction());
        if (item.kind == MenuKind::Group) {
            connect(m, &QMenu::aboutToShow, this, [this, &item] { onMenuOpening(item); });
        }
        for (const MenuItem& child : item.children) {
            buildMenu(m, child);
        }
        return;
    }
    }
}

void MainWindow::showCheck(QAction* action, bool checked) {
    // Only a set mark is shown: an unmarked entry has no box beside it.
    action->setCheckable(checked);
    action->setChecked(checked);
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    // The menu font of the classic desktop: every top-level menu fits the bar.
    QFont menuFont(QStringLiteral("IPAPGothic"));
    menuFont.setPixelSize(MenuPixels);
    bar->setFont(menuFont);
    for (const MenuItem& item : ::menuBar()) {
        if (item.kind == MenuKind::Command) {
            QAction* a = bar->addAction(QString::fromStdString(item.caption));
            a->setObjectName(QString::fromStdString(item.name));
            actions_.insert(QString::fromStdString(item.name), a);
            const std::string handler = item.handler;
            connect(a, &QAction::triggered, this,
                    [this, handler] { handle([this, handler] { menuCommand(handler); }); });
            continue;
        }
        auto* m = new QMenu(QString::fromStdString(item.caption), bar);
        bar->addMenu(m);
        m->setObjectName(QString::fromStdString(item.name));
        menus_.insert(QString::fromStdString(item.name), m);
        actions_.insert(QString::fromStdString(item.name), m->menuAction());
        if (item.picture) {
            m->menuAction()->setIcon(
                QIcon(readPixmap(toQString(dir_.resolve("pictures\\toeic_menu.png")))));
        }
        if (item.kind == MenuKind::Group) {
            connect(m, &QMenu::aboutToShow, this, [this, &item] { onMenuOpening(item); });
        }
        for (const MenuItem& child : item.children) {
            buildMenu(m, child);
        }
    }
    showPicturesBesideCaptions(bar);
}

void MainWindow::menuCommand(const std::string& handler) {
    if (handler == "YomikomiClick") {
        editor_->YomikomiClick();
    } else {
        catalogue_->menuClick(handler);
    }
}

void MainWindow::onMenuOpening(const MenuItem& group) {
    // An error while the menu opens is reported once it is open.
    dialogs_->deferErrors(true);
    const std::string handler = group.handler;
    handle([this, handler] { catalogue_->menuClick(handler); });
    dialogs_->deferErrors(false);
}

void MainWindow::bindEvents() {
    auto click = [this](const char* name, std::function<void()> handler) {
        auto* b = qobject_cast<QAbstractButton*>(control(QString::fromLatin1(name)));
        connect(b, &QAbstractButton::clicked, this, [this, handler] { handle(handler); });
    };
    Drill& d = *drill_;
    Catalogue& c = *catalogue_;
    Editor& e = *editor_;
    click("SpdBtnModoru", [&d] { d.SpdBtnModoruClick(); });
    click("SpdBtnSusumeru", [&d] { d.SpdBtnSusumeruClick(); });
    click("SpdBtnkaitou", [&d] { d.SpdBtnkaitouClick(); });
    click("SpdBtnShuryo", [&d] { d.SpdBtnShuryoClick(); });
    click("SpdBtnTojiru", [&c] { c.SpdBtnTojiruClick(); });
    click("SpdBtnColor1", [&c] { c.SpdBtnColor1Click(); });
    click("SpdBtnFont", [&c] { c.SpdBtnFontClick(); });
    click("SpdBtnSaku", [&e] { e.SpdBtnSakuClick(); });
    click("SpdBtnhint", [&d] { d.SpdBtnhintClick(); });
    click("SpdBtnTimer", [&d] { d.SpdBtnTimerClick(); });
    click("SpeedButtonseisekiclear", [&d] { d.SpeedButtonseisekiclearClick(); });
    click("Henkou", [&e] { e.HenkouClick(); });
    click("Tuika", [&e] { e.TuikaClick(); });
    click("Sakujo", [&e] { e.SakujoClick(); });
    click("Button2", [&e] { e.Button2Click(); });
    click("Button6", [&d] { d.Button6Click(); });
    click("NewMondai", [&e] { e.NewMondaiClick(); });
    click("Hozon", [&e] { e.HozonClick(); });
    click("kotakesu", [&d] { d.kotakesuClick(); });
    click("Kotaefont", [&c] { c.KotaefontClick(); });
    click("Button1", [&d] { d.Button1Click(); });
    click("change", [&d] { d.changeClick(); });
    click("SpdBtnClear", [&d] { d.SpdBtnClearClick(); });

    for (const char* n : {"imidisp3", "Bangodisp", "tangodisp", "imidisp", "imidisp2"}) {
        auto* f = static_cast<DisplayField*>(control(QString::fromLatin1(n)));
        connect(f, &DisplayField::pressed, this,
                [this] { handle([this] { drill_->focusmove(); }); });
        connect(f, &DisplayField::doubleClicked, this,
                [this] { handle([this] { catalogue_->SpdBtnColor1Click(); }); });
    }
    auto* panel4 = static_cast<DisplayField*>(control("Panel4"));
    connect(panel4, &DisplayField::clicked, this,
            [this] { handle([this] { drill_->Panel4Click(); }); });
    auto* henko = static_cast<DisplayField*>(control("henko_panel"));
    connect(henko, &DisplayField::clicked, this,
            [this] { handle([this] { drill_->kotakesuClick(); }); });

    auto* memo2 = static_cast<AnswerField*>(control("Memo2"));
    connect(memo2, &AnswerField::pressed, this,
            [this] { handle([this] { drill_->focusmove(); }); });
    connect(memo2, &AnswerField::doubleClicked, this,
            [this] { handle([this] { catalogue_->color2Click(); }); });
    auto* memo3 = static_cast<AnswerField*>(control("Memo3"));
    connect(memo3, &AnswerField::pressed, this,
            [this] { handle([this] { drill_->focusmove(); }); });
    connect(memo1_, &AnswerField::doubleClicked, this,
            [this] { handle([this] { catalogue_->color3Click(); }); });
    new WaitingKeys(
        this, [this] { return drill_->awaitingAcknowledgement(); },
        [this] {
            control("kotakesu")->setFocus();
            handle([this] { drill_->kotakesuClick(); });
        });
    memo1_->keyFilter = [this](const std::string& ch) {
        KeyAction action = KeyAction::Drop;
        handle([this, &ch, &action] { action = drill_->Memo1KeyPress(ch); });
        return action;
    };

    auto* slider = static_cast<QSlider*>(control("TrackBar1"));
    connect(slider, &QSlider::valueChanged, this, [this](int value) {
        if (rendering_) {
            return;
        }
        handle([this, value] {
            drill_->form.TrackBar1Position = value;
            drill_->TrackBar1Change();
        });
    });
}

void MainWindow::copyIn() {
    Form& form = drill_->form;
    form.Memo1.text = typedToCp932(memo1_->toPlainText());
    for (auto& b : bindings_) {
        if (b->member == &Form::Memo1) {
            b->shown.text = form.Memo1.text;
        }
    }
    form.TrackBar1Position = static_cast<QSlider*>(control("TrackBar1"))->value();
    shownTrackBar_ = form.TrackBar1Position;
}

void MainWindow::handle(const std::function<void()>& handler) {
    copyIn();
    drill_->dispatcher().run(handler);
    render();
}

void MainWindow::renderControl(Binding& b) {
    const Control& c = drill_->form.*(b.member);
    Control& shown = b.shown;
    QWidget* w = b.widget;
    const bool fresh = b.fresh;
    b.fresh = false;
    if (fresh || c.visible != shown.visible) {
        w->setVisible(c.visible);
    }
    if (b.kind == BindKind::Button && (fresh || c.font != shown.font)) {
        w->setFont(toQFont(c.font, b.fontScale));
    }
    if (b.kind == BindKind::Button || b.kind == BindKind::Group) {
        shown = c;
        return;
    }
    if (fresh || c.font != shown.font) {
        w->setFont(toQFont(c.font, b.fontScale));
    }
    if (b.kind == BindKind::Shadow) {
        auto* l = static_cast<TShadowLabel*>(w);
        if (fresh || c.text != shown.text || c.font != shown.font) {
            l->setCaption(fromCp932(c.text));
            l->setFontColor(c.font.color);
        }
        shown = c;
        return;
    }
    if (fresh || c.color != shown.color || c.font.color != shown.font.color) {
        if (b.kind == BindKind::Memo) {
            setColours(w, QPalette::Base, c.color, QPalette::Text, c.font.color);
        } else {
            setColours(w, QPalette::Window, c.color, QPalette::WindowText, c.font.color);
        }
    }
    const bool textChanged = fresh || c.text != shown.text;
    if (b.kind == BindKind::Memo) {
        // Laying out text nobody sees (the hint of every question judged)
        // costs time, and font memory for every glyph it measures.
        if (textChanged && !c.visible) {
            b.textPending = true;
        } else if (textChanged || (c.visible && b.textPending)) {
            b.textPending = false;
            static_cast<AnswerField*>(w)->setCentredText(fromCp932(c.text));
        }
    } else if (textChanged) {
        static_cast<QLabel*>(w)->setText(fromCp932(c.text));
    }
    shown = c;
}

void MainWindow::render() {
    if (rendering_) {
        return;
    }
    rendering_ = true;
    Form& form = drill_->form;
    // The initialisation scales and centres the window before it reads the
    // settings: a box reporting a bad settings file stands over the window
    // as the learner will see it.
    if (formCreated_ && form.ScaleRatio != shownScale_) {
        shownScale_ = form.ScaleRatio;
        applyScale(shownScale_);
    }
    for (auto& b : bindings_) {
        QSignalBlocker block(b->widget);
        renderControl(*b);
    }
    if (form.Caption != shownCaption_) {
        shownCaption_ = form.Caption;
        setWindowTitle(fromUtf8(form.Caption));
    }
    if (form.Image2Picture != shownPicture_) {
        shownPicture_ = form.Image2Picture;
        const std::string name =
            form.Image2Picture.empty() ? "pictures\\logo.png" : form.Image2Picture;
        // Read past QPixmap's file cache, which would keep every picture of
        // the run once shown; the label holds the one on show.
        static_cast<QLabel*>(control("Image2"))
            ->setPixmap(readPixmap(toQString(dir_.resolve(name))));
    }
    if (form.surface.revision() != shownSurface_) {
        shownSurface_ = form.surface.revision();
        overlay_->update();
    }
    if (form.TrackBar1Position != shownTrackBar_) {
        shownTrackBar_ = form.TrackBar1Position;
        auto* slider = static_cast<QSlider*>(control("TrackBar1"));
        QSignalBlocker block(slider);
        slider->setValue(form.TrackBar1Position);
    }
    if (form.RadioGroup1ItemIndex != shownRadio_) {
        shownRadio_ = form.RadioGroup1ItemIndex;
        if (auto* r =
                control("RadioGroup1")
                    ->findChild<QRadioButton*>(QStringLiteral("RadioGroup1_%1").arg(shownRadio_))) {
            QSignalBlocker block(r);
            r->setChecked(true);
        }
    }
    for (const auto& [entry, checked] : form.Checked) {
        auto it = shownChecks_.find(entry);
        if (it == shownChecks_.end() || it->second != checked) {
            shownChecks_[entry] = checked;
            if (QAction* a = actions_.value(QString::fromStdString(entry))) {
                showCheck(a, checked);
            }
        }
    }
    // Timers start or stop only when their flag flips, so a render never
    // restarts a running countdown.
    if (form.Timer3Enabled != shownTimer3_) {
        shownTimer3_ = form.Timer3Enabled;
        form.Timer3Enabled ? timer3_->start() : timer3_->stop();
    }
    if (form.Timer4Enabled != shownTimer4_) {
        shownTimer4_ = form.Timer4Enabled;
        form.Timer4Enabled ? timer4_->start() : timer4_->stop();
    }
    if (formCreated_ && QPoint(form.Left, form.Top) != shownPosition_) {
        shownPosition_ = QPoint(form.Left, form.Top);
        move(shownPosition_);
    }
    memo1_->setInputMethodAllowed(form.Memo1InputMethod);
    const FocusRequest focus = std::exchange(form.focus, FocusRequest::None);
    if (focus == FocusRequest::Memo1) {
        memo1_->setFocus();
    } else if (focus == FocusRequest::Kotakesu) {
        control("kotakesu")->setFocus();
    }
    rendering_ = false;
}

void MainWindow::applyScale(double ratio) {
    if (ratio == 1.0) {
        return;
    }
    auto scaled = [ratio](int v) { return static_cast<int>(std::lround(v * ratio)); };
    for (const ControlRow& row : controlLayout()) {
        QWidget* w = control(QString::fromLatin1(row.name));
        w->setGeometry(scaled(row.x), scaled(row.y), scaled(row.w), scaled(row.h));
        QFont f = w->font();
        if (f.pixelSize() > 0) {
            f.setPixelSize(std::max(1, scaled(f.pixelSize())));
            w->setFont(f);
        }
    }
    // The Form's own fonts were scaled by the initialisation; show them again.
    for (auto& b : bindings_) {
        b->fresh = true;
    }
    client_->setFixedSize(scaled(ClientWidth), scaled(ClientHeight));
    // The menu bar shrinks with the window, rounding down, so that all nine
    // menus stay in view instead of behind an overflow button; below 10
    // pixels the Japanese captions would not be legible.
    QFont menuFont = menuBar()->font();
    menuFont.setPixelSize(std::max(MinMenuPixels, static_cast<int>(MenuPixels * ratio)));
    menuBar()->setFont(menuFont);
}

void MainWindow::runFormCreate() {
    if (formCreated_) {
        return;
    }
    formCreated_ = true;
    Form& form = drill_->form;
    form.Width = frameGeometry().width();
    form.Height = frameGeometry().height();
    handle([this] { catalogue_->FormCreate(); });
    emit formCreatedSignal();
}

void MainWindow::setInformationBoxes(QDialog* versionBox, QDialog* aboutBox) {
    dialogs_->setBoxes(versionBox, aboutBox);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        runFormCreate();
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Without a window manager the window may never be activated.
    QTimer::singleShot(0, this, [this] { runFormCreate(); });
}
