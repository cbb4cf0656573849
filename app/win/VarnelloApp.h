#pragma once
#include <windows.h>

#include "framework/win/Application.h"

// The clipboard format that marks data dragged out of a wallpaper list;
// the list window refuses drops that carry it.
extern UINT g_cfVarnelloList;

// The name of this program's single-instance objects.
extern const char kInstanceName[];

// The application object: the start-up routine and the About command.
class CVarnelloApp : public CApplication {
public:
    CVarnelloApp();

    bool InitInstance() override;
    bool OnCommand(unsigned id) override;
    bool HasCommand(unsigned id) const override;
    // The parameters of the command line (set before Run, without the program name).
    void SetArguments(std::vector<std::string> arguments) { m_arguments = std::move(arguments); }

private:
    // Help > About Varnello... (57664): the About box, modal.
    void OnAppAbout();
    bool RegisterDocumentTemplate();
    void RunStartupActions(bool changeOnStart);

    std::vector<std::string> m_arguments;
    static const CommandEntry<CVarnelloApp> kCommands[];
};
