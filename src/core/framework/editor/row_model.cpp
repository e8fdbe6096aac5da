#include "framework/editor/row_model.hpp"

#include <algorithm>
#include <stdexcept>

namespace vertanum {

Row& RowModel::Add(RowKind kind, std::string name) {
    if (by_name_.count(name)) {
        throw std::logic_error("parameter row \"" + name + "\" exists already");
    }
    StructureChanging();
    rows_.push_back(std::unique_ptr<Row>(new Row(*this, kind, std::move(name))));
    Row* row = rows_.back().get();
    by_name_.emplace(row->Name(), row);
    row->index_ = static_cast<int>(top_.size());
    top_.push_back(row);
    StructureChanged();
    return *row;
}

void RowModel::MoveTo(Row& row, Row* parent) {
    for (const Row* p = parent; p; p = p->parent_) {
        if (p == &row) throw std::logic_error("a row cannot be moved under itself");
    }
    StructureChanging();
    auto& from = SiblingsOf(row.parent_);
    const auto at = static_cast<std::size_t>(row.index_);
    from.erase(from.begin() + static_cast<std::ptrdiff_t>(at));
    for (std::size_t i = at; i < from.size(); ++i) from[i]->index_ = static_cast<int>(i);
    row.parent_ = parent;
    auto& to = SiblingsOf(parent);
    row.index_ = static_cast<int>(to.size());
    to.push_back(&row);
    StructureChanged();
}

Row& RowModel::AddCategory(std::string name, std::string caption, Row* parent) {
    Row& row = Add(RowKind::Text, std::move(name));
    row.caption_ = std::move(caption);
    row.category_ = true;
    row.read_only_ = true;
    if (parent) MoveTo(row, parent);
    return row;
}

Row& RowModel::AddText(std::string name, std::string caption, std::string value, Row* parent,
                       int max_length) {
    Row& row = Add(RowKind::Text, std::move(name));
    row.caption_ = std::move(caption);
    row.value_ = std::move(value);
    row.max_length_ = max_length;
    if (parent) MoveTo(row, parent);
    return row;
}

Row& RowModel::AddPick(std::string name, std::string caption, ItemList items, std::string value,
                       Row* parent) {
    Row& row = Add(RowKind::Pick, std::move(name));
    row.caption_ = std::move(caption);
    row.items_ = std::move(items);
    row.value_ = std::move(value);
    if (parent) MoveTo(row, parent);
    return row;
}

Row& RowModel::AddCheck(std::string name, std::string caption, bool checked, Row* parent) {
    Row& row = Add(RowKind::Check, std::move(name));
    row.caption_ = std::move(caption);
    row.value_ = checked ? row.checked_value_ : row.unchecked_value_;
    if (parent) MoveTo(row, parent);
    return row;
}

Row& RowModel::AddMask(std::string name, std::string caption, std::string mask, std::string value,
                       Row* parent) {
    Row& row = Add(RowKind::Mask, std::move(name));
    row.caption_ = std::move(caption);
    row.edit_mask_ = std::move(mask);
    row.value_ = std::move(value);
    if (parent) MoveTo(row, parent);
    return row;
}

Row* RowModel::Find(std::string_view name) const {
    auto it = by_name_.find(name);
    return it == by_name_.end() ? nullptr : it->second;
}

std::vector<Row*> RowModel::DisplayOrder() const {
    std::vector<Row*> order;
    order.reserve(rows_.size());
    ForEach([&](const Row& row, int) { order.push_back(const_cast<Row*>(&row)); });
    return order;
}

void RowModel::BeginUpdate() {
    if (update_depth_++ == 0) {
        const auto observers = observers_;
        for (auto* o : observers) o->RowsAboutToBeReset();
    }
}

void RowModel::EndUpdate() {
    if (update_depth_ == 0) return;
    if (--update_depth_ == 0) {
        const auto observers = observers_;
        for (auto* o : observers) o->RowsReset();
    }
}

void RowModel::CommitInPlaceEditor() {
    const auto observers = observers_;
    for (auto* o : observers) o->CommitInPlaceEditor();
}

void RowModel::Clear() {
    StructureChanging();
    by_name_.clear();
    top_.clear();
    rows_.clear();
    StructureChanged();
}

void RowModel::AddObserver(RowModelObserver* observer) {
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void RowModel::RemoveObserver(RowModelObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void RowModel::NotifyRowChanged(const Row& row, RowField field) {
    if (update_depth_ > 0) return;
    const auto observers = observers_;
    for (auto* o : observers) o->RowChanged(row, field);
}

void RowModel::StructureChanging() {
    if (update_depth_ > 0) return;
    const auto observers = observers_;
    for (auto* o : observers) o->RowsAboutToBeReset();
}

void RowModel::StructureChanged() {
    if (update_depth_ > 0) return;
    const auto observers = observers_;
    for (auto* o : observers) o->RowsReset();
}

}  // namespace vertanum
