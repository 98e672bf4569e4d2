#include "ui/kit/reporttable.h"

#include <QHeaderView>

namespace velmora {

namespace {
constexpr int kKeyRole = Qt::UserRole;
constexpr int kDateRole = Qt::UserRole + 1;
constexpr int kSlotRole = Qt::UserRole + 2;
}  // namespace

CReportTable::CReportTable(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
}

void CReportTable::SetColumns(const std::vector<Column>& columns) {
    QStringList headers;
    for (const Column& c : columns) {
        headers << c.header;
    }
    setColumnCount(static_cast<int>(columns.size()));
    setHeaderLabels(headers);
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        setColumnWidth(i, columns[static_cast<size_t>(i)].width);
    }
}

void CReportTable::AddRow(const QStringList& texts, const Row& row, bool newestFirst) {
    auto* item = new QTreeWidgetItem(texts);
    item->setData(0, kKeyRole, QVariant::fromValue<qlonglong>(row.key));
    item->setData(0, kDateRole, QVariant::fromValue<qlonglong>(row.date.GetTime()));
    item->setData(0, kSlotRole, row.slot);
    int at = topLevelItemCount();
    for (int i = 0; i < topLevelItemCount(); ++i) {
        const qlonglong key = topLevelItem(i)->data(0, kKeyRole).toLongLong();
        if (newestFirst ? key < row.key : key > row.key) {
            at = i;
            break;
        }
    }
    insertTopLevelItem(at, item);
}

bool CReportTable::SelectedRow(Row& row) const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    if (selected.isEmpty()) {
        return false;
    }
    row = RowAt(indexOfTopLevelItem(selected.front()));
    return true;
}

CReportTable::Row CReportTable::RowAt(int index) const {
    Row row;
    if (const QTreeWidgetItem* item = topLevelItem(index)) {
        row.key = item->data(0, kKeyRole).toLongLong();
        row.date = CTime(item->data(0, kDateRole).toLongLong());
        row.slot = item->data(0, kSlotRole).toInt();
    }
    return row;
}

QStringList CReportTable::TextsAt(int index) const {
    QStringList out;
    if (const QTreeWidgetItem* item = topLevelItem(index)) {
        for (int c = 0; c < columnCount(); ++c) {
            out << item->text(c);
        }
    }
    return out;
}

void CReportTable::SelectRow(int index) {
    if (QTreeWidgetItem* item = topLevelItem(index)) {
        setCurrentItem(item);
        item->setSelected(true);
    }
}

}  // namespace velmora
