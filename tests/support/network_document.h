// A fixture for the plug-in's dialogs: the program's embedded templates as the resources, the
// example program folder, and a new document whose current network "rete" (on "TZ-RV-rete") has
// the settings the test gives; every document is closed after the test.
#pragma once

#include "acdocman.h"
#include "afx_resources.h"
#include "frame/doc_state.h"
#include "frame/document_states.h"
#include "host/open_object.h"
#include "lisp_symbols.h"
#include "module_loader.h"
#include "netobj/network_class.h"
#include "netobj/network_dictionary.h"
#include "netobj/network_object.h"
#include "open_object_guard.h"
#include "text_codec.h"
#include "transcript.h"

namespace rvntest {

class NetworkDocumentTest : public OpenObjectCheckedTest {
protected:
    void openNetworkDocument(const TzRvnSettings& settings) {
        RegisterNetworkClass();
        AfxSetResourceHandle(GetModuleHandleW(nullptr));
        rvnhost::putLispString(L"tz-cpath", rvnos::fromUtf8(RVN_SOURCE_DIR) + L"/examples/");
        acDocManagerPtr()->appContextNewDocument(nullptr);
        StartDocumentStates();
        ASSERT_TRUE(currentDocState()->setCurrentLayer(L"TZ-RV-rete"));
        AcDbObjectId id;
        ASSERT_EQ(Acad::eOk, CreateNetwork(currentDatabase(), L"rete", true, id));
        TzRvnOpenObject<TzRvnNetwork> network(id, AcDb::kForWrite);
        ASSERT_EQ(Acad::eOk, network->setSettings(settings));
        rvnhost::Transcript::instance().clear();
    }
    void TearDown() override {
        StopDocumentStates();
        AcApDocManager* manager = acDocManagerPtr();
        while (manager->curDocument()) manager->closeDocument(manager->curDocument());
        OpenObjectCheckedTest::TearDown();
    }
};

}  // namespace rvntest
