#pragma once
#include <string>

namespace tarn {

enum class Answer { Yes, No, Cancel };

class QuestionDialog {
public:
    virtual ~QuestionDialog() = default;
    // Modal, with the question icon and the buttons Yes, No and Cancel; closing the box answers Cancel.
    virtual Answer AskYesNoCancel(const std::string& text, const std::string& title) = 0;
};

}  // namespace tarn
