#include "profiles/pipe_on_profile.h"

#include "frame/command_line.h"
#include "profiles/pipe_drawing.h"
#include "profiles/pipe_on_profile_pick.h"
#include "profiles/pipe_on_profile_texts.h"
#include "profiles/pipe_vertices.h"
#include "profiles/profile_network.h"
#include "sysvars.h"

void DrawPipeOnProfile() {
    AcDbDatabase* database = rvnhost::workingDatabase();
    TzRvnProfileTitle title;
    if (!PickTitleBlock(title)) return;
    std::vector<TzRvnPipeSegment> segments;
    if (!ReadProfileSegments(database, title.networkName, title.profileKey, segments)) return;
    if (segments.empty()) return PrintMessage(rvntext::kNoProfileBranch);
    std::vector<AcGePoint3d> gradeVertices;
    if (!PickGradeLine(gradeVertices)) return;
    const TzRvnWorkingCopy copy(database, gradeVertices);
    if (!copy.made() || !FindGradePoints(copy.id(), segments)) return;
    DrawPipe(database, PlanPipeVertices(gradeVertices, segments), segments);
}
