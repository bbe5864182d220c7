#include "schema/network_plane.h"

#include "adscodes.h"
#include "frame/translation.h"
#include "frame/doc_state.h"
#include "schema/schema_layers.h"
#include "schema/schema_texts.h"
#include "zaf_acad_mgr.h"

namespace {

// Blanks belong to the answer: a network name may hold them.
constexpr int kBlanksAllowed = 1;

}  // namespace

bool AskNetworkPlane(AcDbDatabase* database, TzRvnDocState& state, std::wstring& layerName, AcDbObjectId& layerId) {
    if (database == nullptr) return false;
    const std::wstring current = LayerName(database->clayer());
    const bool onNetwork = IsNetworkLayerName(current);
    const std::wstring offered = onNetwork ? NetworkNameOfLayer(current) : current;
    const std::wstring prompt = FormatTranslated(rvntext::kNetworkPlanePrompt, {offered});
    wchar_t answer[ZafAcadMgr::kBufferLength] = {};
    if (ZafAcadMgr::zaf_acedGetString(kBlanksAllowed, prompt.c_str(), answer) != RTNORM) return false;
    if (answer[0] != L'\0') {
        layerName = NetworkLayerName(answer);
    } else {
        layerName = onNetwork ? current : NetworkLayerName(current);
    }
    if (GetOrCreateLayer(database, layerName, layerId) != Acad::eOk) return false;
    return state.setCurrentLayer(layerName);
}
