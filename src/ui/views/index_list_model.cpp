#include "ui/views/index_list_model.h"

#include <algorithm>

CIndexListModel::CIndexListModel(std::vector<Column> columns, QIcon icon, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns)), icon_(std::move(icon)) {}

int CIndexListModel::ItemAt(int row) const {
    return row >= 0 && row < static_cast<int>(items_.size()) ? items_[static_cast<size_t>(row)]
                                                             : -1;
}

int CIndexListModel::RowOfItem(int item) const {
    const auto found = std::find(items_.begin(), items_.end(), item);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void CIndexListModel::SetItems(std::vector<int> items) {
    beginResetModel();
    items_ = std::move(items);
    endResetModel();
}

void CIndexListModel::AppendItem(int item) {
    const int row = static_cast<int>(items_.size());
    beginInsertRows({}, row, row);
    items_.push_back(item);
    endInsertRows();
}

void CIndexListModel::RefreshRow(int row) {
    if (row >= 0 && row < rowCount()) {
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
}

void CIndexListModel::RefreshAll() {
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
}

int CIndexListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(items_.size());
}

int CIndexListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant CIndexListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    const int item = items_[static_cast<size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return CellText(item, index.column());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(columns_[static_cast<size_t>(index.column())].alignment |
                                       Qt::AlignVCenter);
        case Qt::DecorationRole:
            return index.column() == 0 ? QVariant(icon_) : QVariant();
        case Qt::UserRole:
            return item;
        default:
            return {};
    }
}

QVariant CIndexListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return {};
    }
    const Column& column = columns_[static_cast<size_t>(section)];
    if (role == Qt::DisplayRole) {
        return column.title;
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(column.alignment | Qt::AlignVCenter);
    }
    return {};
}
