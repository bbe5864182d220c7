#include "frame/document_states.h"

#include "acdocman.h"
#include "frame/doc_reactor.h"
#include "frame/doc_state_list.h"

#include <memory>

namespace {

struct DocumentStates {
    TzRvnDocStateList list;
    TzRvnDocReactor reactor{list};
};

std::unique_ptr<DocumentStates> started;

}  // namespace

void StartDocumentStates() {
    if (started) return;
    started = std::make_unique<DocumentStates>();
    acDocManagerPtr()->addReactor(&started->reactor);
    started->reactor.documentActivated(acDocManagerPtr()->curDocument());
}

void StopDocumentStates() {
    if (!started) return;
    acDocManagerPtr()->removeReactor(&started->reactor);
    started.reset();
}

bool DocumentStatesStarted() { return started != nullptr; }

TzRvnDocStateList* documentStates() { return started ? &started->list : nullptr; }

TzRvnDocState* currentDocState() { return started ? started->list.current() : nullptr; }

AcDbDatabase* currentDatabase() {
    const TzRvnDocState* state = currentDocState();
    return state ? state->database() : nullptr;
}
