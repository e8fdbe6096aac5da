#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "framework/editor/row.hpp"

namespace vertanum {

// What a view of the rows follows. Property changes arrive one by one; a change of the tree
// (rows made, moved or removed, or a whole batch) arrives as a reset. Inside a batch nothing is
// announced until the reset at its end.
class RowModelObserver {
  public:
    virtual ~RowModelObserver() = default;
    virtual void RowChanged(const Row& /*row*/, RowField /*field*/) {}
    virtual void RowsAboutToBeReset() {}
    virtual void RowsReset() {}
    // The rules ask that a value still being edited in place be posted and the in-place editor
    // closed.
    virtual void CommitInPlaceEditor() {}
};

// The rows of the parameter editor: a tree of uniquely named rows in display order, found by
// Name, walked depth first, and followed by observers.
class RowModel {
  public:
    RowModel() = default;
    RowModel(const RowModel&) = delete;
    RowModel& operator=(const RowModel&) = delete;

    // Makes a row of a kind at the end of the top level. Throws std::logic_error when the Name is
    // taken: a map that repeats a Name is broken.
    Row& Add(RowKind kind, std::string name);
    // Makes `row` the last child of `parent` (the top level for nullptr).
    void MoveTo(Row& row, Row* parent);

    // The shapes the maps use, each made, filled and placed as the last child of `parent`.
    // A heading: a text row with the category mark and read-only set.
    Row& AddCategory(std::string name, std::string caption, Row* parent = nullptr);
    Row& AddText(std::string name, std::string caption, std::string value, Row* parent = nullptr,
                 int max_length = 0);
    // List-only, 5 drop-down lines.
    Row& AddPick(std::string name, std::string caption, ItemList items, std::string value,
                 Row* parent = nullptr);
    // Checked value "1", unchecked value "0".
    Row& AddCheck(std::string name, std::string caption, bool checked, Row* parent = nullptr);
    Row& AddMask(std::string name, std::string caption, std::string mask, std::string value,
                 Row* parent = nullptr);

    Row* Find(std::string_view name) const;
    const std::vector<Row*>& TopLevel() const { return top_; }
    // The children of `parent`, or the top level for nullptr.
    const std::vector<Row*>& ChildrenOf(const Row* parent) const {
        return parent ? parent->children_ : top_;
    }
    std::size_t Count() const { return rows_.size(); }
    bool Empty() const { return rows_.empty(); }

    // Visits every row depth first in display order with its depth (0 at the top level).
    template <typename Visit>
    void ForEach(Visit&& visit) const {
        for (Row* row : top_) Walk(*row, 0, visit);
    }
    // The rows in display order.
    std::vector<Row*> DisplayOrder() const;

    // A batch of changes announced as one reset at the end; batches nest.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return update_depth_ > 0; }

    // Asks the views to post and close a value being edited in place.
    void CommitInPlaceEditor();

    // Removes every row.
    void Clear();

    void AddObserver(RowModelObserver* observer);
    void RemoveObserver(RowModelObserver* observer);

  private:
    friend class Row;
    void NotifyRowChanged(const Row& row, RowField field);
    void StructureChanging();
    void StructureChanged();
    std::vector<Row*>& SiblingsOf(Row* parent) { return parent ? parent->children_ : top_; }

    template <typename Visit>
    static void Walk(Row& row, int depth, Visit& visit) {
        visit(static_cast<const Row&>(row), depth);
        for (Row* child : row.children_) Walk(*child, depth + 1, visit);
    }

    std::vector<std::unique_ptr<Row>> rows_;
    std::vector<Row*> top_;
    std::unordered_map<std::string_view, Row*> by_name_;
    std::vector<RowModelObserver*> observers_;
    int update_depth_ = 0;
};

// Holds a batch of changes open for a scope.
class RowUpdateBatch {
  public:
    explicit RowUpdateBatch(RowModel& rows) : rows_(rows) { rows_.BeginUpdate(); }
    ~RowUpdateBatch() { rows_.EndUpdate(); }
    RowUpdateBatch(const RowUpdateBatch&) = delete;
    RowUpdateBatch& operator=(const RowUpdateBatch&) = delete;

  private:
    RowModel& rows_;
};

}  // namespace vertanum
