#include "app/aboutdlg.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "gfx/fastbitmap.h"
#include "gfx/pictures.h"
#include "gfx/screenbuffer.h"

namespace velmora {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QString::number(kAboutTemplateId));
    setWindowTitle(tr("О программе"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_screen = new ScreenWidget(this);
    m_screen->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(m_screen);
    ShowPage(kPicAbout1);
    m_page = 1;
}

void CAboutDlg::ShowPage(int picture) {
    ScopedTarget target(m_screen->Screen().GetBuffer());
    CFastBitmap page;
    page.Load(picture, kScreenWidth, kScreenHeight);
    page.Draw(0, 0);
    m_screen->Screen().Present();
}

void CAboutDlg::Tap(int x, int y) {
    if (m_page == 1) {
        if (x > 0 && x < 60 && y > 239 && y < 260) {
            accept();
        } else if (x > 74 && x < 154 && y > 239 && y < 260) {
            ShowPage(kPicAbout2);
            m_page = 0;
        }
    } else if (x > 88 && x < 151 && y > 238 && y < 261) {
        accept();
    }
}

void CAboutDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint p = m_screen->mapFrom(this, event->position().toPoint());
        Tap(p.x(), p.y());
    }
    QDialog::mousePressEvent(event);
}

CMirrorDlg::CMirrorDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QString::number(kMirrorTemplateId));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CMirrorDlg::paintEvent(QPaintEvent*) {
    // A buffer for this paint only, filled with black: the screen is a dark mirror.
    ScreenBuffer screen(this, static_cast<uint32_t>(std::max(width(), 1)),
                        static_cast<uint32_t>(std::max(height(), 1)));
    screen.GetBuffer()->Fill(kBlack);
    screen.CopyToWindow();
    QPainter p(this);
    screen.Paint(p);
}

}  // namespace velmora
