#include "app/importdlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dataexchange.h"
#include "platform/messagebox.h"
#include "ui/kit/fonts.h"

namespace velmora {

CImportDlg::CImportDlg(const ImportPlan& plan, const QString& fileName, QWidget* parent)
    : QDialog(parent) {
    setFont(DialogFont());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* file = new QLabel(tr("File: %1").arg(fileName), this);
    file->setWordWrap(true);
    layout->addWidget(file);

    QStringList lines = PlanLines(plan);
    if (!plan.diaryError.Empty()) {
        lines << Translated(plan.diaryError);
    }
    if (!plan.problems.empty()) {
        lines << QString() << tr("Problems (nothing can be imported until they are mended):");
        for (const ImportProblem& problem : plan.problems) {
            lines << (problem.line > 0
                          ? tr("Line %1: %2").arg(problem.line).arg(ProblemText(problem))
                          : ProblemText(problem));
        }
    }
    auto* report = new QPlainTextEdit(lines.join(u'\n'), this);
    report->setObjectName(QString::number(kImportReportId));
    report->setReadOnly(true);
    report->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    layout->addWidget(report, 1);

    layout->addWidget(new QLabel(tr("Where a day differs from the diary:"), this));
    m_merge = new QRadioButton(tr("Keep the diary's values"), this);
    m_merge->setObjectName(QString::number(kImportMergeId));
    m_merge->setChecked(true);
    auto* replace = new QRadioButton(tr("Take the imported day"), this);
    replace->setObjectName(QString::number(kImportReplaceId));
    layout->addWidget(m_merge);
    layout->addWidget(replace);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* import = buttons->addButton(tr("Import"), QDialogButtonBox::AcceptRole);
    import->setObjectName(QString::number(IDOK));
    import->setEnabled(plan.CanApply());
    import->setDefault(plan.CanApply());
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QString::number(IDCANCEL));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

ImportMode CImportDlg::Mode() const {
    return m_merge->isChecked() ? ImportMode::Merge : ImportMode::Replace;
}

}  // namespace velmora
