#include "ui/kit/okcancel.h"

#include "platform/messagebox.h"

namespace velmora {

OkCancelButtons AddOkCancel(QWidget* dialog, int y, std::array<CImageButton*, 2>& images) {
    auto* ok = new QPushButton("OK", dialog);
    ok->setObjectName(QString::number(IDOK));
    ok->setGeometry(44, y, 46, 18);
    auto* cancel = new QPushButton("Cancel", dialog);
    cancel->setObjectName(QString::number(IDCANCEL));
    cancel->setGeometry(124, y, 72, 17);
    for (QPushButton* b : {ok, cancel}) {
        b->setAutoDefault(false);
    }
    ok->setDefault(true);  // Enter confirms, Escape cancels (the dialog's own keys)
    images[0] = new CImageButton(dialog);
    images[0]->Attach(ok);
    images[1] = new CImageButton(dialog);
    images[1]->Attach(cancel);
    return {ok, cancel};
}

OkCancelButtons AddOkCancelRow(QWidget* parent, QWidget* imageOwner, QHBoxLayout* row,
                               std::array<CImageButton*, 2>& images) {
    auto* ok = new QPushButton("OK", parent);
    ok->setObjectName(QString::number(IDOK));
    auto* cancel = new QPushButton("Cancel", parent);
    cancel->setObjectName(QString::number(IDCANCEL));
    for (QPushButton* b : {ok, cancel}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
    }
    ok->setDefault(true);  // Enter confirms, Escape cancels (the dialog's own keys)
    row->addStretch(1);
    row->addWidget(ok);
    row->addSpacing(16);
    row->addWidget(cancel);
    row->addStretch(1);
    images[0] = new CImageButton(imageOwner);
    images[0]->Attach(ok);
    images[1] = new CImageButton(imageOwner);
    images[1]->Attach(cancel);
    return {ok, cancel};
}

}  // namespace velmora
