#include "about_box1.h"
#include "file_bytes.h"
#include "path_text.h"

#include "box_button.h"
#include "classic_look.h"
#include "form_kit.h"
#include "program_dir.h"

#include <QFile>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace {

const QString gothic = QStringLiteral("ＭＳ Ｐゴシック");

QTextEdit* manualField(QWidget* box) {
    auto* memo = new QTextEdit(box);
    memo->setGeometry(8, 16, 577, 241);
    memo->setReadOnly(true);
    memo->setAcceptRichText(false);
    // Lines never break, and each is centred in a page as wide as the view:
    // in Qt's own no-wrap mode the page is only as wide as the text laid out
    // before any line was centred, which leaves every line at the left.
    memo->setWordWrapMode(QTextOption::NoWrap);
    memo->setLineWrapMode(QTextEdit::FixedPixelWidth);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    memo->viewport()->setCursor(Qt::ArrowCursor);
    memo->setFont(classic::font(gothic, 15));
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Base, classic::color(12155995));
    palette.setColor(QPalette::Text, classic::color(colours::White));
    memo->setPalette(palette);
    return memo;
}

void centreEveryLine(QTextEdit* memo) {
    QTextCursor cursor(memo->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(format);
}

} // namespace

QString TAboutBox1::loadManual(const std::filesystem::path& programDir) {
    // Read as a bounded regular file, as every outside file: a FIFO or a
    // device in its place must not stop the window.
    constexpr std::size_t MaxManualBytes = 1u << 20;
    const auto bytes = readFileBytes(ProgramDir(programDir).resolve("manual.txt"), MaxManualBytes);
    if (!bytes) {
        return QStringLiteral("説明書のファイル manual.txt が見つかりません。\n"
                              "プログラムのフォルダーに置いてください。");
    }
    QString text = QString::fromUtf8(bytes->data(), static_cast<qsizetype>(bytes->size()));
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // The file ends with a line break; the last line of the text does not.
    if (text.endsWith(QLatin1Char('\n'))) {
        text.chop(1);
    }
    return text;
}

TAboutBox1::TAboutBox1(const std::filesystem::path& programDir, QWidget* parent)
    : QDialog(parent, boxbutton::dialogFrame()), programDir_(programDir) {
    setWindowTitle(QStringLiteral("このｿﾌﾄについて"));
    setFixedSize(593, 300);
    formkit::classicFace(this, classic::font(gothic, 12), colours::White);

    memo_ = manualField(this);

    ok_ = boxbutton::ok(this, QRect(262, 263, 64, 33));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

QTextEdit* TAboutBox1::memo() {
    if (!manualRead_) {
        manualRead_ = true;
        memo_->setPlainText(loadManual(programDir_));
        centreEveryLine(memo_);
    }
    return memo_;
}

void TAboutBox1::showEvent(QShowEvent* event) {
    // The field is laid out by now: its view has its width.
    if (memo_->lineWrapColumnOrWidth() != memo_->viewport()->width()) {
        memo_->setLineWrapColumnOrWidth(memo_->viewport()->width());
    }
    memo();
    formkit::centreOnScreen(this);
    QDialog::showEvent(event);
    ok_->setFocus();
}
