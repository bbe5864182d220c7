// The entry of the grid printout library (librvngridpdf.so), which the grid loads when it first
// prints.
#pragma once

#include <string>

class CGridCtrl;

// Draws the grid's pages under title (UTF-8) into bytes as a PDF document; false with the reason.
extern "C" bool rvnDrawGridPdf(const CGridCtrl& grid, const std::string& title, std::string& bytes,
                               std::string& reason);
using RvnDrawGridPdf = decltype(&rvnDrawGridPdf);

inline constexpr const char* kRvnGridPdfLibrary = "librvngridpdf.so";
inline constexpr const char* kRvnGridPdfEntry = "rvnDrawGridPdf";
