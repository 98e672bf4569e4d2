#include "ui/kit/picturescreen.h"

#include <QMouseEvent>

#include "ui/kit/mainframe.h"

namespace velmora {

CPictureScreenDlg::CPictureScreenDlg(IMainFrame* frame, QWidget* parent)
    : QDialog(parent), m_frame(frame) {}

void CPictureScreenDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        Redraw();
    }
    QDialog::mouseReleaseEvent(event);
}

void CPictureScreenDlg::done(int result) {
    QDialog::done(result);
    if (m_frame && !m_returnTitle.isEmpty()) {
        m_frame->SetTitle(m_returnTitle);
    }
}

}  // namespace velmora
