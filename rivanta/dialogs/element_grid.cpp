#include "dialogs/element_grid.h"

#include "acedads.h"
#include "adscodes.h"
#include "dialogs/grid_texts.h"
#include "dialogs/network_database_texts.h"
#include "frame/command_line.h"
#include "frame/translation.h"
#include "host/open_object.h"
#include "netobj/network_object.h"
#include "dialogs/dialog_settings.h"

#include <algorithm>
#include <cerrno>
#include <cwchar>
#include <cwctype>

namespace Text = TzRvnGridText;

namespace {

constexpr COLORREF kFixedBackground = RGB(240, 240, 240);

// The title of a unit code; a code outside the table takes the SI unit's.
template <std::size_t N>
const wchar_t* titleOf(const std::array<const wchar_t*, N>& titles, int code) {
    return code >= 0 && code < static_cast<int>(N) ? titles[static_cast<std::size_t>(code)] : titles[0];
}

const wchar_t* unitTitle(TzRvnUnitTitle unit, const TzRvnSettings& settings, bool opening) {
    switch (unit) {
        case TzRvnUnitTitle::nodeFlow:
            return titleOf(opening ? Text::kOpeningNodeFlow : Text::kFilledFlow, settings.flowUnit);
        case TzRvnUnitTitle::edgeFlow:
            return titleOf(opening ? Text::kOpeningEdgeFlow : Text::kFilledFlow, settings.flowUnit);
        case TzRvnUnitTitle::diameter:
            return titleOf(opening ? Text::kOpeningDiameter : Text::kFilledDiameter, settings.diameterUnit);
        case TzRvnUnitTitle::roughness: return titleOf(Text::kRoughness, settings.roughnessUnit);
        case TzRvnUnitTitle::slope:
            return titleOf(opening ? Text::kOpeningSlope : Text::kFilledSlope, settings.slopeUnit);
        case TzRvnUnitTitle::none: break;
    }
    return L"";
}

std::wstring trimmed(const std::wstring& text) {
    const std::size_t first = text.find_first_not_of(L" \t");
    return first == std::wstring::npos ? L"" : text.substr(first, text.find_last_not_of(L" \t") + 1 - first);
}

}  // namespace

bool ReadGridSettings(TzRvnGridOwner& owner, TzRvnSettings& settings) {
    if (LoadDialogSettings(owner.programFolder(), AcDbObjectId::kNull, settings).loaded()) return true;
    owner.say(TranslateText(TzRvnDatiReteText::kSettingsNotRead), MB_ICONERROR);
    return false;
}

std::wstring GridNumberText(double value) {
    wchar_t buffer[64] = {};
    return acdbRToS(value, -1, -1, buffer) == RTNORM ? std::wstring(buffer) : std::wstring();
}

std::optional<double> GridNumber(const std::wstring& text) {
    const std::wstring typed = trimmed(text);
    double value = 0.0;
    if (typed.empty() || acdbDisToF(typed.c_str(), -1, &value) != RTNORM) return std::nullopt;
    return value;
}

std::optional<long> GridInteger(const std::wstring& text) {
    const std::wstring typed = trimmed(text);
    if (typed.empty()) return 0L;
    wchar_t* stop = nullptr;
    errno = 0;
    const long value = std::wcstol(typed.c_str(), &stop, 10);
    if (*stop != L'\0' || errno != 0 || std::iswspace(typed.front())) return std::nullopt;
    return value;
}

TzRvnElementGridDlg::TzRvnElementGridDlg(const TzRvnGridShape& shape, std::span<const TzRvnGridColumn> columns,
                                         TzRvnGridOwner& owner)
    : CDialog(shape.templateId), shape_(shape), columns_(columns), owner_(owner) {}

// The grid made and titled from the settings file, then filled from the chosen network; a grid
// that cannot be shown says why and ends.
BOOL TzRvnElementGridDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    TranslateDialog(this);
    RECT place{0, 0, 0, 0};
    GetWindowRect(&place);
    grid_.Create(RECT{0, 0, place.right - place.left, place.bottom - place.top}, this, shape_.gridId);
    TzRvnSettings settings;
    if (!ReadGridSettings(owner_, settings)) {
        EndDialog(IDCANCEL);
        return FALSE;
    }
    setUp(settings);
    if (owner_.chosenNetwork().isNull()) return TRUE;
    TzRvnOpenObject<TzRvnNetwork> network(owner_.chosenNetwork(), AcDb::kForRead);
    if (!network.isOpen()) {
        owner_.say(TranslateText(shape_.notShown), MB_ICONERROR);
        EndDialog(IDCANCEL);
        return FALSE;
    }
    fillFrom(*network);
    return TRUE;
}

void TzRvnElementGridDlg::setUp(const TzRvnSettings& settings) {
    grid_.SetColumnCount(static_cast<int>(columns_.size()));
    grid_.SetRowCount(shape_.openingRows);
    grid_.SetFixedRowCount(1);
    grid_.SetFixedColumnCount(1);
    grid_.SetFixedBkColor(kFixedBackground);
    grid_.SetRowHeight(0, grid_.GetRowHeight(1) * 3 / 2);
    for (int col = 0; col < static_cast<int>(columns_.size()); ++col) {
        const TzRvnGridColumn& column = columns_[static_cast<std::size_t>(col)];
        grid_.SetItemText(0, col, TranslateText(column.title).c_str());
        grid_.SetItemFormat(0, col, (isTextColumn(col) ? DT_LEFT : DT_RIGHT) | DT_WORDBREAK);
        grid_.SetColumnReadOnly(col, column.kind == TzRvnColumnKind::result);
    }
    retitle(settings, true);
    clearRows();
    grid_.AutoSizeColumns();
}

