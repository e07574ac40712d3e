// Stands in for the platform's message boxes and clock in tests: records every
// box shown, answers from a queue, and keeps today at a chosen date.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "engine/calendar.h"
#include "engine/message_box.h"
#include "engine/run_state.h"

namespace korinde_test {

struct ShownBox {
    std::string text;
    std::int16_t style;
    std::string title;
    bool operator==(const ShownBox&) const = default;
};

class MessageRecorder {
public:
    explicit MessageRecorder(kyotu1::ClockDate today = {2004, 11, 22})
        : today_(today), saved_box_(kyotu1::msg_box), saved_clock_(kyotu1::system_date) {
        kyotu1::msg_box = [this](const std::string& text, std::int16_t style, const std::string& title) {
            shown.push_back({text, style, title});
            if (answers.empty()) return (style & 7) == kyotu1::mb_yes_no ? kyotu1::answer_no : kyotu1::answer_ok;
            const std::int16_t answer = answers.front();
            answers.pop_front();
            return answer;
        };
        kyotu1::system_date = [this] { return today_; };
    }
    ~MessageRecorder() {
        kyotu1::msg_box = saved_box_;
        kyotu1::system_date = saved_clock_;
    }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void set_today(kyotu1::ClockDate today) { today_ = today; }
    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const ShownBox& box : shown) result.push_back(box.text);
        return result;
    }

    std::vector<ShownBox> shown;
    std::deque<std::int16_t> answers;

private:
    kyotu1::ClockDate today_;
    kyotu1::MessageBox saved_box_;
    std::function<kyotu1::ClockDate()> saved_clock_;
};

}  // namespace korinde_test
