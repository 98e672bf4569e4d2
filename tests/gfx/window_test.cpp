#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QCoreApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTranslator>
#include <algorithm>
#include <vector>

#include "gfx/dibgraphicbuffer.h"
#include "gfx/imagebutton.h"
#include "gfx/resourceimages.h"
#include "gfx/screenbuffer.h"
#include "platform/messagebox.h"
#include "platform/resources.h"
#include "tests/support/refimage.h"
#include "ui/kit/qtmessagebox.h"
#include "ui/kit/reporttable.h"

namespace velmora {
namespace {

using test::ExpectMatchesReference;

TEST(DibGraphicBufferTest, RowsArePaddedToFourBytesAndShareThePainterPixels) {
    DibGraphicBuffer b(229, 7);
    EXPECT_EQ(b.Stride(), 460u);  // 458 rounded up to a multiple of 4
    EXPECT_EQ(b.Image().format(), QImage::Format_RGB16);
    EXPECT_FALSE(b.Owns());
    EXPECT_TRUE(b.HasDC());
    b.Fill(0xFFFF);
    const auto* raw = reinterpret_cast<const uint8_t*>(b.Pixels());
    EXPECT_EQ(raw[458], 0xFF);  // the padding too
    EXPECT_EQ(raw[459], 0xFF);

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
    EXPECT_EQ(s.GetBuffer()->Width(), 240u);
    EXPECT_EQ(s.GetBuffer()->Height(), 268u);
    EXPECT_EQ(s.WindowSurface().width(), 240 * s.Scale());
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

TEST(ScreenBufferTest, AScreenIsShownWholeAndCrisp) {
    ScreenWidget widget;
    GraphicBuffer* b = widget.Screen().GetBuffer();
    QImage want(240, 268, QImage::Format_RGB32);
    for (int y = 0; y < 268; ++y) {
        for (int x = 0; x < 240; ++x) {
            b->SetPixel(x, y, (x + y) % 2 ? 0xFFFF : 0x001F);
            want.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 255));
        }
    }
    widget.Screen().Present();
    const QImage shot = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int f = qRound(shot.devicePixelRatio());
    ASSERT_EQ(shot.size(), QSize(240 * f, 268 * f));
    // Every logical pixel is a solid f x f block of its own colour: no smoothing.
    EXPECT_EQ(shot, want.scaled(shot.size()));
}

QByteArray Png(const QImage& img) {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return bytes;
}

TEST(ImageButtonTest, AButtonTakesItsBitmapsSizeAndShowsOnlyTheBitmap) {
    QImage img(46, 18, QImage::Format_RGB888);
    img.fill(QColor(0, 128, 0));
    img.setPixelColor(0, 0, Qt::white);
    static const QByteArray ok = Png(img);
    static const ResourceEntry entry{"BITMAP",
                                     -1,
                                     "OKU",
                                     reinterpret_cast<const uint8_t*>(ok.constData()),
                                     static_cast<size_t>(ok.size()),
                                     46,
                                     18};
    RegisterResources(&entry, 1);
    QDialog dialog;
    auto* button = new QPushButton("OK", &dialog);
    button->setObjectName("1");
    (new QPushButton("Nothing", &dialog))->setObjectName("2");
    CImageButton image(&dialog);
    ASSERT_TRUE(image.Attach(1, &dialog));
    EXPECT_EQ(button->size(), QSize(46, 18));
    EXPECT_EQ(button->grab().toImage().scaled(46, 18).convertToFormat(QImage::Format_RGB888), img);
    CImageButton none(&dialog);
    EXPECT_FALSE(none.Attach(2, &dialog));   // no bitmap "NOTHINGU"
    EXPECT_FALSE(none.Attach(99, &dialog));  // no such control
}

TEST(ResourceImagesTest, ToolbarStripsSplitIntoEqualButtons) {
    QImage strip(30, 16, QImage::Format_RGB888);
    strip.fill(Qt::black);
    for (int i = 0; i < 3; ++i) {
        for (int y = 0; y < 16; ++y) {
            strip.setPixelColor(i * 10 + 5, y, QColor(i * 100, 0, 0));
        }
    }
    const QByteArray bytes = Png(strip);
    SetExtraResource("TOOLBAR", 4133, reinterpret_cast<const uint8_t*>(bytes.constData()),
                     static_cast<size_t>(bytes.size()), 30, 16);
    const auto icons = ToolbarIcons(4133, 3);
    ASSERT_EQ(icons.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(icons[i].pixmap(10, 16).toImage().convertToFormat(QImage::Format_RGB888),
                  strip.copy(i * 10, 0, 10, 16));
    }
    ClearExtraResources();
    EXPECT_EQ(ToolbarIcons(4133, 3).size(), 3u);  // missing: empty icons, no crash
}

TEST(ReportTableTest, RowsKeepKeyOrderAndCarryTheirData) {
    CReportTable table;
    table.SetColumns({{"Start Date", 75}, {"Lenght", 52}});
    EXPECT_EQ(table.columnWidth(0), 75);
    table.AddRow({"b", "2"}, {20, CTime(2000), 1});
    table.AddRow({"a", "1"}, {10, CTime(1000), 0});
    table.AddRow({"c", "3"}, {30, CTime(3000), 2});
    table.AddRow({"b2", "2"}, {20, CTime(2001), 3});  // equal keys keep their arrival order
    ASSERT_EQ(table.RowCount(), 4);
    EXPECT_EQ(table.TextsAt(0), (QStringList{"a", "1"}));
    EXPECT_EQ(table.TextsAt(1).front(), "b");
    EXPECT_EQ(table.TextsAt(2).front(), "b2");
    EXPECT_EQ(table.TextsAt(3).front(), "c");
    CReportTable::Row row;
    EXPECT_FALSE(table.SelectedRow(row));
    table.SelectRow(2);
    ASSERT_TRUE(table.SelectedRow(row));
    EXPECT_EQ(row.key, 20);
    EXPECT_EQ(row.date, CTime(2001));
    EXPECT_EQ(row.slot, 3);

    CReportTable newest;
    for (int k : {2, 9, 5}) {
        newest.AddRow({QString::number(k)}, {k, CTime(k), -1}, true);
    }
    EXPECT_EQ(newest.TextsAt(0).front(), "9");
    EXPECT_EQ(newest.TextsAt(2).front(), "2");
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
    // The pattern, a value nobody translates (the time) and a name.
    PostFilledMessageBox("Reminder at  %1 \n%2", {"09:15", "Pill"}, "Alarm");
    // A whole text without a translation stays as it is.
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
