#pragma once
#include <string>

#include "platform/Control.h"

namespace tarn {

// A text field; lines are separated by CRLF.
class TextBox : public Control {
public:
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    // An empty tip removes it.
    virtual void SetTip(const std::string& tip) = 0;
};

}  // namespace tarn
