#include "row_delegate.hpp"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include "edit_mask.hpp"
#include "property_grid.hpp"
#include "row_item_model.hpp"

namespace vertanum::app {

RowDelegate::RowDelegate(PropertyGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

QColor RowDelegate::BandColor() {
    return QColor(0xDC, 0xE4, 0xEE);
}

QWidget* RowDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                   const QModelIndex& index) const {
    const Row* row = RowItemModel::RowOf(index);
    if (!row || index.column() != 1 || !row->Editable()) return nullptr;
    QWidget* editor = nullptr;
    switch (row->Kind()) {
        case RowKind::Check:
            return nullptr;
        case RowKind::Pick: {
            auto* box = new QComboBox(parent);
            box->setEditable(!row->ListOnly());
            box->setInsertPolicy(QComboBox::NoInsert);
            box->setMaxVisibleItems(std::max(1, row->DropDownLines()));
            QStringList items;
            items.reserve(static_cast<qsizetype>(row->Items().size()));
            for (const std::string& item : row->Items()) items << QString::fromStdString(item);
            box->addItems(items);
            QObject::connect(box, &QComboBox::activated, grid_, &PropertyGrid::EditorTextEdited);
            if (box->lineEdit()) {
                QObject::connect(box->lineEdit(), &QLineEdit::textEdited, grid_,
                                 &PropertyGrid::EditorTextEdited);
            }
            box->setFrame(false);
            editor = box;
            break;
        }
        case RowKind::Mask: {
            auto* line = new QLineEdit(parent);
            line->setInputMask(QString::fromStdString(QtInputMask(row->EditMask())));
            QObject::connect(line, &QLineEdit::textEdited, grid_, &PropertyGrid::EditorTextEdited);
            line->setFrame(false);
            editor = line;
            break;
        }
        case RowKind::Text: {
            auto* line = new QLineEdit(parent);
            if (row->MaxLength() > 0) line->setMaxLength(row->MaxLength());
            QObject::connect(line, &QLineEdit::textEdited, grid_, &PropertyGrid::EditorTextEdited);
            line->setFrame(false);
            editor = line;
            break;
        }
    }
    grid_->EditorMade(editor, index);
    return editor;
}

void RowDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const Row* row = RowItemModel::RowOf(index);
    if (!row) return;
    const QString value = QString::fromStdString(row->Value());
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        const int at = box->findText(value, Qt::MatchExactly);
        box->setCurrentIndex(at);
        if (box->isEditable()) box->setEditText(value);
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setText(value);
        line->selectAll();
    }
}

void RowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const {
    const Row* row = RowItemModel::RowOf(index);
    QStyleOptionViewItem opt = option;
    if (row && row->Category()) {
        // A heading or a switched-off row: its caption on the band, no value. A switched-off
        // row keeps a plain, greyed caption so it does not read as a heading.
        const bool heading =
            !row->Children().empty() || (row->Kind() == RowKind::Text && row->ReadOnly());
        opt.font.setBold(heading);
        if (!heading) {
            opt.palette.setColor(QPalette::Text,
                                 opt.palette.color(QPalette::Disabled, QPalette::Text));
        }
        opt.backgroundBrush = Qt::NoBrush;
    } else if (row && index.column() == 1 && row->ReadOnly()) {
        opt.palette.setColor(QPalette::Text, opt.palette.color(QPalette::Disabled, QPalette::Text));
    }
    QStyledItemDelegate::paint(painter, opt, index);
    // The grid lines: under every row, and the divider right of the captions.
    painter->save();
    painter->setPen(QColor(0xC8, 0xC8, 0xC8));
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    if (index.column() == 0 && !(row && row->Category())) {
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
    }
    painter->restore();
}

QSize RowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(std::max(size.height(), option.fontMetrics.height() + 6));
    return size;
}

bool RowDelegate::eventFilter(QObject* object, QEvent* event) {
    switch (event->type()) {
        case QEvent::FocusOut: {
            // A menu, a drop-down list or another window took the focus: the edit stays open.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
                reason == Qt::MenuBarFocusReason) {
                return false;
            }
            break;
        }
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            switch (key->key()) {
                case Qt::Key_Escape:
                    grid_->CancelEdit();
                    return true;
                case Qt::Key_Return:
                case Qt::Key_Enter:
                    grid_->CommitEdit();
                    return true;
                case Qt::Key_Tab:
                case Qt::Key_Backtab: {
                    if (grid_->CommitEdit()) {
                        const bool back =
                            key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
                        QKeyEvent move(QEvent::KeyPress, back ? Qt::Key_Up : Qt::Key_Down,
                                       Qt::NoModifier);
                        QApplication::sendEvent(grid_, &move);
                    }
                    return true;
                }
                default:
                    break;
            }
            break;
        }
        default:
            break;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace vertanum::app
