#include "view/OptionsCommand.h"

#include "view/ProgramSettings.h"

namespace options_command {

namespace {

// The dialog's fields and the options they edit.
struct FieldOption {
    std::int32_t COptionsFields::*field;
    std::int32_t CProgramSettings::*option;
};

const FieldOption kFieldOptions[] = {
    {&COptionsFields::m_bMinimizeOnStart, &CProgramSettings::m_bMinimizeOnStart},
    {&COptionsFields::m_bReloadLastList, &CProgramSettings::m_bReloadLastList},
    {&COptionsFields::m_bChangeOnStart, &CProgramSettings::m_bChangeOnStart},
    {&COptionsFields::m_bKeepOnTop, &CProgramSettings::m_bKeepOnTop},
    {&COptionsFields::m_bWarnOnRecycle, &CProgramSettings::m_bWarnOnRecycle},
    {&COptionsFields::m_bAutoSave, &CProgramSettings::m_bAutoSave},
    {&COptionsFields::m_bAutoSort, &CProgramSettings::m_bAutoSort},
    {&COptionsFields::m_bSnapWindow, &CProgramSettings::m_bSnapWindow},
    {&COptionsFields::m_nSnapLimit, &CProgramSettings::m_nSnapLimit},
    {&COptionsFields::m_bScanDeadOnStart, &CProgramSettings::m_bScanDeadOnStart},
};

}  // namespace

COptionsFields FieldsFrom(const CProgramSettings& settings) {
    COptionsFields fields;
    for (const FieldOption& pair : kFieldOptions)
        fields.*pair.field = settings.*pair.option;
    return fields;
}

void Store(const COptionsFields& fields, CProgramSettings& settings) {
    for (const FieldOption& pair : kFieldOptions)
        settings.*pair.option = fields.*pair.field;
}

}  // namespace options_command
