#include "profiles/profile_sections.h"

#include "acdbads.h"
#include "acedads.h"
#include "acutads.h"
#include "frame/command_line.h"
#include "host/resbuf_list.h"
#include "profiles/profile_drawing_lookup.h"
#include "profiles/profile_drawing_texts.h"
#include "profiles/title_block_names.h"
#include "zaf_acad_mgr.h"

namespace Text = TzRvnProfileDrawingText;

namespace {

constexpr int kSectionMarkType = 210;
constexpr wchar_t kBlockName[] = L"*SEZP";
constexpr wchar_t kBlockLayer[] = L"SEZIONI";
constexpr wchar_t kLineLayer[] = L"TZ-LL-SEZIONI";
constexpr wchar_t kPointLayer[] = L"TZ-LQ-TERRENO";
constexpr wchar_t kTextLayer[] = L"SEZIONI-NP";
constexpr wchar_t kTextStyle[] = L"STANDARD";
constexpr wchar_t kTextHeightSymbol[] = L"TZRRHTES";
constexpr int kAnonymousFlag = 1;
constexpr int kLineColour = 1;
constexpr int kPointColour = 2;
constexpr double kTextRotation = 1.57075;  // the label's upward turn, as the marks have always had it

// Makes the entity of the list; says notMade for a list that could not be built and refused when
// the host answers anything but expected.
bool Make(resbuf* list, std::wstring_view notMade, std::wstring_view refused, int expected = RTNORM) {
    const TzRvnResbufList owned(list);
    if (list == nullptr) return PrintMessage(notMade), false;
    if (acdbEntMake(list) != expected) return PrintMessage(refused), false;
    return true;
}

bool DrawMark(const TzRvnProfileSection& section, double textHeight) {
    ads_point at = {section.point.x, section.point.y, 0.0};
    ads_point base = {section.point.x, section.base.y, 0.0};
    const double widthFactor = section.verticalScale / section.horizontalScale;
    if (!Make(acutBuildList(RTDXF0, L"BLOCK", 2, kBlockName, 8, kBlockLayer, 10, at, 70, kAnonymousFlag, 0),
              Text::kBlockListNotMade, Text::kBlockNotStarted)) {
        return false;
    }
    if (!Make(acutBuildList(RTDXF0, L"LINE", 8, kLineLayer, 10, at, 11, base, 62, kLineColour, 0),
              Text::kLineListNotMade, Text::kLineNotAdded) ||
        !Make(acutBuildList(RTDXF0, L"POINT", 8, kPointLayer, 10, at, 62, kPointColour, 0),
              Text::kPointListNotMade, Text::kPointNotAdded) ||
        !Make(acutBuildList(RTDXF0, L"TEXT", 8, kTextLayer, 10, at, 40, textHeight, 1, section.name.c_str(), 50,
                            kTextRotation, 7, kTextStyle, 41, widthFactor, 0),
              Text::kTextListNotMade, Text::kTextNotAdded) ||
        !Make(acutBuildList(RTDXF0, L"ENDBLK", 0), Text::kEndListNotMade, Text::kBlockNotEnded, RTKWORD)) {
        return false;
    }
    ACHAR name[ZafAcadMgr::kBufferLength] = {};
    if (ZafAcadMgr::zaf_acedGetInput(name) != RTNORM) return PrintMessage(Text::kBlockNotNamed), false;
    return Make(acutBuildList(RTDXF0, L"INSERT", 2, name, 8, kBlockLayer, 10, at, -3, 1001, rvnprofile::kProfileApplication, 1070,
                              kSectionMarkType, 1000, section.name.c_str(), 1000, L"", 1005, L"0", 0),
                Text::kInsertListNotMade, Text::kBlockNotInserted);
}

}  // namespace

bool DrawProfileSections(const std::vector<TzRvnProfileSection>& sections) {
    acdbRegApp(rvnprofile::kProfileApplication);
    const double labelHeight = RealSymbol(kTextHeightSymbol).value_or(1.0);
    for (const TzRvnProfileSection& section : sections) {
        if (!DrawMark(section, labelHeight * section.horizontalScale / 1000.0)) return false;
    }
    return true;
}