void TzRvnElementGridDlg::retitle(const TzRvnSettings& settings, bool opening) {
    for (int col = 0; col < static_cast<int>(columns_.size()); ++col) {
        const TzRvnUnitTitle unit = columns_[static_cast<std::size_t>(col)].unit;
        if (unit == TzRvnUnitTitle::none) continue;
        grid_.SetItemText(0, col, TranslateText(unitTitle(unit, settings, opening)).c_str());
    }
}

void TzRvnElementGridDlg::clearRows() {
    grid_.SetRowCount(shape_.openingRows);
    for (int row = 1; row < grid_.GetRowCount(); ++row) blankRow(row);
    applySchemaRule(false);
}

void TzRvnElementGridDlg::fillFrom(const TzRvnNetwork& network) {
    retitle(network.getSettings(), false);
    const int count = elementCount(network);
    grid_.SetRowCount(rowCountFor(count));
    for (int row = 1; row < grid_.GetRowCount(); ++row) blankRow(row);
    for (int element = 0; element < count; ++element) writeRow(element + 1, network, element);
    applySchemaRule(network.hasSchema());
}

int TzRvnElementGridDlg::rowCountFor(int count) const { return std::max(11, count + 2); }

int TzRvnElementGridDlg::qualifyingRows() const {
    int rows = 0;
    for (int row = 1; row < grid_.GetRowCount(); ++row) rows += qualifies(row) ? 1 : 0;
    return rows;
}

// Every data row is walked, so that a value typed wrong anywhere stops the save with its message
// instead of being dropped. Element k takes the schema entity of the network's element k.
int TzRvnElementGridDlg::saveInto(TzRvnNetwork& network) {
    setCount(network, qualifyingRows());
    int saved = 0;
    for (int row = 1; row < grid_.GetRowCount(); ++row) {
        if (lacksRequired(row)) continue;
        if (!storeRow(network, row, saved)) {
            setCount(network, saved);
            return -1;
        }
        ++saved;
    }
    setCount(network, saved);
    return saved;
}

void TzRvnElementGridDlg::insertRow(int row) {
    if (row < 1 || row >= grid_.GetRowCount()) return;
    grid_.InsertRow(L"", row);
    blankRow(row);
    for (int below = row + 1; below < grid_.GetRowCount(); ++below) setText(below, 0, std::to_wstring(below));
}

void TzRvnElementGridDlg::deleteRow(int row) {
    if (row >= 1 && row < grid_.GetRowCount()) grid_.DeleteRow(row);
}

BOOL TzRvnElementGridDlg::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
    const auto* notice = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
    if (notice == nullptr || notice->hdr.code != NM_RCLICK) return FALSE;
    owner_.gridContextMenu(*this, notice->iRow, notice->iColumn);
    if (result) *result = 0;
    return TRUE;
}

std::wstring TzRvnElementGridDlg::cell(int row, int col) const { return grid_.GetItemText(row, col); }

bool TzRvnElementGridDlg::isEmpty(int row, int col) const { return trimmed(cell(row, col)).empty(); }

std::optional<double> TzRvnElementGridDlg::number(int row, int col) const { return GridNumber(cell(row, col)); }

void TzRvnElementGridDlg::setText(int row, int col, const std::wstring& text) {
    grid_.SetItemText(row, col, text.c_str());
}

void TzRvnElementGridDlg::setNumber(int row, int col, double value) { setText(row, col, GridNumberText(value)); }

void TzRvnElementGridDlg::setResult(int row, int col, double value) {
    setText(row, col, value <= NO_RESULT ? std::wstring() : GridNumberText(value));
}

bool TzRvnElementGridDlg::refuse(const wchar_t* message, int row) {
    PrintMessage(FormatTranslated(message, {row}));
    return false;
}

// The row empty but for its number, in the data cells' formats and colours.
void TzRvnElementGridDlg::blankRow(int row) {
    for (int col = 1; col < grid_.GetColumnCount(); ++col) {
        setText(row, col, L"");
        grid_.SetItemFgColour(row, col, CLR_DEFAULT);
    }
    setText(row, 0, std::to_wstring(row));
    formatRow(row);
}

void TzRvnElementGridDlg::formatRow(int row) {
    for (int col = 0; col < grid_.GetColumnCount(); ++col) {
        grid_.SetItemFormat(row, col, DT_SINGLELINE | DT_VCENTER | (isTextColumn(col) ? DT_LEFT : DT_RIGHT));
    }
}

// With a schema, the names and lengths come from the drawing and are not typed here.
void TzRvnElementGridDlg::applySchemaRule(bool hasSchema) {
    for (int col = 0; col < static_cast<int>(columns_.size()); ++col) {
        const TzRvnGridColumn& column = columns_[static_cast<std::size_t>(col)];
        if (column.fromSchema) grid_.SetColumnReadOnly(col, hasSchema);
    }
}

bool TzRvnElementGridDlg::isTextColumn(int col) const {
    const TzRvnColumnKind kind = columns_[static_cast<std::size_t>(col)].kind;
    return kind == TzRvnColumnKind::number || kind == TzRvnColumnKind::text;
}
