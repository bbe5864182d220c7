// The network object of the drawing: one per network, kept in the dictionary "TZ-RVN" of the
// named-object dictionary under the network's name. It holds the plain network record of the
// calculation core and files it; the jobs hand that record, with the network's name, to the
// topology check and the solver, and the schema reads and writes it from and to the drawing.
//
// Readers need the object open for read and setters open for write, as the host's open discipline
// demands; a new object not yet in a database is both. A reader of an object that is not open for
// read answers as an empty network (0, a new record, default settings); a setter of an object
// that is not open for write changes nothing and answers eNotOpenForWrite.
#pragma once

#include "dbmain.h"
#include "network/network_data.h"

#include <optional>
#include <string>

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

    // The record to work on in place: the topology check rewrites its node indices (derived data
    // that the filing leaves out, so a read open will do), the calculation stores its results and
    // the schema its elements (both need write). Null when the object is not open for mode.
    TzRvnNetworkData* workingData(AcDb::OpenMode mode);

    // The network's key in its owner dictionary; nullopt when that dictionary cannot be opened or
    // does not hold the network.
    std::optional<std::wstring> nameInOwner() const;

    // Filing of the network in the drawing: its DWG item sequence and its DXF groups.
    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
    TzRvnNetworkData data_;
};
