#include "resource_script.h"

#include "afx_menu.h"
#include "afx_wnd.h"
#include "message_box.h"
#include "resource_tokens.h"
#include "text_codec.h"
#include "win_styles.h"

#include <cwctype>
#include <unordered_map>

namespace rvnhost {
namespace {

using Kind = ResourceToken::Kind;

const std::unordered_map<std::string, long long>& knownNames() {
    static const std::unordered_map<std::string, long long> names{
        {"IDOK", IDOK}, {"IDCANCEL", IDCANCEL}, {"IDYES", IDYES}, {"IDNO", IDNO}, {"IDC_STATIC", IDC_STATIC},
        {"WS_POPUP", WS_POPUP}, {"WS_CHILD", WS_CHILD}, {"WS_VISIBLE", WS_VISIBLE}, {"WS_DISABLED", WS_DISABLED},
        {"WS_CAPTION", WS_CAPTION}, {"WS_BORDER", WS_BORDER}, {"WS_VSCROLL", WS_VSCROLL},
        {"WS_HSCROLL", WS_HSCROLL}, {"WS_SYSMENU", WS_SYSMENU}, {"WS_THICKFRAME", WS_THICKFRAME},
        {"WS_GROUP", WS_GROUP},
        {"WS_TABSTOP", WS_TABSTOP}, {"DS_SETFONT", DS_SETFONT}, {"DS_MODALFRAME", DS_MODALFRAME},
        {"DS_FIXEDSYS", DS_FIXEDSYS}, {"DS_SHELLFONT", DS_SHELLFONT}, {"DS_CENTER", DS_CENTER},
        {"DS_CONTROL", DS_CONTROL},
        {"ES_LEFT", ES_LEFT}, {"ES_CENTER", ES_CENTER}, {"ES_RIGHT", ES_RIGHT}, {"ES_MULTILINE", ES_MULTILINE},
        {"ES_AUTOVSCROLL", ES_AUTOVSCROLL}, {"ES_AUTOHSCROLL", ES_AUTOHSCROLL}, {"ES_READONLY", ES_READONLY},
        {"ES_WANTRETURN", ES_WANTRETURN}, {"ES_NUMBER", ES_NUMBER}, {"SS_LEFT", SS_LEFT},
        {"SS_CENTER", SS_CENTER}, {"SS_RIGHT", SS_RIGHT}, {"SS_ICON", SS_ICON},
        {"SS_NOTIFY", SS_NOTIFY}, {"SS_SUNKEN", SS_SUNKEN},
        {"BS_PUSHBUTTON", BS_PUSHBUTTON}, {"BS_DEFPUSHBUTTON", BS_DEFPUSHBUTTON}, {"BS_CHECKBOX", BS_CHECKBOX},
        {"BS_AUTOCHECKBOX", BS_AUTOCHECKBOX}, {"BS_RADIOBUTTON", BS_RADIOBUTTON},
        {"BS_GROUPBOX", BS_GROUPBOX}, {"BS_AUTORADIOBUTTON", BS_AUTORADIOBUTTON},
        {"CBS_SIMPLE", CBS_SIMPLE}, {"CBS_DROPDOWN", CBS_DROPDOWN}, {"CBS_DROPDOWNLIST", CBS_DROPDOWNLIST},
        {"CBS_AUTOHSCROLL", CBS_AUTOHSCROLL}, {"CBS_SORT", CBS_SORT}, {"LBS_NOTIFY", LBS_NOTIFY},
        {"LBS_SORT", LBS_SORT}};
    return names;
}

// How a control statement of a dialog is written and what it makes.
struct ControlForm {
    const char* className;
    DWORD defaultStyle;
    bool hasText;
};

const std::unordered_map<std::string, ControlForm>& controlForms() {
    static const std::unordered_map<std::string, ControlForm> forms{
        {"LTEXT", {"STATIC", SS_LEFT | WS_GROUP, true}},
        {"RTEXT", {"STATIC", SS_RIGHT | WS_GROUP, true}},
        {"CTEXT", {"STATIC", SS_CENTER | WS_GROUP, true}},
        {"ICON", {"STATIC", SS_ICON, true}},
        {"EDITTEXT", {"EDIT", ES_LEFT | WS_BORDER | WS_TABSTOP, false}},
        {"PUSHBUTTON", {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, true}},
        {"DEFPUSHBUTTON", {"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, true}},
        {"GROUPBOX", {"BUTTON", BS_GROUPBOX, true}},
        {"CHECKBOX", {"BUTTON", BS_CHECKBOX | WS_TABSTOP, true}},
        {"AUTOCHECKBOX", {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, true}},
        {"RADIOBUTTON", {"BUTTON", BS_RADIOBUTTON, true}},
        {"AUTORADIOBUTTON", {"BUTTON", BS_AUTORADIOBUTTON, true}},
        {"COMBOBOX", {"COMBOBOX", CBS_SIMPLE | WS_TABSTOP, false}},
        {"LISTBOX", {"LISTBOX", LBS_NOTIFY | WS_BORDER, false}}};
    return forms;
}

std::wstring wide(const std::string& text) { return rvnos::fromUtf8(text); }

class Parser {
public:
    Parser(ResourceTokens tokens, ResourceScriptError& error) : tokens_(std::move(tokens)), error_(error) {}

    std::optional<ResourceScript> run() {
        while (!atEnd()) {
            if (!resource()) return std::nullopt;
        }
        return std::move(script_);
    }

private:
    bool atEnd() const { return at_ >= tokens_.tokens.size(); }
    const ResourceToken& peek() const { return tokens_.tokens[at_]; }
    bool peekName(const char* name) const { return !atEnd() && peek().kind == Kind::Name && peek().text == name; }
    bool peekKind(Kind kind) const { return !atEnd() && peek().kind == kind; }

    bool fail(std::wstring reason) {
        error_.line = atEnd() ? (tokens_.tokens.empty() ? 1 : tokens_.tokens.back().line) : peek().line;
        error_.reason = std::move(reason);
        return false;
    }

    bool resource() {
        if (peekName("LANGUAGE")) return skipLanguage();
        if (peekName("STRINGTABLE")) return ++at_, stringTable();
        int id = 0;
        if (!value(id)) return false;
        if (peekName("DIALOGEX") || peekName("DIALOG")) return ++at_, dialog(id);
        if (peekName("ICON")) return ++at_, icon(id);
        if (peekName("MENU")) return ++at_, menu(id);
        return fail(L"expected DIALOGEX, DIALOG, MENU or ICON after a resource id");
    }

    bool skipLanguage() {
        ++at_;
        for (int part = 0; part < 2; ++part) {
            if (part > 0 && !comma()) return false;
            if (atEnd() || peek().kind == Kind::String) return fail(L"LANGUAGE needs two values");
            ++at_;
        }
        return true;
    }

    // A number, a known name or a #define'd name.
    template <typename Number>
    bool value(Number& out) {
        if (atEnd()) return fail(L"the script ends where a value is expected");
        const ResourceToken& token = peek();
        if (token.kind == Kind::Number) return out = static_cast<Number>(token.number), ++at_, true;
        if (token.kind != Kind::Name) return fail(L"expected a number or a name");
        if (const auto defined = tokens_.defines.find(token.text); defined != tokens_.defines.end()) {
            return out = static_cast<Number>(defined->second), ++at_, true;
        }
        if (const auto known = knownNames().find(token.text); known != knownNames().end()) {
            return out = static_cast<Number>(known->second), ++at_, true;
        }
        return fail(L"unknown name " + wide(token.text));
    }

    // Styles joined by '|', each added to start, or taken from it after NOT.
    bool styleValue(DWORD& style) {
        do {
            const bool removed = peekName("NOT");
            if (removed) ++at_;
            DWORD bits = 0;
            if (!value(bits)) return false;
            style = removed ? (style & ~bits) : (style | bits);
        } while (peekKind(Kind::Bar) && ++at_);
        return true;
    }

    bool text(std::wstring& out) {
        if (!peekKind(Kind::String)) return fail(L"expected a quoted text");
        out = wide(peek().text);
        ++at_;
        return true;
    }

    bool comma() {
        if (!peekKind(Kind::Comma)) return fail(L"expected a comma");
        ++at_;
        return true;
    }

    bool place(DialogUnits& units) {
        return value(units.x) && comma() && value(units.y) && comma() && value(units.width) && comma() &&
               value(units.height);
    }

    bool dialog(int id) {
        DialogTemplate dialog;
        dialog.id = id;
        if (!place(dialog.place)) return false;
        if (peekKind(Kind::Comma)) {
            int helpId = 0;
            if (!comma() || !value(helpId)) return false;
        }
        while (!peekName("BEGIN")) {
            if (!dialogOption(dialog)) return false;
        }
        ++at_;
        while (!peekName("END")) {
            if (!control(dialog)) return false;
        }
        ++at_;
        if (script_.dialogs.count(id)) return fail(L"dialog " + std::to_wstring(id) + L" defined twice");
        script_.dialogs[id] = std::move(dialog);
        return true;
    }

    bool dialogOption(DialogTemplate& dialog) {
        if (atEnd()) return fail(L"the dialog has no BEGIN");
        const std::string option = peek().text;
        ++at_;
        if (option == "STYLE") return styleValue(dialog.style);
        if (option == "EXSTYLE") {
            DWORD ignored = 0;
            return styleValue(ignored);
        }
        if (option == "CAPTION") return text(dialog.caption);
        if (option == "FONT") return font(dialog);
        --at_;
        return fail(L"unknown dialog statement " + wide(option));
    }

    // FONT size, "name" [, weight, italic, charset]
    bool font(DialogTemplate& dialog) {
        if (!value(dialog.fontSize) || !comma() || !text(dialog.fontName)) return false;
        for (int extra = 0; extra < 3 && peekKind(Kind::Comma); ++extra) {
            int ignored = 0;
            if (!comma() || !value(ignored)) return false;
        }
        return true;
    }

    bool control(DialogTemplate& dialog) {
        if (atEnd()) return fail(L"the dialog has no END");
        const std::string keyword = peek().text;
        ++at_;
        ControlTemplate control;
        if (keyword == "CONTROL") {
            if (!genericControl(control)) return false;
        } else if (const auto form = controlForms().find(keyword); form != controlForms().end()) {
            if (!formedControl(form->second, control)) return false;
        } else {
            --at_;
            return fail(L"unknown control statement " + wide(keyword));
        }
        control.style |= WS_CHILD | WS_VISIBLE;
        dialog.controls.push_back(std::move(control));
        return true;
    }

    // KEYWORD ["text",] id, x, y, width, height [, style [, exstyle]]
    bool formedControl(const ControlForm& form, ControlTemplate& control) {
        control.className = wide(form.className);
        control.style = form.defaultStyle;
        if (form.hasText && !(text(control.text) && comma())) return false;
        if (!value(control.id) || !comma() || !place(control.place)) return false;
        return optionalStyles(control.style);
    }

    // CONTROL "text", id, "class", style, x, y, width, height [, exstyle]
    bool genericControl(ControlTemplate& control) {
        if (!text(control.text) || !comma() || !value(control.id) || !comma()) return false;
        if (!text(control.className) || !comma() || !styleValue(control.style) || !comma()) return false;
        if (!place(control.place)) return false;
        for (auto& c : control.className) c = static_cast<wchar_t>(std::towupper(c));
        DWORD ignored = 0;
        return !peekKind(Kind::Comma) || (comma() && styleValue(ignored));
    }

    bool optionalStyles(DWORD& style) {
        if (!peekKind(Kind::Comma)) return true;
        if (!comma() || !styleValue(style)) return false;
        DWORD ignored = 0;
        return !peekKind(Kind::Comma) || (comma() && styleValue(ignored));
    }

    // MENU [memory options] BEGIN items END
    bool menu(int id) {
        MenuTemplate menu;
        menu.id = id;
        while (!atEnd() && peek().kind == Kind::Name && !peekName("BEGIN")) ++at_;
        if (!menuItems(menu.items)) return false;
        if (script_.menus.count(id)) return fail(L"menu " + std::to_wstring(id) + L" defined twice");
        script_.menus[id] = std::move(menu);
        return true;
    }

    bool menuItems(std::vector<MenuItemTemplate>& items) {
        if (!peekName("BEGIN")) return fail(L"expected BEGIN in a menu");
        ++at_;
        while (!peekName("END")) {
            if (atEnd()) return fail(L"the menu has no END");
            MenuItemTemplate item;
            if (!menuItem(item)) return false;
            items.push_back(std::move(item));
        }
        ++at_;
        return true;
    }

    // MENUITEM "text", id [, options] | MENUITEM SEPARATOR | POPUP "text" [, options] BEGIN ... END
    bool menuItem(MenuItemTemplate& item) {
        const std::string keyword = peek().text;
        ++at_;
        if (keyword == "MENUITEM" && peekName("SEPARATOR")) {
            ++at_;
            item.flags = MF_SEPARATOR;
            return true;
        }
        if (keyword == "MENUITEM") return text(item.text) && comma() && value(item.id) && menuOptions(item.flags);
        if (keyword == "POPUP") {
            item.flags = MF_POPUP;
            return text(item.text) && menuOptions(item.flags) && menuItems(item.items);
        }
        --at_;
        return fail(L"unknown menu statement " + wide(keyword));
    }

    // Options written after an item, separated by commas or blanks.
    bool menuOptions(UINT& flags) {
        static const std::unordered_map<std::string, UINT> options{
            {"GRAYED", MF_GRAYED}, {"INACTIVE", MF_DISABLED}, {"CHECKED", MF_CHECKED},
            {"MENUBREAK", 0}, {"MENUBARBREAK", 0}, {"HELP", 0}};
        while (!atEnd()) {
            const bool separated = peekKind(Kind::Comma);
            const ResourceToken& option = separated && at_ + 1 < tokens_.tokens.size() ? tokens_.tokens[at_ + 1] : peek();
            const auto known = option.kind == Kind::Name ? options.find(option.text) : options.end();
            if (known == options.end()) return !separated || fail(L"unknown menu option");
            flags |= known->second;
            at_ += separated ? 2 : 1;
        }
        return true;
    }

    bool icon(int id) {
        std::wstring file;
        if (!text(file)) return false;
        script_.icons[id] = file;
        return true;
    }

    // STRINGTABLE [options] BEGIN id[,] "text" ... END
    bool stringTable() {
        while (!atEnd() && !peekName("BEGIN")) ++at_;
        if (atEnd()) return fail(L"STRINGTABLE has no BEGIN");
        ++at_;
        while (!peekName("END")) {
            int id = 0;
            std::wstring entry;
            if (!value(id)) return false;
            if (peekKind(Kind::Comma)) ++at_;
            if (!text(entry)) return false;
            script_.strings[id] = entry;
        }
        ++at_;
        return true;
    }

    ResourceTokens tokens_;
    ResourceScriptError& error_;
    std::size_t at_ = 0;
    ResourceScript script_;
};

}  // namespace

std::optional<ResourceScript> parseResourceScript(std::string_view text, ResourceScriptError& error) {
    std::optional<ResourceTokens> tokens = tokenizeResourceScript(text, error.line, error.reason);
    if (!tokens) return std::nullopt;
    return Parser(std::move(*tokens), error).run();
}

}  // namespace rvnhost
