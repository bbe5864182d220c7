// Shared set-up of the network object tests: the class registered for the whole program (as the
// plug-in does at load) and a drawing of its own per test.
#pragma once

#include "dbdict.h"
#include "netobj/network_class.h"
#include "netobj/network_dictionary.h"
#include "netobj/network_object.h"
#include "open_object_guard.h"
#include "sample_network.h"

#include <gtest/gtest.h>

namespace rvntest {

class NetworkClassEnvironment : public testing::Environment {
public:
    void SetUp() override { RegisterNetworkClass(); }
    void TearDown() override { RemoveNetworkClass(); }
};

// Registered once per program, before any test runs.
inline testing::Environment* const networkClassEnvironment =
    testing::AddGlobalTestEnvironment(new NetworkClassEnvironment);

// A test with a drawing of its own that fails when an object is left open.
class DrawingTest : public OpenObjectCheckedTest {
protected:
    AcDbDatabase db;
};

}  // namespace rvntest
