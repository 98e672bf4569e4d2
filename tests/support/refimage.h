// Comparison of a drawn picture with a reference picture kept beside its test.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <cstdlib>
#include <string>

namespace velmora::test {

// Compares `shown` with the picture tests/<relative> (a path such as "app/data/month.png").
// With VELMORA_WRITE_REFERENCE=1 in the environment it writes the picture afresh instead. A
// difference fails the test and leaves two pictures in the temporary folder, named in the
// failure: <name>-actual.png, as drawn, and <name>-diff.png, the differing pixels in red.
inline void ExpectMatchesReference(const QImage& drawn, const std::string& relative) {
    const QString path =
        QStringLiteral(VELMORA_TESTS_SOURCE_DIR "/") + QString::fromStdString(relative);
    const QImage shown = drawn.convertToFormat(QImage::Format_RGB32);
    if (std::getenv("VELMORA_WRITE_REFERENCE") != nullptr) {
        ASSERT_TRUE(shown.save(path)) << "cannot write " << relative;
        return;
    }
    const QImage want = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(want.isNull()) << "no reference picture " << relative
                                << " (VELMORA_WRITE_REFERENCE=1 writes it)";
    const QString out = QDir::temp().filePath(QFileInfo(path).completeBaseName());
    if (shown.size() != want.size()) {
        shown.save(out + "-actual.png");
        ADD_FAILURE() << relative << " is " << want.width() << "x" << want.height() << ", drawn "
                      << shown.width() << "x" << shown.height() << "; see " << out.toStdString()
                      << "-actual.png";
        return;
    }
    QImage diff(want.size(), QImage::Format_RGB32);
    int differ = 0;
    for (int y = 0; y < want.height(); ++y) {
        for (int x = 0; x < want.width(); ++x) {
            const bool same = shown.pixel(x, y) == want.pixel(x, y);
            differ += !same;
            diff.setPixel(x, y, same ? qRgb(255, 255, 255) : qRgb(255, 0, 0));
        }
    }
    if (differ != 0) {
        shown.save(out + "-actual.png");
        diff.save(out + "-diff.png");
        ADD_FAILURE() << differ << " pixels differ from " << relative << "; see "
                      << out.toStdString() << "-actual.png and -diff.png";
    }
}

}  // namespace velmora::test
