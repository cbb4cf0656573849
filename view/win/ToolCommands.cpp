#include "view/win/ToolCommands.h"

#include "dialogs/win/ListSettingsDlg.h"
#include "dialogs/win/OptionsDlg.h"
#include "framework/win/Application.h"
#include "list/WallpaperItem.h"
#include "res/resource.h"
#include "view/ListSettingsCommand.h"
#include "view/OptionsCommand.h"
#include "view/ProgramSettings.h"
#include "view/win/VarnelloView.h"
#include "wallpaper/WallpaperClearer.h"
#include "wallpaper/win/PreviewDlg.h"

CToolCommands::CToolCommands(CVarnelloView& view) : m_view(view) {}

CToolCommands::~CToolCommands() {
    ClosePreviewWindow();
}

void CToolCommands::PreviewWindow() {
    if (m_pPreview) {
        ShowWindow(m_pPreview->GetHwnd(), SW_SHOW);
        SetForegroundWindow(m_pPreview->GetHwnd());
    } else {
        CPreviewDlg::PositionStore store;
        if (CApplication* app = CApplication::Get())
            store.profile = &app->Profile();
        store.section = CProgramSettings::kSection;
        store.xName = CProgramSettings::kPreviewX;
        store.yName = CProgramSettings::kPreviewY;
        const CProgramSettings& options = m_view.Options();
        auto* preview =
            new CPreviewDlg(this, options.m_nSnapLimit, options.m_bSnapWindow, std::move(store));
        if (!preview->Create()) {
            delete preview;
            return;
        }
        m_pPreview = preview;
        ShowWindow(preview->GetHwnd(), SW_SHOW);
    }
    FollowSelection(preview_follow::OnPreviewCommand(m_view.Rows().Store().SelectedCount()));
}

void CToolCommands::OnStatesChanged(unsigned oldState, unsigned newState) {
    if (!m_pPreview)
        return;
    FollowSelection(preview_follow::OnRowStateChanged(oldState, newState,
                                                      m_view.Rows().Store().SelectedCount()));
}

void CToolCommands::FollowSelection(preview_follow::Action action) {
    switch (action) {
    case preview_follow::Action::kClear:
        m_pPreview->ClearImage();
        break;
    case preview_follow::Action::kShowFirstSelected:
        ShowFirstSelected();
        break;
    case preview_follow::Action::kNothing:
        break;
    }
}

void CToolCommands::ShowFirstSelected() {
    int row = m_view.Rows().Store().NextSelected(-1);
    CWallpaperItem* item = row >= 0 ? m_view.Rows().Item(row) : nullptr;
    if (m_pPreview && item)
        m_pPreview->ShowImage(item->GetPath());
}

void CToolCommands::ShowPreviewWindow(int showCommand) {
    if (m_pPreview && m_pPreview->GetHwnd())
        ShowWindow(m_pPreview->GetHwnd(), showCommand);
}

void CToolCommands::ClosePreviewWindow() {
    if (m_pPreview && m_pPreview->GetHwnd())
        DestroyWindow(m_pPreview->GetHwnd());  // the preview then forgets itself
}

void CToolCommands::ClearWallpaper() {
    ::ClearWallpaper(m_view.WallpaperServices(), m_view.GetHwnd());
}

// OK takes the fields back and applies them: the frame's snapping, the
// document's Auto Save, the preview's snapping, and the topmost band,
// which is set on every OK.
void CToolCommands::Options() {
    CProgramSettings& options = m_view.Options();
    COptionsDlg dialog;
    dialog.m_fields = options_command::FieldsFrom(options);
    if (dialog.DoModal(m_view.MainWindow()) != IDOK)
        return;
    options_command::Store(dialog.m_fields, options);
    if (IListViewFrame* frame = m_view.Frame()) {
        frame->SetSnapLimit(options.m_nSnapLimit);
        frame->SetSnapWindow(options.m_bSnapWindow);
    }
    if (CVarnelloDoc* document = m_view.GetDocument())
        document->SetAutoSave(options.m_bAutoSave);
    if (m_pPreview) {
        m_pPreview->SetSnapLimit(options.m_nSnapLimit);
        m_pPreview->SetSnapWindow(options.m_bSnapWindow);
    }
    if (IListViewFrame* frame = m_view.Frame())
        frame->SetTopmost(options.m_bKeepOnTop != 0, true);
}

void CToolCommands::ListSettings() {
    CVarnelloDoc* document = m_view.GetDocument();
    CListSettings* settings = document ? document->GetSettings() : nullptr;
    if (!settings)
        return;
    CListSettingsDlg dialog;
    dialog.m_fields = list_settings_command::FieldsFrom(*settings);
    if (dialog.DoModal(m_view.MainWindow()) != IDOK)
        return;
    list_settings_command::Outcome outcome =
        list_settings_command::Store(*settings, dialog.m_fields);
    using change_timer::SettingsAction;
    switch (outcome.timer) {
    case SettingsAction::kArm:
    case SettingsAction::kRestart:
        // Setting the timer again replaces it with the new period.
        m_view.ArmChangeTimer();
        break;
    case SettingsAction::kKill:
    case SettingsAction::kKillAndClear:
        KillTimer(m_view.GetHwnd(), IDT_CHANGE_TIMER);
        break;
    case SettingsAction::kNone:
        break;
    }
    if (outcome.modified)
        document->SetModifiedFlag(true);
}
