#include "framework/Prompter.h"

namespace {

// Answers with the default button; stands in until the platform installs its own.
class CSilentPrompter : public IPrompter {
public:
    int Show(WindowHandle, const std::string&, const std::string&, unsigned style) override {
        return DefaultAnswer(style);
    }
    static int DefaultAnswer(unsigned style) {
        unsigned buttons = style & 0x0F;
        bool second = (style & mb::kDefButton2) != 0;
        if (buttons == mb::kYesNo)
            return second ? mb::kIdNo : mb::kIdYes;
        if (buttons == mb::kYesNoCancel)
            return second ? mb::kIdNo : mb::kIdYes;
        return mb::kIdOk;
    }
};

CSilentPrompter g_silent;
IPrompter* g_platform = &g_silent;
IPrompter* g_current = nullptr;

}  // namespace

IPrompter& Prompter() {
    return g_current ? *g_current : *g_platform;
}

void SetPrompter(IPrompter* prompter) {
    g_current = prompter;
}

void SetPlatformPrompter(IPrompter* prompter) {
    g_platform = prompter ? prompter : &g_silent;
}

int ShowMessage(WindowHandle owner, const std::string& text, const std::string& caption,
                unsigned style) {
    return Prompter().Show(owner, text, caption, style);
}

int CRecordingPrompter::Show(WindowHandle owner, const std::string& text,
                             const std::string& caption, unsigned style) {
    m_boxes.push_back(Box{owner, text, caption, style});
    if (m_script.empty())
        return CSilentPrompter::DefaultAnswer(style);
    int answer = m_script.front();
    m_script.pop_front();
    return answer;
}
