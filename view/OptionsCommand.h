#pragma once
#include "dialogs/OptionsFields.h"

class CProgramSettings;

// The Options command copies the list window's option values into the
// dialog's fields, and back after OK.
namespace options_command {

COptionsFields FieldsFrom(const CProgramSettings& settings);
void Store(const COptionsFields& fields, CProgramSettings& settings);

}  // namespace options_command
