#include "grid_owner.h"
#include "input_queue.h"
#include "test_files.h"
#include "text_codec.h"
#include "transcript.h"

#include <gtest/gtest.h>

namespace {

using rvntest::GridOwner;

// The pages of a PDF file as Cairo writes them: one "/Type /Page" dictionary each.
int pageCount(const std::string& pdf) {
    int pages = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1)) {
        if (pdf.compare(at, 12, "/Type /Pages") != 0) ++pages;
    }
    return pages;
}

void fill(CGridCtrl& grid, int rows) {
    grid.SetRowCount(rows + 1);
    for (int row = 1; row <= rows; ++row) {
        grid.SetItemText(row, 0, std::to_wstring(row).c_str());
        grid.SetItemText(row, 1, (L"N" + std::to_wstring(row)).c_str());
        grid.SetItemText(row, 2, L"12.500");
        grid.SetItemFormat(row, 2, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
        grid.SetItemText(row, 4, L"una nota abbastanza lunga da andare a capo nella sua cella");
        grid.SetItemFormat(row, 4, DT_LEFT | DT_WORDBREAK);
    }
    grid.SetItemFgColour(1, 3, RGB(255, 0, 0));
}

// Print asks for the file, prints nothing on an empty answer and says when it cannot write; the PDF
// has a page for every screenful of rows.
TEST(GridPrint, PrintAsksForThePdfFileAndSaysWhenItCannotWriteIt) {
    rvntest::ScratchDir dir;
    GridOwner owner;
    fill(owner.grid, 5);
    const std::wstring good = rvnos::fromUtf8((dir / "stampa.pdf").string());
    const std::wstring bad = rvnos::fromUtf8((dir / "missing" / "stampa.pdf").string());
    rvntest::QueuedInput input({good, L"", bad});
    owner.grid.Print();
    owner.grid.Print();  // an empty answer prints nothing
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
    rvnhost::Transcript::instance().clear();
    owner.grid.Print();
    EXPECT_TRUE(rvnhost::Transcript::instance().contains(L"Cannot print to \"" + bad + L"\""));
    EXPECT_FALSE(input.ranOut());

    fill(owner.grid, 200);
    std::wstring reason;
    const auto longFile = dir / "molti.pdf";
    ASSERT_TRUE(owner.grid.PrintToFile(rvnos::fromUtf8(longFile.string()), L"Nodi — rete «prova»", reason));
    const int pages = pageCount(rvntest::readBytes(longFile));
    // 200 rows of 15 points on about 700 points a page.
    EXPECT_GE(pages, 4);
    EXPECT_LE(pages, 6);
}

}  // namespace
