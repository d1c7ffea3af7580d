// The players open late and from a module of their own: the audio stack
// must not be in the process before the first pass, must be there after it,
// and a missing module must only mean silence.

#include "deferred_sounds.h"
#include "process_maps.h"

#include <QObject>
#include <QTemporaryDir>
#include <QTest>

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
    void moduleLoadsAtTheFirstPassOnly() {
        QTemporaryDir dir;
        QObject owner;
        DeferredSounds sounds(&owner, QStringLiteral(POTORAN_SOUNDS_MODULE), wavFiles(dir));
        QVERIFY(!multimediaLoaded());
        QCOMPARE(sounds.state(), DeferredSounds::State::NotLoaded);
        sounds.prepare();
        QCOMPARE(sounds.state(), DeferredSounds::State::Open);
        QVERIFY(multimediaLoaded());
        // Missing WAV files and no audio device: nothing plays, nothing fails.
        sounds.play(Sound::Right);
        sounds.play(Sound::Wrong);
        sounds.prepare();
        QCOMPARE(sounds.state(), DeferredSounds::State::Open);
    }

    void missingModuleMeansSilenceAndIsNotRetried() {
        QTemporaryDir dir;
        QObject owner;
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
