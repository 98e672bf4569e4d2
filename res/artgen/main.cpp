// velmora-artgen OUTDIR              draws everything and writes it, with the manifest, to OUTDIR
// velmora-artgen --sheet RESDIR OUT.png [FILTER]   renders a contact sheet of RESDIR
// velmora-artgen --mock RESDIR OUT.png             sample screens built from RESDIR
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <tuple>

#include "art.h"

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size();
}

int generate(const QString& outDir) {
    artgen::Catalogue cat;
    artgen::makeIcons(cat);
    artgen::makeCells(cat);
    artgen::makeButtons(cat);
    artgen::makeSkins(cat);
    artgen::makeScreens(cat);
    artgen::makeSounds(cat);

    QDir root(outDir);
    for (const char* sub : {"pictures", "bitmaps", "toolbars", "sounds", "icons"}) {
        if (!root.mkpath(sub)) {
            std::fprintf(stderr, "velmora-artgen: cannot create %s/%s\n", qPrintable(outDir), sub);
            return 1;
        }
    }

    // The desktop icon, in the sizes launchers ask for (installed, not compiled in).
    for (int size : {48, 64, 128, 256}) {
        const QString path = root.filePath(QString("icons/velmora-%1.png").arg(size));
        if (!artgen::appIcon(size).save(path)) {
            std::fprintf(stderr, "velmora-artgen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }

    QString manifest;
    QTextStream m(&manifest);
    m << "# Velmora resource manifest, written by velmora-artgen (res/artgen); do not edit by "
         "hand.\n"
      << "# One resource a line: TYPE NAME FILE [WIDTH HEIGHT]\n"
      << "#   TYPE   PCT (picture, stored as RGB565), BITMAP (image button or tab icon),\n"
      << "#          TOOLBAR (tool-bar strip, buttons side by side), WAVE (8-bit mono PCM)\n"
      << "#   NAME   decimal id, or an upper-case bitmap name\n"
      << "#   FILE   relative to res/; PNG files are 8-bit RGB without alpha\n"
      << "#   WIDTH HEIGHT  the picture's size in pixels (not given for WAVE)\n";
    // Listed by kind, then by number or name, whatever order they were drawn in.
    std::vector<artgen::Asset> items = cat.items();
    auto rank = [](const artgen::Asset& a) {
        static const QStringList order = {"PCT", "BITMAP", "TOOLBAR", "WAVE"};
        bool numeric = false;
        const int id = a.name.toInt(&numeric);
        return std::tuple(order.indexOf(a.type), numeric ? 0 : 1, numeric ? id : 0, a.name);
    };
    std::stable_sort(
        items.begin(), items.end(),
        [&](const artgen::Asset& x, const artgen::Asset& y) { return rank(x) < rank(y); });
    QString lastType;
    for (const artgen::Asset& a : items) {
        if (a.type != lastType) {
            m << "\n";
            lastType = a.type;
        }
        const QString path = root.filePath(a.file);
        bool ok;
        if (a.type == "WAVE") {
            ok = writeFile(path, a.bytes);
        } else {
            ok = a.image.save(path, "PNG");
        }
        if (!ok) {
            std::fprintf(stderr, "velmora-artgen: cannot write %s\n", qPrintable(path));
            return 1;
        }
        m << "# " << a.about << "\n" << a.type << " " << a.name << " " << a.file;
        if (a.type != "WAVE")
            m << " " << a.image.width() << " " << a.image.height();
        m << "\n";
    }
    m.flush();
    if (!writeFile(root.filePath("resources.manifest"), manifest.toUtf8())) {
        std::fprintf(stderr, "velmora-artgen: cannot write the manifest\n");
        return 1;
    }
    std::printf("velmora-artgen: %zu resources written to %s\n", cat.items().size(),
                qPrintable(outDir));
    return 0;
}

int usage() {
    std::fprintf(stderr,
                 "usage: velmora-artgen OUTDIR\n"
                 "       velmora-artgen --sheet RESDIR OUT.png [FILTER]\n"
                 "       velmora-artgen --mock RESDIR OUT.png\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // Text needs a font database, which needs a GUI application; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        if (args.size() == 2 && !args[1].startsWith("-"))
            return generate(args[1]);
        if ((args.size() == 4 || args.size() == 5) && args[1] == "--sheet")
            return artgen::renderSheet(args[2], args[3], args.size() == 5 ? args[4] : QString());
        if (args.size() == 4 && args[1] == "--mock")
            return artgen::renderMock(args[2], args[3]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "velmora-artgen: %s\n", e.what());
        return 1;
    }
    return usage();
}
