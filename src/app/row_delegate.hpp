#pragma once

#include <QStyledItemDelegate>

namespace vertanum::app {

class PropertyGrid;

// Paints the rows of the property grid and makes the in-place editor of the row being edited: a
// drop-down for a pick row, a masked field for a mask row, a text field for a text row. Check
// rows toggle in place and need no editor.
class RowDelegate : public QStyledItemDelegate {
  public:
    explicit RowDelegate(PropertyGrid* grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    // The grid posts values itself, through validation.
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    static QColor BandColor();

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    PropertyGrid* grid_;
};

}  // namespace vertanum::app
