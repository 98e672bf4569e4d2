// The contact sheet: every resource of a manifest on one page, for looking at the set as a
// whole. Backgrounds at 1:1 in the skin table (screens down, skins across), then the
// other screens, then small pictures, bitmaps and tool-bar strips enlarged 3x beside 1:1,
// then the sounds as waveforms.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QTextStream>
#include <QtEndian>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <tuple>

#include "art.h"
#include "canvas.h"
#include "skins.h"

namespace artgen {

namespace {

struct Entry {
    QString type, name, file;
    int w = 0, h = 0;
    QImage image;
    QByteArray bytes;
    QString label() const {
        return w ? QString("%1 %2  %3x%4").arg(type, name).arg(w).arg(h)
                 : QString("%1 %2").arg(type, name);
    }
};

constexpr int kSheetW = 1900;
constexpr int kMargin = 24;
const QColor kSheetBg(0x3A, 0x34, 0x3C);
const QColor kLabel(0xF2, 0xEC, 0xF0);
const QColor kDim(0xB8, 0xAC, 0xB8);

QImage waveform(const QByteArray& wav, QString* info) {
    QImage img = blank(240, 48, QColor(0x24, 0x20, 0x26));
    // Find fmt and data the way the player does.
    int rate = 0, pos = 12;
    QByteArray data;
    while (pos + 8 <= wav.size()) {
        const QByteArray id = wav.mid(pos, 4);
        const int size = int(qFromLittleEndian<quint32>(wav.constData() + pos + 4));
        if (id == "fmt ")
            rate = int(qFromLittleEndian<quint32>(wav.constData() + pos + 12));
        if (id == "data") {
            data = wav.mid(pos + 8, size);
            break;
        }
        pos += 8 + size + (size & 1);
    }
    QPainter p(&img);
    p.setPen(QColor(0x70, 0x60, 0x70));
    p.drawLine(0, 24, 240, 24);
    if (!data.isEmpty()) {
        p.setPen(QColor(0xF0, 0x90, 0xB0));
        const int n = int(data.size());
        for (int x = 0; x < 240; ++x) {
            int lo = 255, hi = 0;
            for (int i = x * n / 240; i < std::max(x * n / 240 + 1, (x + 1) * n / 240); ++i) {
                const int v = uint8_t(data[std::min(i, n - 1)]);
                lo = std::min(lo, v);
                hi = std::max(hi, v);
            }
            p.drawLine(x, 47 - hi * 46 / 255, x, 47 - lo * 46 / 255);
        }
    }
    *info = QString("%1 Hz, %2 samples, %3 ms")
                .arg(rate)
                .arg(data.size())
                .arg(rate ? data.size() * 1000 / rate : 0);
    return img;
}

}  // namespace

int renderSheet(const QString& resDir, const QString& outPng, const QString& filter) {
    QFile mf(QDir(resDir).filePath("resources.manifest"));
    if (!mf.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "velmora-artgen: no manifest in %s\n", qPrintable(resDir));
        return 1;
    }
    std::vector<Entry> entries;
    QTextStream in(&mf);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList f = line.split(' ', Qt::SkipEmptyParts);
        Entry e;
        e.type = f.value(0);
        e.name = f.value(1);
        e.file = f.value(2);
        if (f.size() >= 5) {
            e.w = f[3].toInt();
            e.h = f[4].toInt();
        }
        if (!filter.isEmpty() &&
            !QRegularExpression(filter).match(e.type + " " + e.name).hasMatch())
            continue;
        const QString path = QDir(resDir).filePath(e.file);
        if (e.type == "WAVE") {
            QFile wf(path);
            if (wf.open(QIODevice::ReadOnly))
                e.bytes = wf.readAll();
        } else {
            e.image = QImage(path);
            if (e.image.isNull() || e.image.width() != e.w || e.image.height() != e.h) {
                std::fprintf(stderr, "velmora-artgen: %s does not match its manifest size\n",
                             qPrintable(e.file));
                return 1;
            }
        }
        entries.push_back(std::move(e));
    }

    // Sort into the sheet's sections.
    std::vector<const Entry*> table[6][7];
    std::vector<const Entry*> screens, small, bitmaps, strips, sounds;
    for (const Entry& e : entries) {
        int screen = -1, skin = -1;
        if (e.type == "PCT")
            skinSlot(e.name.toInt(), &screen, &skin);
        if (screen >= 0)
            table[screen][skin].push_back(&e);
        else if (e.type == "PCT" && e.w == 240)
            screens.push_back(&e);
        else if (e.type == "PCT")
            small.push_back(&e);
        else if (e.type == "BITMAP")
            bitmaps.push_back(&e);
        else if (e.type == "TOOLBAR")
            strips.push_back(&e);
        else
            sounds.push_back(&e);
    }

    // Small pictures by family: larger kinds first, then by id.
    std::stable_sort(small.begin(), small.end(), [](const Entry* a, const Entry* b) {
        return std::tuple(-a->w * a->h, a->name.toInt()) <
               std::tuple(-b->w * b->h, b->name.toInt());
    });

    // Lay out twice: once to measure, once to draw.
    QImage sheet;
    int height = 0;
    for (int pass = 0; pass < 2; ++pass) {
        std::unique_ptr<QPainter> pp;
        if (pass == 1) {
            sheet = QImage(kSheetW, height, QImage::Format_RGB32);
            sheet.fill(kSheetBg);
            pp = std::make_unique<QPainter>(&sheet);
            smooth(*pp);
        }
        QPainter* p = pp.get();
        int y = kMargin;
        auto heading = [&](const QString& text) {
            if (p) {
                p->setPen(kLabel);
                p->setFont(sansFont(20, true));
                p->drawText(QPointF(kMargin, y + 20), text);
            }
            y += 34;
        };
        auto label = [&](int x, int yy, const QString& text, int px = 11, QColor c = kLabel) {
            if (p) {
                p->setPen(c);
                p->setFont(sansFont(px, false));
                p->drawText(QPointF(x, yy + px), text);
            }
        };
        auto framed = [&](int x, int yy, const QImage& img, int scale) {
            if (!p)
                return;
            p->setPen(QColor(0x80, 0x78, 0x80));
            p->setBrush(Qt::NoBrush);
            p->drawRect(
                QRectF(x - 1.5, yy - 1.5, img.width() * scale + 2, img.height() * scale + 2));
            p->drawImage(QRect(x, yy, img.width() * scale, img.height() * scale), img);
        };

        if (pass == 0 || p) {
            if (p) {
                p->setPen(kLabel);
                p->setFont(sansFont(26, true));
                p->drawText(QPointF(kMargin, y + 26), "Velmora artwork");
                p->setFont(sansFont(14));
                p->setPen(kDim);
                p->drawText(QPointF(kMargin + 250, y + 26),
                            QString("%1 resources from %2%3")
                                .arg(entries.size())
                                .arg(QDir(resDir).absolutePath())
                                .arg(filter.isEmpty() ? "" : "  (filter: " + filter + ")"));
            }
            y += 46;
        }

        bool anyTable = false;
        for (auto& row : table)
            for (auto& c : row)
                anyTable |= !c.empty();
        if (anyTable) {
            heading("Skins: six backgrounds each (240 x 268, shown 1:1)");
            const int colW = 250, x0 = kMargin + 92;
            for (int s = 0; s < 7; ++s)
                label(x0 + s * colW, y, kSkinNames[s], 15);
            y += 22;
            for (int r = 0; r < 6; ++r) {
                bool any = false;
                for (int s = 0; s < 7; ++s)
                    any |= !table[r][s].empty();
                if (!any)
                    continue;
                label(kMargin, y + 120, kScreenNames[r], 12);
                for (int s = 0; s < 7; ++s) {
                    for (const Entry* e : table[r][s]) {
                        label(x0 + s * colW, y, e->label(), 11, kDim);
                        framed(x0 + s * colW, y + 16, e->image, 1);
                    }
                }
                y += 16 + 268 + 14;
            }
        }

        auto flow = [&](const QString& title, const std::vector<const Entry*>& list, int scale,
                        bool also1to1) {
            if (list.empty())
                return;
            heading(title);
            int x = kMargin, rowH = 0;
            for (const Entry* e : list) {
                const int w = e->w * scale + (also1to1 ? e->w + 12 : 0);
                const int tileW = std::max(w, 150) + 22;
                const int tileH = 16 + e->h * scale + 18;
                if (x + tileW > kSheetW - kMargin) {
                    x = kMargin;
                    y += rowH;
                    rowH = 0;
                }
                label(x, y, e->label(), 11, kDim);
                framed(x, y + 16, e->image, scale);
                if (also1to1)
                    framed(x + e->w * scale + 12, y + 16, e->image, 1);
                x += tileW;
                rowH = std::max(rowH, tileH);
            }
            y += rowH + 8;
        };
        flow("Start picture and About pages (1:1)", screens, 1, false);
        // VELMORA_SHEET_ZOOM enlarges the small pictures further, for close work on icons.
        const int zoom = std::max(3, qEnvironmentVariableIntValue("VELMORA_SHEET_ZOOM"));
        flow(QString("Calendar cells, headers, strips, marks and icons (%1x and 1:1)").arg(zoom),
             small, zoom, true);
        flow("Button bitmaps and tab icons (3x and 1:1)", bitmaps, 3, true);
        flow("Tool-bar strips (3x and 1:1)", strips, 3, true);

        if (!sounds.empty()) {
            heading("Sounds");
            int x = kMargin;
            for (const Entry* e : sounds) {
                if (x + 260 > kSheetW - kMargin) {
                    x = kMargin;
                    y += 90;
                }
                QString info;
                const QImage wf = waveform(e->bytes, &info);
                label(x, y, e->label(), 11, kDim);
                framed(x, y + 16, wf, 1);
                label(x, y + 68, info, 10, kDim);
                x += 270;
            }
            y += 90;
        }
        height = y + kMargin;
    }
    QDir().mkpath(QFileInfo(outPng).absolutePath());
    if (!sheet.save(outPng, "PNG")) {
        std::fprintf(stderr, "velmora-artgen: cannot write %s\n", qPrintable(outPng));
        return 1;
    }
    std::printf("velmora-artgen: contact sheet of %zu resources written to %s\n", entries.size(),
                qPrintable(outPng));
    return 0;
}

}  // namespace artgen

