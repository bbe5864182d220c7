// Compares a results (or network) JSON document with the expected one as the shared cases ask:
// "check" and "calc" exactly, texts exactly, numbers within 1e-9 relative or 1e-12 absolute,
// non-finite numbers equal (written as "inf", "-inf", "nan"); an expected null is not compared.
#pragma once

#include "json_reader.h"
#include "test_files.h"
#include "text_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

namespace rvntest {

inline bool numbersMatch(double expected, double actual) {
    if (std::isnan(expected) || std::isnan(actual)) return std::isnan(expected) && std::isnan(actual);
    if (std::isinf(expected) || std::isinf(actual)) return expected == actual;
    const double scale = std::max(std::fabs(expected), std::fabs(actual));
    return std::fabs(expected - actual) <= std::max(1e-9 * scale, 1e-12);
}

inline void compareJson(const TzRvnJson& expected, const TzRvnJson& actual, const std::string& path,
                        std::vector<std::string>& differences);

inline void compareObjects(const TzRvnJson& expected, const TzRvnJson& actual, const std::string& path,
                           std::vector<std::string>& differences) {
    for (const auto& [key, value] : expected.members()) {
        const TzRvnJson* other = actual.find(key);
        const std::string where = path + "." + key;
        if (other == nullptr) {
            differences.push_back(where + ": missing");
        } else if ((key == "check" || key == "calc") && other->asNumber() != value.asNumber()) {
            differences.push_back(where + ": differs");
        } else {
            compareJson(value, *other, where, differences);
        }
    }
}

inline void compareArrays(const TzRvnJson& expected, const TzRvnJson& actual, const std::string& path,
                          std::vector<std::string>& differences) {
    if (expected.items().size() != actual.items().size()) {
        differences.push_back(path + ": " + std::to_string(actual.items().size()) + " entries, expected " +
                              std::to_string(expected.items().size()));
        return;
    }
    for (std::size_t i = 0; i < expected.items().size(); ++i) {
        compareJson(expected.items()[i], actual.items()[i], path + "[" + std::to_string(i) + "]", differences);
    }
}

inline void compareJson(const TzRvnJson& expected, const TzRvnJson& actual, const std::string& path,
                        std::vector<std::string>& differences) {
    using Kind = TzRvnJson::Kind;
    if (expected.kind() == Kind::null) return;
    if (expected.kind() != actual.kind() && !(expected.asNumber() && actual.asNumber())) {
        differences.push_back(path + ": different kind of value");
    } else if (expected.kind() == Kind::object) {
        compareObjects(expected, actual, path, differences);
    } else if (expected.kind() == Kind::array) {
        compareArrays(expected, actual, path, differences);
    } else if (expected.asNumber() && actual.asNumber()) {
        if (!numbersMatch(*expected.asNumber(), *actual.asNumber())) {
            differences.push_back(path + ": " + std::to_string(*actual.asNumber()) + ", expected " +
                                  std::to_string(*expected.asNumber()));
        }
    } else if (expected.kind() == Kind::string && expected.string() != actual.string()) {
        differences.push_back(path + ": \"" + rvnos::toUtf8(actual.string()) + "\", expected \"" +
                              rvnos::toUtf8(expected.string()) + "\"");
    } else if (expected.kind() == Kind::boolean && expected.boolean() != actual.boolean()) {
        differences.push_back(path + ": differs");
    }
}

// The document of text; a failure when it is no JSON.
inline TzRvnJson ParsedJson(const std::string& text) {
    TzRvnJson value;
    std::string error;
    EXPECT_TRUE(ParseJson(text, value, error)) << error;
    return value;
}

// A failure for each difference of the JSON text actual from expected, named from `what` on.
inline void ExpectSameJson(const std::string& expected, const std::string& actual, const std::string& what) {
    std::vector<std::string> differences;
    compareJson(ParsedJson(expected), ParsedJson(actual), what, differences);
    for (const std::string& difference : differences) ADD_FAILURE() << difference;
}

// The results file actual, which must exist, against the expected one.
inline void ExpectSameResultsFile(const std::filesystem::path& expected, const std::filesystem::path& actual) {
    ASSERT_TRUE(std::filesystem::exists(actual)) << actual;
    ExpectSameJson(readBytes(expected), readBytes(actual), "results");
}

}  // namespace rvntest
