#include "profiles/title_block.h"

#include "acdbads.h"
#include "acedads.h"
#include "acutads.h"
#include "acutmem.h"
#include "adscodes.h"
#include "frame/translation.h"
#include "host/resbuf_list.h"
#include "network/file_handle.h"
#include "profiles/title_block_entities.h"
#include "profiles/title_block_names.h"
#include "profiles/title_block_texts.h"
#include "schema/program_folder.h"
#include "zaf_acad_mgr.h"

#include <algorithm>
#include <optional>

namespace {

constexpr wchar_t kTextHeightSymbol[] = L"TZCARHTES";
constexpr wchar_t kTitleStyle[] = L"TZ-CART";
// Text height on paper (mm) when "TZCARHTES" holds no real: the common lettering height of title
// blocks, whose 20 rows of text make the frame's least height.
constexpr double kDefaultPaperTextHeight = 2.5;
constexpr double kFrameRows = 20.0;
// The gap between stacked title blocks, in drawing units.
constexpr double kStackGap = 10.0;

// Where the title blocks of a run go: the first asks for its point, the others stack below it.
struct Placement {
    bool askNext = true;
    AcGePoint3d last;  // UCS
};

Placement& placement() {
    static Placement state;
    return state;
}

// A message followed by a name or a path, which stays as it is.
void PrintNamed(std::wstring_view message, const std::wstring& name) {
    acutPrintf(L"%s%s", TranslateText(message).c_str(), name.c_str());
}

// Step 1: the frame's text height h0 = v × horizontal scale / 1000, v the paper height in mm.
double FrameTextHeight(double horizontalScale) {
    TzRvnResbufList value;
    const bool real = acedGetSym(kTextHeightSymbol, &value.slot()) == RTNORM && value.get() != nullptr &&
                      value.get()->restype == RTREAL;
    return (real ? value.get()->resval.rreal : kDefaultPaperTextHeight) * horizontalScale / 1000.0;
}

// Step 3: the UCS point of this title block; none when the user gives none.
std::optional<AcGePoint3d> PlacementPoint(double frameHeight) {
    Placement& state = placement();
    if (state.askNext) {
        ads_point picked = {0.0, 0.0, 0.0};
        acedInitGet(RSG_NONULL, nullptr);
        if (acedGetPoint(nullptr, TranslateText(rvntext::kTitleBlockPointPrompt).c_str(), picked) != RTNORM) {
            return std::nullopt;
        }
        state.last = AcGePoint3d(picked[X], picked[Y], picked[Z]);
        state.askNext = false;
    } else {
        state.last.y -= frameHeight + kStackGap;
    }
    return state.last;
}

std::optional<AcGePoint3d> ToWorld(const AcGePoint3d& ucsPoint) {
    const ads_point from = {ucsPoint.x, ucsPoint.y, ucsPoint.z};
    ads_point to = {0.0, 0.0, 0.0};
    resbuf ucs{};
    ucs.restype = RTSHORT;
    ucs.resval.rint = 1;
    resbuf world{};
    world.restype = RTSHORT;
    world.resval.rint = 0;
    if (acedTrans(from, &ucs, &world, 0, to) != RTNORM) return std::nullopt;
    return AcGePoint3d(to[X], to[Y], to[Z]);
}

// Step 4: both frame blocks are defined; the first missing one is named on the command line.
bool FrameBlocksDefined() {
    for (const wchar_t* block : {L"TZ-FINATT", L"TZ-FINOBJ"}) {
        const TzRvnResbufList found(acdbTblSearch(L"BLOCK", block, 0));
        if (found.get() == nullptr) {
            PrintNamed(rvntext::kTitleBlockDefinitionMissing, block);
            return false;
        }
    }
    return true;
}

const resbuf* GroupOf(const resbuf* list, int code) {
    while (list != nullptr && list->restype != code) list = list->rbnext;
    return list;
}

// Step 5: "TZ-CART", else the current style; its height, or TEXTSIZE when it has none.
std::optional<TzRvnTitleText> TitleText() {
    TzRvnResbufList style(acdbTblSearch(L"STYLE", kTitleStyle, 0));
    if (style.get() == nullptr) {
        resbuf current{};
        if (acedGetVar(L"TEXTSTYLE", &current) != RTNORM) return std::nullopt;
        if (current.restype != RTSTR) return std::nullopt;
        style = TzRvnResbufList(acdbTblSearch(L"STYLE", current.resval.rstring, 0));
        acutDelString(current.resval.rstring);
    }
    const resbuf* name = GroupOf(style.get(), 2);
    const resbuf* height = GroupOf(style.get(), 40);
    const resbuf* width = GroupOf(style.get(), 41);
    const resbuf* oblique = GroupOf(style.get(), 50);
    if (name == nullptr || height == nullptr || width == nullptr || oblique == nullptr) return std::nullopt;
    TzRvnTitleText text{height->resval.rreal, width->resval.rreal, oblique->resval.rreal, name->resval.rstring};
    if (text.height == 0.0) {
        resbuf size{};
        if (acedGetVar(L"TEXTSIZE", &size) != RTNORM || size.restype != RTREAL) return std::nullopt;
        text.height = size.resval.rreal;
    }
    return text;
}

// Step 6: the row labels of the template in the program folder.
std::optional<TzRvnTitleBlockLabels> TemplateLabels(const std::wstring& folder) {
    const std::wstring path = folder + kTitleBlockTemplateName;
    const TzRvnFile file = OpenFile(path, "rt");
    std::string bytes;
    if (file == nullptr || !ReadAllBytes(file.get(), bytes)) {
        PrintNamed(rvntext::kTitleBlockTemplateMissing, path);
        return std::nullopt;
    }
    return ReadTitleBlockLabels(bytes);
}

// Step 8: the rows' default values, the reals in the drawing's current units.
TzRvnTitleValues DefaultValues(const TzRvnTitleBlock& block) {
    TzRvnTitleValues values{block.row1, block.row2};
    const double reals[] = {block.row3, block.row4, block.row5, block.row6};
    for (std::size_t i = 0; i < 4; ++i) {
        ACHAR text[ZafAcadMgr::kBufferLength] = L"";
        if (ZafAcadMgr::zaf_acdbRToS(reals[i], -1, -1, text) == RTNORM) values[i + 2] = text;
    }
    return values;
}

// Step 11: the handle of the last entity made, empty when it cannot be read.
std::wstring LastHandle() {
    ads_name last{};
    if (acdbEntLast(last) != RTNORM) return {};
    const TzRvnResbufList list(acdbEntGet(last));
    const resbuf* handle = GroupOf(list.get(), 5);
    return handle != nullptr && handle->resval.rstring != nullptr ? handle->resval.rstring : L"";
}

}  // namespace

