// Every screen of the demo diary against its reference picture: velmora-shots draws the tour of
// all screens on a fixed day, and each picture must match the one kept in app/data/shots.
// `velmora-shots --today 2026-12-06 tests/app/data/shots` (as below: TZ=UTC, LC_ALL=C.UTF-8)
// draws the reference pictures afresh after an intended change of a screen.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

#include "tests/support/refimage.h"

namespace velmora {
namespace {

TEST(ScreenPicturesTest, EveryScreenOfTheDemoDiaryLooksAsItsReferencePicture) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const std::string command = "TZ=UTC LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen '" VELMORA_SHOTS
                                "' --today 2026-12-06 '" +
                                out.path().toStdString() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const QDir references(QStringLiteral(VELMORA_TESTS_SOURCE_DIR "/app/data/shots"));
    const QStringList want = references.entryList({"*.png"}, QDir::Files, QDir::Name);
    const QStringList drawn = QDir(out.path()).entryList({"*.png"}, QDir::Files, QDir::Name);
    // A screen added to the tour needs its reference; one taken out leaves a stale one.
    EXPECT_EQ(drawn, want);
    for (const QString& name : drawn) {
        SCOPED_TRACE(name.toStdString());
        test::ExpectMatchesReference(QImage(out.filePath(name)),
                                     "app/data/shots/" + name.toStdString());
    }
}

}  // namespace
}  // namespace velmora
