#pragma once

#include <QStringList>
#include <QTreeWidget>
#include <cstdint>
#include <vector>

#include "platform/ctime.h"

namespace velmora {

// A list in report mode: columns with headers and pixel widths, full-row selection, and
// rows that carry their data (a sort key, a date and a slot) apart from the text they
// show, so a screen never has to read its data back out of the text.
class CReportTable : public QTreeWidget {
public:
    struct Column {
        QString header;
        int width;
    };
    struct Row {
        int64_t key = 0;  // rows are kept in key order
        CTime date;       // the day the row stands for
        int slot = -1;    // the alarm or diary slot, where the row stands for one
    };

    explicit CReportTable(QWidget* parent = nullptr);

    void SetColumns(const std::vector<Column>& columns);
    // Inserts after every row whose key is smaller (or, with `newestFirst`, after every row
    // whose key is larger); equal keys keep their order of arrival.
    void AddRow(const QStringList& texts, const Row& row, bool newestFirst = false);
    // The selected row's data; false when no row is selected.
    bool SelectedRow(Row& row) const;
    int RowCount() const { return topLevelItemCount(); }
    Row RowAt(int index) const;
    QStringList TextsAt(int index) const;
    void SelectRow(int index);
    void RemoveAllRows() { clear(); }
};

}  // namespace velmora
