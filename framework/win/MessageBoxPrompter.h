#pragma once
#include "framework/Prompter.h"

// Shows message boxes with the system's MessageBoxA.
class CMessageBoxPrompter : public IPrompter {
public:
    int Show(WindowHandle owner, const std::string& text, const std::string& caption,
             unsigned style) override;
};
