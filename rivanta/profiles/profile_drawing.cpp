#include "profiles/profile_drawing.h"

#include "dbapserv.h"
#include "frame/command_line.h"
#include "frame/translation.h"
#include "message_box.h"
#include "profiles/profile_drawing_lookup.h"
#include "profiles/profile_drawing_texts.h"
#include "profiles/profile_lines.h"
#include "profiles/profile_list.h"
#include "profiles/profile_measure.h"
#include "profiles/profile_run_network.h"
#include "profiles/profile_schema_walk.h"
#include "profiles/profile_sections.h"
#include "profiles/title_block.h"

namespace Text = TzRvnProfileDrawingText;

namespace {

constexpr double kHorizontalScale = 1000.0;
constexpr double kVerticalScale = 100.0;

// Where the profile's stations lie in the drawing: from the origin, the distance to the right and
// the elevation above the reference elevation upwards.
class ProfilePlace {
public:
    ProfilePlace(const AcGePoint3d& origin, double reference) : origin_(origin), reference_(reference) {}
    AcGePoint3d at(const TzRvnProfileStation& station) const {
        return AcGePoint3d(origin_.x + station.distance, origin_.y + station.elevation - reference_, 0.0);
    }
    AcGePoint3dArray line(const std::vector<TzRvnProfileStation>& stations) const {
        AcGePoint3dArray points;
        for (const TzRvnProfileStation& station : stations) points.push_back(at(station));
        return points;
    }
    std::vector<TzRvnProfileSection> sections(const std::vector<TzRvnProfileSectionAt>& marks) const {
        std::vector<TzRvnProfileSection> sections;
        for (const TzRvnProfileSectionAt& mark : marks) {
            const AcGePoint3d point = at(mark.station);
            sections.push_back({AcGePoint2d(point.x, point.y), AcGePoint2d(origin_.x, origin_.y), kHorizontalScale,
                                kVerticalScale, mark.name});
        }
        return sections;
    }

private:
    AcGePoint3d origin_;
    double reference_;
};

// The title block of the profile: its frame as high as the profile's extremes with the margin
// above and below, as wide as the profile is long.
TzRvnTitleBlock TitleOf(int number, const std::wstring& key, const TzRvnProfileMeasure& measure, double margin) {
    TzRvnTitleBlock title;
    title.number = number;
    title.minimumHeight = (measure.maximum - measure.minimum) + 2.0 * margin;
    title.width = measure.length;
    title.row1 = ProfileNetworkName();
    title.row2 = key;
    title.row3 = 0.0;
    title.row4 = measure.minimum - margin;
    title.row5 = kHorizontalScale;
    title.row6 = kVerticalScale;
    return title;
}

// A line of fewer than two points would be no line: it is left out.
bool DrawLine(AcDbDatabase* database, const AcGePoint3dArray& points, Adesk::UInt16 colour) {
    AcDbObjectId made;
    if (points.size() < 2 || AppendProfileLine(database, points, colour, made)) return true;
    PrintMessage(Text::kLineNotInserted);
    return false;
}

bool DrawProfile(AcDbDatabase* database, const TzRvnNetworkData& network, const ProfileChain& chain) {
    if (HasDashedPairName(chain)) {
        MessageBoxW(nullptr, TranslateText(Text::kDashInNodeName).c_str(), TranslateText(Text::kCaption).c_str(),
                    MB_OK | MB_ICONERROR);
        return false;
    }
    const int number = NextTitleNumber(database);
    const double margin = ProfileMargin();
    std::vector<TzRvnProfileLeg> legs = ProfileLegs(network, chain);
    if (network.hasSchema() && !WalkLegsAlongSchema(legs)) return false;
    const TzRvnProfileMeasure measure = MeasureProfile(legs, network.hasSchema());
    const std::wstring key = ProfileKey(chain);
    if (ProfileKeyDrawn(database, key)) return PrintMessage(Text::kSameProfile), false;
    AcGePoint3d inserted;
    std::wstring handle;
    if (InsertTitleBlock(TitleOf(number, key, measure, margin), inserted, handle) == 0) return false;
    // The title block's insertion point is in the WCS already: the profile starts there under any UCS.
    const ProfilePlace place(inserted, measure.minimum - margin);
    DrawProfileSections(place.sections(measure.sections));
    return DrawLine(database, place.line(measure.terrain), kTerrainLineColour) &&
           DrawLine(database, place.line(measure.heads), kHeadLineColour);
}

}  // namespace

void DrawProfiles() {
    TzRvnNetworkData network;
    {
        TzRvnOpenObject<TzRvnNetwork> open;
        if (!OpenProfileNetwork(AcDb::kForRead, open)) return;
        network = open->data();
    }
    AcDbDatabase* database = acdbCurDwg();
    for (const ProfileChain& chain : ProfileList()) {
        if (!DrawProfile(database, network, chain)) return;
    }
}
