// The fields of a dialog, checked as they lose the focus: a number field that holds no number gets
// its value back, all of it selected; a value that breaks its field's rule is said (a warning
// captioned "AutoCAD"), put back, and its field keeps the focus. A field's value lives in the
// dialog's own variable, updated as the field is left. Enter in a control of the Enter cycle moves
// the focus on to the next one instead of closing the dialog.
#pragma once

#include "afx_dialog.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// A field's rule: the message of a value that breaks it, nullptr for a value it takes.
using TzRvnNumberRule = std::function<const wchar_t*(double)>;
using TzRvnTextRule = std::function<const wchar_t*(const std::wstring&)>;

struct TzRvnCheckedField {
    int id = 0;
    std::wstring* text = nullptr;  // a text field
    double* number = nullptr;      // or a number field
    TzRvnNumberRule numberRule;
    TzRvnTextRule textRule;
    bool selectOnEntry = true;
    bool wholeNumber = false;  // a number with a fraction counts as no number
    // The value kept of one the rule took (a threshold held to its partner); none: the value.
    std::function<double(double)> adjust;
};

TzRvnCheckedField TzRvnTextField(int id, std::wstring* text, TzRvnTextRule rule = {});
TzRvnCheckedField TzRvnNumberField(int id, double* number, TzRvnNumberRule rule = {}, bool selectOnEntry = true);

class TzRvnCheckedFields {
public:
    explicit TzRvnCheckedFields(CDialog& dialog) : dialog_(dialog) {}

    // The fields, top to bottom, and where Enter moves from each control of the cycle.
    void Set(std::vector<TzRvnCheckedField> fields, std::map<int, int> enterCycle);
    // Shows every field's value, or the one field's (after its variable changed).
    void ShowAll() const;
    void Show(int id) const;
    // Checks a field that lost the focus and selects the text of one that gained it; false when
    // the notification is not about a field.
    bool OnNotification(int id, UINT code);
    // What the dialog's OK (the Enter key, or the OK button) does: from a control of the Enter
    // cycle it moves the focus on and gives false; it gives true only when the OK button itself
    // has the focus, the one way to accept the dialog.
    bool AcceptsOk() const;

private:
    const TzRvnCheckedField* FieldOf(int id) const;
    std::optional<double> NumberOf(const TzRvnCheckedField& field, const std::wstring& text) const;
    void ShowValue(const TzRvnCheckedField& field) const;
    void Check(const TzRvnCheckedField& field);
    void RestoreNonNumbers() const;
    void Refuse(const TzRvnCheckedField& field, const wchar_t* message) const;

    CDialog& dialog_;
    std::vector<TzRvnCheckedField> fields_;
    std::map<int, int> enterCycle_;
};
