#include "row_item_model.hpp"

#include <algorithm>

namespace vertanum::app {
namespace {

const std::vector<Row*>& AllChildren(const RowModel& rows, const Row* parent) {
    return parent ? parent->Children() : rows.TopLevel();
}

}  // namespace

RowItemModel::RowItemModel(QObject* parent) : QAbstractItemModel(parent) {}

RowItemModel::~RowItemModel() {
    if (rows_) rows_->RemoveObserver(this);
}

void RowItemModel::SetRows(RowModel* rows) {
    beginResetModel();
    if (rows_) rows_->RemoveObserver(this);
    rows_ = rows;
    if (rows_) rows_->AddObserver(this);
    Rebuild();
    endResetModel();
}

void RowItemModel::Rebuild() {
    children_.clear();
    place_.clear();
    if (!rows_) return;
    children_.reserve(rows_->Count() + 1);
    place_.reserve(rows_->Count());
    auto fill = [this](const Row* parent, const std::vector<Row*>& all) {
        std::vector<Row*>& shown = children_[parent];
        for (Row* child : all) {
            if (!child->Visible()) continue;
            place_[child] = static_cast<int>(shown.size());
            shown.push_back(child);
        }
    };
    fill(nullptr, rows_->TopLevel());
    rows_->ForEach([&](const Row& row, int) { fill(&row, row.Children()); });
}

const Row* RowItemModel::RowOf(const QModelIndex& index) {
    return index.isValid() ? static_cast<const Row*>(index.internalPointer()) : nullptr;
}

bool RowItemModel::Shown(const Row& row) const {
    for (const Row* r = &row; r; r = r->Parent()) {
        if (!r->Visible() || place_.find(r) == place_.end()) return false;
    }
    return true;
}

QModelIndex RowItemModel::IndexOf(const Row& row, int column) const {
    if (!Shown(row)) return {};
    return createIndex(place_.at(&row), column, const_cast<Row*>(&row));
}

std::vector<Row*>& RowItemModel::ShownChildren(const Row* parent) {
    return children_[parent];
}

QModelIndex RowItemModel::index(int row, int column, const QModelIndex& parent) const {
    if (column < 0 || column > 1 || row < 0) return {};
    const auto found = children_.find(RowOf(parent));
    if (found == children_.end() || row >= static_cast<int>(found->second.size())) return {};
    return createIndex(row, column, found->second[static_cast<std::size_t>(row)]);
}

QModelIndex RowItemModel::parent(const QModelIndex& child) const {
    const Row* row = RowOf(child);
    if (!row || !row->Parent()) return {};
    return IndexOf(*row->Parent(), 0);
}

int RowItemModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() && parent.column() != 0) return 0;
    const auto found = children_.find(RowOf(parent));
    return found == children_.end() ? 0 : static_cast<int>(found->second.size());
}

int RowItemModel::columnCount(const QModelIndex&) const {
    return 2;
}

QVariant RowItemModel::data(const QModelIndex& index, int role) const {
    const Row* row = RowOf(index);
    if (!row) return {};
    const bool value_column = index.column() == 1;
    switch (role) {
        case Qt::DisplayRole:
            if (!value_column) return QString::fromStdString(row->Caption());
            if (row->Category() || row->Kind() == RowKind::Check) return {};
            return QString::fromStdString(row->Value());
        case Qt::EditRole:
            return QString::fromStdString(value_column ? row->Value() : row->Caption());
        case Qt::ToolTipRole:
            if (!value_column) return QString::fromStdString(row->Caption());
            return {};
        case Qt::CheckStateRole:
            if (value_column && row->Kind() == RowKind::Check && !row->Category()) {
                return row->Checked() ? Qt::Checked : Qt::Unchecked;
            }
            return {};
        case RowRole:
            return QVariant::fromValue(const_cast<void*>(static_cast<const void*>(row)));
        case CategoryRole:
            return row->Category();
        default:
            return {};
    }
}

bool RowItemModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const Row* row = RowOf(index);
    if (!row || role != Qt::CheckStateRole || index.column() != 1) return false;
    if (row->Kind() != RowKind::Check || !row->Editable()) return false;
    const bool checked = value.toInt() == Qt::Checked;
    if (on_toggle) on_toggle(*row, checked ? row->CheckedValue() : row->UncheckedValue());
    return true;
}

Qt::ItemFlags RowItemModel::flags(const QModelIndex& index) const {
    const Row* row = RowOf(index);
    if (!row) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == 1 && row->Editable()) {
        flags |= row->Kind() == RowKind::Check ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable;
    }
    return flags;
}

void RowItemModel::Renumber(const Row* parent, std::size_t from) {
    const std::vector<Row*>& shown = children_[parent];
    for (std::size_t i = from; i < shown.size(); ++i) place_[shown[i]] = static_cast<int>(i);
}

void RowItemModel::ShowRow(Row& row) {
    if (place_.count(&row)) return;
    const Row* parent = row.Parent();
    std::vector<Row*>& shown = ShownChildren(parent);
    // Its place is after the shown rows that come before it among all its siblings.
    std::size_t at = 0;
    for (const Row* sibling : AllChildren(*rows_, parent)) {
        if (sibling == &row) break;
        if (place_.count(sibling)) ++at;
    }
    const bool announce = !parent || Shown(*parent);
    if (announce) {
        const int place = static_cast<int>(at);
        beginInsertRows(parent ? IndexOf(*parent) : QModelIndex(), place, place);
    }
    shown.insert(shown.begin() + static_cast<std::ptrdiff_t>(at), &row);
    Renumber(parent, at);
    if (announce) endInsertRows();
}

void RowItemModel::HideRow(const Row& row) {
    const auto found = place_.find(&row);
    if (found == place_.end()) return;
    const Row* parent = row.Parent();
    const bool announce = !parent || Shown(*parent);
    const int place = found->second;
    if (announce) beginRemoveRows(parent ? IndexOf(*parent) : QModelIndex(), place, place);
    std::vector<Row*>& shown = ShownChildren(parent);
    shown.erase(shown.begin() + place);
    place_.erase(found);
    Renumber(parent, static_cast<std::size_t>(place));
    if (announce) endRemoveRows();
}

void RowItemModel::RowChanged(const Row& row, RowField field) {
    if (field == RowField::Visible) {
        if (row.Visible()) {
            ShowRow(const_cast<Row&>(row));
        } else {
            HideRow(row);
        }
        return;
    }
    const QModelIndex left = IndexOf(row, 0);
    if (!left.isValid()) return;
    emit dataChanged(left, IndexOf(row, 1));
}

void RowItemModel::RowsAboutToBeReset() {
    beginResetModel();
}

void RowItemModel::RowsReset() {
    Rebuild();
    endResetModel();
}

void RowItemModel::CommitInPlaceEditor() {
    if (on_commit_request) on_commit_request();
}

}  // namespace vertanum::app
