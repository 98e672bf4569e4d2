#include "app/doctorreportdlg.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/messagebox.h"
#include "reports/doctorreport.h"
#include "ui/kit/fonts.h"

namespace velmora {

CDoctorReportDlg::CDoctorReportDlg(QWidget* parent) : QDialog(parent) {
    setFont(DialogFont());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* about = new QLabel(tr("The report lists the last cycles and the one running now, "
                                "their statistics, the predicted starts, each month's "
                                "temperature and weight, and every day with an entry."),
                             this);
    about->setWordWrap(true);
    layout->addWidget(about);

    auto* choice = new QHBoxLayout;
    auto* label = new QLabel(tr("Cycles:"), this);
    choice->addWidget(label);
    m_cycles = new QComboBox(this);
    m_cycles->setObjectName(QString::number(kReportCyclesId));
    for (int n : kReportCycleChoices) {
        m_cycles->addItem(tr("the last %n", nullptr, n), n);
    }
    m_cycles->setCurrentIndex(1);
    label->setBuddy(m_cycles);
    choice->addWidget(m_cycles, 1);
    layout->addLayout(choice);
    layout->addStretch(1);

    auto* buttons = new QHBoxLayout;
    auto* save = new QPushButton(tr("Save PDF…"), this);
    save->setObjectName(QString::number(kReportSaveId));
    save->setDefault(true);
    save->setAutoDefault(true);
    auto* print = new QPushButton(tr("Print…"), this);
    print->setObjectName(QString::number(kReportPrintId));
    print->setAutoDefault(false);
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QString::number(IDCANCEL));
    close->setAutoDefault(false);
    buttons->addWidget(save);
    buttons->addWidget(print);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, [this] { done(kSave); });
    connect(print, &QPushButton::clicked, this, [this] { done(kPrint); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    m_cycles->setFocus();
}

int CDoctorReportDlg::Cycles() const {
    return m_cycles->currentData().toInt();
}

}  // namespace velmora
