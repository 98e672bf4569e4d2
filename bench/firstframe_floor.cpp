// The floor for the program's start: a bare Qt Widgets program with a window of the
// calendar's size that ends as soon as its first frame is painted. Everything the real
// program takes beyond this is its own.

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class FirstFrame : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Qt::white);
        if (!painted_) {
            painted_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    }

private:
    bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    FirstFrame window;
    window.resize(240, 320);
    window.show();
    return app.exec();
}
