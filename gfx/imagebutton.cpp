#include "gfx/imagebutton.h"

#include <QCoreApplication>

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

namespace {

// What each picture button does, as assistive technology says it (the picture has no text).
struct Action {
    const char* caption;  // the button's caption, upper case, as its picture is named
    const char* words;
};
constexpr Action kActions[] = {
    {"ADD", QT_TRANSLATE_NOOP("velmora::CImageButton", "Add")},
    {"CALCULATE", QT_TRANSLATE_NOOP("velmora::CImageButton", "Calculate")},
    {"CANCEL", QT_TRANSLATE_NOOP("velmora::CImageButton", "Cancel")},
    {"CANCEL1", QT_TRANSLATE_NOOP("velmora::CImageButton", "Cancel")},
    {"DELETEALL", QT_TRANSLATE_NOOP("velmora::CImageButton", "Delete all")},
    {"DELETE ALL", QT_TRANSLATE_NOOP("velmora::CImageButton", "Delete all")},
    {"DELETE", QT_TRANSLATE_NOOP("velmora::CImageButton", "Delete")},
    {"DOWN", QT_TRANSLATE_NOOP("velmora::CImageButton", "Down")},
    {"UP", QT_TRANSLATE_NOOP("velmora::CImageButton", "Up")},
    {"HEIGHT", QT_TRANSLATE_NOOP("velmora::CImageButton", "Ideal height")},
    {"WEIGHT", QT_TRANSLATE_NOOP("velmora::CImageButton", "Ideal weight")},
    {"HELP", QT_TRANSLATE_NOOP("velmora::CImageButton", "Help")},
    {"LEFTSQ", QT_TRANSLATE_NOOP("velmora::CImageButton", "Previous")},
    {"LEFT", QT_TRANSLATE_NOOP("velmora::CImageButton", "Previous")},
    {"RIGHTSQ", QT_TRANSLATE_NOOP("velmora::CImageButton", "Next")},
    {"RIGHT", QT_TRANSLATE_NOOP("velmora::CImageButton", "Next")},
    {"VIEW", QT_TRANSLATE_NOOP("velmora::CImageButton", "View")},
    {"OK", QT_TRANSLATE_NOOP("velmora::CImageButton", "OK")},
};

QString SpokenAction(const QString& caption) {
    const QByteArray key = caption.toUpper().toUtf8();
    for (const Action& action : kActions) {
        if (key == action.caption) {
            return QCoreApplication::translate("velmora::CImageButton", action.words);
        }
    }
    return caption;
}

}  // namespace

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
    if (button->accessibleName().isEmpty()) {
        button->setAccessibleName(SpokenAction(caption));
    }
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
