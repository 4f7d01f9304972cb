#pragma once
#include <string>

namespace tarn {

// The program's windows other than the bar, in the order the bar unloads them at the end.
enum class FormName { frmHelp, frmSelectFolder, frmFoldersToEdit, frmEditOrder, frmTarnOptions, frmToolTip, frmMenu };

// What the windows ask of the program around them.
class ProgramHost {
public:
    virtual ~ProgramHost() = default;
    // Unloads a window by code; a window that is not loaded is left alone.
    virtual void UnloadWindow(FormName form) = 0;
    // Ends the program at once: no further handler of any window runs.
    virtual void EndProgram() = 0;
    // The dialogs the bar's commands open. The folder picker returns 1 when an order was changed and saved.
    virtual int ShowFoldersToEdit(const std::string& folderPath) = 0;
    // The order editor for one folder, opened by the folder picker: 1 when it wrote the folder's order file.
    virtual int ShowEditOrder(const std::string& folder, bool menuItemOrder) = 0;
    virtual void ShowOptions() = 0;
    virtual void ShowHelp() = 0;
};

}  // namespace tarn
