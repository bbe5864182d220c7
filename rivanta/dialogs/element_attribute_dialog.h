// What the node, branch and tank dialogs share: a mode (insertion 0, modification otherwise) that
// chooses caption and help topic, a screen position kept inside the drawing view, fields checked
// as they lose the focus (a number that is no number is put back; a value that breaks its rule is
// said, put back, and its field keeps the focus), Enter moving through the fields, OK alone
// accepting. A derived dialog lists its fields and fills in what it shows at start.
#pragma once

#include "afx_dialog.h"
#include "afx_resources.h"
#include "network/settings.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

class TzRvnElementAttributeDlg : public CDialog {
public:
    // The dialog's top-left corner on the screen, before it is kept inside the drawing view.
    void SetPosition(int x, int y) {
        positionX_ = x;
        positionY_ = y;
    }

protected:
    // A field's rule: the message of a value that breaks it, nullptr for a value it takes.
    using NumberRule = std::function<const wchar_t*(double)>;
    using TextRule = std::function<const wchar_t*(const std::wstring&)>;

    struct Field {
        int id = 0;
        std::wstring* text = nullptr;  // a text field
        double* number = nullptr;      // or a number field
        NumberRule numberRule;
        TextRule textRule;
        bool selectOnEntry = true;
    };

    static Field TextField(int id, std::wstring* text, TextRule rule = {}) {
        Field field;
        field.id = id;
        field.text = text;
        field.textRule = std::move(rule);
        return field;
    }
    static Field NumberField(int id, double* number, NumberRule rule = {}, bool selectOnEntry = true) {
        Field field;
        field.id = id;
        field.number = number;
        field.numberRule = std::move(rule);
        field.selectOnEntry = selectOnEntry;
        return field;
    }

    struct Captions {
        const wchar_t* insertion;
        const wchar_t* modification;
        const wchar_t* insertionHelp;
        const wchar_t* modificationHelp;
    };

    TzRvnElementAttributeDlg(UINT templateId, CWnd* parent, int mode, Captions captions);

    // The fields, top to bottom, and where Enter moves from each.
    void SetFields(std::vector<Field> fields, std::map<int, int> enterCycle);
    // What the dialog does between its translation and its placement (units, defaults, read-only
    // fields); false ends it as cancelled.
    virtual bool PrepareFields() { return true; }
    bool IsModification() const { return mode_ != 0; }
    // The current network's settings; when they cannot be had, says so and gives false.
    bool LoadSettingsOrSay(TzRvnSettings& settings);

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void PlaceInsideView();
    void ShowValues();
    void ShowValue(const Field& field);
    void CheckField(const Field& field);
    void RestoreNonNumbers();
    void Refuse(const Field& field, const wchar_t* message);
    const Field* FieldOf(int id) const;

    int mode_;
    Captions captions_;
    int positionX_ = 0;
    int positionY_ = 0;
    std::vector<Field> fields_;
    std::map<int, int> enterCycle_;
};

inline constexpr int kElementDialogIcon = 9000;
inline constexpr int kElementDialogHelpButton = 9084;
