// Keeps the document states in step with the host's documents: a state for every document
// activated, freed when its document is destroyed.
#pragma once

#include "acdocman.h"

class TzRvnDocStateList;

class TzRvnDocReactor : public AcApDocManagerReactor {
public:
    explicit TzRvnDocReactor(TzRvnDocStateList& states) : states_(states) {}
    ~TzRvnDocReactor() override = default;

    void documentToBeDestroyed(AcApDocument* document) override;
    void documentActivated(AcApDocument* document) override;

private:
    TzRvnDocStateList& states_;
};
