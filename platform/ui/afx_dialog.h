// Dialogs built from a template of the resource chain. DoModal shows the dialog and takes the
// user's actions until a handler ends it: from the input source (dialog_input.h tells the
// actions), or from the widgets of a toolkit that presents it (presentation_hooks.h); Create
// shows it modeless (a template with WS_CHILD makes a child of the parent, as a pane of a larger
// window). A derived dialog overrides OnInitDialog, OnOK, OnCancel and
// OnCommand (the notifications of its controls) as with the usual class library.
#pragma once

#include "afx_controls.h"
#include "afx_wnd.h"
#include "message_box.h"
#include "module_resources.h"
#include "resource_script.h"

#include <memory>
#include <vector>

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // IDOK, IDCANCEL or what EndDialog was given; -1 when the template cannot be found.
    virtual INT_PTR DoModal();
    // Creates the dialog modeless; FALSE when its template cannot be found or OnInitDialog fails.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    using CWnd::Create;
    BOOL DestroyWindow() override;
    // Ends a modal dialog with result once the handler running returns; destroys a modeless one.
    void EndDialog(int result);

    // Gives the focus to the first control that takes it, then returns TRUE.
    virtual BOOL OnInitDialog();
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // The window's close box; a dialog hears it as Annulla.
    virtual void OnClose() { OnCancel(); }
    // Clicks of the buttons IDOK and IDCANCEL go to OnOK and OnCancel.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    HICON SetIcon(HICON icon, BOOL big);
    HICON GetIcon(BOOL big) const;

    UINT templateId() const { return templateId_; }
    bool isEnded() const { return ended_; }
    int result() const { return result_; }
    const rvnhost::DialogTemplate& dialogTemplate() const { return template_; }

private:
    bool build(CWnd* parent);
    void createControl(const rvnhost::ControlTemplate& control);

    UINT templateId_;
    CWnd* parent_;
    rvnhost::DialogTemplate template_;
    std::vector<std::unique_ptr<CWnd>> controls_;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    bool modal_ = false;
    bool ended_ = false;
    int result_ = IDCANCEL;
};

namespace rvnhost {
// The modeless dialogs shown now, in the order they were created: the user acts on them while a
// modal dialog's loop runs.
const std::vector<CDialog*>& modelessDialogs();
}  // namespace rvnhost
