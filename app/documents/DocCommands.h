// Morvane program documents.
// The document's menu commands on the focused point, contexts, workspaces and the test model.
#pragma once

class CBasePoint;
class CMorvaneDoc;
class IMainWindow;

/// Carries out a group of the main document's menu commands. The document connects itself when
/// it is made, and the main window when the window connects itself; unconnected, every command
/// does nothing and is disabled. The focused point is the point under the pointer in the
/// active mask.
class CDocCommands
{
public:
    void Connect(CMorvaneDoc *document, IMainWindow *window)
    {
        m_pDocument = document;
        m_pWindow = window;
    }

    /// Dispatch "DeletePoint", "CombinePolylinesAtPoint" or "SplitPolyline" with the focused
    /// point to the active mask's tasks; each is enabled while they would take it.
    void DeletePoint();
    bool CanDeletePoint() const;
    void CombinePolylinesAtPoint();
    bool CanCombinePolylinesAtPoint() const;
    void SplitPolyline();
    bool CanSplitPolyline() const;
    /// The focused point's grade type 0 becomes 1 and 1 becomes 0; others stay. Enabled as
    /// DeletePoint.
    void ToggleGradeType();

    /// A context chosen in the open dialog is applied to the open masks; a file that does not
    /// load applies nothing and shows nothing.
    void LoadContext();
    /// The open masks are gathered into a context saved where the save dialog says.
    void SaveContext();
    /// Closes every mask (when that is allowed now), then loads the workspace chosen in the
    /// open dialog and, when it was read, applies it with its input patterns and activates the
    /// table set's first table.
    void LoadWorkspace();
    /// The document's workspace records it and is saved where the save dialog says.
    void SaveWorkspace();

    /// Replaces the grade model by "Test Model", a rectangle built in code (kind 5), with the
    /// active mask's tasks stopped meanwhile, and clears every mask's undo history.
    void TestModel();
    /// No mask is active, or the active mask's tasks would take "OnDeactivate".
    bool CanTestModel() const;

private:
    CBasePoint *focusedPoint() const;
    bool canDispatchOnPoint(const char *event) const;
    void dispatchOnPoint(const char *event);

    CMorvaneDoc *m_pDocument = nullptr;
    IMainWindow *m_pWindow = nullptr;
};
