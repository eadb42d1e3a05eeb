// Morvane program documents.
// The wait cursor of a document's window, shown for the life of a scope.
#pragma once

/// Shows the wait cursor of document (anything with BeginWaitCursor and EndWaitCursor: the main
/// document's services, the table document's owner) from construction to destruction.
template <class Document> class WaitCursor
{
public:
    explicit WaitCursor(Document &document)
        : m_document(document)
    {
        m_document.BeginWaitCursor();
    }
    ~WaitCursor() { m_document.EndWaitCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

private:
    Document &m_document;
};
