#include "json_reader.h"

#include "text_codec.h"

#include <nlohmann/json.hpp>

#include <cmath>

struct TzRvnJsonTree {
    static constexpr int kMaxDepth = 64;

    static bool copy(const nlohmann::ordered_json& from, TzRvnJson& to, int depth) {
        using Kind = TzRvnJson::Kind;
        if (depth > kMaxDepth) return false;
        if (from.is_boolean()) {
            to.kind_ = Kind::boolean;
            to.boolean_ = from.get<bool>();
        } else if (from.is_number()) {
            to.kind_ = Kind::number;
            to.number_ = from.get<double>();
        } else if (from.is_string()) {
            to.kind_ = Kind::string;
            to.string_ = rvnos::fromUtf8(from.get_ref<const std::string&>());
        } else if (from.is_array()) {
            to.kind_ = Kind::array;
            to.items_.resize(from.size());
            for (std::size_t i = 0; i < from.size(); ++i) {
                if (!copy(from[i], to.items_[i], depth + 1)) return false;
            }
        } else if (from.is_object()) {
            to.kind_ = Kind::object;
            for (const auto& [key, member] : from.items()) {
                to.members_.emplace_back(key, TzRvnJson());
                if (!copy(member, to.members_.back().second, depth + 1)) return false;
            }
        }
        return true;
    }
};

const TzRvnJson* TzRvnJson::find(std::string_view key) const {
    for (const auto& [name, value] : members_) {
        if (name == key) return &value;
    }
    return nullptr;
}

std::optional<double> TzRvnJson::asNumber() const {
    if (kind_ == Kind::number) return number_;
    if (string_ == L"inf") return HUGE_VAL;
    if (string_ == L"-inf") return -HUGE_VAL;
    if (string_ == L"nan" || string_ == L"-nan") return std::nan("");
    return std::nullopt;
}

bool ParseJson(std::string_view text, TzRvnJson& value, std::string& error) {
    value = TzRvnJson();
    try {
        if (TzRvnJsonTree::copy(nlohmann::ordered_json::parse(text), value, 0)) return true;
        error = "nested deeper than " + std::to_string(TzRvnJsonTree::kMaxDepth) + " levels";
    } catch (const nlohmann::json::parse_error& fault) {
        error = fault.what();
    }
    return false;
}
