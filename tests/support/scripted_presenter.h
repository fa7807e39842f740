#pragma once

// A MessagePresenter for tests: records every box it is asked to show and
// answers from a queue. When the queue is empty a box gets its kind's default
// answer (OK for notices, No for questions, changeable), so no test can hang.

#include <deque>
#include <string>
#include <vector>

#include "app/message_presenter.h"

namespace orv::test {

struct ShownBox {
    BoxKind kind;
    std::string caption;
    std::string text;
    int answer;
    std::string details;  // behind the box's "Show Details..." button
};

class ScriptedPresenter : public MessagePresenter {
public:
    int present(BoxKind kind, const std::string& caption, const std::string& text) override {
        return presentWithDetails(kind, caption, text, std::string());
    }
    int presentWithDetails(BoxKind kind, const std::string& caption, const std::string& text,
                           const std::string& details) override {
        int answer =
            kind == BoxKind::Choice || kind == BoxKind::YesNoCancel ? defaultQuestionAnswer : kAnswerOk;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        boxes.push_back({kind, caption, text, answer, details});
        return answer;
    }

    // Queues answers for the next boxes, in order.
    ScriptedPresenter& answer(int code) {
        answers.push_back(code);
        return *this;
    }

    // The boxes of one kind, in the order they were shown.
    std::vector<ShownBox> shown(BoxKind kind) const {
        std::vector<ShownBox> result;
        for (const ShownBox& box : boxes) {
            if (box.kind == kind) {
                result.push_back(box);
            }
        }
        return result;
    }

    const ShownBox& last() const { return boxes.back(); }
    std::size_t count() const { return boxes.size(); }
    void clear() {
        boxes.clear();
        answers.clear();
    }

    std::vector<ShownBox> boxes;
    std::deque<int> answers;
    int defaultQuestionAnswer = kAnswerNo;
};

}  // namespace orv::test
