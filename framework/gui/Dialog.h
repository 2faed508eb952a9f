// Modal dialogs built from the program's dialog templates, with the field
// exchange that moves values between members and controls.
#pragma once

#include <memory>

#include "gui/DialogUnits.h"
#include "gui/Wnd.h"

namespace fw {

class CDialog;
struct DialogState;

// One run of a dialog's field exchange, in one direction.
class CDataExchange {
public:
    CDataExchange(CDialog* dialog, bool saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    // Ends the exchange as refused: UpdateData reports failure and the focus
    // goes to the control prepared last.
    [[noreturn]] void Fail();
    // The control that the following checks are about.
    void PrepareCtrl(int id) { m_lastControlId = id; }
    int LastControlId() const { return m_lastControlId; }

    bool m_bSaveAndValidate;   // true: controls into members
    CDialog* m_pDlgWnd;

private:
    int m_lastControlId = kNoId;
};

// Binds `control` to the dialog's control `id` at the first exchange.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

class CDialog : public CWnd {
public:
    explicit CDialog(int templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Builds the window from the template, runs OnInitDialog, centres a
    // hidden template's window over its owner if OnInitDialog did not move
    // it, shows it and runs until EndDialog. The owner (the parent, else the
    // innermost running dialog, else the application's main window) takes
    // no input meanwhile; its timers and paints go on. Then the window is
    // hidden, OnDestroy runs and the widgets go. Returns EndDialog's value,
    // or -1 when PostQuitMessage or the end of the session ended the run.
    int DoModal();
    void EndDialog(int result);

    // Runs DoDataExchange; false when a check refused a field. Control
    // notifications are held back while it runs.
    bool UpdateData(bool saveAndValidate = true);
    // Controls into members, with the fields' checks: UpdateData(true).
    bool ReadFields() { return UpdateData(true); }
    // Members into controls; never refuses: UpdateData(false).
    void WriteFields() { UpdateData(false); }

    // Holds back the dialog's control notifications while it lives; holds
    // nest. The field exchange and the dialog's message boxes move the focus
    // and rewrite fields on their own, and no handler may take that for the
    // user leaving or editing a field.
    class NotificationHold {
    public:
        explicit NotificationHold(CDialog& dialog);
        ~NotificationHold();
        NotificationHold(const NotificationHold&) = delete;
        NotificationHold& operator=(const NotificationHold&) = delete;

    private:
        CDialog& m_dialog;
        bool m_holding;
    };
    bool NotificationsHeld() const;

    CWnd* GetDlgItem(int id) const override;
    int TemplateId() const { return m_templateId; }

    // Message map additions of a dialog.
    virtual bool OnInitDialog();   // base: UpdateData(false); true puts the focus on the first tab stop
    virtual void OnOK();           // base: UpdateData(true), then EndDialog(IDOK)
    virtual void OnCancel();       // base: EndDialog(IDCANCEL)
    bool OnCommand(unsigned id) override;
    // F1 in any of the program's windows: ID_HELP to the main window, or to
    // this dialog while there is none.
    void RequestHelp();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

private:
    friend struct DialogAccess;

    void CreateWindowFromTemplate(const DialogTemplate& dialogTemplate, CWnd* owner);
    void CreateControls(const DialogTemplate& dialogTemplate, DialogBaseUnits base);
    void InitialiseAndShow();
    int RunLoop();
    bool RunExchange(CDataExchange& exchange);
    void FocusRefusedField(int id);
    void DestroyWindowAfterRun(bool callOnDestroy);
    CWnd* ResolveOwner() const;

    int m_templateId;
    CWnd* m_parent;
    std::unique_ptr<DialogState> m_state;   // each back end's, while the window exists
    int m_heldNotifications = 0;             // NotificationHold objects alive
};

}  // namespace fw
