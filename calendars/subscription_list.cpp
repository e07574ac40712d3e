#include "calendars/subscription_list.h"

#include <algorithm>

#include "calendars/one_line.h"

namespace korinde::calendars {
namespace {

bool starts_with(std::string_view text, std::string_view start) {
    if (text.size() < start.size()) return false;
    // `start` is lower case; the text's letters may be either.
    return std::equal(start.begin(), start.end(), text.begin(), [](char wanted, char c) {
        return (c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c) == wanted;
    });
}

// The host of scheme://[user@]host[:port]/…, brackets kept for IPv6.
std::string_view host_of(std::string_view address) {
    std::string_view rest = address.substr(address.find("://") + 3);
    rest = rest.substr(0, rest.find_first_of("/?#"));
    if (const auto at = rest.rfind('@'); at != std::string_view::npos) rest.remove_prefix(at + 1);
    if (rest.starts_with('[')) return rest.substr(0, rest.find(']') + 1);
    return rest.substr(0, rest.find(':'));
}

bool on_loopback(std::string_view host) { return host == "127.0.0.1" || host == "localhost" || host == "[::1]"; }

const char* const header =
    "# Korinde の購読カレンダー: 名前<TAB>アドレス (korinde --subscribe と --unsubscribe が書き換えます)\n";

}  // namespace

bool is_web_address(std::string_view address) {
    return starts_with(address, "https://") || starts_with(address, "http://");
}

KeptAddress kept_address(std::string_view given) {
    for (std::string_view scheme : {"webcals://", "webcal://"}) {
        if (starts_with(given, scheme)) return {"https://" + std::string(given.substr(scheme.size())), {}};
    }
    if (starts_with(given, "https://")) return {std::string(given), {}};
    if (starts_with(given, "http://")) {
        if (on_loopback(host_of(given))) return {std::string(given), {}};
        return {{},
                "http:// のアドレスは暗号化されずに送られ、アドレスに含まれる秘密の部分も読まれてしまうため使えません。"
                "https:// のアドレスを指定してください"};
    }
    if (starts_with(given, "file://")) return {std::string(given.substr(7)), {}};
    if (given.find("://") != std::string_view::npos) {
        return {{}, "https:// か webcal:// のアドレス、または .ics ファイルを指定してください"};
    }
    return {std::string(given), {}};
}

std::string masked(std::string_view address) {
    if (!is_web_address(address)) return std::string(address);
    const std::string_view scheme = address.substr(0, address.find("://") + 3);
    std::string shown = std::string(scheme) + std::string(host_of(address)) + "/…";
    std::string_view path = address.substr(0, address.find_first_of("?#"));
    const std::string_view last = path.substr(path.rfind('/') + 1);
    if (last.size() > 4 && starts_with(last.substr(last.size() - 4), ".ics") && path.rfind('/') > scheme.size()) {
        shown += "/" + std::string(last);
    }
    return shown;
}

std::variant<SubscriptionFile, std::string> read_subscriptions(std::string_view text) {
    SubscriptionFile file;
    int number = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        ++number;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.empty() || line.starts_with('#')) continue;
        const auto wrong = [&](const char* what) { return std::to_string(number) + " 行目: " + what; };
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos || line.find('\t', tab + 1) != std::string_view::npos) {
            return wrong("名前とアドレスを一つのタブで区切ってください");
        }
        Subscription subscription{std::string(line.substr(0, tab)), std::string(line.substr(tab + 1))};
        if (subscription.name.empty() || one_line(subscription.name.c_str()) != subscription.name) {
            return wrong("名前が空か、使えない文字を含んでいます");
        }
        const KeptAddress kept = kept_address(subscription.address);
        if (kept.address != subscription.address) return wrong("アドレスが https://… でも絶対パスでもありません");
        if (!is_web_address(kept.address) && !kept.address.starts_with('/') &&
            !(kept.address.size() > 2 && kept.address[1] == ':')) {
            return wrong("ファイルは絶対パスで書いてください");
        }
        if (find_subscription(file, subscription.name) || find_subscription(file, subscription.address)) {
            return wrong("同じ名前かアドレスがすでにあります");
        }
        file.subscriptions.push_back(std::move(subscription));
    }
    return file;
}

std::string written(const SubscriptionFile& file) {
    std::string text = header;
    for (const Subscription& s : file.subscriptions) text += s.name + '\t' + s.address + '\n';
    return text;
}

std::optional<std::size_t> find_subscription(const SubscriptionFile& file, std::string_view name_or_address) {
    const KeptAddress kept = kept_address(name_or_address);
    for (std::size_t i = 0; i < file.subscriptions.size(); ++i) {
        const Subscription& s = file.subscriptions[i];
        if (s.name == name_or_address || s.address == name_or_address ||
            (!kept.address.empty() && s.address == kept.address)) {
            return i;
        }
    }
    return std::nullopt;
}

std::string unused_name(const SubscriptionFile& file, const std::string& wanted) {
    std::string name = wanted;
    for (int n = 2; find_subscription(file, name); ++n) name = wanted + " (" + std::to_string(n) + ")";
    return name;
}

}  // namespace korinde::calendars
