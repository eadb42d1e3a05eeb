// Morvane program documents.
// The main document as the data object of its own task manager: its masks and its services.
#pragma once

class CGradeMaskDoc;
class CGradeMaskDocArray;
class CTaskManager;
class IDocumentServices;

/// What the main document's own task manager (and its commands) reach through their data
/// object: the open grade masks, the document's services and the active mask.
class IDocumentAccess
{
public:
    virtual ~IDocumentAccess() = default;

    virtual CGradeMaskDocArray *GetMaskDocs() = 0;
    virtual IDocumentServices *GetServices() = 0;
    /// The document's own task manager, which runs "WorkspaceMainTask"; null until it is built.
    virtual CTaskManager *GetWorkspaceTaskManager() = 0;
    /// Makes doc (null: none) the active grade mask. Nothing when it is already; otherwise the
    /// document announces the change with before- and after-change 108 (the old and the new
    /// document) and event 128 (108, the new document), and shows the input patterns on the new
    /// mask.
    virtual void SetActiveMaskDoc(CGradeMaskDoc *doc) = 0;
    /// Null when no mask is active.
    virtual CGradeMaskDoc *GetActiveMaskDoc() = 0;
};
