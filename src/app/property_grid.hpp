#pragma once

#include <QPersistentModelIndex>
#include <QPointer>
#include <QTreeView>
#include <string>

#include "framework/editor/edit_posting.hpp"
#include "framework/editor/row_model.hpp"
#include "row_item_model.hpp"

namespace vertanum {
class Messages;
}

namespace vertanum::app {

// What the property grid reports to the window that owns it.
class PropertyGridEvents {
  public:
    virtual ~PropertyGridEvents() = default;
    // A value is about to be posted: validate and apply it; a refusal keeps the edit open.
    virtual EditOutcome insMainEditValidate(const Row& row, const std::string& text) = 0;
    // A check row was toggled; `text` is its value text for the new state.
    virtual void insMainToggleClick(const Row& row, const std::string& text) = 0;
    // Any change of a value in the grid: a keystroke, a pick, a toggle.
    virtual void insMainEditChange() = 0;
};

// The property grid over the parameter rows: captions on the left, values on the right with the
// divider at half the width, headings drawn as bands across both columns. An in-place editor is
// made only for the row being edited; its value is validated when it is posted, and a refused
// value keeps the edit open.
class PropertyGrid : public QTreeView {
    Q_OBJECT

  public:
    PropertyGrid(PropertyGridEvents& events, Messages& messages, QWidget* parent = nullptr);
    ~PropertyGrid() override;

    // Shows `rows` (nullptr: nothing) and expands every heading.
    void SetRows(RowModel* rows);
    RowModel* Rows() const { return model_->Rows(); }
    RowItemModel& ItemModel() { return *model_; }

    // Posts the value being edited and closes its editor. False when the value was refused: the
    // refusal has been shown and the edit stays open.
    bool CommitEdit();
    // Closes the editor without posting its value.
    void CancelEdit();
    bool Editing() const { return !editor_.isNull(); }
    QWidget* InPlaceEditor() const { return editor_.data(); }
    const Row* EditingRow() const;

    // Starts editing the row with this Name (false when it is not shown or not editable).
    bool EditRow(const std::string& name);
    // The index of the value of a row, or an invalid one when it is not shown.
    QModelIndex ValueIndex(const std::string& name) const;

    // The delegate's part.
    void EditorMade(QWidget* editor, const QModelIndex& index);
    void EditorTextEdited();

  protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dataChanged(const QModelIndex& top_left, const QModelIndex& bottom_right,
                     const QList<int>& roles = QList<int>()) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void reset() override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void Toggle(const Row& row, const std::string& text);
    void PlaceDivider();
    void MarkBands(const QModelIndex& parent, int first, int last);
    std::string EditorText() const;
    void CloseEditorNow();

    PropertyGridEvents& events_;
    Messages& messages_;
    RowItemModel* model_;
    QPointer<QWidget> editor_;
    QPersistentModelIndex edit_index_;
    bool committing_ = false;
};

}  // namespace vertanum::app
