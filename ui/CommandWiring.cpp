// Where the parts of the program connect their commands to the main window.
// Each part adds its lines below (project files and title, unit dialogs,
// printing and copying, the moisture calculator, the settings store).
#include "Commands.h"

#include "frmRotor.h"

namespace kestrix::ui {

void InstallCommands(frmRotor& window) {
    (void)window;
}

} // namespace kestrix::ui
