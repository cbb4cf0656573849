#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "framework/DpiScale.h"
#include "framework/win/Window.h"

// Pane styles of the status bar.
constexpr UINT kPaneNoBorders = 0x0100;  // drawn without the sunken border
constexpr UINT kPaneStretch = 0x0800;    // takes the width the other panes leave

// A status bar control with panes identified by command ids. A pane's width
// comes from the text of the string with its id; a stretching pane takes
// the rest of the bar.
class CStatusBar : public CWindow {
public:
    ~CStatusBar() override;
    // Creates the bar at its parent's dpi.
    bool Create(HWND parent, DWORD style, UINT id);
    // Sets the panes; each id's string gives its width (id 0: the message pane).
    bool SetIndicators(const UINT* ids, int count);
    int PaneCount() const { return static_cast<int>(m_panes.size()); }
    int CommandToIndex(UINT id) const;
    void GetPaneInfo(int index, UINT& id, UINT& style, int& width) const;
    void SetPaneInfo(int index, UINT id, UINT style, int width);
    void SetPaneText(int index, const std::string& text);
    std::string GetPaneText(int index) const;
    // The height the status bar takes at the bottom of the frame (0 when hidden).
    int Height() const;
    // Fits the control to its parent and lays out the panes.
    void Resize();
    // Takes the font of status bars at the dpi and sizes the panes again
    // from their texts (the frame moved to a display of another scale).
    void SetDpi(int dpi);
    int Dpi() const { return m_nDpi; }

private:
    struct Pane {
        UINT id;
        UINT style;
        int width;
        std::string text;
    };
    int TextWidth(const std::string& text) const;
    void ApplyParts();
    void ShowText(int index);
    void TakeFontForDpi();

    std::vector<Pane> m_panes;
    int m_nDpi = kDefaultDpi;
    HFONT m_hFont = nullptr;  // the bar's font when the system's is at another dpi
};
