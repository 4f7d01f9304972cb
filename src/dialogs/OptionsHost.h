#pragma once
#include <string>

#include "settings/Settings.h"

namespace tarn {

// The bar as the options dialog sees it: its settings variables and the operations it calls on it.
class OptionsBar {
public:
    virtual ~OptionsBar() = default;
    virtual Settings& CurrentSettings() = 0;
    // The idle bar's opacity for a while, without changing Alpha.
    virtual void SetAlpha(int tempAlpha) = 0;
    virtual void FillToolbar() = 0;
    // Writes the order that the bar holds over the order files of its folders.
    virtual void SaveFileDic() = 0;
};

// The windows the options dialog opens.
class OptionsHost {
public:
    virtual ~OptionsHost() = default;
    // The folder picker for editing: 1 when an order was changed and saved.
    virtual int ShowFoldersToEdit(const std::string& folderPath) = 0;
    // The folder selection dialog: 1 with the picked folder in newPath; 2 leaves newPath as it was.
    virtual int ShowSelectFolder(const std::string& path, std::string& newPath) = 0;
    virtual void ShowHelp() = 0;
};

}  // namespace tarn