namespace artgen {

namespace {

QImage load(const QString& resDir, const QString& file) {
    return QImage(QDir(resDir).filePath(file)).convertToFormat(QImage::Format_RGB32);
}

// Draws a picture with its top-left colour left out, as the program draws icons.
void keyed(QPainter& p, int x, int y, const QImage& img) {
    const QRgb key = img.pixel(0, 0);
    for (int j = 0; j < img.height(); ++j)
        for (int i = 0; i < img.width(); ++i)
            if (img.pixel(i, j) != key)
                p.fillRect(x + i, y + j, 1, 1, QColor(img.pixel(i, j)));
}

QImage mockCalendar(const QString& dir) {
    QImage img(240, 268, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.drawImage(3, 3, load(dir, "pictures/185.png"));
    // A month starting on a Wednesday: period on 3-7, fertile 14-19, spotting on 24,
    // prediction from 31; a few events.
    const int first = 3;
    for (int d = 1; d <= 31; ++d) {
        const int slot = first + d - 1, c = slot % 7, r = (slot / 7) % 5;
        const int X = 33 * c, Y = 50 * r;
        int cell = 166;
        if (d >= 3 && d <= 7)
            cell = 184;
        else if (d >= 14 && d <= 19)
            cell = 207;
        else if (d == 24)
            cell = 313;
        else if (d >= 31)
            cell = 184;
        p.drawImage(X + 3, Y + 18, load(dir, QString("pictures/%1.png").arg(cell)));
        if (d == 12)
            p.fillRect(X + 2, Y + 18, 18, 12, Qt::white);
        p.setFont(sansFont(9, true));
        p.setPen(d == 12 ? QColor(0x18, 0x60, 0xA8) : Qt::black);
        p.drawText(QRectF(X + 4, Y + 19, 16, 10), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::number(d));
        auto icon = [&](int id, int slotNo) {
            static const int sx[10] = {21, 3, 13, 23, 3, 13, 23, 3, 13, 23};
            static const int sy[10] = {20, 32, 32, 32, 42, 42, 42, 52, 52, 52};
            keyed(p, X + sx[slotNo], Y + sy[slotNo], load(dir, QString("pictures/%1.png").arg(id)));
        };
        if (d == 3 || d == 4)
            icon(230, 0);
        if (d == 5)
            icon(226, 0);
        if (d == 6 || d == 7)
            icon(225, 0);
        if (d == 31)
            icon(251, 0);
        if (d == 4) {
            icon(231, 9);
            icon(227, 6);
            icon(241, 8);
        }
        if (d == 9) {
            icon(240, 1);
            icon(229, 2);
            icon(255, 0);
        }
        if (d == 16) {
            icon(242, 3);
            icon(232, 7);
            icon(254, 0);
        }
        if (d == 21) {
            icon(233, 5);
            icon(244, 4);
        }
    }
    return img;
}

QImage mockCycleBar(const QString& dir, int id) {
    QImage img = load(dir, QString("pictures/%1.png").arg(id));
    QPainter p(&img);
    smooth(p);
    const QImage m = load(dir, "pictures/201.png"), f = load(dir, "pictures/202.png"),
                 o = load(dir, "pictures/203.png");
    for (int i = 1; i <= 28; ++i) {
        const QImage& mark = i <= 5 ? m : (i >= 11 && i <= 16 ? f : o);
        p.drawImage(15, 14 + 8 * (i - 1), mark);
    }
    p.setFont(sansFont(10));
    p.setPen(Qt::black);
    auto label = [&](int i, const QString& t) {
        p.drawText(QPointF(35, 10 + 8 * (i - 1) + 11), t);
    };
    label(1, "Start Menstruation (Sep, 12 2005)");
    label(5, "End Menstruation (Sep, 16 2005)");
    label(11, "Start Ovulation (Sep, 22 2005)");
    label(17, "End Ovulation (Sep, 27 2005)");
    label(29, "End Cycle (Oct, 10 2005)");
    return img;
}

QImage mockTemperature(const QString& dir, int id) {
    QImage img = load(dir, QString("pictures/%1.png").arg(id));
    QPainter p(&img);
    p.setPen(QPen(QColor(0, 0, 255), 2));
    p.drawLine(30, 5, 30, 255);
    p.drawLine(30, 255, 235, 255);
    p.setPen(QPen(Qt::white, 1));
    for (int r = 0; r < 40; ++r)
        p.drawLine(30, 15 + 6 * r, 235, 15 + 6 * r);
    p.setFont(sansFont(12));
    p.setPen(Qt::black);
    p.drawText(QRectF(20, -2, 15, 12), "T");
    for (int r = 0; r < 40; r += 2)
        p.drawText(QRectF(1, 10 + 6 * r, 29, 15), QString::number(38.0 - 0.05 * r, 'f', 2));
    for (int d = 3; d <= 30; d += 3)
        p.drawText(QRectF(24 + 6 * d, 255, 12, 12), QString::number(d));
    QPolygonF line;
    for (int d = 1; d <= 28; ++d) {
        const double v = 36.4 + (d > 14 ? 0.45 : 0) + 0.1 * std::sin(d * 1.7);
        line << QPointF(26 + 6 * d, 255 - 6 * std::round((v - 36) * 20));
    }
    p.setPen(QPen(Qt::red, 1));
    for (const QPointF& q : line)
        p.drawLine(QPointF(q.x(), 255), q);
    p.setPen(QPen(Qt::black, 2));
    p.drawPolyline(line);
    return img;
}

QImage mockHelp(const QString& dir, int id) {
    QImage img = load(dir, QString("pictures/%1.png").arg(id));
    QPainter p(&img);
    smooth(p);
    p.setFont(sansFont(15, true));
    p.setPen(Qt::black);
    p.drawText(QRectF(0, 15, 240, 18), Qt::AlignHCenter, "Cycle Bar");
    const char* lines[] = {
        "This  screen  shows  your  menstrual",   "cycle as a column of small day",
        "cells: the days of menstruation first,", "then the other days of the cycle",
        "up to the next period, with the six",    "fertile days drawn over them.",
        "Beside the column you see the dates",    "on which your period starts and",
        "ends, the cycle ends and the fertile",   "window opens and closes. Use the",
        "arrows to step through your cycles.",    "",
        "Predicted cycles look the same."};
    p.setFont(sansFont(11));
    for (int i = 0; i < 13; ++i)
        p.drawText(QPointF(20, 45 + 15 * i + 11), lines[i]);
    p.setPen(QColor(0, 0, 255));
    QFont u = sansFont(11);
    u.setUnderline(true);
    p.setFont(u);
    p.drawText(QPointF(90, 261), "Contents");
    p.setFont(sansFont(11));
    p.setPen(Qt::black);
    p.drawText(QPointF(155, 261), "Page 4/16");
    return img;
}

}  // namespace

int renderMock(const QString& resDir, const QString& outPng) {
    QImage sheet(8 * 250 + 10, 3 * 278 + 10, QImage::Format_RGB32);
    sheet.fill(kSheetBg);
    QPainter p(&sheet);
    p.drawImage(10, 10, mockCalendar(resDir));
    for (int s = 0; s < 7; ++s) {
        const int x = 10 + (s + 1) * 250;
        p.drawImage(x, 10, mockCycleBar(resDir, kSkinIds[0][s]));
        p.drawImage(x, 288, mockTemperature(resDir, kSkinIds[2][s]));
        p.drawImage(x, 566, mockHelp(resDir, kSkinIds[3][s]));
    }
    if (!sheet.save(outPng, "PNG"))
        return 1;
    // The calendar once more, doubled, for a close look at cells and icons.
    QString big = outPng;
    big.replace(QRegularExpression("\\.png$"), "") += "-calendar-2x.png";
    mockCalendar(resDir).scaled(480, 536).save(big, "PNG");
    std::printf("velmora-artgen: mock screens written to %s and %s\n", qPrintable(outPng),
                qPrintable(big));
    return 0;
}

}  // namespace artgen
