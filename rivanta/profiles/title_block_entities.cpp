#include "profiles/title_block_entities.h"

#include "acdbads.h"
#include "acedads.h"
#include "adscodes.h"
#include "host/resbuf_list.h"
#include "profiles/title_block_names.h"
#include "zaf_acad_mgr.h"

namespace {

constexpr wchar_t kBlockLayer[] = L"CARTIGLI";
constexpr wchar_t kInnerFrameLayer[] = L"TZ-FINESTRATTIVA";
constexpr wchar_t kOuterFrameLayer[] = L"TZ-OBJ-LIN";
constexpr wchar_t kTextLayer[] = L"TZ-OBJ-TXT";
constexpr wchar_t kInnerFrameBlock[] = L"TZ-FINATT";
constexpr wchar_t kOuterFrameBlock[] = L"TZ-FINOBJ";

// Row layout, in text heights h (times the width factor w across): the texts start 21·h·w left of
// the frame; a row's attribute lies 1.5·h below its label and the next label 3.5·h lower.
constexpr double kTextColumn = 21.0;
constexpr double kAttributeDrop = 1.5;
constexpr double kRowPitch = 3.5;

// Hands the list to the host and frees it: true when taken (an empty list is not).
bool Make(resbuf* list, int expected = RTNORM) {
    const TzRvnResbufList owned(list);
    return owned.get() != nullptr && acdbEntMake(owned.get()) == expected;
}

std::wstring Tag(std::size_t row) { return L"OBJ" + std::to_wstring(row + 1); }

bool MakeText(const TzRvnTitleText& text, const ads_point at, const std::wstring& value) {
    return Make(acutBuildList(RTDXF0, L"TEXT", 8, kTextLayer, 10, at, 40, text.height, 1, value.c_str(), 41,
                              text.widthFactor, 51, text.oblique, 7, text.style.c_str(), 72, 0, 0));
}

bool MakeAttributeDefinition(const TzRvnTitleText& text, const ads_point at, std::size_t row, const std::wstring& label,
                             const std::wstring& value) {
    return Make(acutBuildList(RTDXF0, L"ATTDEF", 8, kTextLayer, 10, at, 40, text.height, 1, value.c_str(), 3,
                              label.c_str(), 2, Tag(row).c_str(), 70, 0, 41, text.widthFactor, 51, text.oblique, 7,
                              text.style.c_str(), 72, 0, 0));
}

bool MakeAttribute(const TzRvnTitleText& text, const ads_point at, std::size_t row, const std::wstring& value) {
    return Make(acutBuildList(RTDXF0, L"ATTRIB", 8, kTextLayer, 10, at, 40, text.height, 1, value.c_str(), 2,
                              Tag(row).c_str(), 70, 0, 41, text.widthFactor, 51, text.oblique, 7, text.style.c_str(),
                              72, 0, 0));
}

bool MakeFrameReference(const wchar_t* block, const wchar_t* layer, const ads_point at, double xScale, double yScale) {
    return Make(acutBuildList(RTDXF0, L"INSERT", 2, block, 8, layer, 10, at, 41, xScale, 42, yScale, 43, 1.0, 50, 0.0, 0));
}

// The inner frame spans width by H. The host refuses a reference scaled by 0, so a frame without
// width or height (a profile of one node) is left out: it would show nothing.
bool MakeFrames(const TzRvnTitleFrame& frame, const TzRvnTitleText& text) {
    const double h = text.height;
    const double w = text.widthFactor;
    const ads_point origin = {0.0, 0.0, 0.0};
    const ads_point outer = {-22.0 * h * w, -h, 0.0};
    if (frame.width != 0.0 && frame.height != 0.0 &&
        !MakeFrameReference(kInnerFrameBlock, kInnerFrameLayer, origin, frame.width, frame.height)) {
        return false;
    }
    return MakeFrameReference(kOuterFrameBlock, kOuterFrameLayer, outer, frame.width + 23.0 * h * w,
                              frame.height + 2.0 * h);
}

// A filled dot of diameter h/4 at the origin: a closed polyline of two half-circle segments as wide
// as the dot.
bool MakeDot(double h) {
    const double width = 0.25 * h;
    const ads_point origin = {0.0, 0.0, 0.0};
    const ads_point left = {-0.125 * h, 0.0, 0.0};
    const ads_point right = {0.125 * h, 0.0, 0.0};
    if (!Make(acutBuildList(RTDXF0, L"POLYLINE", 8, kOuterFrameLayer, 66, 1, 10, origin, 70, 1, 40, width, 41, width, 0))) {
        return false;
    }
    for (const ads_real* vertex : {left, right}) {
        if (!Make(acutBuildList(RTDXF0, L"VERTEX", 8, kOuterFrameLayer, 10, vertex, 40, width, 41, width, 42, 1.0, 0))) {
            return false;
        }
    }
    return Make(acutBuildList(RTDXF0, L"SEQEND", 8, kOuterFrameLayer, 0));
}

bool MakeRows(const TzRvnTitleFrame& frame, const TzRvnTitleText& text, const TzRvnTitleBlockLabels& labels,
              const TzRvnTitleValues& values) {
    const double h = text.height;
    double y = frame.height - h;
    for (std::size_t row = 0; row < labels.size(); ++row, y -= kRowPitch * h) {
        const ads_point label = {-kTextColumn * h * text.widthFactor, y, 0.0};
        const ads_point attribute = {label[X], y - kAttributeDrop * h, 0.0};
        if (!labels[row].empty() && !MakeText(text, label, labels[row])) return false;
        if (!MakeAttributeDefinition(text, attribute, row, labels[row], values[row])) return false;
    }
    return true;
}

// The block is complete when the host answers ENDBLK with its name.
bool EndBlock(const std::wstring& name) {
    if (!Make(acutBuildList(RTDXF0, L"ENDBLK", 8, kBlockLayer, 0), RTKWORD)) return false;
    ACHAR answered[ZafAcadMgr::kBufferLength] = L"";
    return ZafAcadMgr::zaf_acedGetInput(answered) == RTNORM && name == answered;
}

bool RegisterLinkApplication() {
    const TzRvnResbufList found(acdbTblSearch(L"APPID", rvnprofile::kProfileApplication, 0));
    return found.get() != nullptr || acdbRegApp(rvnprofile::kProfileApplication) == RTNORM;
}

resbuf* ReferenceList(const TzRvnTitleFrame& frame, const ads_point at, const std::wstring& linkHandle) {
    const bool linked = !linkHandle.empty() && linkHandle != L"0";
    if (linked && !RegisterLinkApplication()) return nullptr;
    resbuf* list = acutBuildList(RTDXF0, L"INSERT", 2, frame.blockName.c_str(), 8, kBlockLayer, 10, at, 41, 1.0, 42, 1.0,
                                 43, 1.0, 50, 0.0, 66, 1, 0);
    if (!linked || list == nullptr) return list;
    resbuf* last = list;
    while (last->rbnext != nullptr) last = last->rbnext;
    last->rbnext = acutBuildList(-3, 1001, rvnprofile::kProfileApplication, 1005, linkHandle.c_str(), 0);
    return list;
}

}  // namespace

