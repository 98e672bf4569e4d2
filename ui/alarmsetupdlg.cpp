#include "ui/alarmsetupdlg.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QPushButton>

#include "gfx/imagebutton.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "ui/kit/fonts.h"
#include "ui/kit/mainframe.h"
#include "ui/kit/modal.h"
#include "ui/kit/okcancel.h"
#include "ui/kit/text.h"

namespace velmora {

const char* const kAlarmTypeItems[10] = {
    QT_TRANSLATE_NOOP("Names", "Нет"),       QT_TRANSLATE_NOOP("Names", "Встреча"),
    QT_TRANSLATE_NOOP("Names", "Годовщина"), QT_TRANSLATE_NOOP("Names", "Дата"),
    QT_TRANSLATE_NOOP("Names", "День Р."),   QT_TRANSLATE_NOOP("Names", "Пати"),
    QT_TRANSLATE_NOOP("Names", "Концерт"),   QT_TRANSLATE_NOOP("Names", "Табл."),
    QT_TRANSLATE_NOOP("Names", "Покупки"),   QT_TRANSLATE_NOOP("Names", "Сигн."),
};

namespace {

// The pickers keep the local date and time as plain fields (no zone of Qt's own), so an
// alarm's date is exactly its field's and no daylight rule moves the time shown.
QDateTime PickerValue(CTime t) {
    const LocalTime lt = t.Local();
    return QDateTime(QDate(lt.year, lt.month, lt.day), QTime(lt.hour, lt.minute), Qt::UTC);
}

CTime FromPicker(const QDateTime& v) {
    const QDate d = v.date();
    const QTime t = v.time();
    return CTime(d.year(), d.month(), d.day(), t.hour(), t.minute(), 0, -1);
}

}  // namespace

bool AnyAlarmSet(const CVelmoraMFCDoc& doc) {
    for (uint16_t type : doc.m_alarmType) {
        if (type != 0) {
            return true;
        }
    }
    return false;
}

CAlarmSetupDlg::CAlarmSetupDlg(CVelmoraMFCDoc& doc, QWidget* parent) : QDialog(parent), m_doc(doc) {
    setObjectName(QString::number(kAlarmSetupTemplateId));
    setWindowTitle(tr("Будильники"));
    setFont(DialogFont());
    resize(240, 268);

    auto* typesHeading = new QLabel(tr("Типы будильников"), this);
    typesHeading->setGeometry(18, 10, 100, 18);
    auto* timesHeading = new QLabel(tr("Время срабатывания:"), this);
    timesHeading->setGeometry(122, 10, 116, 18);

    const char* format = AppSettings.TimeFormat == 1 ? "hh:mm AP" : "HH:mm";
    for (size_t i = 0; i < 4; ++i) {
        const int y = 36 + 30 * static_cast<int>(i);
        auto* label = new QLabel(QString::asprintf("%d:", static_cast<int>(i) + 1), this);
        label->setGeometry(8, y + 1, 14, 18);

        auto* type = new QComboBox(this);
        type->setObjectName(QString::number(kAlarmTypeListIds[i]));
        type->setGeometry(22, y, 92, 20);
        for (const char* item : kAlarmTypeItems) {
            type->addItem(TrName(item));
        }
        m_types[i] = type;

        auto* time = new QDateTimeEdit(this);
        time->setObjectName(QString::number(kAlarmTimePickerIds[i]));
        time->setGeometry(120, y, 84, 20);
        time->setTimeSpec(Qt::UTC);
        time->setDisplayFormat(format);
        m_times[i] = time;

        connect(type, &QComboBox::currentIndexChanged, this,
                [time](int index) { time->setEnabled(index > 0); });
    }

    const auto [ok, cancel] = AddOkCancel(this, 170, m_imageButtons);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });

    // The slots as the day holds them; an empty slot starts at 12:00 of the day.
    for (size_t i = 0; i < 4; ++i) {
        const int type = m_doc.m_alarmType[i];
        m_types[i]->setCurrentIndex(type >= 0 && type < 10 ? type : 0);
        if (m_types[i]->currentIndex() == 0) {
            m_doc.m_alarmTime[i] = m_doc.m_date;
        }
        m_times[i]->setEnabled(m_types[i]->currentIndex() != 0);
        m_times[i]->setDateTime(PickerValue(m_doc.m_alarmTime[i]));
    }
}

CAlarmSetupDlg::~CAlarmSetupDlg() {
    // The image buttons go before the buttons they draw, so none watches a button that is
    // being destroyed.
    for (CImageButton*& button : m_imageButtons) {
        delete button;
        button = nullptr;
    }
}

bool CAlarmSetupDlg::Run(CVelmoraMFCDoc& doc, IMainFrame* frame, QWidget* parent) {
    CAlarmSetupDlg dialog(doc, parent ? parent : (frame ? frame->Window() : nullptr));
    // The main window keeps the title of the screen the alarms are set from.
    const QString title = frame ? frame->Title() : QStringLiteral("Будильники");
    return RunModal(dialog, frame, title) == QDialog::Accepted;
}

void CAlarmSetupDlg::OnOK() {
    if (m_closed) {
        return;
    }
    m_closed = true;
    for (size_t i = 0; i < 4; ++i) {
        m_doc.m_alarmType[i] = static_cast<uint16_t>(std::max(m_types[i]->currentIndex(), 0));
        m_doc.m_alarmTime[i] = FromPicker(m_times[i]->dateTime());
    }
    accept();
}

void CAlarmSetupDlg::OnCancel() {
    if (m_closed) {
        return;
    }
    m_closed = true;
    QDialog::reject();
}

void CAlarmSetupDlg::reject() {
    OnCancel();
}

void CAlarmSetupDlg::closeEvent(QCloseEvent* event) {
    // Closing the window keeps what the user set, as OK does.
    OnOK();
    event->accept();
}

}  // namespace velmora
