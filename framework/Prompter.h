#pragma once
#include <deque>
#include <string>
#include <vector>

// Every message box of the program goes through one prompter, which tests
// replace to see the owner, caption, text and style and to script answers.

// An opaque window handle (an HWND on Windows).
using WindowHandle = void*;

// Message box styles and answers, with the values Windows gives them.
namespace mb {
constexpr unsigned kOk = 0x0000;
constexpr unsigned kYesNoCancel = 0x0003;
constexpr unsigned kYesNo = 0x0004;
constexpr unsigned kIconError = 0x0010;
constexpr unsigned kIconQuestion = 0x0020;
constexpr unsigned kIconExclamation = 0x0030;
constexpr unsigned kDefButton2 = 0x0100;
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;
}  // namespace mb

class IPrompter {
public:
    virtual ~IPrompter() = default;
    // Shows a message box and returns the answer (mb::kIdOk, kIdYes, ...).
    virtual int Show(WindowHandle owner, const std::string& text, const std::string& caption,
                     unsigned style) = 0;
};

// The prompter in force; SetPrompter(nullptr) restores the platform's own.
IPrompter& Prompter();
void SetPrompter(IPrompter* prompter);
// Installs the platform's prompter (on Windows, MessageBoxA). Until one is
// installed, boxes are answered with the default button without showing.
void SetPlatformPrompter(IPrompter* prompter);

// Shows a box through the prompter in force.
int ShowMessage(WindowHandle owner, const std::string& text, const std::string& caption,
                unsigned style);

// A prompter for tests: records every box and answers from a script
// (the default answer when the script is empty).
class CRecordingPrompter : public IPrompter {
public:
    struct Box {
        WindowHandle owner;
        std::string text;
        std::string caption;
        unsigned style;
    };
    int Show(WindowHandle owner, const std::string& text, const std::string& caption,
             unsigned style) override;
    void Answer(int answer) { m_script.push_back(answer); }
    const std::vector<Box>& Boxes() const { return m_boxes; }
    void Clear() {
        m_boxes.clear();
        m_script.clear();
    }

private:
    std::vector<Box> m_boxes;
    std::deque<int> m_script;
};

// While alive, makes a recording prompter the one in force.
class CScopedPrompter {
public:
    explicit CScopedPrompter(IPrompter& prompter) { SetPrompter(&prompter); }
    ~CScopedPrompter() { SetPrompter(nullptr); }
    CScopedPrompter(const CScopedPrompter&) = delete;
    CScopedPrompter& operator=(const CScopedPrompter&) = delete;
};
