#pragma once

#include <QDialog>
#include <array>

class QComboBox;

namespace velmora {

class CCommandBar;
class CImageButton;
class CReportTable;
class CVelmoraMFCDoc;
class IMainFrame;

// Control ids of My Diary.
enum MyDiaryControl : int {
    kMyDiaryTemplateId = 192,
    kMyDiaryListId = 1057,
    kMyDiaryKindId = 1061,
    kMyDiaryDeleteAllId = 1062,
    kMyDiaryAddId = 1063,
    kMyDiaryViewId = 1064,
    kMyDiaryDeleteId = 1065,
};

// Command id of My Diary's help button.
inline constexpr int kCmdMyDiaryHelp = 32826;

// My Diary: the diary entries of one kind over all days, newest day first, with Add, View,
// Delete and Delete All. The kind shown is kept in the MyDiaryType setting.
class CMyDiaryDlg : public QDialog {
    Q_OBJECT

public:
    CMyDiaryDlg(CVelmoraMFCDoc& doc, IMainFrame* frame, QWidget* parent = nullptr);
    ~CMyDiaryDlg() override;

    // The kind shown: 0-5, the diary type minus one.
    int ShownKind() const { return m_kind; }
    CReportTable* List() const { return m_list; }
    CCommandBar* CommandBar() const { return m_bar; }

    // The handlers of the controls.
    void FillList();
    void OnKindChanged(int kind);
    void OnAdd();
    void OnView();
    void OnDelete();
    void OnDeleteAll();
    void OnHelp();

    void done(int result) override;

private:
    CVelmoraMFCDoc& m_doc;
    IMainFrame* m_frame;
    int m_kind = 0;
    QComboBox* m_kinds = nullptr;
    CReportTable* m_list = nullptr;
    CCommandBar* m_bar = nullptr;
    std::array<CImageButton*, 4> m_imageButtons{};
};

}  // namespace velmora
