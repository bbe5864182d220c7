// The network object of the drawing: one per network, kept in the dictionary "TZ-RVN" of the
// named-object dictionary under the network's name. It holds the plain network record and hands
// it to the topology check, the solver and the filing.
//
// Readers need the object open for read and setters open for write, as the host's open discipline
// demands; a new object not yet in a database is both. A reader of an object that is not open for
// read answers as an empty network (0, a new record, default settings); a setter of an object
// that is not open for write changes nothing and answers eNotOpenForWrite.
#pragma once

#include "analysis/solver/report_stream.h"
#include "analysis/solver/solver.h"
#include "dbmain.h"
#include "network/network_data.h"

#include <optional>
#include <string>
#include <string_view>

class TzRvnNetwork : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(TzRvnNetwork);

    // An empty network: no elements, the settings as a new settings record.
    explicit TzRvnNetwork(bool hasSchema = false);
    // A network holding data (an imported or rebuilt network, before it joins the drawing).
    explicit TzRvnNetwork(TzRvnNetworkData data);
    ~TzRvnNetwork() override;

    // Element counts.
    int numNodes() const;
    int numEdges() const;
    int numTanks() const;
    // Set a count: elements beyond n are dropped, new ones are new records.
    Acad::ErrorStatus setNumNodes(int n);
    Acad::ErrorStatus setNumEdges(int n);
    Acad::ErrorStatus setNumTanks(int n);

    // Elements in display units; i is 0-based and below the count (see TzRvnNetworkData).
    TzRvnNode getNode(int i) const;
    Acad::ErrorStatus setNode(int i, const TzRvnNode& node);
    TzRvnEdge getEdge(int i) const;
    Acad::ErrorStatus setEdge(int i, const TzRvnEdge& edge);
    TzRvnTank getTank(int i) const;
    Acad::ErrorStatus setTank(int i, const TzRvnTank& tank);

    TzRvnSettings getSettings() const;
    Acad::ErrorStatus setSettings(const TzRvnSettings& settings);
    bool hasSchema() const;

    // The largest node head, never below 0.0; the smallest, from 1e10 down (NO_RESULT when a node
    // has no result).
    double maxHead() const;
    double minHead() const;

    // The whole record in SI units as held, for reading it without a copy while the object stays
    // open (an empty network when it is not open for read).
    const TzRvnNetworkData& data() const;
    // The whole record in SI units, copied out (needs read) or replaced (needs write).
    Acad::ErrorStatus getData(TzRvnNetworkData& data) const;
    Acad::ErrorStatus setData(const TzRvnNetworkData& data);

    // Checks the topology into stream, with the network's name read from its owner dictionary;
    // resolves the node indices of branches and tanks. 1 when the network passes; 0 when it fails,
    // when its dictionary cannot be opened or when the object is not open for read.
    int CheckTopology(TzRvnReportStream& stream);
    // Calculates the network into stream (the iteration log), storing the results in its records.
    // 1 when the calculation ran to its end; 0 when it was aborted or the object is not open for
    // write. outcome, when given, receives the solver's account of the run.
    int Calculate(TzRvnReportStream& stream, TzRvnSolverOutcome* outcome = nullptr,
                  const TzRvnSolverChoice& choice = {});

    // Rebuilds the node, branch and tank arrays from the schema on the network layer layerName in
    // the block (model space); needs the object open for write. True without change for a
    // network without a schema; false when the schema cannot be read (the arrays may then be
    // partly filled).
    bool ReadNetworkFromSchema(AcDbDatabase* database, AcDbObjectId blockId, std::wstring_view layerName);
    // Writes the data of the arrays into the schema on the layer "TZ-RV-" + the network's name in
    // its owner dictionary; needs the object open for read. True without change for a network
    // without a schema; false when its name or a branch layer cannot be had.
    bool WriteSchemaFromNetwork() const;

    // Filing of the network in the drawing: its DWG item sequence and its DXF groups.
    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
    // The network's key in its owner dictionary; nullopt when that dictionary cannot be opened or
    // does not hold the network.
    std::optional<std::wstring> nameInOwner() const;

    TzRvnNetworkData data_;
};
