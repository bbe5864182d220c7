// The base of the three grid dialogs of the window "Database Dati Rete" (nodes, branches, tanks):
// one grid control filling the dialog, a title row and a row-number column, the columns' titles,
// formats and read-only rule, the filling from a network and the save of the rows that make
// elements into it. Each grid dialog says its columns, how a row is written from an element, when
// a row makes an element and how it is checked and stored.
#pragma once

#include "afx_dialog.h"
#include "afx_grid.h"
#include "dbid.h"

#include <optional>
#include <span>
#include <string>

class TzRvnElementGridDlg;
class TzRvnNetwork;
struct TzRvnSettings;

// What a grid dialog needs of the window that holds it.
class TzRvnGridOwner {
public:
    virtual const std::wstring& programFolder() const = 0;
    virtual AcDbObjectId chosenNetwork() const = 0;
    // The right mouse button on cell row, col of the grid.
    virtual void gridContextMenu(TzRvnElementGridDlg& grid, int row, int col) = 0;
    // A message box captioned "Messaggio Database Dati Rete".
    virtual void say(const std::wstring& text, UINT icon) = 0;

protected:
    ~TzRvnGridOwner() = default;
};

// What a column shows: the row number, a text typed, a number typed, or a result (never typed).
enum class TzRvnColumnKind { number, text, input, result };
// The unit a column's title names, which the titles follow.
enum class TzRvnUnitTitle { none, nodeFlow, edgeFlow, diameter, roughness, slope };

struct TzRvnGridColumn {
    const wchar_t* title;
    TzRvnColumnKind kind;
    TzRvnUnitTitle unit = TzRvnUnitTitle::none;
    bool fromSchema = false;  // read-only when the network has a schema (it comes from the drawing)
};

struct TzRvnGridShape {
    UINT templateId;
    UINT gridId;
    int openingRows;               // rows with the title row when the grid opens
    const wchar_t* notShown;       // the message when the chosen network cannot be read
};

class TzRvnElementGridDlg : public CDialog {
public:
    TzRvnElementGridDlg(const TzRvnGridShape& shape, std::span<const TzRvnGridColumn> columns, TzRvnGridOwner& owner);

    CGridCtrl& grid() { return grid_; }
    const CGridCtrl& grid() const { return grid_; }

    // Shows network (open for read): its unit titles, one row per element, an empty row after
    // them, the result colours and the schema rule.
    void fillFrom(const TzRvnNetwork& network);
    // Titles the unit columns for the unit codes of settings: the titles of a grid just opened,
    // or those of a grid that shows a network or follows the settings.
    void retitle(const TzRvnSettings& settings, bool opening);
    // The grid as opened: empty rows, every input column editable.
    void clearRows();
    // The rows that make an element when saved.
    int qualifyingRows() const;
    // Stores the rows into network (open for write): the element count, or -1 when a row check
    // failed (its message printed; the elements before it stay).
    int saveInto(TzRvnNetwork& network);
    // Inserts an empty row at row and numbers the rows below again; deletes a row.
    void insertRow(int row);
    void deleteRow(int row);

protected:
    BOOL OnInitDialog() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    virtual int elementCount(const TzRvnNetwork& network) const = 0;
    // The row count that shows count elements.
    virtual int rowCountFor(int count) const;
    virtual void writeRow(int row, const TzRvnNetwork& network, int element) = 0;
    virtual bool qualifies(int row) const = 0;
    // A row left out of the save: a cell it needs is empty.
    virtual bool lacksRequired(int row) const = 0;
    virtual void setCount(TzRvnNetwork& network, int count) const = 0;
    // Checks the row and stores it as element, with the schema entity of the network's element
    // there; false, with its message printed, when a check fails. A row that passes its checks
    // makes an element, so element is below the count set.
    virtual bool storeRow(TzRvnNetwork& network, int row, int element) const = 0;

    // Cells.
    std::wstring cell(int row, int col) const;
    bool isEmpty(int row, int col) const;
    // The cell's number in the drawing's linear units; none when it is not one.
    std::optional<double> number(int row, int col) const;
    void setText(int row, int col, const std::wstring& text);
    void setNumber(int row, int col, double value);
    // A result: empty while not computed.
    void setResult(int row, int col, double value);
    // Prints the check's message with the row; false.
    static bool refuse(const wchar_t* message, int row);
    TzRvnGridOwner& owner() const { return owner_; }

private:
    void setUp(const TzRvnSettings& settings);
    void blankRow(int row);
    void formatRow(int row);
    void applySchemaRule(bool hasSchema);
    bool isTextColumn(int col) const;

    TzRvnGridShape shape_;
    std::span<const TzRvnGridColumn> columns_;
    TzRvnGridOwner& owner_;
    CGridCtrl grid_;
};

// The settings file of the owner's program folder; false, said in a message box, when it cannot
// be read.
bool ReadGridSettings(TzRvnGridOwner& owner, TzRvnSettings& settings);

// The number as the drawing shows a length (its units and precision).
std::wstring GridNumberText(double value);
// The text as a number in the drawing's linear units; none when it is not one.
std::optional<double> GridNumber(const std::wstring& text);
// An empty text, "0" or a non-zero integer: the integer (0 for the empty text); none otherwise.
std::optional<long> GridInteger(const std::wstring& text);
