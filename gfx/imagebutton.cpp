#include "gfx/imagebutton.h"

#include <QAbstractButton>
#include <QEvent>
#include <QPainter>

#include "gfx/resourceimages.h"

namespace velmora {

bool CImageButton::Attach(int controlId, QWidget* dialog) {
    if (!dialog) {
        return false;
    }
    return Attach(dialog->findChild<QAbstractButton*>(QString::number(controlId)));
}

bool CImageButton::Attach(QAbstractButton* button) {
    if (!button) {
        return false;
    }
    const QString caption = button->text().remove('&');
    const QImage image = BitmapResource((caption + "U").toUpper().toStdString());
    if (image.isNull()) {
        return false;
    }
    m_button = button;
    m_watched = button;
    // The picture shows, not the text: a mark for whoever lays out or checks texts.
    button->setProperty("velmoraPicture", true);
    connect(button, &QObject::destroyed, this, [this] { m_watched = nullptr; });
    m_bitmap = QPixmap::fromImage(image);
    button->setFixedSize(image.size());
    button->installEventFilter(this);
    button->update();
    return true;
}

bool CImageButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_watched && m_watched && event->type() == QEvent::Paint) {
        // Owner-drawn: the one bitmap, whatever the state.
        QPainter p(m_button);
        p.drawPixmap(0, 0, m_bitmap);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace velmora
