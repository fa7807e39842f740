#pragma once

#include <string>

namespace orv {

// The kinds of message box; each has its caption, icon and buttons.
enum class BoxKind { Error, Warning, Information, Choice, YesNoCancel };

// Standard message-box answer codes.
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

// Shows one box and returns the answer. MessageLog formats and logs; the
// presenter only shows. The window presents a Qt box, orvctl writes stderr and
// answers from --yes/--no, tests script the answers.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual int present(BoxKind kind, const std::string& caption, const std::string& text) = 0;
    // The same box with details the user may open (every difference behind a
    // check's first one). A presenter without a place for them shows the box.
    virtual int presentWithDetails(BoxKind kind, const std::string& caption, const std::string& text,
                                   const std::string& details) {
        (void)details;
        return present(kind, caption, text);
    }
};

}  // namespace orv
