#include "framework/editor/row.hpp"

#include <algorithm>

#include "framework/editor/row_model.hpp"

namespace vertanum {

std::string_view RowKindName(RowKind kind) {
    switch (kind) {
        case RowKind::Text:
            return "text";
        case RowKind::Pick:
            return "pick";
        case RowKind::Check:
            return "check";
        case RowKind::Mask:
            return "mask";
    }
    return "text";
}

const std::vector<std::string>& Row::Items() const {
    static const std::vector<std::string> none;
    return items_ ? *items_ : none;
}

bool Row::AdmitsItem(std::string_view text) const {
    if (!list_only_) return true;
    const auto& items = Items();
    return std::find(items.begin(), items.end(), text) != items.end();
}

int Row::Depth() const {
    int depth = 0;
    for (const Row* p = parent_; p; p = p->parent_) ++depth;
    return depth;
}

void Row::Changed(RowField field) {
    model_->NotifyRowChanged(*this, field);
}

void Row::SetCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    Changed(RowField::Caption);
}

void Row::SetValue(std::string value) {
    if (value == value_) return;
    value_ = std::move(value);
    Changed(RowField::Value);
}

void Row::SetCategory(bool category) {
    if (category == category_) return;
    category_ = category;
    Changed(RowField::Category);
}

void Row::SetReadOnly(bool read_only) {
    if (read_only == read_only_) return;
    read_only_ = read_only;
    Changed(RowField::ReadOnly);
}

void Row::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Changed(RowField::Visible);
}

void Row::SetItems(ItemList items) {
    if (items == items_) return;
    items_ = std::move(items);
    Changed(RowField::Items);
}

void Row::SetListOnly(bool list_only) {
    if (list_only == list_only_) return;
    list_only_ = list_only;
    Changed(RowField::ListOnly);
}

void Row::SetDropDownLines(int lines) {
    if (lines == drop_down_lines_) return;
    drop_down_lines_ = lines;
    Changed(RowField::DropDownLines);
}

void Row::SetEditMask(std::string mask) {
    if (mask == edit_mask_) return;
    edit_mask_ = std::move(mask);
    Changed(RowField::EditMask);
}

void Row::SetMaxLength(int length) {
    if (length == max_length_) return;
    max_length_ = length;
    Changed(RowField::MaxLength);
}

void Row::SetCheckTexts(std::string checked, std::string unchecked) {
    if (checked == checked_value_ && unchecked == unchecked_value_) return;
    checked_value_ = std::move(checked);
    unchecked_value_ = std::move(unchecked);
    Changed(RowField::CheckTexts);
}

void Row::SetChecked(bool checked) {
    SetValue(checked ? checked_value_ : unchecked_value_);
}

}  // namespace vertanum
