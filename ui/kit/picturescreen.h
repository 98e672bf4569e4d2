#pragma once

#include <QDialog>
#include <QString>

class QMouseEvent;

namespace velmora {

class IMainFrame;

// A screen drawn as one picture (the charts, the Cycle Bar): a tap anywhere draws it again,
// as the handheld repainted when the stylus lifted, and closing gives the main window the
// title of the screen it returns to.
class CPictureScreenDlg : public QDialog {
public:
    // The main window's title once this screen closes (empty: left to the opener).
    void SetReturnTitle(const QString& title) { m_returnTitle = title; }
    // Composes the screen's picture and shows it.
    virtual void Redraw() = 0;

protected:
    CPictureScreenDlg(IMainFrame* frame, QWidget* parent);

    void mouseReleaseEvent(QMouseEvent* event) override;
    void done(int result) override;

    IMainFrame* const m_frame;  // the main window: its title names this screen and help

private:
    QString m_returnTitle;
};

}  // namespace velmora
