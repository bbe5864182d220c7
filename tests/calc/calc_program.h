// Runs the built host program's "calc" tool as a user would, and writes small Portavia files.
#pragma once

#include "run_command.h"

#include <bit>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace rvntest {

using ProgramRun = CommandRun;

// Runs "rivanta ARGUMENTS" with no terminal on its input; environment prefixes the command
// ("TMPDIR=/x").
inline ProgramRun runRivanta(const std::string& arguments, const std::string& environment = "") {
    return runCommand(environment + " " + singleQuoted(std::filesystem::path(RVN_BIN_DIR) / "rivanta") + " " + arguments);
}

// Runs "rivanta calc ARGUMENTS" as runRivanta does.
inline ProgramRun runCalc(const std::string& arguments, const std::string& environment = "") {
    return runRivanta("calc " + arguments, environment);
}

// A Portavia file: header, 48-byte nodes, 52-byte branches, 10-byte tanks, little-endian.
class PortaviaBytes {
public:
    struct Branch {
        std::int16_t start, end;
        double length, roughness, diameter;
    };

    PortaviaBytes(int nodes, const std::vector<Branch>& branches, int tanks, double level) {
        int16(0);
        int16(0);
        bytes_.append(80, '\0');
        real(1.004e-6);   // viscosity
        real(1.0);        // initial velocity
        for (int unused = 0; unused < 4; ++unused) real(0.0);
        real(1e-7);       // minimum branch flow
        int16(100);       // iteration limit
        real(0.001);      // head tolerance
        real(1e-5);       // flow tolerance
        int16(static_cast<std::int16_t>(nodes));
        int16(static_cast<std::int16_t>(branches.size()));
        int16(static_cast<std::int16_t>(tanks));
        for (int node = 0; node < nodes; ++node) {
            real(0.0);
            real(0.0);
            real(node == 0 ? 0.0 : 0.001);  // demand
            real(10.0);                       // elevation
            bytes_.append(16, '\0');
        }
        for (const Branch& branch : branches) {
            int16(branch.start);
            int16(branch.end);
            real(branch.length);
            real(branch.roughness);
            real(0.0);
            real(branch.diameter);
            bytes_.append(16, '\0');
        }
        for (int tank = 0; tank < tanks; ++tank) {
            int16(1);
            real(level);
        }
    }

    const std::string& bytes() const { return bytes_; }

private:
    void littleEndian(std::uint64_t value, int size) {
        for (int i = 0; i < size; ++i) bytes_ += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    void int16(std::int16_t value) { littleEndian(static_cast<std::uint16_t>(value), 2); }
    void real(double value) { littleEndian(std::bit_cast<std::uint64_t>(value), 8); }

    std::string bytes_;
};

}  // namespace rvntest
