#include "plugin/dialogs/dialogs.h"
#include "plugin/export/export_dialog.h"

// The host's output-style editor is opened through the host's request
// service; a host that offers none gets the alert sound, as a person
// pressing a button that can do nothing would hear.
void openOutputStyleEditor() { beep(); }
