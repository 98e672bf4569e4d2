#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPainter>
#include <QTranslator>
#include <algorithm>
#include <vector>

#include "gfx/dibgraphicbuffer.h"
#include "gfx/screenbuffer.h"
#include "platform/messagebox.h"
#include "tests/support/refimage.h"
#include "ui/kit/qtmessagebox.h"

namespace velmora {
namespace {

using test::ExpectMatchesReference;

TEST(DibGraphicBufferTest, RowsArePaddedToFourBytesAndShareThePainterPixels) {
    DibGraphicBuffer b(229, 7);
    EXPECT_EQ(b.Stride(), 460u);  // 458 rounded up to a multiple of 4
    b.Fill(0xFFFF);
    const auto* raw = reinterpret_cast<const uint8_t*>(b.Pixels());
    EXPECT_EQ(raw[458] & raw[459], 0xFF);  // the padding too
    // A line drawn through the context lands in the same pixels, one pixel wide (the picture
    // stops short of the line's last point, which the painter draws as it likes).
    DrawContext* dc = b.GetDC();
    ASSERT_NE(dc, nullptr);
    dc->painter.setPen(QColor(255, 0, 0));
    dc->painter.drawLine(2, 3, 9, 3);
    b.ReleaseDC(dc);
    ExpectMatchesReference(b.Image().copy(0, 0, 9, 7), "gfx/data/dib-line.png");
}

// The screen as the window surface holds it, one pixel a screen pixel; every screen pixel
// must be a whole block of the scale.
QImage Shown(const ScreenBuffer& s) {
    const QImage surface = s.WindowSurface().convertToFormat(QImage::Format_RGB32);
    const QImage screen = surface.scaled(240, 268);
    EXPECT_EQ(screen.scaled(surface.size()), surface) << "blocks not whole at " << s.Scale();
    return screen;
}

TEST(ScreenBufferTest, PresentCopiesTheBufferOrOnlyTheGivenRectangles) {
    QWidget w;
    ScreenBuffer s(&w);
    ASSERT_TRUE(s.IsValid());
    s.GetBuffer()->Fill(0x07E0);
    const Rect rects[] = {{0, 2, 112, 12}, {123, 2, 235, 12}};
    s.PresentRects(rects, 2);
    ExpectMatchesReference(Shown(s), "gfx/data/present-rects.png");
    s.Present();
    QImage green(240, 268, QImage::Format_RGB32);
    green.fill(qRgb(0, 255, 0));
    EXPECT_EQ(Shown(s), green);
}

// Text painted on the window lands at the window's resolution: zoomed, it is no block copy.
TEST(ScreenBufferTest, TextOnTheWindowIsDrawnAtTheWindowsResolution) {
    ScreenWidget widget;
    ScreenBuffer& s = widget.Screen();
    s.GetBuffer()->Fill(0xFFFF);
    s.Present();
    {
        QPainter p(&s.WindowSurface());
        p.setPen(Qt::black);
        p.drawLine(10, 10, 200, 60);
        p.drawText(QRect(10, 70, 220, 30), Qt::AlignLeft, QStringLiteral("36.60 Ag"));
    }
    const QImage& surface = s.WindowSurface();
    const int n = s.Scale();
    ASSERT_EQ(surface.size(), QSize(240 * n, 268 * n));
    int finer = 0;
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            finer += surface.pixel(x, y) != surface.pixel(x - x % n, y - y % n);
        }
    }
    EXPECT_EQ(finer > 100, n > 1) << finer << " device pixels finer than the screen's at " << n;
}

// A translator of a few texts, as a .qm file would give them.
class FewTexts : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        const QString key = QString::fromUtf8(context) + "|" + QString::fromUtf8(source);
        return key == "Message|Reminder at  %1 \n%2" ? QStringLiteral("Напоминание: %1\n%2")
               : key == "Names|Pill"                 ? QStringLiteral("Таблетка")
               : key == "Message|Alarm"              ? QStringLiteral("Будильник")
                                                     : QString();
    }
};

TEST(QtMessageBoxTest, PostedBoxesShowTranslatedWithoutWaitingAndCloseAtTheEnd) {
    FewTexts translator;
    QCoreApplication::installTranslator(&translator);
    InstallQtMessageBoxes();
    // The pattern, a value nobody translates (the time) and a name; a whole text without a
    // translation stays as it is.
    PostFilledMessageBox("Reminder at  %1 \n%2", {"09:15", "Pill"}, "Alarm");
    PostMessageBox("Disk is full!", "Alarm", MbIcon::Information, MbButtons::Ok, kNoOwner, true);
    // The boxes come up on the interface thread's next turn; nobody waited for them.
    QCoreApplication::processEvents();
    EXPECT_EQ(OpenPostedMessageBoxes(), 2);
    std::vector<QString> shown;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Будильник"));
            shown.push_back(box->text());
        }
    }
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<QString>{"Disk is full!", "Напоминание: 09:15\nТаблетка"}));
    ClosePostedMessageBoxes();
    QCoreApplication::processEvents();
    EXPECT_EQ(OpenPostedMessageBoxes(), 0);
    QCoreApplication::removeTranslator(&translator);
    SetMessageBoxHandler({});
    SetPostedMessageBoxHandler({});
}

}  // namespace
}  // namespace velmora
