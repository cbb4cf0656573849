#include "framework/win/ExceptionBarrier.h"

#include <new>
#include <string>

#include "framework/FrameworkTexts.h"
#include "framework/Prompter.h"
#include "framework/StandardIds.h"
#include "framework/win/Application.h"
#include "framework/win/ResourceText.h"

namespace {

bool g_reporting = false;

// The text for the exception being handled.
const char* ExceptionText() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return texts::kNotEnoughMemory;
    } catch (...) {
        return texts::kOperationFailed;
    }
}

}  // namespace

// Must be called from a catch block.
void ReportException(HWND window) noexcept {
    if (g_reporting)
        return;
    g_reporting = true;
    try {
        const char* text = ExceptionText();
        CApplication* app = CApplication::Get();
        HWND owner = window ? GetAncestor(window, GA_ROOT) : nullptr;
        if (!owner && app)
            owner = app->MainWindow();
        std::string caption = app ? app->AppTitle() : LoadResourceString(IDS_APP_TITLE);
        ShowMessage(owner, text, caption, mb::kOk | mb::kIconError);
    } catch (...) {
        // Not even the box could be shown: the operation is given up silently.
    }
    g_reporting = false;
}
