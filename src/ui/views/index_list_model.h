#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QString>
#include <vector>

// A list whose rows are indices into a document's own array (log entries of the active band,
// records of a city code database): the model holds only the indices, in display order, and
// asks its subclass for the text of a cell when a view paints it, so a list of 100,000
// rows costs no more than the rows on screen. The index of a row is its item data
// (Qt::UserRole).
class CIndexListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        QString title;
        int width;
        Qt::Alignment alignment;
    };

    CIndexListModel(std::vector<Column> columns, QIcon icon, QObject* parent = nullptr);

    const std::vector<Column>& Columns() const { return columns_; }
    const std::vector<int>& Items() const { return items_; }
    // The index shown in row, -1 outside the list.
    int ItemAt(int row) const;
    // The first row showing item, -1 for none.
    int RowOfItem(int item) const;

    void SetItems(std::vector<int> items);
    void AppendItem(int item);
    // Repaints a row whose item changed.
    void RefreshRow(int row);
    // Every cell again (texts depend on a setting that changed).
    void RefreshAll();

    // The text of a cell, for the views and for measuring column widths.
    virtual QString CellText(int item, int column) const = 0;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<Column> columns_;
    QIcon icon_;
    std::vector<int> items_;
};
