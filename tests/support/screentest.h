#pragma once

// Screen tests: a stand-in for the main window, and helpers to find controls by id.

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "ui/kit/mainframe.h"

namespace velmora::test {

// A main window for screens under test: remembers every title it was given.
class TestFrame : public QWidget, public IMainFrame {
public:
    TestFrame() { resize(240, 294); }
    void SetTitle(const QString& t) override {
        title = t;
        titles << t;
    }
    QString Title() const override { return title; }
    QWidget* Window() override { return this; }
    void ShowCommandBar(bool) override {}

    QString title = "Calendar View";
    QStringList titles;
};

// The control with numeric id `id` inside `parent` (its object name), or null.
template <class T>
T* Control(QWidget* parent, int id) {
    return parent->findChild<T*>(QString::number(id));
}

// Presses the button with id `id`; false when there is none.
inline bool Press(QWidget* parent, int id) {
    auto* b = Control<QAbstractButton>(parent, id);
    if (!b) {
        return false;
    }
    b->click();
    return true;
}

}  // namespace velmora::test
