// The element sections of an EPANET input file turned into a network's nodes, tanks and
// branches, in SI units. Names are found through flat hash tables, so that large files read in
// linear time; they are views into the sections' text, which must outlive the reading.
#pragma once

#include "analysis/exchange/inp_name_table.h"
#include "analysis/exchange/inp_options.h"
#include "network/network_data.h"

#include <optional>
#include <string_view>
#include <vector>

class TzRvnInpElements {
public:
    explicit TzRvnInpElements(const TzRvnInpOptions& options) : options_(options) {}

    // Makes room for as many nodes and pipes at most, before the sections are read.
    void reserve(std::size_t nodes, std::size_t pipes);
    // [JUNCTIONS], [RESERVOIRS] and [TANKS]: read before the sections that name nodes.
    std::optional<TzRvnInpRefusal> readNodes(const TzRvnInpSection& section);
    // [PIPES], then [STATUS] (which names pipes) and [DEMANDS] (first entry of a junction replaces
    // its [JUNCTIONS] demand, further ones add to it).
    std::optional<TzRvnInpRefusal> readPipes(const TzRvnInpSection& section);
    std::optional<TzRvnInpRefusal> readStatus(const TzRvnInpSection& section);
    std::optional<TzRvnInpRefusal> readDemands(const TzRvnInpSection& section);

    // Moves the elements into network, demands multiplied by DEMAND MULTIPLIER.
    void moveInto(TzRvnNetworkData& network);

    // The sum of the absolute junction demands read so far, in m3/s and multiplied.
    double totalDemand() const;

private:
    struct LineContext;

    // Hands each line of section that holds tokens to readLine, up to the first refusal.
    template <typename ReadLine>
    std::optional<TzRvnInpRefusal> readLines(const TzRvnInpSection& section, ReadLine readLine);

    std::optional<TzRvnInpRefusal> readJunction(const LineContext& at);
    std::optional<TzRvnInpRefusal> readFixedHead(const LineContext& at, bool tankSection);
    std::optional<TzRvnInpRefusal> addNode(const LineContext& at, TzRvnNode node, bool fixedHead);
    std::optional<TzRvnInpRefusal> readPipe(const LineContext& at);

    const TzRvnInpOptions& options_;
    std::vector<TzRvnNode> nodes_;
    std::vector<TzRvnEdge> edges_;
    std::vector<TzRvnTank> tanks_;
    TzRvnInpNameTable nodeIndex_;
    TzRvnInpNameTable pipeIndex_;
    std::vector<bool> fixedHead_;       // per node: a reservoir or tank
    std::vector<bool> demandReplaced_;  // per node: [DEMANDS] already replaced its demand
    std::vector<std::string_view> tokens_;  // of the line being read
};
