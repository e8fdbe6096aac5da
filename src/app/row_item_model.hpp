#pragma once

#include <QAbstractItemModel>
#include <functional>
#include <unordered_map>
#include <vector>

#include "framework/editor/row_model.hpp"

namespace vertanum::app {

// The parameter rows as a two-column Qt item model: caption and value. Hidden rows (and
// everything under them) are absent; the model follows every change of the rows.
class RowItemModel : public QAbstractItemModel, public RowModelObserver {
    Q_OBJECT

  public:
    enum Roles {
        RowRole = Qt::UserRole + 1,  // the Row* as a pointer
        CategoryRole,                // a heading or a switched-off row: a band without a value
    };

    explicit RowItemModel(QObject* parent = nullptr);
    ~RowItemModel() override;

    // Follows `rows` from now on (nullptr: shows nothing).
    void SetRows(RowModel* rows);
    RowModel* Rows() const { return rows_; }

    // A check row was toggled by the user: the row and its value text for the new state.
    std::function<void(const Row&, const std::string&)> on_toggle;
    // The rules ask that a value being edited be posted.
    std::function<void()> on_commit_request;

    static const Row* RowOf(const QModelIndex& index);
    // The index of a row in a column; invalid when the row is not shown.
    QModelIndex IndexOf(const Row& row, int column = 0) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // RowModelObserver
    void RowChanged(const Row& row, RowField field) override;
    void RowsAboutToBeReset() override;
    void RowsReset() override;
    void CommitInPlaceEditor() override;

  private:
    void Rebuild();
    bool Shown(const Row& row) const;
    std::vector<Row*>& ShownChildren(const Row* parent);
    void Renumber(const Row* parent, std::size_t from);
    void ShowRow(Row& row);
    void HideRow(const Row& row);

    RowModel* rows_ = nullptr;
    // The shown children of each row (nullptr: the top level) and each shown row's place there.
    std::unordered_map<const Row*, std::vector<Row*>> children_;
    std::unordered_map<const Row*, int> place_;
};

}  // namespace vertanum::app
