// Results files read as a tree of values (members in file order), parsed by nlohmann/json.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TzRvnJson {
public:
    enum class Kind { null, boolean, number, string, array, object };

    Kind kind() const { return kind_; }
    bool boolean() const { return boolean_; }
    double number() const { return number_; }
    const std::wstring& string() const { return string_; }
    const std::vector<TzRvnJson>& items() const { return items_; }
    const std::vector<std::pair<std::string, TzRvnJson>>& members() const { return members_; }

    // The member named key of an object; null when there is none.
    const TzRvnJson* find(std::string_view key) const;
    // A number, or a string that spells a non-finite one ("inf", "-inf", "nan"); else nothing.
    std::optional<double> asNumber() const;

private:
    friend struct TzRvnJsonTree;

    Kind kind_ = Kind::null;
    bool boolean_ = false;
    double number_ = 0;
    std::wstring string_;
    std::vector<TzRvnJson> items_;
    std::vector<std::pair<std::string, TzRvnJson>> members_;
};

// Parses UTF-8 JSON text. Returns false with a description in error when the text is not JSON or
// nests deeper than 64 levels.
bool ParseJson(std::string_view text, TzRvnJson& value, std::string& error);
