// Morvane editing commands.
// The wait cursor of the main document, shown for the life of a scope.
#pragma once

#include "app/documents/IDocumentServices.h"

/// Shows the document's wait cursor from construction to destruction.
class WaitCursor
{
public:
    explicit WaitCursor(IDocumentServices &document) : m_document(document)
    {
        m_document.BeginWaitCursor();
    }
    ~WaitCursor() { m_document.EndWaitCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

private:
    IDocumentServices &m_document;
};
