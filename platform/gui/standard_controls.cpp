// The standard controls as Qt widgets: an edit as a line edit (a plain-text edit when multi-line),
// a static as a label, a button as a push button, check box, radio button or group box by its
// style, a combo box as a combo box (editable unless a drop-down list), a list box as a list; the
// grid control is registered with its own presenter.
#include "control_presenter.h"

#include "dialog_actions.h"
#include "dialog_view.h"
#include "grid_presenter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>
#include <cwctype>
#include <functional>
#include <map>

namespace rvngui {
namespace {

std::wstring textOf(const CWnd& control) {
    std::wstring text;
    control.GetWindowText(text);
    return text;
}

// A label shows "&" before its mnemonic letter as the letter alone, "&&" as "&".
QString withoutMnemonic(const std::wstring& text) {
    QString shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        shown += QChar(static_cast<char16_t>(text[i]));
    }
    return shown;
}

QStringList itemsOf(const CListControl& list, bool combo) {
    QStringList items;
    for (int i = 0; i < list.GetCount(); ++i) {
        std::wstring item;
        if (combo) static_cast<const CComboBox&>(list).GetLBText(i, item);
        else static_cast<const CListBox&>(list).GetText(i, item);
        items << toQString(item);
    }
    return items;
}

Qt::Alignment alignmentOf(DWORD style) {
    if (style & 0x2) return Qt::AlignRight | Qt::AlignVCenter;  // ES_RIGHT, SS_RIGHT
    if (style & 0x1) return Qt::AlignHCenter | Qt::AlignVCenter;  // ES_CENTER, SS_CENTER
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// What every presenter holds: the dialog, its control, the view that runs the actions and the
// widget, which it owns.
template <typename Widget>
class Presenter : public ControlPresenter {
public:
    Presenter(const ControlContext& context, Widget* widget)
        : dialog_(context.dialog), control_(context.control), view_(context.view), widget_(widget) {}
    ~Presenter() override { delete widget_; }
    QWidget* widget() const override { return widget_; }

protected:
    void act(const std::function<void()>& action) { view_.act(action); }

    CDialog& dialog_;
    CWnd& control_;
    DialogView& view_;
    Widget* widget_;
};

class LineEditPresenter : public Presenter<QLineEdit> {
public:
    explicit LineEditPresenter(const ControlContext& context) : Presenter(context, new QLineEdit) {
        QObject::connect(widget_, &QLineEdit::textEdited, [this](const QString& text) {
            act([this, text] { rvnhost::typeText(dialog_, control_, text.toStdWString()); });
        });
    }

    // A limited field takes no more typing than its limit, but keeps a longer text the program set.
    void refresh() override {
        const auto& edit = static_cast<const CEdit&>(control_);
        const QString text = toQString(textOf(control_));
        const int limit = static_cast<int>(edit.GetLimitText());
        widget_->setMaxLength(limit > 0 ? std::max<int>(limit, static_cast<int>(text.size())) : 32767);
        if (widget_->text() != text) widget_->setText(text);
        widget_->setReadOnly(control_.GetStyle() & ES_READONLY);
        widget_->setAlignment(alignmentOf(control_.GetStyle()));
        int start = 0;
        int end = 0;
        edit.GetSel(start, end);
        if (start < end) widget_->setSelection(start, end - start);
    }
};

// The model keeps a multi-line text with the operating system's line ends, "\r\n".
class PlainTextPresenter : public Presenter<QPlainTextEdit> {
public:
    explicit PlainTextPresenter(const ControlContext& context) : Presenter(context, new QPlainTextEdit) {
        QObject::connect(widget_, &QPlainTextEdit::textChanged, [this] {
            const QString text = widget_->toPlainText().replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
            act([this, text] { rvnhost::typeText(dialog_, control_, text.toStdWString()); });
        });
    }
    void refresh() override {
        const QString text = toQString(textOf(control_)).remove(QChar(u'\r'));
        if (widget_->toPlainText() != text) widget_->setPlainText(text);
        widget_->setReadOnly(control_.GetStyle() & ES_READONLY);
    }
    bool takesEnter() const override { return control_.GetStyle() & ES_WANTRETURN; }
};

class LabelPresenter : public Presenter<QLabel> {
public:
    explicit LabelPresenter(const ControlContext& context) : Presenter(context, new QLabel) {
        widget_->setFocusPolicy(Qt::NoFocus);
    }
    // A label the dialog paints in a colour of its own is a swatch of that colour.
    void refresh() override {
        const DWORD type = control_.GetStyle() & 0xF;
        widget_->setText(type == SS_ICON ? QString() : withoutMnemonic(textOf(control_)));
        widget_->setAlignment((alignmentOf(type == SS_ICON ? 0 : type) & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
        COLORREF colour = 0;
        const auto* label = dynamic_cast<const CStatic*>(&control_);  // a class nobody presents is no CStatic
        const bool painted = label && label->GetBackgroundColor(colour);
        widget_->setAutoFillBackground(painted);
        if (!painted) return;
        QPalette palette = widget_->palette();
        palette.setColor(QPalette::Window, QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour)));
        widget_->setPalette(palette);
    }
    bool passesRightClicks() const override { return true; }
};

// A push button is pressed through the model, which moves the focus to it first: the field left
// may refuse its value, and then the press does not happen.
class PushButtonPresenter : public Presenter<QPushButton> {
public:
    explicit PushButtonPresenter(const ControlContext& context) : Presenter(context, new QPushButton) {
        widget_->setAutoDefault(false);
        widget_->setDefault((context.form.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
        QObject::connect(widget_, &QPushButton::clicked, [this] { act([this] { rvnhost::clickButton(dialog_, control_); }); });
    }
    void refresh() override { widget_->setText(toQString(textOf(control_))); }
    bool focusComesWithClick() const override { return true; }
};

// A check box or radio button shows the model's check: a click asks the model, which decides.
template <typename Box>
class CheckPresenter : public Presenter<Box> {
public:
    explicit CheckPresenter(const ControlContext& context) : Presenter<Box>(context, new Box) {
        this->widget_->setAutoExclusive(false);
        QObject::connect(this->widget_, &Box::clicked, [this] {
            this->act([this] { rvnhost::clickButton(this->dialog_, this->control_); });
            const QSignalBlocker blocker(this->widget_);
            refresh();
        });
    }
    void refresh() override {
        this->widget_->setText(toQString(textOf(this->control_)));
        this->widget_->setChecked(static_cast<const CButton&>(this->control_).GetCheck() == BST_CHECKED);
    }
    bool focusComesWithClick() const override { return true; }
};

class GroupBoxPresenter : public Presenter<QGroupBox> {
public:
    explicit GroupBoxPresenter(const ControlContext& context) : Presenter(context, new QGroupBox) {
        widget_->setFocusPolicy(Qt::NoFocus);
    }
    void refresh() override { widget_->setTitle(toQString(textOf(control_))); }
    bool passesRightClicks() const override { return true; }
    bool liesBehind() const override { return true; }
};

// A combo box that tells its control before its list drops down, so that the dialog may fill the
// list first (CBN_DROPDOWN), as it does on the terminal's drop action.
class DroppingComboBox : public QComboBox {
public:
    std::function<void()> beforeDrop;
    void showPopup() override {
        if (beforeDrop) beforeDrop();
        QComboBox::showPopup();
    }
};

class ComboBoxPresenter : public Presenter<DroppingComboBox> {
public:
    explicit ComboBoxPresenter(const ControlContext& context) : Presenter(context, new DroppingComboBox) {
        widget_->beforeDrop = [this] { act([this] { rvnhost::dropDownList(dialog_, control_); }); };
        widget_->setEditable((context.form.style & CBS_TYPEMASK) != CBS_DROPDOWNLIST);
        widget_->setInsertPolicy(QComboBox::NoInsert);
        QObject::connect(widget_, &QComboBox::activated, [this](int index) {
            act([this, index] { rvnhost::chooseItem(dialog_, control_, index); });
        });
        if (QLineEdit* edit = widget_->lineEdit()) {
            QObject::connect(edit, &QLineEdit::textEdited, [this](const QString& text) {
                act([this, text] { rvnhost::typeText(dialog_, control_, text.toStdWString()); });
            });
        }
    }
    void refresh() override {
        const QStringList items = itemsOf(static_cast<const CListControl&>(control_), true);
        QStringList shown;
        for (int i = 0; i < widget_->count(); ++i) shown << widget_->itemText(i);
        if (shown != items) {
            widget_->clear();
            widget_->addItems(items);
        }
        widget_->setCurrentIndex(static_cast<const CListControl&>(control_).GetCurSel());
        const QString text = toQString(textOf(control_));
        if (widget_->isEditable() && widget_->currentText() != text) widget_->setEditText(text);
    }
    int heightFor(int templateHeight) const override { return std::min(templateHeight, widget_->sizeHint().height()); }
};

class ListBoxPresenter : public Presenter<QListWidget> {
public:
    explicit ListBoxPresenter(const ControlContext& context) : Presenter(context, new QListWidget) {
        QObject::connect(widget_, &QListWidget::currentRowChanged, [this](int row) {
            if (row >= 0) act([this, row] { rvnhost::chooseItem(dialog_, control_, row); });
        });
    }
    void refresh() override {
        const QStringList items = itemsOf(static_cast<const CListControl&>(control_), false);
        QStringList shown;
        for (int i = 0; i < widget_->count(); ++i) shown << widget_->item(i)->text();
        if (shown != items) {
            widget_->clear();
            widget_->addItems(items);
        }
        widget_->setCurrentRow(static_cast<const CListControl&>(control_).GetCurSel());
    }
};

std::unique_ptr<ControlPresenter> presentButton(const ControlContext& context) {
    switch (context.form.style & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX: return std::make_unique<CheckPresenter<QCheckBox>>(context);
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return std::make_unique<CheckPresenter<QRadioButton>>(context);
        case BS_GROUPBOX: return std::make_unique<GroupBoxPresenter>(context);
        default: return std::make_unique<PushButtonPresenter>(context);
    }
}

std::unique_ptr<ControlPresenter> presentStandard(const ControlContext& context) {
    const std::wstring& kind = context.form.className;
    if (kind == L"EDIT" && (context.form.style & ES_MULTILINE)) return std::make_unique<PlainTextPresenter>(context);
    if (kind == L"EDIT") return std::make_unique<LineEditPresenter>(context);
    if (kind == L"BUTTON") return presentButton(context);
    if (kind == L"COMBOBOX") return std::make_unique<ComboBoxPresenter>(context);
    if (kind == L"LISTBOX") return std::make_unique<ListBoxPresenter>(context);
    return std::make_unique<LabelPresenter>(context);
}

// Window class names are the same whatever their case; templates hold them in capitals.
std::wstring classKey(const std::wstring& className) {
    std::wstring key = className;
    for (wchar_t& c : key) c = static_cast<wchar_t>(std::towupper(c));
    return key;
}

std::map<std::wstring, ControlPresenterFactory>& registeredFactories() {
    static std::map<std::wstring, ControlPresenterFactory> factories{{classKey(L"MFCGridCtrl"), presentGrid}};
    return factories;
}

}  // namespace

void registerControlPresenter(const std::wstring& className, ControlPresenterFactory factory) {
    registeredFactories()[classKey(className)] = std::move(factory);
}

std::unique_ptr<ControlPresenter> presentControl(const ControlContext& context) {
    const auto found = registeredFactories().find(classKey(context.form.className));
    if (found != registeredFactories().end()) return found->second(context);
    return presentStandard(context);
}

}  // namespace rvngui
