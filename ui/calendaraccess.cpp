#include "ui/calendaraccess.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

#include "platform/calendar.h"
#include "ui/calendarview.h"
#include "ui/kit/mainframe.h"

namespace velmora {

namespace {

// One day of the shown month.
class DayAccessible : public QAccessibleInterface {
public:
    DayAccessible(CVelmoraMFCView* view, int day) : m_view(view), m_day(day) {}

    bool isValid() const override {
        return m_view && m_day <= DaysInMonth(SelectedYear(), SelectedMonth());
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return m_view ? QAccessible::queryAccessibleInterface(m_view) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && m_view ? m_view->DescribeDay(m_day) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!m_view) {
            return {};
        }
        const Rect c = CalendarCellOf(m_day, m_view->ShownMonth());
        return {m_view->mapToGlobal(QPoint(c.left, c.top)),
                QSize(c.right - c.left, c.bottom - c.top)};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        s.selectable = true;
        const bool current = m_view && m_view->CursorDay() == m_day;
        s.selected = current;
        s.focused = current && m_view->hasFocus();
        return s;
    }

private:
    QPointer<CVelmoraMFCView> m_view;
    int m_day;
};

// The calendar: its days as children, the keyboard's day the focused one.
class CalendarAccessible : public QAccessibleWidget {
public:
    explicit CalendarAccessible(CVelmoraMFCView* view)
        : QAccessibleWidget(view, QAccessible::List), m_days(31, 0) {}
    ~CalendarAccessible() override {
        for (QAccessible::Id id : m_days) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    CVelmoraMFCView* View() const { return static_cast<CVelmoraMFCView*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return View()->DescribeMonth();
        }
        return QAccessibleWidget::text(t);
    }
    int childCount() const override {
        return View()->IsStarted() ? DaysInMonth(SelectedYear(), SelectedMonth()) : 0;
    }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        auto& id = m_days[static_cast<size_t>(index)];
        if (id == 0) {
            // Kept by Qt's cache of interfaces, one per day, for the calendar's life.
            id = QAccessible::registerAccessibleInterface(new DayAccessible(View(), index + 1));
        }
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (m_days[static_cast<size_t>(i)] != 0 &&
                QAccessible::accessibleInterface(m_days[static_cast<size_t>(i)]) == child) {
                return i;
            }
        }
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        return View()->hasFocus() ? child(View()->CursorDay() - 1) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = View()->mapFromGlobal(QPoint(x, y));
        const int day = View()->DayAt(at.x(), at.y());
        return day > 0 ? child(day - 1) : nullptr;
    }

private:
    mutable std::vector<QAccessible::Id> m_days;
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String("velmora::CVelmoraMFCView") && object &&
        object->isWidgetType()) {
        return new CalendarAccessible(static_cast<CVelmoraMFCView*>(object));
    }
    return nullptr;
}

}  // namespace

void InstallCalendarAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

}  // namespace velmora
