// The entities of a title block made through entity lists: its block definition and its reference
// with the six attributes.
#pragma once

#include "gepnt3d.h"
#include "profiles/title_block_labels.h"

#include <array>
#include <string>

// The text settings of every text and attribute of a title block, from its text style.
struct TzRvnTitleText {
    double height = 0.0;
    double widthFactor = 1.0;
    double oblique = 0.0;
    std::wstring style;
};

struct TzRvnTitleFrame {
    std::wstring blockName;  // "TZ-RR" + number
    double height = 0.0;     // H
    double width = 0.0;
};

using TzRvnTitleValues = std::array<std::wstring, 6>;

// Defines the block, relative to the origin: the unit frame "TZ-FINATT" scaled to width by H, the
// outer frame "TZ-FINOBJ" around it and the label column, a dot at the origin, and for each row its
// label (when not empty) and 1.5 text heights below it the attribute definition OBJ1 ... OBJ6.
// False when the host refuses a list (what was begun is then discarded).
bool DefineTitleBlock(const TzRvnTitleFrame& frame, const TzRvnTitleText& text, const TzRvnTitleBlockLabels& labels,
                      const TzRvnTitleValues& values);

// Inserts the block at the WCS point with one attribute per row holding its value, and when a
// link handle is given extended data of "TZ-TOZARI-TZ-RR" linking it. False when refused.
bool InsertTitleBlockReference(const TzRvnTitleFrame& frame, const TzRvnTitleText& text, const AcGePoint3d& at,
                               const TzRvnTitleValues& values, const std::wstring& linkHandle);
