#pragma once

// The texts and captions of the boxes shown while a wallpaper is applied.
namespace wallpaper_texts {

// The image file is gone; the path follows the text.
constexpr const char kFileNotFoundText[] =
    "The selected wallpaper file does not exist. Expected file:\n\n";
constexpr const char kFileNotFoundCaption[] = "File Not Found";

// The image could not be decoded; the code in lower-case hexadecimal, " - "
// and the code's description follow the text (LoadErrorText, ErrorText.h).
constexpr const char kLoadErrorText[] = "The selected image failed to load:\n";
constexpr const char kLoadErrorSeparator[] = " - ";
constexpr const char kLoadErrorCaption[] = "Error Loading Image";

// The system refused the new wallpaper; the second text carries the error
// code in lower-case hexadecimal.
constexpr const char kSetErrorText[] =
    "An error was encountered in trying to change the wallpaper.\n"
    "As a result, the wallpaper has not been properly set.\n\n";
constexpr const char kSetErrorCodeText[] = "The SystemParametersInfo() return code was: ";
constexpr const char kSetErrorCaption[] = "Internal Error";

// The bitmap file next to the program could not be written; the path and
// the system's reason follow the text.
constexpr const char kSaveErrorText[] = "The wallpaper image could not be written to:\n\n";
constexpr const char kSaveErrorCaption[] = "Error Saving Image";

// Clear Wallpaper: the question, and the box when the system refuses.
constexpr const char kClearQuestion[] = "Are you sure you want to clear the desktop wallpaper?";
constexpr const char kClearCaption[] = "Clear Wallpaper?";
constexpr const char kClearErrorText[] = "An error occured when trying to clear the wallpaper.";
constexpr const char kClearErrorCaption[] = "Program Error";

// The bitmap file handed to the system, in the program's folder.
constexpr const char kCurrentPaperFile[] = "CurrentPaper.bmp";

}  // namespace wallpaper_texts
