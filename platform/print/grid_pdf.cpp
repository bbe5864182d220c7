// The PDF drawing of a grid's printout, a library of its own so that Cairo and the libraries it
// brings are loaded only by a process that prints: A4 pages, each under the title with the grid's
// fixed rows on top, the cells with their colours, lines and formats, the grid narrowed to the
// page's width when wider, and the page number below.
#include "grid_pdf.h"

#include "afx_grid.h"
#include "text_codec.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr double kPageWidth = 595.28;  // A4 in points
constexpr double kPageHeight = 841.89;
constexpr double kMargin = 36.0;
constexpr double kPointsPerPixel = 0.75;
constexpr double kTitleSize = 14.0;
constexpr double kTitleSpace = 28.0;
constexpr double kFooterSpace = 20.0;
constexpr double kTextSize = 7.5;
constexpr double kCellPadding = 2.0;

struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

void setColour(cairo_t* cr, COLORREF colour) {
    cairo_set_source_rgb(cr, GetRValue(colour) / 255.0, GetGValue(colour) / 255.0, GetBValue(colour) / 255.0);
}

double textWidth(cairo_t* cr, const std::string& text) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents.x_advance;
}

// The lines a cell's text takes: one, or with DT_WORDBREAK its words filled into the width.
std::vector<std::string> cellLines(cairo_t* cr, const std::string& text, UINT format, double width) {
    if (!(format & DT_WORDBREAK) || (format & DT_SINGLELINE)) return {text};
    std::vector<std::string> lines{std::string()};
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        const std::string word = text.substr(at, end - at);
        at = end + 1;
        if (word.empty()) continue;
        const std::string joined = lines.back().empty() ? word : lines.back() + " " + word;
        if (lines.back().empty() || textWidth(cr, joined) <= width) {
            lines.back() = joined;
        } else {
            lines.push_back(word);
        }
    }
    return lines;
}

class GridPrinter {
public:
    GridPrinter(const CGridCtrl& grid, cairo_t* cr) : grid_(grid), cr_(cr) {
        double total = 0;
        for (int col = 0; col < grid.GetColumnCount(); ++col) total += grid.GetColumnWidth(col) * kPointsPerPixel;
        scale_ = total > 0 ? std::min(1.0, (kPageWidth - 2 * kMargin) / total) : 1.0;
    }

    // The first data row of each page.
    std::vector<int> pageStarts() const {
        const double room = kPageHeight - 2 * kMargin - kTitleSpace - kFooterSpace - fixedHeight();
        std::vector<int> starts{grid_.GetFixedRowCount()};
        double used = 0;
        for (int row = grid_.GetFixedRowCount(); row < grid_.GetRowCount(); ++row) {
            const double height = rowHeight(row);
            if (used > 0 && used + height > room) {
                starts.push_back(row);
                used = 0;
            }
            used += height;
        }
        return starts;
    }

    void page(const std::string& title, int firstRow, int endRow, int number, int count) {
        setColour(cr_, RGB(0, 0, 0));
        cairo_select_font_face(cr_, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
        cairo_set_font_size(cr_, kTitleSize);
        cairo_move_to(cr_, kMargin, kMargin + kTitleSize);
        cairo_show_text(cr_, title.c_str());
        cairo_select_font_face(cr_, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr_, kTextSize * std::max(scale_, 0.6));
        double y = kMargin + kTitleSpace;
        for (int row = 0; row < grid_.GetFixedRowCount(); ++row) y = drawRow(row, y);
        for (int row = firstRow; row < endRow; ++row) y = drawRow(row, y);
        const std::string footer = std::to_string(number) + " / " + std::to_string(count);
        setColour(cr_, RGB(0, 0, 0));
        cairo_move_to(cr_, kPageWidth - kMargin - textWidth(cr_, footer), kPageHeight - kMargin);
        cairo_show_text(cr_, footer.c_str());
        cairo_show_page(cr_);
    }

private:
    double rowHeight(int row) const { return grid_.GetRowHeight(row) * kPointsPerPixel * scale_; }

    double fixedHeight() const {
        double height = 0;
        for (int row = 0; row < grid_.GetFixedRowCount(); ++row) height += rowHeight(row);
        return height;
    }

    double drawRow(int row, double y) {
        double x = kMargin;
        for (int col = 0; col < grid_.GetColumnCount(); ++col) {
            const double width = grid_.GetColumnWidth(col) * kPointsPerPixel * scale_;
            drawCell(row, col, x, y, width, rowHeight(row));
            x += width;
        }
        return y + rowHeight(row);
    }

    void drawCell(int row, int col, double x, double y, double width, double height) {
        cairo_rectangle(cr_, x, y, width, height);
        setColour(cr_, grid_.CellBackColour(row, col));
        cairo_fill_preserve(cr_);
        setColour(cr_, RGB(128, 128, 128));
        cairo_set_line_width(cr_, 0.5);
        cairo_stroke(cr_);
        const std::string text = rvnos::toUtf8(grid_.GetItemText(row, col));
        if (text.find_first_not_of(' ') == std::string::npos) return;
        cairo_save(cr_);
        cairo_rectangle(cr_, x, y, width, height);
        cairo_clip(cr_);
        setColour(cr_, grid_.CellTextColour(row, col));
        drawText(text, grid_.GetItemFormat(row, col), x + kCellPadding, y, width - 2 * kCellPadding, height);
        cairo_restore(cr_);
    }

    void drawText(const std::string& text, UINT format, double x, double y, double width, double height) {
        cairo_font_extents_t font;
        cairo_font_extents(cr_, &font);
        const std::vector<std::string> lines = cellLines(cr_, text, format, width);
        const double block = font.height * static_cast<double>(lines.size());
        double baseline = y + kCellPadding + font.ascent;
        if (format & DT_VCENTER) baseline = y + (height - block) / 2 + font.ascent;
        if (format & DT_BOTTOM) baseline = y + height - block - kCellPadding + font.ascent;
        for (const std::string& line : lines) {
            double left = x;
            if (format & DT_RIGHT) left = x + width - textWidth(cr_, line);
            if (format & DT_CENTER) left = x + (width - textWidth(cr_, line)) / 2;
            cairo_move_to(cr_, left, baseline);
            cairo_show_text(cr_, line.c_str());
            baseline += font.height;
        }
    }

    const CGridCtrl& grid_;
    cairo_t* cr_;
    double scale_ = 1.0;
};

}  // namespace

extern "C" bool rvnDrawGridPdf(const CGridCtrl& grid, const std::string& title, std::string& bytes,
                               std::string& reason) {
    Surface surface(cairo_pdf_surface_create_for_stream(appendBytes, &bytes, kPageWidth, kPageHeight));
    Context context(cairo_create(surface.get()));
    GridPrinter printer(grid, context.get());
    const std::vector<int> starts = printer.pageStarts();
    for (std::size_t page = 0; page < starts.size(); ++page) {
        const int end = page + 1 < starts.size() ? starts[page + 1] : grid.GetRowCount();
        printer.page(title, starts[page], end, static_cast<int>(page + 1), static_cast<int>(starts.size()));
    }
    cairo_surface_finish(surface.get());
    if (cairo_surface_status(surface.get()) == CAIRO_STATUS_SUCCESS) return true;
    reason = cairo_status_to_string(cairo_surface_status(surface.get()));
    return false;
}
