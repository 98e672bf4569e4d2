#include "ui/mydiarydlg.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "gfx/imagebutton.h"
#include "platform/messagebox.h"
#include "store/names.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "ui/addnotedlg.h"
#include "ui/dayviewdlg.h"
#include "ui/dayviewpages.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/fonts.h"
#include "ui/kit/help.h"
#include "ui/kit/keys.h"
#include "ui/kit/mainframe.h"
#include "ui/kit/modal.h"
#include "ui/kit/reporttable.h"
#include "ui/kit/text.h"
#include "ui/kit/titles.h"

namespace velmora {

namespace {

constexpr const char* kNoSelection =
    QT_TRANSLATE_NOOP("Message", "You should select an item from the list!");

int ClampKind(int kind) {
    return kind >= 0 && kind < kDiaryKindCount ? kind : 0;
}

void ReportSaveFailure(SaveDayResult result) {
    ShowMessageBox(result == SaveDayResult::OpenFailed ? kOpenFailedText
                   : result == SaveDayResult::DeleteFailed
                       ? QT_TRANSLATE_NOOP("Message", "Delete Record Error!")
                       : QT_TRANSLATE_NOOP("Message", "Add Record Error!"));
}

}  // namespace

CMyDiaryDlg::CMyDiaryDlg(CVelmoraMFCDoc& doc, IMainFrame* frame, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_frame(frame) {
    setObjectName(QString::number(kMyDiaryTemplateId));
    setWindowTitle(tr("Мой дневник"));
    setFont(DialogFont());
    AddHelpKey(this, [this] { OnHelp(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* area = new QWidget(this);
    area->setFixedSize(240, 268);
    layout->addWidget(area, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addStretch(1);

    m_kinds = new QComboBox(area);
    m_kinds->setObjectName(QString::number(kMyDiaryKindId));
    m_kinds->setGeometry(4, 4, 120, 20);
    for (int kind = 1; kind <= kDiaryKindCount; ++kind) {
        m_kinds->addItem(TrName(kDiaryTypeItems[kind]));
    }

    m_list = new CReportTable(area);
    m_list->setObjectName(QString::number(kMyDiaryListId));
    m_list->setGeometry(0, 28, 240, 208);
    // The third column keeps the day's sort key, out of sight.
    m_list->SetColumns({{tr("Date"), 75}, {tr("Note"), 158}, {tr("Key"), 0}});
    m_list->setColumnHidden(2, true);
    m_list->header()->setStretchLastSection(false);

    auto button = [area](const QString& caption, int id, int x, int w) {
        auto* b = new QPushButton(caption, area);
        b->setObjectName(QString::number(id));
        b->setGeometry(x, 244, w, 16);
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* buttons[4] = {button("Add", kMyDiaryAddId, 8, 31),
                               button("View", kMyDiaryViewId, 45, 39),
                               button("Delete", kMyDiaryDeleteId, 90, 54),
                               button("DeleteAll", kMyDiaryDeleteAllId, 150, 72)};
    for (size_t i = 0; i < 4; ++i) {
        m_imageButtons[i] = new CImageButton(this);
        m_imageButtons[i]->Attach(buttons[i]);
    }
    connect(buttons[0], &QPushButton::clicked, this, [this] { OnAdd(); });
    connect(buttons[1], &QPushButton::clicked, this, [this] { OnView(); });
    connect(buttons[2], &QPushButton::clicked, this, [this] { OnDelete(); });
    connect(buttons[3], &QPushButton::clicked, this, [this] { OnDeleteAll(); });

    m_bar = new CCommandBar(this);
    m_bar->AddTools(142, {{kCmdMyDiaryHelp, tr("Help")}}, QSize(16, 16));
    m_bar->AddStretch();
    connect(m_bar, &CCommandBar::commandTriggered, this, [this](int command) {
        if (command == kCmdMyDiaryHelp) {
            OnHelp();
        }
    });
    layout->addWidget(m_bar);

    m_kind = ClampKind(AppSettings.MyDiaryType);
    m_kinds->setCurrentIndex(m_kind);
    connect(m_kinds, &QComboBox::currentIndexChanged, this,
            [this](int index) { OnKindChanged(index); });
    FillList();
}

CMyDiaryDlg::~CMyDiaryDlg() {
    // The image buttons go before the buttons they draw, so none watches a button that is
    // being destroyed.
    for (CImageButton*& button : m_imageButtons) {
        delete button;
        button = nullptr;
    }
}

void CMyDiaryDlg::FillList() {
    m_list->RemoveAllRows();
    const auto type = static_cast<int16_t>(m_kind + 1);
    m_doc.ForEachDay([&](CVelmoraMFCDoc& day) {
        const LocalTime d = day.m_date.Local();
        const int64_t key = int64_t{d.year} * 10000 + d.month * 100 + d.day;
        for (size_t slot = 0; slot < day.m_diaryType.size(); ++slot) {
            if (day.m_diaryType[slot] != type) {
                continue;
            }
            const QStringList texts = {
                QString::fromStdString(
                    ReportDateText(day.m_date, AppSettings.DateFormat, AppSettings.DateSeparator)),
                ToQString(day.m_diaryText[slot]), QString::number(key)};
            // Newest day first; a day's entries in slot order.
            m_list->AddRow(texts, {key, day.m_date, static_cast<int>(slot)}, true);
        }
        return true;
    });
}

void CMyDiaryDlg::OnKindChanged(int kind) {
    m_kind = ClampKind(kind);
    FillList();
}

void CMyDiaryDlg::OnAdd() {
    CAddNoteDlg dialog(m_doc, m_kind, this);
    const QString title = m_frame ? m_frame->Title() : ScreenTitle(title::kMyDiary);
    if (RunModal(dialog, m_frame, title) == QDialog::Accepted) {
        FillList();
    }
}

void CMyDiaryDlg::OnView() {
    CReportTable::Row row;
    if (!m_list->SelectedRow(row)) {
        ShowMessageBox(kNoSelection, QT_TRANSLATE_NOOP("Message", "Warning"));
        return;
    }
    if (m_doc.OpenDay(row.date)) {
        // The Day View gives the main window back the title "My Diary" when it closes.
        CDayViewDlg::Run(m_doc, m_frame, kDayViewFromMyDiary, this);
    }
    FillList();
}

void CMyDiaryDlg::OnDelete() {
    if (ShowMessageBox(QT_TRANSLATE_NOOP("Message", "Are you sure you want to delete this note?"),
                       QT_TRANSLATE_NOOP("Message", "Atention"), MbIcon::Question,
                       MbButtons::YesNo) != IDYES) {
        return;
    }
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty()) {
        ShowMessageBox(kNoSelection, QT_TRANSLATE_NOOP("Message", "Warning"));
        return;
    }
    const int index = m_list->indexOfTopLevelItem(selected.front());
    const CReportTable::Row row = m_list->RowAt(index);
    const CString note = ToU16(m_list->TextsAt(index).value(1));
    if (!m_doc.OpenDay(row.date)) {
        FillList();
        return;
    }
    // The first entry of this kind with this text: of two alike, the first goes.
    const auto type = static_cast<int16_t>(m_kind + 1);
    for (size_t slot = 0; slot < m_doc.m_diaryType.size(); ++slot) {
        if (m_doc.m_diaryType[slot] == type && m_doc.m_diaryText[slot] == note) {
            m_doc.m_diaryType[slot] = 0;
            m_doc.m_diaryText[slot].clear();
            const SaveDayResult saved = m_doc.SaveDay();
            if (saved != SaveDayResult::Saved) {
                ReportSaveFailure(saved);
            }
            FillList();
            return;
        }
    }
}

void CMyDiaryDlg::OnDeleteAll() {
    if (m_list->RowCount() == 0) {
        return;
    }
    if (ShowMessageBox(QT_TRANSLATE_NOOP("Message", "Are you sure you want to delete all notes?"),
                       QT_TRANSLATE_NOOP("Message", "Atention"), MbIcon::Question,
                       MbButtons::YesNo) != IDYES) {
        return;
    }
    const auto type = static_cast<int16_t>(m_kind + 1);
    // Each rewrite moves its record, so the walk starts again after each; it ends when a
    // whole walk finds nothing of this kind, or at the first rewrite that fails.
    for (;;) {
        bool rewrote = false;
        SaveDayResult result = SaveDayResult::Saved;
        m_doc.ForEachDay([&](CVelmoraMFCDoc& day) {
            bool found = false;
            for (size_t slot = 0; slot < day.m_diaryType.size(); ++slot) {
                if (day.m_diaryType[slot] == type) {
                    day.m_diaryType[slot] = 0;
                    day.m_diaryText[slot].clear();
                    found = true;
                }
            }
            if (!found) {
                return true;
            }
            day.m_recordExists = true;  // the record read is the one to replace
            result = day.SaveDay();
            rewrote = true;
            return false;
        });
        if (!rewrote) {
            break;
        }
        if (result != SaveDayResult::Saved) {
            ReportSaveFailure(result);
            break;
        }
    }
    FillList();
}

void CMyDiaryDlg::OnHelp() {
    // The help browser shows "Help" while it is open and gives the title back by screen.
    OpenHelp(m_frame, 7, 8);
}

void CMyDiaryDlg::done(int result) {
    // The kind shown now is the one shown next time.
    AppSettings.MyDiaryType = m_kind;
    QDialog::done(result);
}

}  // namespace velmora
