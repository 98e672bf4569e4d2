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
#include "ui/kit/qtmessagebox.h"
#include "ui/kit/reporttable.h"

namespace velmora {
namespace {

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

    // A line drawn through the context lands in the same pixels, one pixel wide, without
    // its last point.
    DrawContext* dc = b.GetDC();
    ASSERT_NE(dc, nullptr);
    dc->painter.setPen(QColor(255, 0, 0));
    dc->painter.drawLine(2, 3, 9, 3);
    b.ReleaseDC(dc);
    EXPECT_EQ(b.GetPixel(2, 3), 0xF800);
    EXPECT_EQ(b.GetPixel(8, 3), 0xF800);
    EXPECT_EQ(b.GetPixel(2, 2), 0xFFFF);
    EXPECT_EQ(b.GetPixel(2, 4), 0xFFFF);
}

TEST(ScreenBufferTest, PresentCopiesTheBufferOrOnlyTheGivenRectangles) {
    QWidget w;
    ScreenBuffer s(&w);
    ASSERT_TRUE(s.IsValid());
    EXPECT_EQ(s.GetBuffer()->Width(), 240u);
    EXPECT_EQ(s.GetBuffer()->Height(), 268u);
    s.GetBuffer()->Fill(0x07E0);
    const Rect rects[] = {{0, 2, 112, 12}, {123, 2, 235, 12}};
    s.PresentRects(rects, 2);
    // A pixel of the screen as the window surface holds it: a whole block of the scale.
    const int n = s.Scale();
    EXPECT_EQ(s.WindowSurface().width(), 240 * n);
    auto shown = [&](int x, int y) {
        const QImage& surface = s.WindowSurface();
        const Pixel first = reinterpret_cast<const Pixel*>(surface.constScanLine(y * n))[x * n];
        for (int dy = 0; dy < n; ++dy) {
            for (int dx = 0; dx < n; ++dx) {
                const auto* row = reinterpret_cast<const Pixel*>(surface.constScanLine(y * n + dy));
                EXPECT_EQ(row[x * n + dx], first) << x << "," << y;
            }
        }
        return first;
    };
    EXPECT_EQ(shown(0, 2), 0x07E0);
    EXPECT_EQ(shown(111, 11), 0x07E0);
    EXPECT_EQ(shown(112, 11), 0);
    EXPECT_EQ(shown(123, 2), 0x07E0);
    EXPECT_EQ(shown(234, 11), 0x07E0);
    EXPECT_EQ(shown(235, 11), 0);
    EXPECT_EQ(shown(5, 12), 0);
    EXPECT_EQ(shown(5, 1), 0);
    s.Present();
    EXPECT_EQ(shown(239, 267), 0x07E0);
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
    for (int y = 0; y < 268; ++y) {
        for (int x = 0; x < 240; ++x) {
            b->SetPixel(x, y, (x + y) % 2 ? 0xFFFF : 0x001F);
        }
    }
    widget.Screen().Present();
    const QImage shot = widget.grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    ASSERT_EQ(shot.width(), qRound(240 * ratio));
    ASSERT_EQ(shot.height(), qRound(268 * ratio));
    const int f = qRound(ratio);
    // Every logical pixel is a solid f x f block of its own colour: no smoothing.
    for (int y = 0; y < 268; y += 17) {
        for (int x = 0; x < 240; x += 13) {
            const QRgb want = (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 255);
            for (int dy = 0; dy < f; ++dy) {
                for (int dx = 0; dx < f; ++dx) {
                    ASSERT_EQ(shot.pixel(x * f + dx, y * f + dy) & 0xFFFFFF, want & 0xFFFFFF)
                        << x << "," << y;
                }
            }
        }
    }
}

QByteArray Png(int w, int h, QColor fill) {
    QImage img(w, h, QImage::Format_RGB888);
    img.fill(fill);
    img.setPixelColor(0, 0, Qt::white);
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return bytes;
}

TEST(ImageButtonTest, AButtonTakesItsBitmapsSizeAndShowsOnlyTheBitmap) {
    const QByteArray ok = Png(46, 18, QColor(0, 128, 0));
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
    auto* other = new QPushButton("Nothing", &dialog);
    other->setObjectName("2");
    CImageButton image(&dialog);
    ASSERT_TRUE(image.Attach(1, &dialog));
    EXPECT_EQ(button->size(), QSize(46, 18));
    const QImage shot = button->grab().toImage().scaled(46, 18);
    EXPECT_EQ(shot.pixelColor(20, 9), QColor(0, 128, 0));
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
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    strip.save(&buf, "PNG");
    SetExtraResource("TOOLBAR", 4133, reinterpret_cast<const uint8_t*>(bytes.constData()),
                     static_cast<size_t>(bytes.size()), 30, 16);
    const auto icons = ToolbarIcons(4133, 3);
    ASSERT_EQ(icons.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const QImage img = icons[i].pixmap(10, 16).toImage();
        EXPECT_EQ(img.size(), QSize(10, 16));
        EXPECT_EQ(img.pixelColor(5, 8), QColor(i * 100, 0, 0));
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


TEST(QtMessageBoxTest, PostedBoxesShowWithoutWaitingAndCloseAtTheEnd) {
    InstallQtMessageBoxes();
    PostMessageBox("Reminder at  09:15 \nPill", "Alarm", MbIcon::Information, MbButtons::Ok,
                   kNoOwner, true);
    PostMessageBox("Reminder at  09:16 \nDate", "Alarm");
    // The boxes come up on the interface thread's next turn; nobody waited for them.
    QCoreApplication::processEvents();
    EXPECT_EQ(OpenPostedMessageBoxes(), 2);
    ClosePostedMessageBoxes();
    QCoreApplication::processEvents();
    EXPECT_EQ(OpenPostedMessageBoxes(), 0);
    SetMessageBoxHandler({});
    SetPostedMessageBoxHandler({});
}

// A translator of a few texts, as a .qm file would give them.
class FewTexts : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        const QString key = QString::fromUtf8(context) + "|" + QString::fromUtf8(source);
        if (key == "Message|Reminder at  %1 \n%2") {
            return QStringLiteral("Напоминание: %1\n%2");
        }
        if (key == "Names|Pill") {
            return QStringLiteral("Таблетка");
        }
        if (key == "Message|Alarm") {
            return QStringLiteral("Будильник");
        }
        return {};
    }
};

TEST(QtMessageBoxTest, ABoxShowsItsPatternAndItsPartsTranslated) {
    FewTexts translator;
    QCoreApplication::installTranslator(&translator);
    InstallQtMessageBoxes();
    // The pattern, a part nobody translates (the time) and a name.
    PostFilledMessageBox("Reminder at  %1 \n%2", {"09:15", "Pill"}, "Alarm");
    // A whole text without a translation stays as it is.
    PostMessageBox("Disk is full!", "Alarm");
    QCoreApplication::processEvents();
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
    QCoreApplication::removeTranslator(&translator);
    SetMessageBoxHandler({});
    SetPostedMessageBoxHandler({});
}

}  // namespace
}  // namespace velmora
