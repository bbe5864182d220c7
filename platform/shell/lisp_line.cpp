#include "lisp_line.h"

#include "acdbads.h"
#include "acedads.h"
#include "acutmem.h"
#include "adscodes.h"
#include "lisp_expression.h"
#include "resbuf_kind.h"
#include "sysvars.h"

#include <cwchar>
#include <cwctype>

namespace rvnshell {
namespace {

using rvnhost::ResbufKind;
using rvnhost::ResbufList;

bool isSymbol(const LispNode& node, const wchar_t* name) {
    if (node.kind != LispNode::Kind::Symbol || node.text.size() != std::wcslen(name)) return false;
    for (std::size_t i = 0; i < node.text.size(); ++i) {
        if (static_cast<wchar_t>(std::towlower(node.text[i])) != name[i]) return false;
    }
    return true;
}

// A number or a text as a one-item list; null when the node is neither.
resbuf* valueOf(const LispNode& node) {
    switch (node.kind) {
    case LispNode::Kind::Text: return acutBuildList(RTSTR, node.text.c_str(), 0);
    case LispNode::Kind::Integer: return acutBuildList(RTLONG, static_cast<int>(node.integer), 0);
    case LispNode::Kind::Real: return acutBuildList(RTREAL, node.real, 0);
    default: return nullptr;
    }
}

bool evaluateSetq(const LispNode& expression, std::wstring& reason) {
    const std::vector<LispNode>& words = expression.items;
    if (words.size() % 2 != 1 || expression.dotted) return false;
    for (std::size_t i = 1; i < words.size(); i += 2) {
        const ResbufList value(valueOf(words[i + 1]));
        if (words[i].kind != LispNode::Kind::Symbol || value == nullptr) {
            reason = L"Not a NAME followed by a number or a \"text\": " + words[i].text;
            return false;
        }
        if (acedPutSym(words[i].text.c_str(), value.get()) != RTNORM) {
            reason = L"The symbol cannot be set: " + words[i].text;
            return false;
        }
    }
    return true;
}

// The group (code . value) or (code x y [z]) as a resbuf of that code, the value of the kind the
// code carries; null when it is not.
resbuf* groupOf(int code, const LispNode& group) {
    const std::vector<LispNode>& items = group.items;
    resbuf* item = acutNewRb(code);
    if (item == nullptr) return nullptr;
    const ResbufKind kind = rvnhost::resbufKind(code);
    const bool pair = group.dotted && items.size() == 2;
    const LispNode* value = pair ? &items[1] : nullptr;
    bool fits = false;
    if (kind == ResbufKind::Point && !group.dotted && (items.size() == 3 || items.size() == 4)) {
        fits = true;
        for (std::size_t axis = 0; axis + 1 < items.size(); ++axis) {
            fits = fits && items[axis + 1].isNumber();
            if (fits) item->resval.rpoint[axis] = items[axis + 1].number();
        }
    } else if (value != nullptr && kind == ResbufKind::Real && value->isNumber()) {
        item->resval.rreal = value->number();
        fits = true;
    } else if (value != nullptr && kind == ResbufKind::Short && value->kind == LispNode::Kind::Integer) {
        item->resval.rint = static_cast<short>(value->integer);
        fits = value->integer >= -32768 && value->integer <= 32767;
    } else if (value != nullptr && kind == ResbufKind::Long && value->kind == LispNode::Kind::Integer) {
        item->resval.rlong = static_cast<Adesk::Int32>(value->integer);
        fits = true;
    } else if (value != nullptr && kind == ResbufKind::String && value->kind == LispNode::Kind::Text) {
        fits = acutNewString(value->text.c_str(), item->resval.rstring) == Acad::eOk;
    }
    if (!fits) {
        acutRelRb(item);
        return nullptr;
    }
    return item;
}

std::optional<int> codeOf(const LispNode& group) {
    if (group.kind != LispNode::Kind::List || group.items.empty() || group.items[0].kind != LispNode::Kind::Integer) {
        return std::nullopt;
    }
    return static_cast<int>(group.items[0].integer);
}


// (-3 ("APP" group ...) ...): -3, then for each application 1001 and its groups.
bool addExtendedData(const LispNode& group, std::vector<resbuf*>& items, std::wstring& reason) {
    items.push_back(acutNewRb(-3));
    for (std::size_t at = 1; at < group.items.size(); ++at) {
        const LispNode& application = group.items[at];
        if (application.kind != LispNode::Kind::List || application.dotted || application.items.empty() ||
            application.items[0].kind != LispNode::Kind::Text) {
            reason = L"Extended data is (-3 (\"APPLICATION\" (1000 . \"text\") ...))";
            return false;
        }
        items.push_back(acutBuildList(1001, application.items[0].text.c_str(), 0));
        for (std::size_t item = 1; item < application.items.size(); ++item) {
            const std::optional<int> code = codeOf(application.items[item]);
            resbuf* made = code && rvnhost::isXDataCode(*code) ? groupOf(*code, application.items[item]) : nullptr;
            if (made == nullptr) {
                reason = L"Not an extended data group: " + application.items[item].text;
                return false;
            }
            items.push_back(made);
        }
    }
    return true;
}

// The entity list of a quoted list of groups; false, with the reason, when a group is malformed.
bool entityListOf(const LispNode& groups, std::vector<resbuf*>& items, std::wstring& reason) {
    if (groups.kind != LispNode::Kind::List || !groups.quoted || groups.dotted) {
        reason = L"entmake takes a quoted list of groups: (entmake '((0 . \"LINE\") ...))";
        return false;
    }
    for (const LispNode& group : groups.items) {
        const std::optional<int> code = codeOf(group);
        if (code == -3) {
            if (!addExtendedData(group, items, reason)) return false;
            continue;
        }
        resbuf* item = code ? groupOf(*code, group) : nullptr;
        if (item == nullptr) {
            reason = L"Not a group (CODE . VALUE) or (CODE X Y Z) with a value its code takes";
            return false;
        }
        items.push_back(item);
    }
    return true;
}

bool evaluateEntmake(const LispNode& expression, std::wstring& reason) {
    if (expression.items.size() == 1) {
        acdbEntMake(nullptr);
        return true;
    }
    std::vector<resbuf*> items;
    const bool read = expression.items.size() == 2 && !expression.dotted && entityListOf(expression.items[1], items, reason);
    for (std::size_t i = 0; i + 1 < items.size(); ++i) items[i]->rbnext = items[i + 1];
    const ResbufList list(items.empty() ? nullptr : items.front());
    if (!read) return false;
    const int result = acdbEntMake(list.get());
    if (result == RTNORM || result == RTKWORD) return true;
    reason = L"entmake: the drawing refuses the list (ERRNO " + std::to_wstring(rvnhost::integerVariable(L"ERRNO", 0)) + L")";
    return false;
}

}  // namespace

bool evaluateLispLine(const std::wstring& line, std::wstring& reason) {
    const std::optional<LispNode> expression = readLispExpression(line);
    if (expression && expression->kind == LispNode::Kind::List && !expression->items.empty() && !expression->quoted) {
        const bool setq = isSymbol(expression->items[0], L"setq");
        if (setq || isSymbol(expression->items[0], L"entmake")) {
            if (setq ? evaluateSetq(*expression, reason) : evaluateEntmake(*expression, reason)) return true;
            if (!reason.empty()) return false;
        }
    }
    reason = L"Only (setq NAME VALUE ...) and (entmake '(GROUP ...)) are read here: " + line;
    return false;
}

}  // namespace rvnshell
