#include "control_factory.h"

#include "answer_field.h"
#include "backdrop_image.h"
#include "control_layout.h"
#include "display_field.h"
#include "picture_file.h"
#include "qt_text.h"
#include "surface_overlay.h"
#include "t_shadow_label.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <string_view>

namespace {

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

QWidget* panel(QWidget* parent, const ControlRow& row) {
    auto* f = new DisplayField(parent);
    if (row.bevel == Bevel::Raised || row.bevel == Bevel::RaisedLowered) {
        f->setRings(ringsFor(row.bevel));
    } else {
        f->setFrameShape(row.bevel == Bevel::None ? QFrame::NoFrame : QFrame::Panel);
        f->setFrameShadow(QFrame::Sunken);
        // The panels that hold others have a thin lowered border.
        f->setLineWidth(1);
    }
    f->setAlignment(Qt::AlignCenter);
    return f;
}

QWidget* memo(QWidget* parent, const ControlRow& row) {
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
    return m;
}

QGroupBox* radioGroup(QWidget* parent, const ControlRow& row, QButtonGroup** buttons) {
    auto* g = new QGroupBox(QString::fromUtf8(row.look.caption), parent);
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
    g->setAutoFillBackground(true);
    *buttons = group;
    return g;
}

QWidget* slider(QWidget* parent) {
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setRange(10, 30);
    s->setPageStep(5);
    s->setValue(22);
    s->setTickPosition(QSlider::NoTicks);
    s->setFocusPolicy(Qt::NoFocus);
    return s;
}

// The title tile, the title and the footer: a gradation from light blue to
// the label colour, with shadow and highlight.
struct ShadowStyle {
    const char* name;
    TShadowLabel::TextLayout layout;
    TShadowLabel::Alignment alignment;
    Colour highlight;
    int highlightOffset;
    Colour shadow;
    int shadowOffset;
};

constexpr ShadowStyle ShadowStyles[] = {
    {"ShadowLabel4", TShadowLabel::tlBottom, TShadowLabel::taLeftJustify, colours::White, -1,
     colours::Silver, 1},
    {"ShadowLabel2", TShadowLabel::tlCenter, TShadowLabel::taLeftJustify, colours::Black, 0,
     colours::Black, 1},
    {"ShadowLabel1", TShadowLabel::tlCenter, TShadowLabel::taRightJustify, colours::White, 0,
     10420224, -1},
};

QWidget* shadowLabel(QWidget* parent, const ControlRow& row) {
    auto* l = new TShadowLabel(parent);
    l->setAutoSize(false);
    l->setColor(7415561);
    l->setGradation(true);
    l->setGradateVert(true);
    l->setGradationColor(16702650);
    l->setFontColor(row.look.text);
    if (*row.look.caption) {
        l->setCaption(QString::fromUtf8(row.look.caption));
    }
    for (const ShadowStyle& s : ShadowStyles) {
        if (std::string_view(s.name) == row.name) {
            l->setLayout(s.layout);
            l->setAlignment(s.alignment);
            l->setWordWrap(std::string_view(s.name) == "ShadowLabel2");
            l->highlight().setColor(s.highlight);
            l->highlight().setOffsetLeft(s.highlightOffset);
            l->highlight().setOffsetTop(s.highlightOffset);
            l->shadow().setColor(s.shadow);
            l->shadow().setOffsetLeft(s.shadowOffset);
            l->shadow().setOffsetTop(s.shadowOffset);
        }
    }
    return l;
}

QWidget* create(const ControlRow& row, QWidget* parent, Controls& c, Surface& surface,
                const PicturePath& pictures) {
    switch (row.kind) {
    case ControlKind::Backdrop:
        return new BackdropImage(parent, pictures("pictures\\backdrop.png"));
    case ControlKind::Surface:
        c.overlay = new SurfaceOverlay(parent, surface);
        return c.overlay;
    case ControlKind::PictureButton:
    case ControlKind::FlatButton: {
        auto* b = new QToolButton(parent);
        b->setIcon(QIcon(readPixmap(pictures(row.look.picture))));
        b->setIconSize(row.kind == ControlKind::FlatButton ? QSize(11, 11) : QSize(40, 30));
        b->setAutoRaise(row.kind == ControlKind::FlatButton);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    }
    case ControlKind::Panel:
        return panel(parent, row);
    case ControlKind::Field: {
        auto* f = new DisplayField(parent);
        f->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        f->setIndent(2);
        return f;
    }
    case ControlKind::Picture: {
        auto* l = new QLabel(parent);
        l->setScaledContents(true);
        return l;
    }
    case ControlKind::Memo:
    case ControlKind::HintBox:
        return memo(parent, row);
    case ControlKind::RadioGroup:
        return radioGroup(parent, row, &c.radioGroup);
    case ControlKind::PushButton:
        return new QPushButton(QString::fromUtf8(row.look.caption), parent);
    case ControlKind::ShadowLabel:
        return shadowLabel(parent, row);
    case ControlKind::Slider:
        return slider(parent);
    }
    throw std::logic_error("unknown control kind");
}

} // namespace

Controls buildControls(QWidget* client, Surface& surface, const PicturePath& pictures) {
    Controls c;
    for (const ControlRow& row : controlLayout()) {
        const QString name = QString::fromLatin1(row.name);
        QWidget* parent = *row.parent ? c.byName.value(QString::fromLatin1(row.parent)) : client;
        QWidget* w = create(row, parent, c, surface, pictures);
        w->setObjectName(name);
        w->setGeometry(row.x, row.y, row.w, row.h);
        if (*row.hint) {
            w->setToolTip(QString::fromUtf8(row.hint));
        }
        w->setCursor(row.cursor);
        if (row.reach == Reach::ProgramOnly) {
            w->setFocusPolicy(Qt::NoFocus);
        }
        if (row.look.family != nullptr) {
            QFont f(QString::fromLatin1(row.look.family));
            f.setPixelSize(row.look.pixels);
            w->setFont(f);
        }
        if (row.look.background) {
            setColours(w, QPalette::Window, *row.look.background, QPalette::WindowText,
                       row.look.text);
        }
        c.byName.insert(name, w);
    }
    c.memo1 = c.as<AnswerField>("Memo1");
    c.trackBar = c.as<QSlider>("TrackBar1");
    c.kotakesu = c.as<QPushButton>("kotakesu");
    c.image2 = c.as<QLabel>("Image2");
    c.kotakesu->setAutoDefault(true);
    c.byName.value("Button9")->hide();
    c.memo1->viewport()->setCursor(Qt::ArrowCursor);
    auto* memo2 = c.as<AnswerField>("Memo2");
    memo2->setReadOnly(true);
    memo2->setFocusPolicy(Qt::NoFocus);
    // The overlay right above the backdrop, below every control.
    c.byName.value("Image1")->lower();
    c.overlay->stackUnder(c.byName.value("SpdBtnModoru"));
    return c;
}
