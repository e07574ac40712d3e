// The user's subscriptions as the one small file that keeps them: a line per
// calendar, its name and its address separated by a tab, lines starting
// with # left for people. What is read is checked line by line, so that a
// damaged file is told of and never rewritten.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace korinde::calendars {

struct Subscription {
    std::string name;
    std::string address;  // https://…, http:// on the loopback only, or an absolute path
    friend bool operator==(const Subscription&, const Subscription&) = default;
};

bool is_web_address(std::string_view address);

// The address as it is kept: webcal:// as https://, file:// as its path; or
// why it cannot be: plain http:// to another computer would carry the
// address's secret in clear. A path is taken as it is (made absolute by the
// caller).
struct KeptAddress {
    std::string address;  // empty where refused
    std::string refusal;
};
KeptAddress kept_address(std::string_view given);

// The address with its secret part hidden, for lists: the scheme, the host
// and the last part of a path ending in .ics; a local path in full.
std::string masked(std::string_view address);

struct SubscriptionFile {
    std::vector<Subscription> subscriptions;
};
// The file's lines, or "N 行目: …", what is wrong with the first bad one.
std::variant<SubscriptionFile, std::string> read_subscriptions(std::string_view text);
std::string written(const SubscriptionFile& file);

// The subscription named so or at that address, if any.
std::optional<std::size_t> find_subscription(const SubscriptionFile& file, std::string_view name_or_address);

// `wanted`, or with " (2)", " (3)" … after it where a subscription has that name.
std::string unused_name(const SubscriptionFile& file, const std::string& wanted);

}  // namespace korinde::calendars
