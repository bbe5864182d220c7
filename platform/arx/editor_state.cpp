#include "editor_state.h"

namespace rvnhost {

EditorState& EditorState::instance() {
    static EditorState state;
    return state;
}

void EditorState::setNextRequest(int flags, std::wstring_view keywords) {
    next_.flags = flags;
    next_.keywords = KeywordList(keywords);
}

InputRequest EditorState::takeRequest() {
    InputRequest request = std::move(next_);
    next_ = InputRequest{};
    keyword_.reset();
    return request;
}

std::unique_ptr<EntityPicker> EditorState::setPicker(std::unique_ptr<EntityPicker> picker) {
    picker_.swap(picker);
    return picker;
}

}  // namespace rvnhost
