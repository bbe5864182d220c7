#include "frame/doc_reactor.h"

#include "frame/doc_state_list.h"

void TzRvnDocReactor::documentToBeDestroyed(AcApDocument* document) { states_.remove(document); }

void TzRvnDocReactor::documentActivated(AcApDocument* document) { states_.activate(document); }
