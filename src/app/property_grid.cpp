#include "property_grid.hpp"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>

#include "framework/editor/ins_devices.hpp"
#include "framework/messages.hpp"
#include "row_delegate.hpp"

namespace vertanum::app {
namespace {

bool SameRow(const QModelIndex& a, const QModelIndex& b) {
    return RowItemModel::RowOf(a) == RowItemModel::RowOf(b);
}

}  // namespace

PropertyGrid::PropertyGrid(PropertyGridEvents& events, Messages& messages, QWidget* parent)
    : QTreeView(parent), events_(events), messages_(messages), model_(new RowItemModel(this)) {
    setObjectName("insMain");
    setModel(model_);
    setItemDelegate(new RowDelegate(this));
    setHeaderHidden(true);
    header()->setStretchLastSection(true);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setFrameShape(QFrame::NoFrame);
    setIndentation(16);
    setExpandsOnDoubleClick(true);
    model_->on_toggle = [this](const Row& row, const std::string& text) { Toggle(row, text); };
    model_->on_commit_request = [this] { CommitEdit(); };
}

PropertyGrid::~PropertyGrid() {
    editor_ = nullptr;
    model_->SetRows(nullptr);
}

void PropertyGrid::SetRows(RowModel* rows) {
    CloseEditorNow();
    model_->SetRows(rows);
    if (model_->rowCount() > 0) {
        selectionModel()->setCurrentIndex(
            model_->index(0, 1), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
}

const Row* PropertyGrid::EditingRow() const {
    return Editing() ? RowItemModel::RowOf(edit_index_) : nullptr;
}

QModelIndex PropertyGrid::ValueIndex(const std::string& name) const {
    const RowModel* rows = model_->Rows();
    const Row* row = rows ? rows->Find(name) : nullptr;
    return row ? model_->IndexOf(*row, 1) : QModelIndex();
}

bool PropertyGrid::EditRow(const std::string& name) {
    const QModelIndex index = ValueIndex(name);
    if (!index.isValid()) return false;
    setCurrentIndex(index);
    if (SameRow(currentIndex(), edit_index_) && Editing()) return true;
    return edit(index, QAbstractItemView::AllEditTriggers, nullptr) && Editing();
}

void PropertyGrid::EditorMade(QWidget* editor, const QModelIndex& index) {
    editor_ = editor;
    edit_index_ = index;
}

void PropertyGrid::EditorTextEdited() {
    events_.insMainEditChange();
}

std::string PropertyGrid::EditorText() const {
    if (auto* box = qobject_cast<QComboBox*>(editor_.data())) {
        return box->currentText().toStdString();
    }
    if (auto* line = qobject_cast<QLineEdit*>(editor_.data())) return line->text().toStdString();
    return {};
}

bool PropertyGrid::CommitEdit() {
    if (!Editing()) return true;
    if (committing_) return false;
    const Row* row = EditingRow();
    if (!row) {
        CloseEditorNow();
        return true;
    }
    const std::string text = EditorText();
    // An editor opened and left without a change posts nothing.
    if (text == row->Value()) {
        CloseEditorNow();
        return true;
    }
    committing_ = true;
    // A masked value with required places left empty is refused before the map sees it.
    auto* line = qobject_cast<QLineEdit*>(editor_.data());
    const EditOutcome outcome = line && !line->inputMask().isEmpty() && !line->hasAcceptableInput()
                                    ? EditOutcome{false, kCheckInputText}
                                    : events_.insMainEditValidate(*row, text);
    if (!outcome.accepted) {
        QApplication::beep();
        messages_.Show(
            {MessageIcon::Error, outcome.message, MessageButtons::Ok, MessageAnswer::Ok});
        committing_ = false;
        if (editor_) {
            editor_->setFocus(Qt::OtherFocusReason);
            if (line) line->selectAll();
        }
        return false;
    }
    committing_ = false;
    CloseEditorNow();
    return true;
}

void PropertyGrid::CancelEdit() {
    CloseEditorNow();
}

void PropertyGrid::CloseEditorNow() {
    if (!editor_) return;
    QWidget* editor = editor_.data();
    editor_ = nullptr;
    edit_index_ = QPersistentModelIndex();
    QTreeView::closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void PropertyGrid::Toggle(const Row& row, const std::string& text) {
    if (Editing() && !CommitEdit()) return;
    events_.insMainEditChange();
    events_.insMainToggleClick(row, text);
}

bool PropertyGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (!index.isValid()) return QTreeView::edit(index, trigger, event);
    // Whatever cell was chosen, the value is what gets edited.
    const QModelIndex value = index.sibling(index.row(), 1);
    const Row* row = RowItemModel::RowOf(value);
    if (!row) return false;
    if (row->Kind() != RowKind::Check) {
        if (Editing()) {
            if (SameRow(value, edit_index_)) return true;
            if (!CommitEdit()) return false;
        }
        if (!row->Editable()) return false;
        if (currentIndex() != value) {
            selectionModel()->setCurrentIndex(value, QItemSelectionModel::NoUpdate);
        }
    }
    return QTreeView::edit(value, trigger, event);
}

void PropertyGrid::commitData(QWidget*) {
    // Values are posted through validation in CommitEdit, never straight into the model.
}

void PropertyGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (editor != editor_.data()) {
        QTreeView::closeEditor(editor, hint);
        return;
    }
    // A box of our own has the focus while a value is checked: nothing to do yet.
    if (committing_) return;
    if (hint == QAbstractItemDelegate::RevertModelCache) {
        CancelEdit();
        return;
    }
    CommitEdit();
}

void PropertyGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (Editing() && !committing_ && !SameRow(current, edit_index_) && !CommitEdit()) {
        // The refused value stays in its editor, and that row stays the current one.
        committing_ = true;
        QTreeView::currentChanged(current, previous);
        committing_ = false;
        QTimer::singleShot(0, this, [this] {
            if (Editing() && edit_index_.isValid()) {
                selectionModel()->setCurrentIndex(
                    edit_index_, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
                editor_->setFocus(Qt::OtherFocusReason);
            }
        });
        return;
    }
    QTreeView::currentChanged(current, previous);
}

void PropertyGrid::keyPressEvent(QKeyEvent* event) {
    const QModelIndex current = currentIndex();
    const Row* row = RowItemModel::RowOf(current);
    if (!Editing() && row) {
        switch (event->key()) {
            case Qt::Key_Space:
                if (row->Kind() == RowKind::Check) {
                    if (row->Editable()) {
                        Toggle(*row, row->Checked() ? row->UncheckedValue() : row->CheckedValue());
                    }
                    event->accept();
                    return;
                }
                break;
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_F2:
                if (row->Kind() != RowKind::Check && row->Editable()) {
                    edit(current, QAbstractItemView::EditKeyPressed, event);
                } else if (!row->Children().empty()) {
                    setExpanded(current.sibling(current.row(), 0),
                                !isExpanded(current.sibling(current.row(), 0)));
                }
                event->accept();
                return;
            default:
                break;
        }
    }
    QTreeView::keyPressEvent(event);
}

void PropertyGrid::resizeEvent(QResizeEvent* event) {
    QTreeView::resizeEvent(event);
    PlaceDivider();
}

void PropertyGrid::PlaceDivider() {
    setColumnWidth(0, width() / 2);
}

void PropertyGrid::MarkBands(const QModelIndex& parent, int first, int last) {
    for (int i = first; i <= last; ++i) {
        const QModelIndex index = model_->index(i, 0, parent);
        const Row* row = RowItemModel::RowOf(index);
        if (!row) continue;
        setFirstColumnSpanned(i, parent, row->Category());
        const int children = model_->rowCount(index);
        if (children > 0) MarkBands(index, 0, children - 1);
    }
}

void PropertyGrid::dataChanged(const QModelIndex& top_left, const QModelIndex& bottom_right,
                               const QList<int>& roles) {
    QTreeView::dataChanged(top_left, bottom_right, roles);
    for (int i = top_left.row(); i <= bottom_right.row(); ++i) {
        const Row* row = RowItemModel::RowOf(top_left.sibling(i, 0));
        if (row) setFirstColumnSpanned(i, top_left.parent(), row->Category());
    }
}

void PropertyGrid::rowsInserted(const QModelIndex& parent, int start, int end) {
    QTreeView::rowsInserted(parent, start, end);
    MarkBands(parent, start, end);
    for (int i = start; i <= end; ++i) expandRecursively(model_->index(i, 0, parent));
}

void PropertyGrid::reset() {
    editor_ = nullptr;
    edit_index_ = QPersistentModelIndex();
    QTreeView::reset();
    if (!model_) return;
    const int count = model_->rowCount();
    if (count > 0) MarkBands(QModelIndex(), 0, count - 1);
    expandAll();
    PlaceDivider();
}

void PropertyGrid::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    const Row* row = RowItemModel::RowOf(index);
    if (row && row->Category()) {
        painter->fillRect(QRect(0, option.rect.y(), viewport()->width(), option.rect.height()),
                          RowDelegate::BandColor());
    }
    QTreeView::drawRow(painter, option, index);
}

void PropertyGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTreeView::mouseReleaseEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    const Row* row = RowItemModel::RowOf(index);
    // A click on a value starts editing it at once, as in any property grid.
    if (row && index.column() == 1 && row->Kind() != RowKind::Check && row->Editable() &&
        !Editing()) {
        edit(index, QAbstractItemView::SelectedClicked, nullptr);
    }
}

}  // namespace vertanum::app
