#pragma once
#include <string>

namespace tarn {

enum class MessageIcon { Information, Critical };

class MessageDialog {
public:
    virtual ~MessageDialog() = default;
    // Modal, with an OK button.
    virtual void Show(const std::string& text, const std::string& title, MessageIcon icon) = 0;
};

}  // namespace tarn