bool DefineTitleBlock(const TzRvnTitleFrame& frame, const TzRvnTitleText& text, const TzRvnTitleBlockLabels& labels,
                      const TzRvnTitleValues& values) {
    const ads_point origin = {0.0, 0.0, 0.0};
    if (!Make(acutBuildList(RTDXF0, L"BLOCK", 2, frame.blockName.c_str(), 8, kBlockLayer, 70, 2, 10, origin, 0))) {
        return false;
    }
    const bool made = MakeFrames(frame, text) && MakeDot(text.height) && MakeRows(frame, text, labels, values);
    if (!made) {
        acdbEntMake(nullptr);
        return false;
    }
    return EndBlock(frame.blockName);
}

bool InsertTitleBlockReference(const TzRvnTitleFrame& frame, const TzRvnTitleText& text, const AcGePoint3d& at,
                               const TzRvnTitleValues& values, const std::wstring& linkHandle) {
    const ads_point point = {at.x, at.y, at.z};
    if (!Make(ReferenceList(frame, point, linkHandle))) return false;
    const double h = text.height;
    double y = at.y + frame.height - (1.0 + kAttributeDrop) * h;
    for (std::size_t row = 0; row < values.size(); ++row, y -= kRowPitch * h) {
        const ads_point attribute = {at.x - kTextColumn * h * text.widthFactor, y, at.z};
        if (!MakeAttribute(text, attribute, row, values[row])) {
            acdbEntMake(nullptr);
            return false;
        }
    }
    return Make(acutBuildList(RTDXF0, L"SEQEND", 8, kBlockLayer, 0));
}
