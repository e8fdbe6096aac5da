#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/editor/item_lists.hpp"

namespace vertanum {

class RowModel;

// The four kinds of parameter row. Headings are text rows with the category mark and read-only
// set.
enum class RowKind { Text, Pick, Check, Mask };

// What a change notification is about.
enum class RowField {
    Caption,
    Value,
    Category,
    ReadOnly,
    Visible,
    Items,
    ListOnly,
    DropDownLines,
    EditMask,
    MaxLength,
    CheckTexts,
};

// The texts the report and the command line use for the kinds: "text", "pick", "check", "mask".
std::string_view RowKindName(RowKind kind);

// One row of the parameter editor. Rows are made and owned by their RowModel; a row's kind and
// Name never change, every other property may, and each change is announced to the model's
// observers.
class Row {
  public:
    Row(const Row&) = delete;
    Row& operator=(const Row&) = delete;

    RowKind Kind() const { return kind_; }
    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    const std::string& Value() const { return value_; }

    // A heading, or a value row switched off because it does not apply: no value is shown,
    // edited or printed.
    bool Category() const { return category_; }
    bool ReadOnly() const { return read_only_; }
    bool Visible() const { return visible_; }
    // Whether a person may edit the value in place: a shown value row that is neither a heading
    // nor read-only.
    bool Editable() const { return visible_ && !category_ && !read_only_; }

    // Pick rows: the items, whether only they may be entered, and the drop-down height.
    const std::vector<std::string>& Items() const;
    const ItemList& SharedItemList() const { return items_; }
    bool ListOnly() const { return list_only_; }
    int DropDownLines() const { return drop_down_lines_; }
    // Whether `text` may be entered: any text, unless the row is list-only and it is no item.
    bool AdmitsItem(std::string_view text) const;

    // Mask rows: the edit mask, for example "0000;1;#".
    const std::string& EditMask() const { return edit_mask_; }
    // Text rows: the longest value in characters; 0 for no limit.
    int MaxLength() const { return max_length_; }

    // Check rows: the value texts of the two states, and whether the row is checked.
    const std::string& CheckedValue() const { return checked_value_; }
    const std::string& UncheckedValue() const { return unchecked_value_; }
    bool Checked() const { return value_ == checked_value_; }

    // The tree: the parent heading (nullptr at the top level), the children in display order.
    Row* Parent() const { return parent_; }
    const std::vector<Row*>& Children() const { return children_; }
    // The position among the rows of the same parent (or of the top level).
    int IndexInParent() const { return index_; }
    int Depth() const;

    void SetCaption(std::string caption);
    void SetValue(std::string value);
    void SetCategory(bool category);
    void SetReadOnly(bool read_only);
    void SetVisible(bool visible);
    void SetItems(ItemList items);
    void SetListOnly(bool list_only);
    void SetDropDownLines(int lines);
    void SetEditMask(std::string mask);
    void SetMaxLength(int length);
    void SetCheckTexts(std::string checked, std::string unchecked);
    // Check rows: the value text of a state.
    void SetChecked(bool checked);

  private:
    friend class RowModel;
    Row(RowModel& model, RowKind kind, std::string name)
        : model_(&model), kind_(kind), name_(std::move(name)) {}
    void Changed(RowField field);

    RowModel* model_;
    RowKind kind_;
    std::string name_;
    std::string caption_;
    std::string value_;
    bool category_ = false;
    bool read_only_ = false;
    bool visible_ = true;
    bool list_only_ = true;
    int drop_down_lines_ = 5;
    int max_length_ = 0;
    ItemList items_;
    std::string edit_mask_;
    std::string checked_value_ = "1";
    std::string unchecked_value_ = "0";
    Row* parent_ = nullptr;
    int index_ = 0;
    std::vector<Row*> children_;
};

}  // namespace vertanum
