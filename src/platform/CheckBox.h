#pragma once
#include "platform/Control.h"

namespace tarn {

// A check box, or one option button of a group: choosing one option clears the others of its group.
class CheckBox : public Control {
public:
    virtual bool Checked() const = 0;
    virtual void SetChecked(bool checked) = 0;
};

}  // namespace tarn
