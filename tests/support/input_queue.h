// Feeds a test's answers to the host's prompts and message boxes. While it lives it is the
// session's input source; a test that asks for more input than it queued does not hang: the read
// fails (the prompt answers Cancel) and ranOut() tells, with the transcript naming the prompt.
#pragma once

#include "input_source.h"
#include "transcript.h"

#include <memory>
#include <string>
#include <vector>

namespace rvntest {

class QueuedInput {
public:
    explicit QueuedInput(std::vector<std::wstring> lines = {}) {
        auto queue = std::make_unique<rvnhost::QueueInput>(std::move(lines));
        queue_ = queue.get();
        previous_ = rvnhost::setCurrentInput(std::move(queue));
    }
    ~QueuedInput() { rvnhost::setCurrentInput(std::move(previous_)); }
    QueuedInput(const QueuedInput&) = delete;
    QueuedInput& operator=(const QueuedInput&) = delete;

    void push(std::wstring line) { queue_->push(std::move(line)); }
    std::size_t remaining() const { return queue_->remaining(); }
    // True when something asked for input after the queue was empty.
    bool ranOut() const { return queue_->readsPastEnd() > 0; }

private:
    rvnhost::QueueInput* queue_;
    std::unique_ptr<rvnhost::InputSource> previous_;
};

}  // namespace rvntest
