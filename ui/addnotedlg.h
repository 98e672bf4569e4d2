#pragma once

#include <QDialog>
#include <array>

class QDateEdit;
class QPlainTextEdit;

namespace velmora {

class CImageButton;
class CVelmoraMFCDoc;

// Control ids of Add note.
enum AddNoteControl : int {
    kAddNoteTemplateId = 196,
    kAddNoteTextId = 1022,
    kAddNoteDateId = 1066,
};

// Add note: a new diary entry of the kind `kind` (0-5, the diary type minus one) on a
// chosen date. OK stores it in the day's first free slot, making the day when it has no
// record yet; a day whose four slots are taken is refused with a message.
class CAddNoteDlg : public QDialog {
    Q_OBJECT

public:
    CAddNoteDlg(CVelmoraMFCDoc& doc, int kind, QWidget* parent = nullptr);
    ~CAddNoteDlg() override;

    void OnOK();

    // The longest text the dialog takes.
    static constexpr int kTextLimit = 240;

private:
    CVelmoraMFCDoc& m_doc;
    int m_kind;
    QDateEdit* m_date = nullptr;
    QPlainTextEdit* m_text = nullptr;
    std::array<CImageButton*, 2> m_imageButtons{};
};

}  // namespace velmora
