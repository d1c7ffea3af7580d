// The players open late and from a module of their own: the audio stack
// must not be in the process before the first pass, must be there after it,
// and a missing module must only mean silence.

#include "deferred_sounds.h"
#include "process_maps.h"

#include <QFile>
#include <QObject>
#include <QTemporaryDir>
#include <QTest>
#include <string>
#include <vector>

namespace {

bool multimediaLoaded() {
    return mappedInThisProcess("libQt6Multimedia");
}

std::array<std::filesystem::path, 3> wavFiles(const QTemporaryDir& dir) {
    const std::filesystem::path d = dir.path().toStdString();
    return {d / "seikai.wav", d / "batu.wav", d / "seikai2.wav"};
}

} // namespace

class SoundsTest : public QObject {
    Q_OBJECT

  private slots:
    void moduleLoadsAtTheFirstPassWithASoundServer() {
        QTemporaryDir dir;
        QObject owner;
        // The server's socket, absent at the first pass and there at the
        // next (a slow login).
        const QString socket = dir.filePath(QStringLiteral("native"));
        qputenv("PULSE_SERVER", "unix:" + socket.toLocal8Bit());
        DeferredSounds sounds(&owner, QStringLiteral(POTORAN_SOUNDS_MODULE), wavFiles(dir));
        QVERIFY(!multimediaLoaded());
        QCOMPARE(sounds.state(), DeferredSounds::State::NotLoaded);
        sounds.prepare();
        sounds.play(Sound::Right);
        QCOMPARE(sounds.state(), DeferredSounds::State::NoServer);
        QVERIFY(!multimediaLoaded());
        QFile(socket).open(QIODevice::WriteOnly);
        sounds.play(Sound::Right);
        QCOMPARE(sounds.state(), DeferredSounds::State::NoServer);
        sounds.prepare();
        QCOMPARE(sounds.state(), DeferredSounds::State::Open);
        QVERIFY(multimediaLoaded());
        // Missing WAV files and no audio device: nothing plays; each missing
        // file is reported once, and playing goes on.
        std::vector<std::string> reported;
        sounds.reportMissing = [&](const std::string& name) { reported.push_back(name); };
        sounds.play(Sound::Right);
        sounds.play(Sound::Wrong);
        sounds.play(Sound::Right);
        sounds.prepare();
        QCOMPARE(sounds.state(), DeferredSounds::State::Open);
        QCOMPARE(reported, (std::vector<std::string>{"seikai.wav", "batu.wav"}));
    }

    void missingModuleMeansSilenceAndIsNotRetried() {
        QTemporaryDir dir;
        QObject owner;
        qputenv("PULSE_SERVER", "unix:" + dir.path().toLocal8Bit());
        DeferredSounds sounds(&owner, dir.filePath(QStringLiteral("potoran_sounds.so")),
                              wavFiles(dir));
        sounds.play(Sound::RightAfterMiss);
        QCOMPARE(sounds.state(), DeferredSounds::State::Unavailable);
        QVERIFY(!sounds.failure().isEmpty());
        const QString first = sounds.failure();
        sounds.prepare();
        sounds.play(Sound::Right);
        QCOMPARE(sounds.failure(), first);
        QVERIFY(owner.children().isEmpty());
    }
};

QTEST_MAIN(SoundsTest)
#include "sounds_test.moc"