void TzRvnAskNextTitleBlockPoint() { placement().askNext = true; }

int InsertTitleBlock(const TzRvnTitleBlock& block, AcGePoint3d& point, std::wstring& handle) {
    handle.clear();
    const double frameHeight = std::max(kFrameRows * FrameTextHeight(block.row5), block.minimumHeight);
    const std::optional<AcGePoint3d> placed = PlacementPoint(frameHeight);
    const std::optional<AcGePoint3d> world = placed ? ToWorld(*placed) : std::nullopt;
    if (!world) return 0;
    point = *world;
    std::wstring folder;
    if (!ReadProgramFolder(folder) || !FrameBlocksDefined()) return 0;
    const std::optional<TzRvnTitleText> text = TitleText();
    if (!text) return 0;
    const std::optional<TzRvnTitleBlockLabels> labels = TemplateLabels(folder);
    if (!labels) return 0;
    const TzRvnTitleFrame frame{std::wstring(rvnprofile::kTitleBlockPrefix) + std::to_wstring(block.number), frameHeight, block.width};
    const TzRvnTitleValues values = DefaultValues(block);
    if (!DefineTitleBlock(frame, *text, *labels, values) ||
        !InsertTitleBlockReference(frame, *text, point, values, block.linkHandle)) {
        return 0;
    }
    handle = LastHandle();
    return 1;
}
