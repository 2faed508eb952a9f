// CDialog: the platform's modal dialog from the template of res/, with the
// message map dispatched from its dialog procedure.
#include "gui/Dialog.h"

#include <algorithm>
#include <map>
#include <vector>

#include "core/win32/WideText.h"
#include "gui/App.h"
#include "gui/common/DeviceScale.h"
#include "gui/common/ModalRuns_p.h"
#include "gui/win32/DialogLayout_p.h"
#include "gui/win32/DialogTemplateBuilder.h"
#include "gui/win32/Dpi_p.h"
#include "gui/win32/Icons_p.h"
#include "gui/win32/KeyFilter_p.h"
#include "gui/win32/TaskbarOverlay_p.h"
#include "gui/win32/WndData_p.h"
#include "gui/win32/WinApi.h"

namespace fw {

struct DialogState {
    const DialogTemplate* dialogTemplate = nullptr;
    // The template's font made again for a screen of another scale.
    ::HFONT rescaledFont = nullptr;

    ~DialogState()
    {
        if (rescaledFont)
            DeleteObject(rescaledFont);
    }
};

namespace {

CPoint PointOf(LPARAM lParam)
{
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// A hidden template's window goes to the middle of its owner (of the work
// area without one), kept inside the work area.
void CentreOverOwner(HWND dialog, HWND owner)
{
    RECT self{};
    RECT around{};
    RECT area{};
    ::GetWindowRect(dialog, &self);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    if (!owner || !::GetWindowRect(owner, &around))
        around = area;
    const LONG width = self.right - self.left;
    const LONG height = self.bottom - self.top;
    LONG x = (around.left + around.right - width) / 2;
    LONG y = (around.top + around.bottom - height) / 2;
    x = std::max(area.left, std::min(x, area.right - width));
    y = std::max(area.top, std::min(y, area.bottom - height));
    ::SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// One brush per colour for the whole run: the platform uses a control-colour
// brush after the handler returns, so it cannot be deleted there.
::HBRUSH SolidBrushOf(COLORREF color)
{
    static std::map<COLORREF, ::HBRUSH> brushes;
    ::HBRUSH& brush = brushes[color];
    if (!brush)
        brush = CreateSolidBrush(color);
    return brush;
}

}  // namespace

struct DialogAccess {
    static INT_PTR Initialise(CDialog& dialog, HWND hwnd);
    static INT_PTR Handle(CDialog& dialog, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR Route(CDialog& dialog, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR Command(CDialog& dialog, WPARAM wParam, LPARAM lParam);
    static INT_PTR Notify(CDialog& dialog, const NMHDR& header);
    static INT_PTR ControlColour(CDialog& dialog, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR Rescale(CDialog& dialog, int dpi, const RECT& suggested);
};

namespace {

INT_PTR CALLBACK DialogProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return DialogAccess::Initialise(*reinterpret_cast<CDialog*>(lParam), hwnd);
    // Only dialogs run this procedure, and each is attached at WM_INITDIALOG.
    auto* dialog = static_cast<CDialog*>(CWnd::FromHandle(hwnd));
    return dialog ? DialogAccess::Handle(*dialog, message, wParam, lParam) : FALSE;
}

void EnsureCommonControls()
{
    static const bool ready = [] {
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS};
        return InitCommonControlsEx(&classes) != FALSE;
    }();
    (void)ready;
}

}  // namespace

INT_PTR DialogAccess::Initialise(CDialog& dialog, HWND hwnd)
{
    dialog.Attach(hwnd);
    win32::LayOutInNominalUnits(hwnd, *dialog.m_state->dialogTemplate, win32::WindowDpi(hwnd));
    RECT before{};
    ::GetWindowRect(hwnd, &before);
    WndData& data = WndAccess::Data(dialog);
    data.currentMessage = WM_INITDIALOG;
    const bool defaultFocus = dialog.OnInitDialog();
    data.currentMessage = 0;
    RECT after{};
    ::GetWindowRect(hwnd, &after);
    const bool hidden = !(dialog.m_state->dialogTemplate->style & WS_VISIBLE);
    if (hidden && EqualRect(&before, &after))
        CentreOverOwner(hwnd, GetWindow(hwnd, GW_OWNER));
    return defaultFocus ? TRUE : FALSE;
}

INT_PTR DialogAccess::Handle(CDialog& dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    WndData& data = WndAccess::Data(dialog);
    // A handler may send a message to its own window: keep the outer state.
    const bool outerPass = data.passToPlatform;
    const unsigned outerMessage = data.currentMessage;
    data.passToPlatform = false;
    data.currentMessage = message;
    const INT_PTR result = Route(dialog, message, wParam, lParam);
    const bool platform = data.passToPlatform;
    data.passToPlatform = outerPass;
    data.currentMessage = outerMessage;
    return platform ? FALSE : result;
}

INT_PTR DialogAccess::Route(CDialog& dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        return Command(dialog, wParam, lParam);
    case WM_NOTIFY:
        return Notify(dialog, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_PAINT:
        dialog.OnPaint();
        return TRUE;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return ControlColour(dialog, message, wParam, lParam);
    case WM_TIMER:
        dialog.OnTimer(static_cast<unsigned>(wParam));
        return TRUE;
    case WM_SIZE:
        dialog.OnSize(static_cast<unsigned>(wParam), LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_SYSCOMMAND:
        dialog.OnSysCommand(static_cast<unsigned>(wParam), static_cast<long>(lParam));
        return TRUE;
    case WM_CLOSE:
        dialog.OnClose();
        return TRUE;
    case WM_DESTROY:
        dialog.OnDestroy();
        win32::ForgetWindowDpi(dialog.GetSafeHwnd());
        return TRUE;
    case WM_DPICHANGED:
        return Rescale(dialog, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
    case WM_LBUTTONDOWN:
        dialog.OnLButtonDown(static_cast<unsigned>(wParam), PointOf(lParam));
        return TRUE;
    case WM_CONTEXTMENU:
        dialog.OnContextMenu(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), PointOf(lParam));
        return TRUE;
    case WM_HELP:
        // F1: the platform asks the focused window's dialog.
        dialog.RequestHelp();
        return TRUE;
    case WM_QUERYDRAGICON:
        // The platform takes the handle as the procedure's return value here.
        return reinterpret_cast<INT_PTR>(PlatformIconOf(dialog.OnQueryDragIcon(), true));
    case WM_QUERYENDSESSION:
        SetWindowLongPtrW(dialog.GetSafeHwnd(), DWLP_MSGRESULT, dialog.OnQueryEndSession() ? TRUE : FALSE);
        return TRUE;
    case WM_ENDSESSION:
        if (wParam)
            dialog.EndDialog(-1);
        return TRUE;
    default:
        win32::NoteTaskbarMessage(dialog.GetSafeHwnd(), message);
        return FALSE;
    }
}

// A button or menu command (notification code 0, or 1 from an accelerator)
// goes to OnCommand; any other notification to the command table alone, and
// none while the dialog holds its notifications back.
INT_PTR DialogAccess::Command(CDialog& dialog, WPARAM wParam, LPARAM lParam)
{
    const unsigned id = LOWORD(wParam);
    const unsigned code = HIWORD(wParam);
    if (code == BN_CLICKED || (code == 1 && lParam == 0))
        return dialog.OnCommand(id) ? TRUE : FALSE;
    if (dialog.NotificationsHeld())
        return TRUE;
    return dialog.DispatchCommand(id, code) ? TRUE : FALSE;
}

INT_PTR DialogAccess::Notify(CDialog& dialog, const NMHDR& header)
{
    if (dialog.NotificationsHeld())
        return TRUE;
    return dialog.DispatchCommand(static_cast<unsigned>(header.idFrom), header.code) ? TRUE : FALSE;
}

// The handler starts from the platform's colours and brush; a brush it
// hands back replaces the platform's, and the colours it sets stay on the
// control's drawing context.
INT_PTR DialogAccess::ControlColour(CDialog& dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    const HDC surface = reinterpret_cast<HDC>(wParam);
    const HWND control = reinterpret_cast<HWND>(lParam);
    const LRESULT platformBrush = DefWindowProcW(dialog.GetSafeHwnd(), message, wParam, lParam);
    CDC dc(surface);
    CWnd* wrapper = control == dialog.GetSafeHwnd() ? &dialog : CWnd::FromHandle(control);
    if (!wrapper)
        wrapper = dialog.GetDlgItem(::GetDlgCtrlID(control));
    const fw::HBRUSH brush = dialog.OnCtlColor(&dc, wrapper, message - WM_CTLCOLORMSGBOX);
    WndAccess::Data(dialog).passToPlatform = false;
    return brush ? reinterpret_cast<INT_PTR>(SolidBrushOf(brush.color)) : static_cast<INT_PTR>(platformBrush);
}

// Moved to a screen of another scale: the same logical window, drawn anew
// at the new scale where the platform suggests, with its font and controls
// remade for it.
INT_PTR DialogAccess::Rescale(CDialog& dialog, int dpi, const RECT& suggested)
{
    const HWND hwnd = dialog.GetSafeHwnd();
    const DialogTemplate& dialogTemplate = *dialog.m_state->dialogTemplate;
    CRect client;
    dialog.GetClientRect(&client);
    LOGFONTW font{};
    font.lfHeight = -MulDiv(dialogTemplate.fontPointSize, dpi, 72);
    font.lfCharSet = SHIFTJIS_CHARSET;
    win32::WideFromUtf8(dialogTemplate.fontFace).copy(font.lfFaceName, LF_FACESIZE - 1);
    const ::HFONT rescaled = CreateFontIndirectW(&font);
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(rescaled), FALSE);
    if (dialog.m_state->rescaledFont)
        DeleteObject(dialog.m_state->rescaledFont);
    dialog.m_state->rescaledFont = rescaled;
    win32::LayOutInNominalUnits(hwnd, dialogTemplate, dpi);
    const double ratio = win32::DeviceRatioOf(dpi);
    win32::PlaceWithClientSize(hwnd, suggested.left, suggested.top, DeviceEdge(client.Width(), ratio),
                               DeviceEdge(client.Height(), ratio), dpi);
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (!pDX || !pDX->m_pDlgWnd || control.GetSafeHwnd())
        return;
    HWND item = ::GetDlgItem(pDX->m_pDlgWnd->GetSafeHwnd(), id);
    if (item && !CWnd::FromHandle(item))
        control.Attach(item);
}

CDialog::CDialog(int templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

CDialog::~CDialog() = default;

CWnd* CDialog::ResolveOwner() const
{
    if (m_parent && m_parent->GetSafeHwnd())
        return m_parent;
    if (CDialog* running = InnermostModalDialog())
        return running;
    return AfxGetMainWnd();
}

int CDialog::DoModal()
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(m_templateId);
    if (!dialogTemplate)
        return -1;
    EnsureCommonControls();
    const std::vector<std::uint32_t> bytes = win32::BuildDialogTemplate(*dialogTemplate);
    const CWnd* owner = ResolveOwner();
    m_state = std::make_unique<DialogState>();
    m_state->dialogTemplate = dialogTemplate;
    EnterModalRun(*this);
    const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                                                   reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()),
                                                   owner ? owner->GetSafeHwnd() : nullptr, DialogProcedure,
                                                   reinterpret_cast<LPARAM>(this));
    LeaveModalRun(*this);
    Detach();
    m_state.reset();
    return static_cast<int>(result);
}

void CDialog::EndDialog(int result)
{
    if (GetSafeHwnd())
        ::EndDialog(GetSafeHwnd(), result);
}

// The refused field takes the focus with its text selected, ready to retype.
void CDialog::FocusRefusedField(int id)
{
    HWND refused = GetSafeHwnd() ? ::GetDlgItem(GetSafeHwnd(), id) : nullptr;
    if (!refused)
        return;
    SendMessageW(GetSafeHwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(refused), TRUE);
    SendMessageW(refused, EM_SETSEL, 0, -1);
}

CWnd* CDialog::GetDlgItem(int id) const
{
    return CWnd::GetDlgItem(id);
}

}  // namespace fw
