// Makes a test fail when it leaves a database object open, the way the host reports a command
// that does. Use the fixture, a guard object, or the check itself:
//
//     class MyTest : public rvntest::OpenObjectCheckedTest {};    // checked after every test
//     rvntest::OpenObjectGuard guard;                               // checked when it goes out of scope
//     rvntest::expectAllObjectsClosed("after the import");          // checked here
//
// Objects found open are closed afterwards, so one faulty test does not spoil the next.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "open_objects.h"
#include "text_codec.h"

namespace rvntest {

inline void expectAllObjectsClosed(const std::string& where = "the end of the test") {
    for (const rvnhost::OpenObject& object : rvnhost::openObjects()) {
        ADD_FAILURE() << "Object still open at " << where << ": "
                      << rvnos::toUtf8(rvnhost::describeOpenObject(object));
    }
    rvnhost::closeOpenObjects();
}

class OpenObjectGuard {
public:
    explicit OpenObjectGuard(std::string where = "the end of the scope") : where_(std::move(where)) {}
    ~OpenObjectGuard() { expectAllObjectsClosed(where_); }
    OpenObjectGuard(const OpenObjectGuard&) = delete;
    OpenObjectGuard& operator=(const OpenObjectGuard&) = delete;

private:
    std::string where_;
};

class OpenObjectCheckedTest : public ::testing::Test {
protected:
    void TearDown() override { expectAllObjectsClosed(); }
};

}  // namespace rvntest
