#include "main_window.h"
#include "path_text.h"

#include "answer_field.h"
#include "control_layout.h"
#include "deferred_sounds.h"
#include "display_field.h"
#include "errors.h"
#include "picture_file.h"
#include "qt_screen.h"
#include "qt_text.h"
#include "sounds_module.h"
#include "waiting_keys.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <cmath>

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
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(ClientWidth, ClientHeight);
    client_->setAutoFillBackground(true);
    QPalette navy = client_->palette();
    navy.setColor(QPalette::Window, toQColor(colours::Navy));
    client_->setPalette(navy);
    setCentralWidget(client_);
    auto path = [this](const std::string& name) { return toQString(dir_.resolve(name)); };
    controls_ = buildControls(client_, drill_->form.surface, path);
    view_ = std::make_unique<FormView>(drill_->form, controls_, *this, path);
    menus_ = buildMenuBar(menuBar(), path("pictures\\toeic_menu.png"),
                          {[this](const MenuItem& item, const MenuItem* group, QAction* action) {
                               handle([this, &item, group] { runMenuItem(item, group); });
                               // A click never toggles a mark: the Form decides.
                               FormView::showCheck(action, drill_->form.isChecked(item.name));
                           },
                           [this](const MenuItem& group) { onMenuOpening(group); }});
    view_->setMenuActions(&menus_.actions);
    view_->setOnScaled([this](double ratio) {
        auto scaled = [ratio](int v) { return static_cast<int>(std::lround(v * ratio)); };
        client_->setFixedSize(scaled(ClientWidth), scaled(ClientHeight));
        scaleMenuBar(menuBar(), ratio);
    });
    bindEvents();

    timer3_ = new QTimer(this);
    timer3_->setInterval(1000);
    timer4_ = new QTimer(this);
    timer4_->setInterval(1000);
    connect(timer3_, &QTimer::timeout, this, [this] { handle([this] { drill_->Panel4Click(); }); });
    connect(timer4_, &QTimer::timeout, this,
            [this] { handle([this] { drill_->Button8Click(); }); });

    view_->setTimers(timer3_, timer4_);
    render();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    drill_->form.Width = frameGeometry().width();
    drill_->form.Height = frameGeometry().height();
}

MainWindow::~MainWindow() = default;

void MainWindow::bindEvents() {
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
        auto* f = controls_.as<DisplayField>(QString::fromLatin1(n));
        connect(f, &DisplayField::pressed, this,
                [this] { handle([this] { drill_->focusmove(); }); });
        connect(f, &DisplayField::doubleClicked, this,
                [this] { handle([this] { catalogue_->SpdBtnColor1Click(); }); });
    }
    auto* panel4 = controls_.as<DisplayField>("Panel4");
    connect(panel4, &DisplayField::clicked, this,
            [this] { handle([this] { drill_->Panel4Click(); }); });
    auto* henko = controls_.as<DisplayField>("henko_panel");
    connect(henko, &DisplayField::clicked, this,
            [this] { handle([this] { drill_->kotakesuClick(); }); });

    auto* memo2 = controls_.as<AnswerField>("Memo2");
    connect(memo2, &AnswerField::pressed, this,
            [this] { handle([this] { drill_->focusmove(); }); });
    connect(memo2, &AnswerField::doubleClicked, this,
            [this] { handle([this] { catalogue_->color2Click(); }); });
    auto* memo3 = controls_.as<AnswerField>("Memo3");
    connect(memo3, &AnswerField::pressed, this,
            [this] { handle([this] { drill_->focusmove(); }); });
    connect(controls_.memo1, &AnswerField::doubleClicked, this,
            [this] { handle([this] { catalogue_->color3Click(); }); });
    new WaitingKeys(
        this, [this] { return drill_->awaitingAcknowledgement(); },
        [this] {
            controls_.kotakesu->setFocus();
            handle([this] { drill_->kotakesuClick(); });
        });
    controls_.memo1->keyFilter = [this](const std::string& ch) {
        KeyAction action = KeyAction::Drop;
        handle([this, &ch, &action] { action = drill_->Memo1KeyPress(ch); });
        return action;
    };

    connect(controls_.trackBar, &QSlider::valueChanged, this, [this](int value) {
        if (view_->rendering()) {
            return;
        }
        handle([this, value] {
            drill_->form.TrackBar1Position = value;
            drill_->TrackBar1Change();
        });
    });
    connect(controls_.radioGroup, &QButtonGroup::idClicked, this,
            [this](int id) { handle([this, id] { drill_->RadioGroup1Click(id); }); });
}

void MainWindow::click(const char* name, std::function<void()> handler) {
    auto* b = controls_.as<QAbstractButton>(QString::fromLatin1(name));
    connect(b, &QAbstractButton::clicked, this, [this, handler] { handle(handler); });
}

void MainWindow::runMenuItem(const MenuItem& item, const MenuItem* group) {
    if (item.command == MenuCommand::UserFile) {
        editor_->YomikomiClick();
    } else {
        catalogue_->run(item, group);
    }
}

void MainWindow::onMenuOpening(const MenuItem& group) {
    // An error while the menu opens is reported once it is open.
    dialogs_->deferErrors(true);
    handle([this, &group] { catalogue_->run(group, nullptr); });
    dialogs_->deferErrors(false);
}

void MainWindow::handle(const std::function<void()>& handler) {
    view_->copyIn();
    drill_->dispatcher().run(handler);
    render();
}

void MainWindow::render() {
    view_->render();
}

void MainWindow::runFormCreate() {
    if (formCreated_) {
        return;
    }
    formCreated_ = true;
    view_->setCreated();
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
