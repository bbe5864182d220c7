#include "dialogs/checked_fields.h"

#include "dialogs/dialog_numbers.h"
#include "dialogs/element_dialog_texts.h"
#include "frame/translation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

TzRvnCheckedField TzRvnTextField(int id, std::wstring* text, TzRvnTextRule rule) {
    TzRvnCheckedField field;
    field.id = id;
    field.text = text;
    field.textRule = std::move(rule);
    return field;
}

TzRvnCheckedField TzRvnNumberField(int id, double* number, TzRvnNumberRule rule, bool selectOnEntry) {
    TzRvnCheckedField field;
    field.id = id;
    field.number = number;
    field.numberRule = std::move(rule);
    field.selectOnEntry = selectOnEntry;
    return field;
}

void TzRvnCheckedFields::Set(std::vector<TzRvnCheckedField> fields, std::map<int, int> enterCycle) {
    fields_ = std::move(fields);
    enterCycle_ = std::move(enterCycle);
}

void TzRvnCheckedFields::ShowAll() const {
    for (const TzRvnCheckedField& field : fields_) ShowValue(field);
}

void TzRvnCheckedFields::Show(int id) const {
    if (const TzRvnCheckedField* field = FieldOf(id)) ShowValue(*field);
}

void TzRvnCheckedFields::ShowValue(const TzRvnCheckedField& field) const {
    const std::wstring text = field.number ? DialogNumberText(*field.number) : *field.text;
    dialog_.SetDlgItemText(field.id, text.c_str());
}

const TzRvnCheckedField* TzRvnCheckedFields::FieldOf(int id) const {
    const auto found =
        std::find_if(fields_.begin(), fields_.end(), [id](const TzRvnCheckedField& field) { return field.id == id; });
    return found == fields_.end() ? nullptr : &*found;
}

std::optional<double> TzRvnCheckedFields::NumberOf(const TzRvnCheckedField& field, const std::wstring& text) const {
    const std::optional<double> value = DialogNumber(text);
    if (!value || !field.wholeNumber) return value;
    const bool whole = std::floor(*value) == *value && std::fabs(*value) <= std::numeric_limits<std::int32_t>::max();
    return whole ? value : std::nullopt;
}

// A number field holding no number gets its value back, all of it selected.
void TzRvnCheckedFields::RestoreNonNumbers() const {
    for (const TzRvnCheckedField& field : fields_) {
        if (!field.number) continue;
        std::wstring text;
        dialog_.GetDlgItemText(field.id, text);
        if (NumberOf(field, text)) continue;
        ShowValue(field);
        static_cast<CEdit*>(dialog_.GetDlgItem(field.id))->SetSel(0, -1);
    }
}

void TzRvnCheckedFields::Check(const TzRvnCheckedField& field) {
    RestoreNonNumbers();
    std::wstring text;
    dialog_.GetDlgItemText(field.id, text);
    if (field.text) {
        if (const wchar_t* message = field.textRule ? field.textRule(text) : nullptr) return Refuse(field, message);
        *field.text = text;
        return;
    }
    const double value = NumberOf(field, text).value_or(*field.number);
    if (const wchar_t* message = field.numberRule ? field.numberRule(value) : nullptr) return Refuse(field, message);
    *field.number = field.adjust ? field.adjust(value) : value;
    if (*field.number != value) ShowValue(field);
}

void TzRvnCheckedFields::Refuse(const TzRvnCheckedField& field, const wchar_t* message) const {
    MessageBoxW(dialog_.GetSafeHwnd(), TranslateText(message).c_str(),
                TranslateText(TzRvnElementDialogText::kMessageCaption).c_str(), MB_OK | MB_ICONWARNING);
    ShowValue(field);
    dialog_.GetDlgItem(field.id)->SetFocus();
}

bool TzRvnCheckedFields::OnNotification(int id, UINT code) {
    const TzRvnCheckedField* field = FieldOf(id);
    if (!field) return false;
    if (code == EN_KILLFOCUS) {
        Check(*field);
        return true;
    }
    if (code == EN_SETFOCUS) {
        if (field->selectOnEntry) static_cast<CEdit*>(dialog_.GetDlgItem(id))->SetSel(0, -1);
        return true;
    }
    return false;
}

bool TzRvnCheckedFields::AcceptsOk() const {
    const CWnd* focused = CWnd::GetFocus();
    const int id = focused && focused->GetParent() == &dialog_ ? focused->GetDlgCtrlID() : 0;
    if (const auto next = enterCycle_.find(id); next != enterCycle_.end()) {
        dialog_.GetDlgItem(next->second)->SetFocus();
        return false;
    }
    return id == IDOK;
}
