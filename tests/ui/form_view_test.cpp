// The form view alone: which widgets it binds and what a render may touch.

#include "answer_field.h"
#include "control_layout.h"
#include "cp932.h"
#include "form_controls.h"
#include "form_view.h"

#include <QLabel>
#include <QSet>
#include <QTest>

class FormViewTest : public QObject {
    Q_OBJECT
    QWidget window;
    Form form;
    Controls controls;
    std::unique_ptr<FormView> view;

  private slots:
    void init() {
        form = Form();
        controls =
            buildControls(&window, form.surface, [](const std::string&) { return QString(); });
        view = std::make_unique<FormView>(form, controls, window,
                                          [](const std::string&) { return QString(); });
        view->render();
    }

    void everyFormControlHasItsWidgetAndEveryFieldItsFormControl() {
        QSet<QString> bound;
        for (const FormControl& c : formControls()) {
            bound.insert(QString::fromLatin1(c.name));
            QVERIFY2(findControlRow(c.name) != nullptr, c.name);
        }
        // A field or memo shows only what the Form gives it.
        for (const ControlRow& row : controlLayout()) {
            if (row.kind == ControlKind::Field || row.kind == ControlKind::Memo ||
                row.kind == ControlKind::HintBox) {
                QVERIFY2(bound.contains(QString::fromLatin1(row.name)), row.name);
            }
        }
    }

    void aRenderNeverWipesTypingNorTouchesWhatDidNotChange() {
        controls.memo1->setPlainText(QStringLiteral("ans"));
        QTextCursor cursor = controls.memo1->textCursor();
        cursor.setPosition(1); // the learner went back to mend a letter
        controls.memo1->setTextCursor(cursor);
        view->copyIn();
        form.tangodisp.text = "apple";
        view->render();
        // Rewritten, the field would lose the learner's cursor (and a
        // conversion under way).
        QCOMPARE(controls.memo1->toPlainText(), QStringLiteral("ans"));
        QCOMPARE(controls.memo1->textCursor().position(), 1);
        QCOMPARE(controls.as<QLabel>("tangodisp")->text(), QStringLiteral("apple"));

        // Unchanged in the Form, so left as the widget has it.
        controls.as<QLabel>("Panel4")->setText(QStringLiteral("x"));
        view->render();
        QCOMPARE(controls.as<QLabel>("Panel4")->text(), QStringLiteral("x"));

        // A handler that empties the answer is shown.
        form.Memo1.text.clear();
        view->render();
        QCOMPARE(controls.memo1->toPlainText(), QString());
    }

    void theTimeLimitGroupKeepsItsOwnFont() {
        form.RadioGroup1.visible = true;
        form.RadioGroup1.font.size = 30;
        view->render();
        QCOMPARE(controls.byName.value("RadioGroup1")->font().pixelSize(), 15);
        QVERIFY(controls.byName.value("RadioGroup1")->isVisibleTo(&window));
    }
};

QTEST_MAIN(FormViewTest)
#include "form_view_test.moc"
