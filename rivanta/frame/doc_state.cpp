#include "frame/doc_state.h"

#include "acdocman.h"
#include "network/unicode_text.h"

#include <algorithm>

TzRvnDocState::TzRvnDocState(AcApDocument* document)
    : document_(document), database_(document ? document->database() : nullptr) {}

std::vector<TzRvnName>::const_iterator TzRvnDocState::sortedPlace(std::wstring_view name) const {
    return std::lower_bound(nodeNames_.begin(), nodeNames_.end(), name, [](const TzRvnName& held, std::wstring_view wanted) {
        return rvnutf::compareUtf16(held.view(), wanted) < 0;
    });
}

bool TzRvnDocState::addNodeName(std::wstring_view name) {
    const std::optional<TzRvnName> field = TzRvnName::from(name);
    if (!field) return false;
    const auto place = sortedPlace(name);
    if (place == nodeNames_.end() || place->view() != name) nodeNames_.insert(place, *field);
    return true;
}

bool TzRvnDocState::hasNodeName(std::wstring_view name) const {
    const auto place = sortedPlace(name);
    return place != nodeNames_.end() && place->view() == name;
}

void TzRvnDocState::removeNodeName(std::wstring_view name) {
    const auto place = sortedPlace(name);
    if (place != nodeNames_.end() && place->view() == name) nodeNames_.erase(place);
}

void TzRvnDocState::clearNodeNames() {
    nodeNames_.clear();
    currentLayer_.clear();
}

bool TzRvnDocState::setCurrentLayer(std::wstring_view layerName) {
    if (layerName.find(L'\0') != std::wstring_view::npos || rvnutf::utf16Length(layerName) > kMaxLayerUnits) {
        return false;
    }
    currentLayer_ = std::wstring(layerName);
    return true;
}
