// Morvane program interaction.
// The grade-mask document as the focus, mode and pivot objects of one open mask reach it.
#pragma once

#include <memory>

class CFocusManager;
class CFocusObject;
class CGradePathEditor;
class CInteractionModes;
class CMeasureLine;
class CRotationPivot;
class CTaskManager;
class IDocumentServices;
class IGradeMask;

/// The accessors of one open grade-mask document that its interaction objects need; the
/// grade-mask document implements it, tests implement it over a mask of their own. Each answer
/// may be null while the document is being set up.
class IMaskDocumentAccess
{
public:
    virtual ~IMaskDocumentAccess() = default;

    /// The main document that holds this mask document.
    virtual IDocumentServices *GetServices() = 0;
    virtual IGradeMask *GetGradeMask() = 0;
    /// The mask's own task manager, whose main task keeps the mode and focus variables.
    virtual CTaskManager *GetTaskManager() = 0;
    virtual CFocusManager *GetFocusManager() = 0;
    virtual CInteractionModes *GetInteractionModes() = 0;
    virtual CMeasureLine *GetMeasureLine() = 0;
    virtual CGradePathEditor *GetGradePathEditor() = 0;
    virtual CRotationPivot *GetRotationPivot() = 0;

    /// The polylines that the line-selecting tools picked one after another (focus objects of
    /// kind 9), owned by the document and announced to its listeners. Appends one; returns its
    /// index.
    virtual int AddFocusPolyline(std::unique_ptr<CFocusObject> polyline) = 0;
    virtual int GetFocusPolylineCount() const = 0;
    /// Null for an index out of range.
    virtual CFocusObject *GetFocusPolylineAt(int index) const = 0;
    /// Nothing for an index out of range.
    virtual void RemoveFocusPolylineAt(int index) = 0;
    /// Removes them one by one, from the last.
    virtual void ClearFocusPolylines() = 0;
};
