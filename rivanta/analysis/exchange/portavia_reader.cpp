#include "analysis/exchange/portavia_reader.h"

#include "network/unicode_text.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace {

constexpr std::size_t kNoteUnits = 8;

// Sequential little-endian reads over bytes whose length has been checked beforehand.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    void skip(std::size_t count) { pos_ += count; }
    std::int16_t int16() { return static_cast<std::int16_t>(unsignedValue(2)); }
    double real() { return std::bit_cast<double>(unsignedValue(8)); }
    // A UTF-16 text field of 8 code units that ends at its first zero unit.
    TzRvnNote note() {
        std::u16string units;
        for (std::size_t i = 0; i < kNoteUnits; ++i) units += static_cast<char16_t>(unsignedValue(2));
        return TzRvnNote(rvnutf::fromUtf16(units.substr(0, units.find(u'\0'))));
    }

private:
    std::uint64_t unsignedValue(std::size_t size) {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < size; ++i) {
            value |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes_[pos_ + i])) << (8 * i);
        }
        pos_ += size;
        return value;
    }

    std::string_view bytes_;
    std::size_t pos_ = 0;
};

struct Counts {
    int nodes = 0;
    int branches = 0;
    int tanks = 0;

    std::size_t fileSize() const {
        return kPortaviaHeaderSize + kPortaviaNodeSize * static_cast<std::size_t>(nodes) +
               kPortaviaBranchSize * static_cast<std::size_t>(branches) +
               kPortaviaTankSize * static_cast<std::size_t>(tanks);
    }
};

int recordCount(std::int16_t value) { return std::max<int>(value, 0); }

TzRvnSettings readHeader(ByteReader& in, const std::vector<CMateriale>& materials, Counts& counts) {
    TzRvnSettings s;
    s.flowUnit = s.diameterUnit = s.roughnessUnit = s.slopeUnit = 0;
    in.skip(84);
    s.setFluid(0, in.real());
    s.initialVelocity = in.real();
    in.skip(32);
    s.minBranchFlow = in.real();
    s.maxIterations = in.int16();
    s.headTolerance = in.real();
    s.flowTolerance = in.real();
    counts.nodes = recordCount(in.int16());
    counts.branches = recordCount(in.int16());
    counts.tanks = recordCount(in.int16());
    s.setMaterial(0, materials.empty() ? 0.0 : materials.front().roughness);
    s.minPressureHead = 0.1;
    s.maxPressureHead = 1.0;
    s.minVelocity = 0.1;
    s.maxVelocity = 1.0;
    s.colourLowHead = 100;
    s.colourHighHead = 200;
    s.colourLowVelocity = 300;
    s.colourHighVelocity = 400;
    return s;
}

TzRvnName numberName(int number) { return *TzRvnName::from(std::to_wstring(number)); }

void readNodes(ByteReader& in, TzRvnNetworkData& network) {
    for (std::size_t k = 0; k < network.nodes().size(); ++k) {
        TzRvnNode& node = network.nodes()[k];
        node.name = numberName(static_cast<int>(k) + 1);
        in.skip(16);
        node.demand = in.real();
        node.elevation = in.real();
        node.note = in.note();
    }
}

// Puts the question for a non-positive value of branch b; true to go on.
bool acceptValue(double value, TzRvnBranchValue which, int b, const TzRvnDoubtQuestion& ask) {
    if (!(value <= 0.0)) return true;
    return ask(TzRvnImportDoubt{which, b});
}

bool readBranches(ByteReader& in, TzRvnNetworkData& network, const TzRvnDoubtQuestion& ask) {
    for (std::size_t k = 0; k < network.edges().size(); ++k) {
        TzRvnEdge& edge = network.edges()[k];
        const int b = static_cast<int>(k) + 1;
        edge.startNode = numberName(in.int16());
        edge.endNode = numberName(in.int16());
        edge.length = in.real();
        if (!acceptValue(edge.length, TzRvnBranchValue::length, b, ask)) return false;
        edge.roughness = in.real();
        if (!acceptValue(edge.roughness, TzRvnBranchValue::roughness, b, ask)) return false;
        edge.csi = in.real();
        edge.diameter = in.real();
        if (!acceptValue(edge.diameter, TzRvnBranchValue::diameter, b, ask)) return false;
        edge.note = in.note();
    }
    return true;
}

void readTanks(ByteReader& in, TzRvnNetworkData& network) {
    for (TzRvnTank& tank : network.tanks()) {
        tank.nodeName = numberName(in.int16());
        tank.head = in.real();
    }
}

}  // namespace

TzRvnPortaviaRead ParsePortaviaBytes(std::string_view bytes, const std::vector<CMateriale>& materials,
                                     const TzRvnDoubtQuestion& ask, TzRvnNetworkData& network) {
    TzRvnPortaviaRead read;
    read.size = static_cast<int>(std::min<std::size_t>(bytes.size(), 0x7FFFFFFF));
    if (bytes.size() < kPortaviaHeaderSize) {
        read.status = TzRvnPortaviaStatus::shortHeader;
        return read;
    }
    ByteReader in(bytes);
    Counts counts;
    TzRvnNetworkData imported;
    imported.setSettings(readHeader(in, materials, counts));
    if (bytes.size() < counts.fileSize()) {
        read.status = TzRvnPortaviaStatus::shortRecords;
        read.nodes = counts.nodes;
        read.branches = counts.branches;
        read.tanks = counts.tanks;
        return read;
    }
    imported.setNumNodes(counts.nodes);
    imported.setNumEdges(counts.branches);
    imported.setNumTanks(counts.tanks);
    readNodes(in, imported);
    if (!readBranches(in, imported, ask)) {
        read.status = TzRvnPortaviaStatus::abandoned;
        return read;
    }
    readTanks(in, imported);
    network = std::move(imported);
    return read;
}

std::wstring PortaviaNetworkName(const std::wstring& path) {
    const std::wstring name = path.substr(path.find_last_of(L'/') + 1);
    const std::size_t dot = name.rfind(L'.');
    return dot == std::wstring::npos || dot == 0 ? name : name.substr(0, dot);
}
