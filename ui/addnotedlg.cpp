#include "ui/addnotedlg.h"

#include <QDateEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gfx/imagebutton.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "store/names.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "ui/dayviewpages.h"
#include "ui/kit/fonts.h"
#include "ui/kit/okcancel.h"
#include "ui/kit/text.h"

namespace velmora {

namespace {

// The date picker shows dates as the rest of the program does.
QString DatePickerFormat() {
    static constexpr const char* kSeparators[3] = {".", "/", "-"};
    const int s = AppSettings.DateSeparator;
    const QString sep = QString::fromLatin1(s >= 0 && s < 3 ? kSeparators[s] : ".");
    return AppSettings.DateFormat == 0 ? "dd" + sep + "MM" + sep + "yyyy"
                                       : "MM" + sep + "dd" + sep + "yyyy";
}

}  // namespace

CAddNoteDlg::CAddNoteDlg(CVelmoraMFCDoc& doc, int kind, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_kind(kind) {
    setObjectName(QString::number(kAddNoteTemplateId));
    setWindowTitle(tr("Добавить запись"));
    setFont(DialogFont());
    resize(240, 268);

    auto* kindLabel =
        new QLabel(TrName(kDiaryTypeItems[kind >= 0 && kind < 6 ? kind + 1 : 0]), this);
    kindLabel->setGeometry(8, 8, 224, 18);
    kindLabel->setFont(ScreenFont(11, {.bold = true}));

    auto* dateLabel = new QLabel(tr("Дата:"), this);
    dateLabel->setGeometry(8, 34, 60, 18);
    m_date = new QDateEdit(this);
    m_date->setObjectName(QString::number(kAddNoteDateId));
    m_date->setGeometry(70, 32, 100, 20);
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(DatePickerFormat());
    // Only the years the program keeps.
    m_date->setDateRange(QDate(FirstYear(), 1, 1), QDate(LastYear(), 12, 31));
    const LocalTime now = Clock::Now().Local();
    m_date->setDate(QDate(now.year, now.month, now.day));

    auto* textLabel = new QLabel(tr("Запись:"), this);
    textLabel->setGeometry(8, 60, 100, 18);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QString::number(kAddNoteTextId));
    m_text->setGeometry(8, 80, 224, 96);
    m_text->setTabChangesFocus(true);
    LimitPlainText(m_text, kTextLimit);

    const auto [ok, cancel] = AddOkCancel(this, 190, m_imageButtons);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });

    m_text->setFocus();
}

CAddNoteDlg::~CAddNoteDlg() {
    // The image buttons go before the buttons they draw, so none watches a button that is
    // being destroyed.
    for (CImageButton*& button : m_imageButtons) {
        delete button;
        button = nullptr;
    }
}

void CAddNoteDlg::OnOK() {
    const QDate chosen = m_date->date();
    const CTime day = CVelmoraMFCDoc::DayAtNoon(chosen.year(), chosen.month(), chosen.day());
    const auto type = static_cast<int16_t>(m_kind + 1);
    const CString text = ToU16(m_text->toPlainText());

    if (!m_doc.OpenDay(day)) {
        m_doc.m_diaryType[0] = type;
        m_doc.m_diaryText[0] = text;
    } else {
        size_t slot = 0;
        while (slot < m_doc.m_diaryType.size() && m_doc.m_diaryType[slot] != 0) {
            ++slot;
        }
        if (slot == m_doc.m_diaryType.size()) {
            ShowMessageBox(
                QT_TRANSLATE_NOOP(
                    "Message",
                    "The maximum number of notes for this day is reached. You are not able to "
                    "enter more than 4 items for a day!"),
                {}, MbIcon::Information);
            accept();
            return;
        }
        m_doc.m_diaryType[slot] = type;
        m_doc.m_diaryText[slot] = text;
    }
    const SaveDayResult saved = m_doc.SaveDay();
    if (saved != SaveDayResult::Saved) {
        // Not stored: the dialog stays with the text, to try again or cancel.
        ShowMessageBox(saved == SaveDayResult::OpenFailed ? kOpenFailedText
                       : saved == SaveDayResult::DeleteFailed
                           ? QT_TRANSLATE_NOOP("Message", "Delete Record Error!")
                           : QT_TRANSLATE_NOOP("Message", "Add Record Error!"));
        return;
    }
    accept();
}

}  // namespace velmora
