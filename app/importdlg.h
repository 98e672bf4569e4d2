#pragma once

#include <QDialog>

#include "exchange/exchange.h"

class QRadioButton;

namespace velmora {

// Control ids of the import preview.
inline constexpr int kImportReportId = 1201;
inline constexpr int kImportMergeId = 1202;
inline constexpr int kImportReplaceId = 1203;

// The preview of an import: what the file would change (new, changed, identical and
// conflicting days), every problem with its line, and what the diary has no place for. The
// person picks merge or replace and imports, or cancels; a file with problems cannot be
// imported. Nothing is written here: the caller applies the plan when accepted.
class CImportDlg : public QDialog {
    Q_OBJECT

public:
    CImportDlg(const ImportPlan& plan, const QString& fileName, QWidget* parent = nullptr);
    ImportMode Mode() const;

private:
    QRadioButton* m_merge = nullptr;
};

}  // namespace velmora
