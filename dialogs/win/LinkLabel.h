#pragma once
#include <windows.h>

#include <string>

#include "dialogs/LinkRules.h"
#include "framework/win/Window.h"

// A static-text control that acts as a hyperlink: its text in link colours,
// underlined (always, or while the mouse is over it), a hand cursor, a
// tooltip with its URL, and a click that opens the URL with the shell or,
// when the shell refuses, with the registered web browser's command.
//
// Use: attach it to a static control of a dialog (Attach, in the dialog's
// initialisation), then SetLink, SetLinkColors, SetUnderlineMode.
class CLinkLabel : public CWindow {
public:
    // Underline modes.
    static constexpr int kUnderlineAlways = 1;
    static constexpr int kUnderlineHover = -1;
    static constexpr int kUnderlineNever = 0;
    // The hover-tracking timer.
    static constexpr UINT_PTR kHoverTimer = 100;
    static constexpr UINT kHoverPeriod = 100;

    CLinkLabel();
    ~CLinkLabel() override;

    // Takes over the static control: click notifications, fonts, size,
    // cursor and tooltip. False when the control cannot be taken over.
    bool Attach(HWND control);

    // The URL opened on click and shown in the tooltip.
    void SetLink(const std::string& url);
    const std::string& GetLink() const { return m_strUrl; }
    // Colours as COLORREF values; a hover colour of -1 means the system's
    // highlight colour.
    void SetLinkColors(COLORREF link, COLORREF visited, COLORREF hover);
    void SetUnderlineMode(int mode);
    int GetUnderlineMode() const { return m_nUnderlineMode; }
    // Sizes the control to its text (with its border), keeping the side its
    // alignment names.
    void FitToText();

    // Opens the URL; the result is the shell's (or the browser command's),
    // above 32 on success.
    static int OpenLink(const std::string& url, int showCommand);
    // Says why an open failed, in the application's message box.
    void ShowOpenError(int code);

    bool IsHovering() const { return m_bHovering != 0; }
    bool IsVisited() const { return m_bVisited != 0; }
    COLORREF TextColour() const;
    HCURSOR LinkCursor() const { return m_hLinkCursor; }
    HWND Tooltip() const { return m_hTooltip; }

    bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void LoadLinkCursor();
    void CreateTooltip();
    void OnMouseMove();
    void OnHoverTimer();
    void OnClicked();
    // Hands a mouse message to the tooltip, which shows itself from them.
    void RelayToTooltip(UINT message, WPARAM wParam, LPARAM lParam);

    link_rules::Colours m_colours;
    int m_bHovering = 0;
    int m_bVisited = 0;
    int m_nUnderlineMode = kUnderlineHover;
    int m_bAutoSize = 1;
    std::string m_strUrl;
    HFONT m_hUnderlineFont = nullptr;
    HFONT m_hPlainFont = nullptr;
    HCURSOR m_hLinkCursor = nullptr;
    HWND m_hTooltip = nullptr;
    UINT_PTR m_nTimerId = kHoverTimer;
    bool m_bOwnCursor = false;  // the cursor is a copy that this link frees
};
