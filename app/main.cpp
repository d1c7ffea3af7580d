// Start-up: the splash window first, painted before the main window is
// built, then the main window and the two information boxes, then the event
// loop. The main window's first activation runs the one-time initialisation,
// which also releases the splash window if losing the activation has not.

#include "about_box.h"
#include "about_box1.h"
#include "classic_look.h"
#include "file_writer.h"
#include "main_window.h"
#include "path_text.h"
#include "picture_file.h"
#include "program_dir.h"
#include "splash_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QPointer>
#include <cstdlib>

int main(int argc, char** argv) {
    // Under a file-size limit any write (ours, or Qt's caches) fails with
    // EFBIG instead of killing the program.
    FileWriter::ignoreFileSizeSignal();
    QApplication app(argc, argv);
    classic::useClassicFonts();
    // The learner's files stay beside a build; an installed program keeps
    // them in the learner's own data folder.
    const ProgramDir files = ProgramDir::locate(toPath(QCoreApplication::applicationDirPath()),
                                                std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    const std::filesystem::path& dir = files.installRoot();

    classic::useJapaneseDialogs();

    QPointer<TSplashWindow> splash = new TSplashWindow(dir);
    splash->showAndPaint();

    // The application name, not the display name, which Qt would append to
    // every caption.
    QApplication::setApplicationName(QStringLiteral("ぽとらん for TOEIC"));
    QApplication::setWindowIcon(
        QIcon(readPixmap(toQString(ProgramDir(dir).resolve("pictures\\icon.png")))));

    MainWindow window(files);
    auto* version = new TAboutBox(dir, &window);
    auto* about = new TAboutBox1(dir, &window);
    window.setInformationBoxes(version, about);
    QObject::connect(&window, &MainWindow::formCreatedSignal, [splash] {
        if (splash) {
            splash->release();
        }
    });
    window.show();
    return app.exec();
}
