#pragma once

#include <QObject>
#include <QPixmap>
#include <QPointer>

class QAbstractButton;
class QWidget;

namespace velmora {

// A push button that shows a picture instead of its text: the control's caption names its
// bitmap (caption + "U", in any case), and the button takes the bitmap's size and shows it
// in every state.
class CImageButton : public QObject {
public:
    explicit CImageButton(QObject* parent = nullptr) : QObject(parent) {}

    // Attaches to the button whose object name is `controlId` inside `dialog`. False when
    // there is no such button or no such bitmap (the button then keeps its text).
    bool Attach(int controlId, QWidget* dialog);
    bool Attach(QAbstractButton* button);

    QAbstractButton* Button() const { return m_button; }
    const QPixmap& Bitmap() const { return m_bitmap; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QAbstractButton> m_button;
    // The watched button as a plain object: events can come while the button is being
    // destroyed, when it is no longer a button.
    QObject* m_watched = nullptr;
    QPixmap m_bitmap;
};

}  // namespace velmora
