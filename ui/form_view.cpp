#include "form_view.h"

#include "answer_field.h"
#include "control_layout.h"
#include "display_field.h"
#include "form_controls.h"
#include "picture_file.h"
#include "qt_text.h"
#include "surface_overlay.h"
#include "t_shadow_label.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <cmath>

namespace {

// How a Form control is shown on its widget.
enum class BindKind { Field, Memo, Label, Button, Shadow, Group };

BindKind bindKindOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::Field:
        return BindKind::Field;
    case ControlKind::Memo:
    case ControlKind::HintBox:
        return BindKind::Memo;
    case ControlKind::Panel:
        return BindKind::Label;
    case ControlKind::ShadowLabel:
        return BindKind::Shadow;
    case ControlKind::RadioGroup:
        return BindKind::Group;
    case ControlKind::PictureButton:
    case ControlKind::FlatButton:
    case ControlKind::PushButton:
        return BindKind::Button;
    case ControlKind::Backdrop:
    case ControlKind::Surface:
    case ControlKind::Picture:
    case ControlKind::Slider:
        break;
    }
    throw std::logic_error("a Form control on a widget that cannot show it");
}

} // namespace

struct FormView::Binding {
    Control Form::*member;
    QWidget* widget;
    BindKind kind;
    Control shown;
    bool fresh = true;
    // The text of a hidden text field waits until the field is shown.
    bool textPending = false;
};

FormView::FormView(Form& form, const Controls& controls, QWidget& window, PicturePath pictures)
    : form_(form), controls_(controls), window_(window), pictures_(std::move(pictures)) {
    for (const FormControl& c : formControls()) {
        const QString name = QString::fromLatin1(c.name);
        const ControlRow* row = findControlRow(name);
        QWidget* widget = controls.byName.value(name);
        if (row == nullptr || widget == nullptr) {
            throw std::logic_error("no widget for the Form control " + name.toStdString());
        }
        bindings_.push_back(
            std::make_unique<Binding>(Binding{c.member, widget, bindKindOf(row->kind), {}}));
        if (c.member == &Form::Memo1) {
            memo1_ = bindings_.back().get();
        }
    }
}

FormView::~FormView() = default;

void FormView::setTimers(QTimer* timer3, QTimer* timer4) {
    timer3_ = timer3;
    timer4_ = timer4;
}

void FormView::showCheck(QAction* action, bool checked) {
    // Only a set mark is shown: an unmarked entry has no box beside it.
    action->setCheckable(checked);
    action->setChecked(checked);
}

void FormView::copyIn() {
    form_.Memo1.text = typedToCp932(controls_.memo1->toPlainText());
    // What the learner typed is on show already: a render leaves it alone.
    memo1_->shown.text = form_.Memo1.text;
    form_.TrackBar1Position = controls_.trackBar->value();
    shownTrackBar_ = form_.TrackBar1Position;
}

void FormView::renderControl(Binding& b) {
    const Control& c = form_.*(b.member);
    Control& shown = b.shown;
    QWidget* w = b.widget;
    const bool fresh = std::exchange(b.fresh, false);
    if (fresh || c.visible != shown.visible) {
        w->setVisible(c.visible);
    }
    // The time-limit group keeps its own fixed font.
    if (b.kind != BindKind::Group && (fresh || c.font != shown.font)) {
        w->setFont(toQFont(c.font));
    }
    if (b.kind == BindKind::Button || b.kind == BindKind::Group) {
        shown = c;
        return;
    }
    if (b.kind == BindKind::Shadow) {
        auto* l = qobject_cast<TShadowLabel*>(w);
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
            qobject_cast<AnswerField*>(w)->setCentredText(fromCp932(c.text));
        }
    } else if (textChanged) {
        qobject_cast<QLabel*>(w)->setText(fromCp932(c.text));
    }
    shown = c;
}

void FormView::render() {
    if (rendering_) {
        return;
    }
    rendering_ = true;
    // The initialisation scales and centres the window before it reads the
    // settings: a box reporting a bad settings file stands over the window
    // as the learner will see it.
    if (created_ && form_.ScaleRatio != shownScale_) {
        shownScale_ = form_.ScaleRatio;
        applyScale(shownScale_);
    }
    for (auto& b : bindings_) {
        QSignalBlocker block(b->widget);
        renderControl(*b);
    }
    renderWindow();
    rendering_ = false;
}

void FormView::renderWindow() {
    Form& form = form_;
    if (form.Caption != shownCaption_) {
        shownCaption_ = form.Caption;
        window_.setWindowTitle(fromUtf8(form.Caption));
    }
    if (form.Image2Picture != shownPicture_) {
        shownPicture_ = form.Image2Picture;
        const std::string name =
            form.Image2Picture.empty() ? "pictures\\logo.png" : form.Image2Picture;
        // Read past QPixmap's file cache, which would keep every picture of
        // the run once shown; the label holds the one on show.
        controls_.image2->setPixmap(readPixmap(pictures_(name)));
    }
    if (form.surface.revision() != shownSurface_) {
        shownSurface_ = form.surface.revision();
        controls_.overlay->update();
    }
    if (form.TrackBar1Position != shownTrackBar_) {
        shownTrackBar_ = form.TrackBar1Position;
        QSignalBlocker block(controls_.trackBar);
        controls_.trackBar->setValue(form.TrackBar1Position);
    }
    if (form.RadioGroup1ItemIndex != shownRadio_) {
        shownRadio_ = form.RadioGroup1ItemIndex;
        if (QAbstractButton* r = controls_.radioGroup->button(shownRadio_)) {
            QSignalBlocker block(r);
            r->setChecked(true);
        }
    }
    for (const auto& [entry, checked] : form.Checked) {
        auto it = shownChecks_.find(entry);
        if (it == shownChecks_.end() || it->second != checked) {
            shownChecks_[entry] = checked;
            if (QAction* a = actions_ ? actions_->value(QString::fromStdString(entry)) : nullptr) {
                showCheck(a, checked);
            }
        }
    }
    // Timers start or stop only when their flag flips, so a render never
    // restarts a running countdown.
    if (timer3_ && form.Timer3Enabled != shownTimer3_) {
        shownTimer3_ = form.Timer3Enabled;
        form.Timer3Enabled ? timer3_->start() : timer3_->stop();
    }
    if (timer4_ && form.Timer4Enabled != shownTimer4_) {
        shownTimer4_ = form.Timer4Enabled;
        form.Timer4Enabled ? timer4_->start() : timer4_->stop();
    }
    if (created_ && QPoint(form.Left, form.Top) != shownPosition_) {
        shownPosition_ = QPoint(form.Left, form.Top);
        window_.move(shownPosition_);
    }
    controls_.memo1->setInputMethodAllowed(form.Memo1InputMethod);
    const FocusRequest focus = std::exchange(form.focus, FocusRequest::None);
    if (focus == FocusRequest::Memo1) {
        controls_.memo1->setFocus();
    } else if (focus == FocusRequest::Kotakesu) {
        controls_.kotakesu->setFocus();
    }
}

void FormView::applyScale(double ratio) {
    if (ratio == 1.0) {
        return;
    }
    auto scaled = [ratio](int v) { return static_cast<int>(std::lround(v * ratio)); };
    for (const ControlRow& row : controlLayout()) {
        QWidget* w = controls_.byName.value(QString::fromLatin1(row.name));
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
    if (onScaled_) {
        onScaled_(ratio);
    }
}
