#pragma once
#include <string>

#include "platform/Control.h"

namespace tarn {

// A command button; its clicks reach the handler of its window.
class Button : public Control {
public:
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
};

}  // namespace tarn
